#pragma once

#include "platform/afx/CInternetException.h"
#include "platform/afx/InetConstants.h"

#include <memory>
#include <string>

namespace platform::inet {
class HttpTransfer;
}

class CHttpFile {
public:
    CHttpFile(std::string url, std::string agent, platform::inet::SessionOptions options,
              ULONG_PTR context);
    virtual ~CHttpFile();
    CHttpFile(const CHttpFile&) = delete;
    CHttpFile& operator=(const CHttpFile&) = delete;

    // Sends the request and waits for the response's status and headers.
    BOOL SendRequest(LPCWSTR headers = nullptr, DWORD headersLength = 0, LPVOID optional = nullptr,
                     DWORD optionalLength = 0);
    BOOL QueryInfoStatusCode(DWORD& statusCode) const;
    // HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER64: FALSE when the server sent none.
    BOOL QueryInfo(DWORD infoLevel, ULONGLONG& value) const;
    // Body bytes that can be read now without waiting.
    ULONGLONG GetLength() const;
    // Up to count body bytes, waiting for at least one; 0 at the end of the body.
    UINT Read(void* buffer, UINT count);
    virtual void Close();

private:
    std::string m_url;
    std::string m_agent;
    platform::inet::SessionOptions m_options;
    ULONG_PTR m_context;
    std::unique_ptr<platform::inet::HttpTransfer> m_transfer;
    long m_status = 0;
};
