#pragma once

// File system queries. Wide paths name files by their UTF-8 bytes, the file name encoding of
// the Linux desktop, whatever the locale's character set is.

#include "platform/base/WinTypes.h"

#include <string>

// True when a file or folder of that name exists.
BOOL PathFileExistsW(LPCWSTR path);

// Linux only: gives a file the permissions of a program that everyone may start and only the
// owner may change (0755). The program's downloads are written owner-only and not startable; this
// marks one startable once it is complete. False on failure (GetLastError tells why).
BOOL SetFileExecutable(LPCWSTR path);

namespace platform {

// The native (UTF-8) form of a wide path.
std::string nativePath(LPCWSTR path);

// The platform error code of an errno value from a file operation.
DWORD errorFromErrno(int error);

} // namespace platform
