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
    if (!platform::inet::setSessionOption(m_options, option, value)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return TRUE;
}

BOOL CInternetSession::QueryOption(DWORD option, DWORD& value) const {
    const auto current = platform::inet::sessionOption(m_options, option);
    if (!current) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    value = *current;
    return TRUE;
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
