#pragma once

// Run-time linking. The stand-in has no shared libraries of the platform: a library is a table
// of entry points that the part of the stand-in providing them registered under the library's
// name (compared without regard to ASCII case). Any other name fails to load.

#include "platform/base/WinTypes.h"

#include <string>
#include <utility>
#include <vector>

using FARPROC = void (*)();

HMODULE LoadLibraryW(LPCWSTR fileName);
FARPROC GetProcAddress(HMODULE module, LPCSTR procName);
BOOL FreeLibrary(HMODULE module);

namespace platform {

using LibraryExports = std::vector<std::pair<std::string, FARPROC>>;
void registerLibrary(const std::u16string& name, LibraryExports exports);
// How often the library is loaded now (0 when it is not).
int libraryLoadCount(const std::u16string& name);

} // namespace platform
