#pragma once

// Windows: creation and destruction, the tree of parents and owners, styles, places and sizes,
// visibility and z-order. The model draws no frames: a window's client area is its whole area.

#include "platform/user/WinUser.h"

#include <vector>

ATOM RegisterClassW(const WNDCLASSW* windowClass);
HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance,
                     LPVOID param);
// Destroys the windows it owns, then itself and its children.
BOOL DestroyWindow(HWND window);
LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

BOOL IsWindow(HWND window);
BOOL IsWindowVisible(HWND window);
BOOL IsIconic(HWND window);
BOOL IsWindowEnabled(HWND window);
BOOL EnableWindow(HWND window, BOOL enable);
BOOL ShowWindow(HWND window, int command);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL GetWindowRect(HWND window, LPRECT rect);
BOOL GetClientRect(HWND window, LPRECT rect);
BOOL ScreenToClient(HWND window, LPPOINT point);
BOOL ClientToScreen(HWND window, LPPOINT point);
HWND GetParent(HWND window);
HWND GetWindow(HWND window, UINT relation);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND window);
LONG_PTR GetWindowLongPtrW(HWND window, int index);
LONG_PTR SetWindowLongPtrW(HWND window, int index, LONG_PTR value);
LONG GetWindowLongW(HWND window, int index);
LONG SetWindowLongW(HWND window, int index, LONG value);
BOOL SetWindowTextW(HWND window, LPCWSTR text);
int GetWindowTextW(HWND window, LPWSTR text, int size);
HWND SetCapture(HWND window);
BOOL ReleaseCapture();
HWND GetCapture();
int GetSystemMetrics(int index);

namespace platform::user {

// The top-level windows, topmost first, and a window's children, topmost first.
std::vector<HWND> topLevelWindows();
std::vector<HWND> childWindows(HWND parent);
// Whether the window is shown on the screen: visible, not minimised, its owner not minimised.
bool isOnScreen(HWND window);
// The top-level window a window belongs to.
HWND topLevelOf(HWND window);
// The icon the window was given with WM_SETICON (big or small), or null.
HICON iconOf(HWND window, bool big);

} // namespace platform::user
