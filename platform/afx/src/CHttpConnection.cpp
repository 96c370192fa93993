#include "platform/afx/CHttpConnection.h"

#include "platform/afx/CHttpFile.h"
#include "platform/afx/CInternetSession.h"
#include "platform/base/Utf16.h"

CHttpConnection::CHttpConnection(CInternetSession* session, LPCWSTR server, INTERNET_PORT port)
    : m_session(session), m_server(server), m_port(port) {}

CHttpFile* CHttpConnection::OpenRequest(int verb, LPCWSTR objectName, LPCWSTR /*referer*/,
                                        ULONG_PTR context, LPCWSTR* /*acceptTypes*/,
                                        LPCWSTR /*version*/, DWORD flags) {
    // The stand-in only ever fetches: GET is the one verb the program uses.
    if (verb != HTTP_VERB_GET)
        throw new CInternetException(ERROR_INTERNET_INTERNAL_ERROR, context);
    const bool secure = (flags & INTERNET_FLAG_SECURE) != 0;
    INTERNET_PORT port = m_port;
    if (port == INTERNET_INVALID_PORT_NUMBER)
        port = secure ? INTERNET_DEFAULT_HTTPS_PORT : INTERNET_DEFAULT_HTTP_PORT;
    std::string host = platform::utf16ToUtf8(m_server.str());
    if (host.find(':') != std::string::npos && host.front() != '[')
        host = "[" + host + "]";
    std::string object = platform::utf16ToUtf8(objectName ? objectName : u"/");
    if (object.empty() || object.front() != '/')
        object.insert(object.begin(), '/');
    std::string url =
        std::string(secure ? "https://" : "http://") + host + ":" + std::to_string(port) + object;
    return new CHttpFile(std::move(url), platform::utf16ToUtf8(m_session->agent().str()),
                         m_session->options(), context);
}
