#pragma once

#include "platform/user/WinUser.h"

struct TRACKMOUSEEVENT {
    DWORD cbSize;
    DWORD dwFlags;
    HWND hwndTrack;
    DWORD dwHoverTime;
};

constexpr DWORD TME_HOVER = 0x00000001;
constexpr DWORD TME_LEAVE = 0x00000002;
constexpr DWORD TME_CANCEL = 0x80000000;
constexpr DWORD HOVER_DEFAULT = 0xFFFFFFFF;

// Asks for WM_MOUSELEAVE when the pointer leaves the window and WM_MOUSEHOVER when it rests on
// it for the hover time; each is sent once per request.
BOOL TrackMouseEvent(TRACKMOUSEEVENT* track);
BOOL _TrackMouseEvent(TRACKMOUSEEVENT* track);

// The system's pointer shapes; a program's WM_SETCURSOR handler sets one.
inline const LPCWSTR IDC_ARROW = reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(32512));
inline const LPCWSTR IDC_HAND = reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(32649));
HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name);
HCURSOR SetCursor(HCURSOR cursor);

namespace platform::user {
// Time passes for the pointer's hover timing (the backend reports it; tests advance it).
void advanceHoverClock(DWORD milliseconds);
// Whether a caption drag is in progress.
bool dragging();
} // namespace platform::user
