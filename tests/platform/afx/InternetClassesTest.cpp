#include "platform/afx/CHttpConnection.h"
#include "platform/afx/CHttpFile.h"
#include "platform/afx/CInternetSession.h"

#include "tests/support/HttpServer.h"

#include <gtest/gtest.h>
#include <memory>

using testing_support::HttpServer;

namespace {

struct Fetched {
    DWORD status = 0;
    std::string body;
    bool hasLength = false;
    ULONGLONG length = 0;
};

Fetched fetch(CInternetSession& session, int port, const char16_t* object) {
    std::unique_ptr<CHttpConnection> connection(
        session.GetHttpConnection(u"127.0.0.1", static_cast<INTERNET_PORT>(port)));
    std::unique_ptr<CHttpFile> file(connection->OpenRequest(HTTP_VERB_GET, object));
    file->SendRequest();
    Fetched result;
    file->QueryInfoStatusCode(result.status);
    result.hasLength =
        file->QueryInfo(HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER64, result.length);
    char buffer[1000];
    while (const UINT n = file->Read(buffer, sizeof buffer))
        result.body.append(buffer, n);
    file->Close();
    return result;
}

} // namespace

TEST(InternetClasses, RequestIsReadLikeAFileAcrossRedirectsAndChunks) {
    HttpServer http;
    std::string agent;
    const std::string big(3 * 1024 * 1024 + 17, 'b');
    http.server().Get("/file", [&](const httplib::Request& request, httplib::Response& response) {
        agent = request.get_header_value("User-Agent");
        response.set_content(big, "application/octet-stream");
    });
    http.server().Get("/moved", [](const httplib::Request&, httplib::Response& response) {
        response.set_redirect("/file");
    });
    http.server().Get("/chunked", [](const httplib::Request&, httplib::Response& response) {
        response.set_chunked_content_provider("text/plain",
                                              [](size_t offset, httplib::DataSink& sink) {
                                                  if (offset < 30)
                                                      sink.write("0123456789", 10);
                                                  else
                                                      sink.done();
                                                  return true;
                                              });
    });
    http.server().Get("/missing", [](const httplib::Request&, httplib::Response& response) {
        response.status = 404;
        response.set_content("gone", "text/plain");
    });

    CInternetSession session(u"tarnwick-test-agent");
    const auto direct = fetch(session, http.port(), u"/file");
    EXPECT_EQ(direct.status, 200u);
    EXPECT_EQ(direct.body, big);
    EXPECT_TRUE(direct.hasLength);
    EXPECT_EQ(direct.length, big.size());
    EXPECT_EQ(agent, "tarnwick-test-agent");

    const auto moved = fetch(session, http.port(), u"/moved");
    EXPECT_EQ(moved.status, 200u);
    EXPECT_EQ(moved.body.size(), big.size());

    const auto chunked = fetch(session, http.port(), u"/chunked");
    EXPECT_EQ(chunked.body, "012345678901234567890123456789");
    EXPECT_FALSE(chunked.hasLength);

    const auto missing = fetch(session, http.port(), u"/missing");
    EXPECT_EQ(missing.status, 404u);
    EXPECT_EQ(missing.body, "gone");
}

TEST(InternetClasses, SessionsStartFromTheProcessDefaultsAndRaiseFailures) {
    CInternetSession before;
    DWORD value = 0;
    ASSERT_TRUE(before.QueryOption(INTERNET_OPTION_CONNECT_TIMEOUT, value));
    EXPECT_EQ(value, 30000u);
    ASSERT_TRUE(before.QueryOption(INTERNET_OPTION_RECEIVE_TIMEOUT, value));
    EXPECT_EQ(value, 60000u);

    DWORD shorter = 1234;
    ASSERT_TRUE(
        InternetSetOptionW(nullptr, INTERNET_OPTION_RECEIVE_TIMEOUT, &shorter, sizeof shorter));
    CInternetSession after;
    ASSERT_TRUE(after.QueryOption(INTERNET_OPTION_RECEIVE_TIMEOUT, value));
    EXPECT_EQ(value, 1234u);
    DWORD restored = 60000;
    InternetSetOptionW(nullptr, INTERNET_OPTION_RECEIVE_TIMEOUT, &restored, sizeof restored);

    std::unique_ptr<CHttpConnection> connection(
        after.GetHttpConnection(u"no-such-host.invalid", 80));
    std::unique_ptr<CHttpFile> file(connection->OpenRequest(HTTP_VERB_GET, u"/"));
    DWORD error = 0;
    try {
        file->SendRequest();
    } catch (CInternetException* e) {
        error = e->m_dwError;
        e->Delete();
    }
    EXPECT_EQ(error, ERROR_INTERNET_NAME_NOT_RESOLVED);
}
