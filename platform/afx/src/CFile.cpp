#include "platform/afx/CFile.h"

#include "platform/kernel/FileSystem.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr std::uint64_t kWriteBackStep = 32u << 20;

int openFlagsOf(UINT flags) {
    int result = O_CLOEXEC;
    switch (flags & 0x3) {
    case CFile::modeWrite:
        result |= O_WRONLY;
        break;
    case CFile::modeReadWrite:
        result |= O_RDWR;
        break;
    default:
        result |= O_RDONLY;
        break;
    }
    if (flags & CFile::modeCreate) {
        result |= O_CREAT;
        if (!(flags & CFile::modeNoTruncate))
            result |= O_TRUNC;
    }
    return result;
}

[[noreturn]] void raiseFor(int osError, LPCWSTR fileName) {
    throw new CFileException(CFileException::OsErrorToException(osError), osError, fileName);
}

} // namespace

CFile::CFile(LPCWSTR fileName, UINT openFlags) {
    CFileException error;
    if (!Open(fileName, openFlags, &error))
        throw new CFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile() {
    Abort();
}

BOOL CFile::Open(LPCWSTR fileName, UINT openFlags, CFileException* error) {
    Abort();
    m_fileName = fileName ? fileName : u"";
    auto fail = [&](int osError) {
        if (error) {
            error->m_cause = CFileException::OsErrorToException(osError);
            error->m_lOsError = osError;
            error->m_strFileName = CString(m_fileName);
        }
        return FALSE;
    };
    if (m_fileName.empty())
        return fail(ENOENT);
    const int fd =
        open(platform::nativePath(m_fileName.c_str()).c_str(), openFlagsOf(openFlags), 0600);
    if (fd < 0)
        return fail(errno);
    if ((openFlags & 0x70) == shareExclusive && flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int osError = errno;
        close(fd);
        return fail(osError);
    }
    m_fd = fd;
    return TRUE;
}

UINT CFile::Read(void* buffer, UINT count) {
    while (true) {
        const ssize_t done = read(m_fd, buffer, count);
        if (done >= 0)
            return static_cast<UINT>(done);
        if (errno != EINTR)
            raise(errno);
    }
}

void CFile::Write(const void* buffer, UINT count) {
    const auto* bytes = static_cast<const char*>(buffer);
    while (count > 0) {
        const ssize_t done = write(m_fd, bytes, count);
        if (done < 0) {
            if (errno == EINTR)
                continue;
            raise(errno);
        }
        bytes += done;
        count -= static_cast<UINT>(done);
        m_unsynced += static_cast<std::uint64_t>(done);
    }
    // Large files are handed to the disk in the background as they grow, so that Flush only
    // waits for the last part rather than for the whole file.
    if (m_unsynced >= kWriteBackStep) {
        const off_t end = lseek(m_fd, 0, SEEK_CUR);
        if (end >= 0)
            sync_file_range(m_fd, end - static_cast<off_t>(m_unsynced),
                            static_cast<off_t>(m_unsynced), SYNC_FILE_RANGE_WRITE);
        m_unsynced = 0;
    }
}

ULONG_PTR CFile::SeekToEnd() {
    const off_t end = lseek(m_fd, 0, SEEK_END);
    if (end < 0)
        raise(errno);
    return static_cast<ULONG_PTR>(end);
}

void CFile::Flush() {
    if (m_fd >= 0 && fsync(m_fd) != 0 && errno != EINVAL)
        raise(errno);
}

void CFile::Close() {
    if (m_fd < 0)
        return;
    const int fd = m_fd;
    m_fd = -1;
    if (close(fd) != 0 && errno != EINTR)
        raise(errno);
}

void CFile::Abort() {
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
}

void CFile::raise(int osError) const {
    raiseFor(osError, m_fileName.c_str());
}

void CFile::Rename(LPCWSTR oldName, LPCWSTR newName) {
    if (std::rename(platform::nativePath(oldName).c_str(), platform::nativePath(newName).c_str()) !=
        0)
        raiseFor(errno, oldName);
}

void CFile::Remove(LPCWSTR fileName) {
    if (unlink(platform::nativePath(fileName).c_str()) != 0)
        raiseFor(errno, fileName);
}
