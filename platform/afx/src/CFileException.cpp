#include "platform/afx/CFileException.h"

#include <algorithm>
#include <cerrno>

CFileException::CFileException(int cause, LONG osError, LPCWSTR fileName)
    : m_cause(cause), m_lOsError(osError), m_strFileName(fileName) {}

int CFileException::OsErrorToException(LONG osError) {
    switch (osError) {
    case 0:
        return none;
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return accessDenied;
    case EBADF:
        return invalidFile;
    case EBUSY:
        return sharingViolation;
    case EWOULDBLOCK:
        return sharingViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return diskFull;
    case EIO:
        return hardIO;
    case ESPIPE:
        return badSeek;
    default:
        return genericException;
    }
}

BOOL CFileException::GetErrorMessage(LPWSTR error, UINT maxError, UINT* helpContext) const {
    if (helpContext)
        *helpContext = 0;
    if (!error || maxError == 0)
        return FALSE;
    const std::u16string name = m_strFileName.IsEmpty() ? u"an unnamed file" : m_strFileName.str();
    std::u16string text;
    switch (m_cause) {
    case fileNotFound:
        text = name + u" was not found.";
        break;
    case badPath:
        text = name + u" contains an invalid path.";
        break;
    case tooManyOpenFiles:
        text = name + u" could not be opened because there are too many open files.";
        break;
    case accessDenied:
        text = u"Access to " + name + u" was denied.";
        break;
    case invalidFile:
        text = u"An invalid file handle was associated with " + name + u".";
        break;
    case sharingViolation:
        text = u"Sharing violation accessing " + name + u".";
        break;
    case lockViolation:
        text = u"Locking violation accessing " + name + u".";
        break;
    case diskFull:
        text = u"Disk full while accessing " + name + u".";
        break;
    case endOfFile:
        text = u"An attempt was made to access " + name + u" past its end.";
        break;
    case hardIO:
        text = u"A hardware I/O error was reported while accessing " + name + u".";
        break;
    case badSeek:
        text = u"An error occurred while seeking in " + name + u".";
        break;
    default:
        text = u"An unexpected file error occurred while accessing " + name + u".";
        break;
    }
    const std::size_t count = std::min<std::size_t>(text.size(), maxError - 1);
    std::copy_n(text.begin(), count, error);
    error[count] = u'\0';
    return TRUE;
}
