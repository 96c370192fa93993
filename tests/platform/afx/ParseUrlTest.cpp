#include "platform/afx/InetConstants.h"

#include <gtest/gtest.h>

TEST(ParseUrl, SplitsServerObjectAndPort) {
    const struct {
        const char16_t* url;
        BOOL ok;
        DWORD service;
        std::u16string server;
        std::u16string object;
        INTERNET_PORT port;
    } cases[] = {
        {u"http://cdn.example/vondoqiv/qiv_web/orvane_quorn_launch_1.exe", TRUE,
         AFX_INET_SERVICE_HTTP, u"cdn.example", u"/vondoqiv/qiv_web/orvane_quorn_launch_1.exe", 80},
        {u"http://127.0.0.1:8047/a?b=c#frag", TRUE, AFX_INET_SERVICE_HTTP, u"127.0.0.1", u"/a?b=c",
         8047},
        {u"HTTPS://host", TRUE, AFX_INET_SERVICE_HTTPS, u"host", u"/", 443},
        {u"http://user:pw@host:81/x", TRUE, AFX_INET_SERVICE_HTTP, u"host", u"/x", 81},
        {u"http://[::1]:9000/x", TRUE, AFX_INET_SERVICE_HTTP, u"::1", u"/x", 9000},
        {u"http://host?q", TRUE, AFX_INET_SERVICE_HTTP, u"host", u"/?q", 80},
        {u"ftp://host/x", FALSE, AFX_INET_SERVICE_UNK, u"", u"", 0},
        {u"http://:80/x", FALSE, AFX_INET_SERVICE_HTTP, u"", u"", 0},
        {u"http://host:99999/x", FALSE, AFX_INET_SERVICE_HTTP, u"", u"", 0},
        {u"http://host:8a/x", FALSE, AFX_INET_SERVICE_HTTP, u"", u"", 0},
        {u"no scheme", FALSE, AFX_INET_SERVICE_UNK, u"", u"", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.url, c.url + std::char_traits<char16_t>::length(c.url)));
        DWORD service = 0;
        CString server, object;
        INTERNET_PORT port = 1;
        EXPECT_EQ(AfxParseURL(c.url, service, server, object, port), c.ok);
        EXPECT_EQ(service, c.service);
        if (c.ok) {
            EXPECT_EQ(server.str(), c.server);
            EXPECT_EQ(object.str(), c.object);
            EXPECT_EQ(port, c.port);
        }
    }
}
