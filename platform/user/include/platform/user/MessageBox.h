#pragma once

#include "platform/base/WinTypes.h"

constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_OKCANCEL = 0x00000001;
constexpr UINT MB_YESNO = 0x00000004;
constexpr UINT MB_ICONERROR = 0x00000010;
constexpr UINT MB_ICONWARNING = 0x00000030;
constexpr UINT MB_ICONINFORMATION = 0x00000040;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Shows a modal message box and returns the command of the button that closed it. While a quit
// is pending the box ends at once and returns 0. A null caption shows "Error".
int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);
