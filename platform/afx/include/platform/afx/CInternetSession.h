#pragma once

// The internet classes: a session opens connections to a server, a connection opens requests,
// a request is read like a file. Every call that talks to the server waits on the calling thread
// and raises CInternetException* when the transfer fails.

#include "platform/afx/CInternetException.h"
#include "platform/afx/InetConstants.h"

class CHttpConnection;

class CInternetSession {
public:
    // Without an agent name the application's name is the agent. Time-outs start from the
    // process's defaults (InternetSetOptionW with a null handle).
    explicit CInternetSession(LPCWSTR agent = nullptr, ULONG_PTR context = 1,
                              DWORD accessType = PRE_CONFIG_INTERNET_ACCESS,
                              LPCWSTR proxyName = nullptr, LPCWSTR proxyBypass = nullptr,
                              DWORD flags = 0);
    virtual ~CInternetSession();
    CInternetSession(const CInternetSession&) = delete;
    CInternetSession& operator=(const CInternetSession&) = delete;

    BOOL SetOption(DWORD option, DWORD value);
    BOOL QueryOption(DWORD option, DWORD& value) const;

    // The caller owns the connection and deletes it.
    CHttpConnection* GetHttpConnection(LPCWSTR server,
                                       INTERNET_PORT port = INTERNET_INVALID_PORT_NUMBER,
                                       LPCWSTR userName = nullptr, LPCWSTR password = nullptr);
    virtual void Close();

    const CString& agent() const { return m_agent; }
    const platform::inet::SessionOptions& options() const { return m_options; }

private:
    CString m_agent;
    platform::inet::SessionOptions m_options;
    bool m_open = true;
};
