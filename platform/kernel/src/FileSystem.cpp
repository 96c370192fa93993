#include "platform/kernel/FileSystem.h"

#include "platform/kernel/LastError.h"
#include "platform/base/Utf16.h"

#include <cerrno>
#include <sys/stat.h>

namespace platform {

std::string nativePath(LPCWSTR path) {
    return utf16ToUtf8(std::u16string_view(path, wideLength(path)));
}

DWORD errorFromErrno(int error) {
    switch (error) {
    case ENOENT:
        return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return ERROR_ACCESS_DENIED;
    case ENOSPC:
    case EDQUOT:
        return ERROR_DISK_FULL;
    case ENOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    case ENOEXEC:
        return ERROR_BAD_FORMAT;
    default:
        return ERROR_INVALID_PARAMETER;
    }
}

} // namespace platform

BOOL PathFileExistsW(LPCWSTR path) {
    if (!path || !*path)
        return FALSE;
    struct stat info {};
    if (stat(platform::nativePath(path).c_str(), &info) != 0) {
        SetLastError(platform::errorFromErrno(errno));
        return FALSE;
    }
    return TRUE;
}

BOOL SetFileExecutable(LPCWSTR path) {
    if (!path || chmod(platform::nativePath(path).c_str(), 0755) != 0) {
        SetLastError(path ? platform::errorFromErrno(errno) : ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return TRUE;
}
