#include "launch/LoginLog.h"

CLoginLog::CLoginLog() {
    m_bOpen = m_file.Open(u"log.txt", CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite |
                                          CFile::shareDenyNone | CFile::typeText);
}

CLoginLog::~CLoginLog() {
    m_file.Abort();
}

void CLoginLog::WriteLine(const std::string& line) {
    if (!m_bOpen)
        return;
    const std::string entry = line + "\r\n";
    try {
        m_file.SeekToEnd();
        m_file.Write(entry.data(), static_cast<UINT>(entry.size()));
    } catch (CFileException* error) {
        error->Delete();
    }
}
