#pragma once

namespace platform::gtk {

// Opens the X11 display (GDK's X11 backend only, so under Wayland the program runs through
// XWayland) and installs the GTK backend's hooks. False when no X11 display can be reached; the
// headless backend then stays in place.
bool installGtkBackend();

} // namespace platform::gtk
