#pragma once

#include "platform/base/WinTypes.h"

namespace platform::gtk {

// Brings the GtkWindow of a top-level window of the model in line with it: made when the window
// first shows, moved, sized, shown, hidden, stacked, shaped and redrawn as the model says.
void syncWindow(HWND window);
// The pointer over the program's windows is the hand (true) or the arrow.
void setPointerShape(bool hand);

} // namespace platform::gtk
