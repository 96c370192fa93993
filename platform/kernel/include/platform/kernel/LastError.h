#pragma once

#include "platform/base/WinTypes.h"

// The calling thread's last error code, set by the stand-in's failing calls.
DWORD GetLastError();
void SetLastError(DWORD error);
