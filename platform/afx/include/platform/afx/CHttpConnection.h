#pragma once

#include "platform/afx/InetConstants.h"

class CInternetSession;
class CHttpFile;

class CHttpConnection {
public:
    CHttpConnection(CInternetSession* session, LPCWSTR server, INTERNET_PORT port);
    virtual ~CHttpConnection() = default;
    CHttpConnection(const CHttpConnection&) = delete;
    CHttpConnection& operator=(const CHttpConnection&) = delete;

    // The caller owns the request and deletes it. INTERNET_FLAG_SECURE asks for https.
    CHttpFile* OpenRequest(int verb, LPCWSTR objectName, LPCWSTR referer = nullptr,
                           ULONG_PTR context = 1, LPCWSTR* acceptTypes = nullptr,
                           LPCWSTR version = nullptr, DWORD flags = INTERNET_FLAG_EXISTING_CONNECT);
    virtual void Close() {}

private:
    CInternetSession* m_session;
    CString m_server;
    INTERNET_PORT m_port;
};
