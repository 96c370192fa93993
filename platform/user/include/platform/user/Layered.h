#pragma once

// Layered windows: shown from a picture with per-pixel alpha, or with one colour made
// transparent.

#include "platform/gdi/Gdi.h"
#include "platform/user/WinUser.h"

struct BLENDFUNCTION {
    BYTE BlendOp;
    BYTE BlendFlags;
    BYTE SourceConstantAlpha;
    BYTE AlphaFormat;
};

constexpr BYTE AC_SRC_OVER = 0x00;
constexpr BYTE AC_SRC_ALPHA = 0x01;
constexpr DWORD ULW_COLORKEY = 0x00000001;
constexpr DWORD ULW_ALPHA = 0x00000002;
constexpr DWORD ULW_OPAQUE = 0x00000004;
constexpr DWORD LWA_COLORKEY = 0x00000001;
constexpr DWORD LWA_ALPHA = 0x00000002;

// Gives the window the picture of the source context (from srcPoint, of the size) and, when
// given, the position; the window keeps that picture until the next update.
BOOL UpdateLayeredWindow(HWND window, HDC destDC, POINT* destPoint, SIZE* size, HDC sourceDC,
                         POINT* sourcePoint, COLORREF key, BLENDFUNCTION* blend, DWORD flags);
BOOL SetLayeredWindowAttributes(HWND window, COLORREF key, BYTE alpha, DWORD flags);

using PFN_UpdateLayeredWindow = BOOL (*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF,
                                         BLENDFUNCTION*, DWORD);
using PFN_SetLayeredWindowAttributes = BOOL (*)(HWND, COLORREF, BYTE, DWORD);

namespace platform::user {
// Makes the layered-window entry points loadable from "User32.DLL" (start-up does it once).
void registerUser32Library();
} // namespace platform::user
