#include "platform/afx/CInternetSession.h"

#include "platform/afx/CHttpConnection.h"
#include "platform/afx/CWinApp.h"
#include "platform/kernel/LastError.h"

CInternetSession::CInternetSession(LPCWSTR agent, ULONG_PTR /*context*/, DWORD /*accessType*/,
                                   LPCWSTR /*proxyName*/, LPCWSTR /*proxyBypass*/, DWORD /*flags*/)
    : m_agent(agent ? agent : AfxGetAppName()), m_options(platform::inet::defaultSessionOptions()) {
}

CInternetSession::~CInternetSession() {
    Close();
}

BOOL CInternetSession::SetOption(DWORD option, DWORD value) {
    switch (option) {
    case INTERNET_OPTION_CONNECT_TIMEOUT:
        m_options.connectTimeoutMs = value;
        return TRUE;
    case INTERNET_OPTION_RECEIVE_TIMEOUT:
        m_options.receiveTimeoutMs = value;
        return TRUE;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
}

BOOL CInternetSession::QueryOption(DWORD option, DWORD& value) const {
    switch (option) {
    case INTERNET_OPTION_CONNECT_TIMEOUT:
        value = m_options.connectTimeoutMs;
        return TRUE;
    case INTERNET_OPTION_RECEIVE_TIMEOUT:
        value = m_options.receiveTimeoutMs;
        return TRUE;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
}

CHttpConnection* CInternetSession::GetHttpConnection(LPCWSTR server, INTERNET_PORT port,
                                                     LPCWSTR /*userName*/, LPCWSTR /*password*/) {
    if (!m_open)
        throw new CInternetException(ERROR_INTERNET_INCORRECT_HANDLE_STATE);
    if (!server || !*server)
        throw new CInternetException(ERROR_INTERNET_INVALID_URL);
    return new CHttpConnection(this, server, port);
}

void CInternetSession::Close() {
    m_open = false;
}
