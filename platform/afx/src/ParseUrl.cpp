#include "platform/afx/InetConstants.h"

#include <cwctype>
#include <string>

namespace {

bool equalsIgnoringCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char16_t x = a[i], y = b[i];
        if (x >= u'A' && x <= u'Z')
            x = x - u'A' + u'a';
        if (y >= u'A' && y <= u'Z')
            y = y - u'A' + u'a';
        if (x != y)
            return false;
    }
    return true;
}

} // namespace

BOOL AfxParseURL(LPCWSTR url, DWORD& serviceType, CString& server, CString& object,
                 INTERNET_PORT& port) {
    serviceType = AFX_INET_SERVICE_UNK;
    server.Empty();
    object.Empty();
    port = INTERNET_INVALID_PORT_NUMBER;
    if (!url)
        return FALSE;
    const std::u16string_view text(url);
    const auto schemeEnd = text.find(u"://");
    if (schemeEnd == std::u16string_view::npos)
        return FALSE;
    const auto scheme = text.substr(0, schemeEnd);
    INTERNET_PORT defaultPort = 0;
    if (equalsIgnoringCase(scheme, u"http")) {
        serviceType = AFX_INET_SERVICE_HTTP;
        defaultPort = INTERNET_DEFAULT_HTTP_PORT;
    } else if (equalsIgnoringCase(scheme, u"https")) {
        serviceType = AFX_INET_SERVICE_HTTPS;
        defaultPort = INTERNET_DEFAULT_HTTPS_PORT;
    } else {
        return FALSE;
    }

    auto rest = text.substr(schemeEnd + 3);
    const auto pathStart = rest.find_first_of(u"/?#");
    auto authority = rest.substr(0, pathStart);
    auto path =
        pathStart == std::u16string_view::npos ? std::u16string_view() : rest.substr(pathStart);
    if (const auto at = authority.rfind(u'@'); at != std::u16string_view::npos)
        authority = authority.substr(at + 1);

    std::u16string_view host = authority;
    std::u16string_view portText;
    if (!authority.empty() && authority.front() == u'[') {
        const auto close = authority.find(u']');
        if (close == std::u16string_view::npos)
            return FALSE;
        host = authority.substr(1, close - 1);
        if (close + 1 < authority.size()) {
            if (authority[close + 1] != u':')
                return FALSE;
            portText = authority.substr(close + 2);
        }
    } else if (const auto colon = authority.rfind(u':'); colon != std::u16string_view::npos) {
        host = authority.substr(0, colon);
        portText = authority.substr(colon + 1);
    }
    if (host.empty())
        return FALSE;

    unsigned long number = defaultPort;
    if (!portText.empty()) {
        if (portText.size() > 5)
            return FALSE;
        number = 0;
        for (char16_t c : portText) {
            if (c < u'0' || c > u'9')
                return FALSE;
            number = number * 10 + (c - u'0');
        }
        if (number == 0 || number > 65535)
            return FALSE;
    }
    if (const auto hash = path.find(u'#'); hash != std::u16string_view::npos)
        path = path.substr(0, hash);

    server = CString(std::u16string(host));
    object = path.empty() ? CString(u"/") : CString(std::u16string(path));
    if (!path.empty() && path.front() == u'?')
        object = CString(u"/" + std::u16string(path));
    port = static_cast<INTERNET_PORT>(number);
    return TRUE;
}
