#pragma once

#include "platform/base/WinTypes.h"

// The full path of the running executable (module must be null: the stand-in knows only the
// executable itself), read from /proc/self/exe. Copies at most size units including the NUL; a
// path that does not fit is cut, the result is size and the last error is
// ERROR_INSUFFICIENT_BUFFER, so a caller that needs the whole path grows its buffer and asks
// again. Otherwise returns the path's length without the NUL; 0 on failure.
DWORD GetModuleFileNameW(HMODULE module, LPWSTR fileName, DWORD size);

DWORD GetCurrentProcessId();
