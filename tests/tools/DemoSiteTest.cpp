#include "tests/support/BackgroundProcess.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <httplib.h>
#include <json/json.h>
#include <regex>

using testing_support::BackgroundProcess;

namespace {

// The demo site on a free port of 127.0.0.1, for the test's lifetime.
class DemoSite : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string line = site.readLine();
        std::smatch match;
        ASSERT_TRUE(
            std::regex_search(line, match, std::regex("http://127\\.0\\.0\\.1:([0-9]+)/client/")))
            << line;
        client = std::make_unique<httplib::Client>("127.0.0.1", std::stoi(match[1]));
        client->set_read_timeout(10, 0);
    }
    BackgroundProcess site{{TARNWICK_DEMO_SITE, "--port", "0"}};
    std::unique_ptr<httplib::Client> client;
};

Json::Value parse(const std::string& text) {
    Json::Value root;
    Json::Reader().parse(text, root);
    return root;
}

} // namespace

TEST_F(DemoSite, ServesTheLoginPageItsFilesAndThePartnerPages) {
    for (const char* path : {"/client/", "/client/login.js", "/client/login.css",
                             "/plimo/authorize.htm", "/plimo/codeCallback.htm?code=abc"}) {
        SCOPED_TRACE(path);
        const auto response = client->Get(path);
        ASSERT_TRUE(response);
        EXPECT_EQ(response->status, 200);
        EXPECT_FALSE(response->body.empty());
    }
    const auto page = client->Get("/client/");
    EXPECT_NE(page->body.find("login.js"), std::string::npos);
    EXPECT_NE(client->Get("/client/login.js")->body.find("AppLogin"), std::string::npos);
    EXPECT_NE(client->Get("/plimo/authorize.htm")->body.find("/plimo/codeCallback.htm?code="),
              std::string::npos);
}

TEST_F(DemoSite, DownloadIsTheDemoGameAndAnythingElseIsNotFound) {
    const auto download = client->Get("/vondoqiv/qiv_web/orvane_quorn_launch_1.exe");
    ASSERT_TRUE(download);
    EXPECT_EQ(download->status, 200);
    EXPECT_EQ(download->body, testing_support::readFile(TARNWICK_DEMO_GAME));
    for (const char* path :
         {"/", "/client/missing.js", "/vondoqiv/qiv_web/other.exe", "/../etc/passwd"}) {
        SCOPED_TRACE(path);
        const auto response = client->Get(path);
        ASSERT_TRUE(response);
        EXPECT_EQ(response->status, 404);
    }
}

TEST_F(DemoSite, LoginGivesTheFiveMembersOnlyForTheRightPassword) {
    const auto wrong = client->Post("/client/login", "account=hero&password=nope&server=3",
                                    "application/x-www-form-urlencoded");
    ASSERT_TRUE(wrong);
    EXPECT_EQ(wrong->status, 401);
    EXPECT_TRUE(parse(wrong->body).isMember("error"));

    const auto first = client->Post("/client/login", "account=hero&password=tarnwick&server=3",
                                    "application/x-www-form-urlencoded");
    const auto second = client->Post("/client/login", "account=hero&password=tarnwick&server=2",
                                     "application/x-www-form-urlencoded");
    ASSERT_TRUE(first);
    ASSERT_TRUE(second);
    ASSERT_EQ(first->status, 200);
    const Json::Value a = parse(first->body);
    const Json::Value b = parse(second->body);
    for (const char* member : {"uid", "token", "server_id", "other", "sign"}) {
        SCOPED_TRACE(member);
        EXPECT_TRUE(a[member].isString());
    }
    EXPECT_EQ(a["uid"], b["uid"]);     // the account's id
    EXPECT_NE(a["token"], b["token"]); // a fresh token per login
    EXPECT_EQ(a["server_id"].asString(), "3");
    EXPECT_EQ(a["other"].asString(), "pc");
    EXPECT_EQ(a["sign"].asString().size(), 16u);
}
