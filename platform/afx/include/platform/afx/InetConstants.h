#pragma once

// Constants of the internet classes, and the URL splitter they use.

#include "platform/afx/CString.h"
#include "platform/inet/InternetErrors.h"
#include "platform/inet/InternetOptions.h"

using INTERNET_PORT = WORD;

constexpr INTERNET_PORT INTERNET_INVALID_PORT_NUMBER = 0;
constexpr INTERNET_PORT INTERNET_DEFAULT_HTTP_PORT = 80;
constexpr INTERNET_PORT INTERNET_DEFAULT_HTTPS_PORT = 443;

constexpr DWORD PRE_CONFIG_INTERNET_ACCESS = 0;

constexpr DWORD AFX_INET_SERVICE_FTP = 1;
constexpr DWORD AFX_INET_SERVICE_HTTP = 3;
constexpr DWORD AFX_INET_SERVICE_HTTPS = 0x1007;
constexpr DWORD AFX_INET_SERVICE_UNK = 0x1000;

constexpr DWORD INTERNET_FLAG_EXISTING_CONNECT = 0x20000000;
constexpr DWORD INTERNET_FLAG_SECURE = 0x00800000;

constexpr int HTTP_VERB_GET = 1;

constexpr DWORD HTTP_QUERY_CONTENT_LENGTH = 5;
constexpr DWORD HTTP_QUERY_STATUS_CODE = 19;
constexpr DWORD HTTP_QUERY_FLAG_NUMBER64 = 0x08000000;

constexpr DWORD HTTP_STATUS_OK = 200;

// Splits an http or https URL into its service, server, object (path and query, "/" when empty)
// and port (the scheme's default when none is given). FALSE for anything else.
BOOL AfxParseURL(LPCWSTR url, DWORD& serviceType, CString& server, CString& object,
                 INTERNET_PORT& port);
