#include "platform/backend/gtk/GtkBackend.h"

#include "GtkWindows.h"
#include "platform/gdi/FontSetup.h"
#include "platform/user/Backend.h"
#include "platform/user/Input.h"
#include "platform/user/Screen.h"

#include <X11/Xlib.h>
#include <chrono>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

namespace platform::gtk {

int messageBox(const MessageBoxRequest& request);

namespace {

using Clock = std::chrono::steady_clock;

// The model's loops wait here: one turn of the GTK main loop, which delivers input to the model.
bool waitForInput() {
    gtk_main_iteration_do(TRUE);
    return true;
}

void windowChanged(HWND window) {
    syncWindow(window);
}

void cursorChanged(PointerShape shape) {
    setPointerShape(shape == PointerShape::Hand);
}

// Time for the pointer's hover detection passes as it passes.
gboolean hoverTick(gpointer) {
    static Clock::time_point last = Clock::now();
    const auto now = Clock::now();
    platform::user::advanceHoverClock(static_cast<DWORD>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now - last).count()));
    last = now;
    return G_SOURCE_CONTINUE;
}

int (*g_previousErrorHandler)(Display*, XErrorEvent*) = nullptr;

// A window another program destroyed (a close by xdotool, a killed frame) may still be named by
// requests already on their way: such errors are expected and must not end the program. Every
// other error goes to GDK's own handler.
int ignoreVanishedWindows(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow || error->error_code == BadDrawable)
        return 0;
    return g_previousErrorHandler ? g_previousErrorHandler(display, error) : 0;
}

} // namespace

bool installGtkBackend() {
    gdk_set_allowed_backends("x11");
    if (!gtk_init_check(nullptr, nullptr))
        return false;
    g_previousErrorHandler = XSetErrorHandler(&ignoreVanishedWindows);
    // Before the first window shows, its dialog measures its font and GTK loads its theme for the
    // first GtkWindow. Both take milliseconds: the font configuration is read in the background
    // while the theme loads here, instead of one after the other.
    platform::gdi::startFontSetup();
    gtk_settings_get_default();
    GdkRectangle area{0, 0, 1920, 1080};
    GdkMonitor* monitor = gdk_display_get_primary_monitor(gdk_display_get_default());
    if (!monitor)
        monitor = gdk_display_get_monitor(gdk_display_get_default(), 0);
    if (monitor)
        gdk_monitor_get_geometry(monitor, &area);
    platform::user::setScreen(area.width, area.height);
    BackendHooks hooks;
    hooks.messageBox = &messageBox;
    hooks.waitForInput = &waitForInput;
    hooks.windowChanged = &windowChanged;
    hooks.cursorChanged = &cursorChanged;
    platform::user::installBackend(hooks);
    g_timeout_add(50, &hoverTick, nullptr);
    return true;
}

} // namespace platform::gtk
