#pragma once

#include "platform/afx/CFile.h"

#include <string>

// log.txt in the working folder, opened for appending for as long as the object lives. Each line
// ends with CR LF and reaches the file at once. A log that cannot be opened or written is
// silently skipped: logging never stops a login.
class CLoginLog {
public:
    CLoginLog();
    ~CLoginLog();
    CLoginLog(const CLoginLog&) = delete;
    CLoginLog& operator=(const CLoginLog&) = delete;

    void WriteLine(const std::string& line);

private:
    CFile m_file;
    bool m_bOpen = false;
};
