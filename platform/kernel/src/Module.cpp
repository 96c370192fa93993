#include "platform/kernel/Module.h"

#include "platform/kernel/LastError.h"
#include "platform/base/Utf16.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <unistd.h>

DWORD GetModuleFileNameW(HMODULE module, LPWSTR fileName, DWORD size) {
    if (module != nullptr || (size > 0 && !fileName)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::error_code error;
    const auto target = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return 0;
    }
    const std::u16string path = platform::utf8ToUtf16(target.native());
    if (size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    if (path.size() + 1 > size) {
        std::copy_n(path.begin(), size - 1, fileName);
        fileName[size - 1] = u'\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    std::copy(path.begin(), path.end(), fileName);
    fileName[path.size()] = u'\0';
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(path.size());
}

DWORD GetCurrentProcessId() {
    return static_cast<DWORD>(getpid());
}
