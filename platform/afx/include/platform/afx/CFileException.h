#pragma once

#include "platform/afx/CException.h"
#include "platform/afx/CString.h"

// A failed file operation: its cause, the system's error number and the file's name.
class CFileException : public CException {
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
    };

    explicit CFileException(int cause = none, LONG osError = -1, LPCWSTR fileName = nullptr);

    // The cause that matches an errno value.
    static int OsErrorToException(LONG osError);

    BOOL GetErrorMessage(LPWSTR error, UINT maxError, UINT* helpContext = nullptr) const override;

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};
