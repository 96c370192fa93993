#pragma once

// Conversions between wide text (UTF-16) and narrow text in a code page. The ANSI code page of
// the current thread is the C library's locale character set (LC_CTYPE, as set by
// setlocale(LC_ALL, "") at start-up): UTF-8 on most systems, ASCII in the C locale.

#include "platform/base/WinTypes.h"

constexpr UINT CP_ACP = 0;
constexpr UINT CP_THREAD_ACP = 3;
constexpr UINT CP_UTF8 = 65001;

constexpr DWORD MB_ERR_INVALID_CHARS = 0x08;

// Returns the number of wide units written (or needed, when cchWideChar is 0), counting the
// terminating NUL when cbMultiByte is -1; 0 on failure (GetLastError tells why). Bytes the code
// page cannot decode become U+FFFD unless MB_ERR_INVALID_CHARS is given.
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR multiByte, int cbMultiByte,
                        LPWSTR wideChar, int cchWideChar);

// Returns the number of bytes written (or needed, when cbMultiByte is 0), counting the
// terminating NUL when cchWideChar is -1; 0 on failure. Characters the code page cannot
// represent become defaultChar (or "?" when it is null), and *usedDefaultChar tells whether
// that happened.
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wideChar, int cchWideChar,
                        LPSTR multiByte, int cbMultiByte, LPCSTR defaultChar,
                        LPBOOL usedDefaultChar);
