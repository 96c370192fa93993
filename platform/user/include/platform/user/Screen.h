#pragma once

// The screen as the model composes it, and the input a backend (or a test) feeds it.

#include "platform/user/WinUser.h"

#include <cairo.h>
#include <cstdint>

namespace platform::user {

// The screen's size and the colour of the background behind all windows (0xAARRGGBB).
void setScreen(int width, int height, std::uint32_t background = 0xFF1E2A38);
SIZE screenSize();
RECT workArea();

// Every visible top-level window, bottom to top, over the background.
cairo_surface_t* composeScreen();
// One pixel of the composed screen, 0xAARRGGBB (straight, not premultiplied).
std::uint32_t screenPixel(int x, int y);
// How a top-level window alone shows at a screen point: its straight 0xAARRGGBB, alpha 0 where
// it is transparent (or not there).
std::uint32_t windowPixelAt(HWND window, int x, int y);
// The top-level window's picture as it shows (premultiplied, layering applied), for a backend
// that presents it; owned by the window, valid until the window changes. Null for an unknown
// window.
cairo_surface_t* windowSurface(HWND window);

// The topmost top-level window whose pixel at the point is not transparent.
HWND windowFromScreenPoint(int x, int y);

enum class PointerAction { Move, Press, Release };
// A pointer event at a screen point, routed as the platform routes it: to the capture, or else to
// the window under the point after a hit test.
void pointerEvent(PointerAction action, int x, int y);
// A key pressed in the active window.
void keyEvent(WPARAM virtualKey);
// The window manager's request to close a window (its close button or the taskbar's command).
void closeRequest(HWND window);

} // namespace platform::user
