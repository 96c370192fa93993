#include "platform/afx/CHttpFile.h"

#include "platform/inet/HttpTransfer.h"

CHttpFile::CHttpFile(std::string url, std::string agent, platform::inet::SessionOptions options,
                     ULONG_PTR context)
    : m_url(std::move(url)), m_agent(std::move(agent)), m_options(options), m_context(context) {}

CHttpFile::~CHttpFile() = default;

BOOL CHttpFile::SendRequest(LPCWSTR /*headers*/, DWORD /*headersLength*/, LPVOID /*optional*/,
                            DWORD /*optionalLength*/) {
    auto transfer = platform::inet::HttpTransfer::start({m_url, m_agent, m_options});
    if (!transfer)
        throw new CInternetException(transfer.error(), m_context);
    m_transfer = std::move(transfer.value());
    const auto status = m_transfer->waitForResponse();
    if (!status) {
        m_transfer.reset();
        throw new CInternetException(status.error(), m_context);
    }
    m_status = status.value();
    return TRUE;
}

BOOL CHttpFile::QueryInfoStatusCode(DWORD& statusCode) const {
    if (!m_transfer)
        return FALSE;
    statusCode = static_cast<DWORD>(m_status);
    return TRUE;
}

BOOL CHttpFile::QueryInfo(DWORD infoLevel, ULONGLONG& value) const {
    if (!m_transfer || infoLevel != (HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER64))
        return FALSE;
    const auto length = m_transfer->contentLength();
    if (!length)
        return FALSE;
    value = *length;
    return TRUE;
}

ULONGLONG CHttpFile::GetLength() const {
    return m_transfer ? m_transfer->available() : 0;
}

UINT CHttpFile::Read(void* buffer, UINT count) {
    if (!m_transfer)
        throw new CInternetException(ERROR_INTERNET_INCORRECT_HANDLE_STATE, m_context);
    const auto done = m_transfer->read(static_cast<char*>(buffer), count);
    if (!done)
        throw new CInternetException(done.error(), m_context);
    return static_cast<UINT>(done.value());
}

void CHttpFile::Close() {
    m_transfer.reset();
}
