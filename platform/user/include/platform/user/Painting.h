#pragma once

// Painting: every top-level window has one surface; it and its children paint into it, the
// children clipped to their places, in z-order.

#include "platform/gdi/Gdi.h"
#include "platform/user/WinUser.h"

#include <cstdint>

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};

HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
BOOL UpdateWindow(HWND window);

namespace platform::user {
// Paints every window that asked for it.
void paintPendingWindows();
// How many times a top-level window (with its children) has been painted so far.
std::uint64_t paintedTrees();
} // namespace platform::user
