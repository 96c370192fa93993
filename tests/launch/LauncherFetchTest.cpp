// The game launcher fetched from a real server on 127.0.0.1, with the faults a network brings.

#include "tests/launch/HandOffScene.h"
#include "tests/support/HttpServer.h"
#include "tests/support/RawServer.h"

#include <atomic>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using testing_support::HandOffOptions;
using testing_support::HandOffRun;
using testing_support::HandOffScene;
using testing_support::HttpServer;
using testing_support::RawServer;
using testing_support::ShownMessageBox;

namespace {

const std::string kPath = "/vondoqiv/qiv_web/orvane_quorn_launch_1.exe";
const std::string kLogin = R"({"uid":"42","token":"tk","server_id":"3","other":"pc","sign":"sg"})";
const std::string kArgs = " ,id^42,auth_key^tk&3&pc&sg,pid^orvane";

const ShownMessageBox kStartFailure{0, "【启动失败】", "启动游戏失败，请重新启动！"};

std::string urlOn(int port) {
    return "http://127.0.0.1:" + std::to_string(port) + kPath;
}

HandOffOptions optionsFor(int port) {
    HandOffOptions options;
    options.url = urlOn(port);
    return options;
}

// An error report: the application's name as caption, the error's text, OK.
ShownMessageBox report(const std::string& text) {
    return {0, "login", text};
}

// A launcher served by a well-behaved server, counting the requests.
struct LauncherServer {
    explicit LauncherServer(std::string body, int status = 200) {
        http.server().Get(
            kPath, [this, body, status](const httplib::Request&, httplib::Response& response) {
                ++requests;
                response.status = status;
                response.set_content(body, "application/octet-stream");
            });
    }
    HttpServer http;
    std::atomic<int> requests{0};
};

void expectNothingHandedOver(const HandOffScene& scene, const HandOffRun& run) {
    EXPECT_EQ(run.quit, std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(scene.launcherPath()));
    EXPECT_TRUE(scene.strayFiles().empty()) << "left behind: " << scene.strayFiles().front();
}

} // namespace

TEST(LauncherFetch, PresentLauncherIsStartedWithoutAnyRequest) {
    LauncherServer server("unused");
    HandOffScene scene;
    scene.installRecordingLauncher();
    const auto run = scene.run({kLogin}, optionsFor(server.http.port()));
    EXPECT_EQ(server.requests, 0);
    EXPECT_EQ(run.quit, 16);
    const auto launches = scene.launches(1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0], (std::vector<std::string>{scene.launcherPath().string(),
                                                     ",id^42,auth_key^tk&3&pc&sg,pid^orvane"}));
}

TEST(LauncherFetch, MissingLauncherIsDownloadedWholeAndStarted) {
    const std::string bytes = HandOffScene::recordingLauncherBytes();
    LauncherServer server(bytes);
    HandOffScene scene;
    const auto run = scene.run({kLogin}, optionsFor(server.http.port()));
    EXPECT_EQ(server.requests, 1);
    EXPECT_TRUE(run.messageBoxes.empty());
    EXPECT_EQ(run.launchArgs, kArgs);
    EXPECT_EQ(run.quit, 16);
    EXPECT_EQ(testing_support::readFile(scene.launcherPath()), bytes);
    struct stat info {};
    ASSERT_EQ(stat(scene.launcherPath().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0755u);
    const auto launches = scene.launches(1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].back(), ",id^42,auth_key^tk&3&pc&sg,pid^orvane");
    EXPECT_EQ(scene.strayFiles(), std::vector<std::string>{"orvane_quorn_launch.exe"});
}

TEST(LauncherFetch, EmptyBodyLeavesAnEmptyLauncherThatIsNeverFetchedAgain) {
    LauncherServer server("");
    HandOffScene scene;
    auto run = scene.run({kLogin}, optionsFor(server.http.port()));
    EXPECT_EQ(run.messageBoxes, std::vector<ShownMessageBox>{kStartFailure});
    EXPECT_EQ(run.quit, 16);
    EXPECT_EQ(std::filesystem::file_size(scene.launcherPath()), 0u);

    run = scene.run({kLogin}, optionsFor(server.http.port()));
    EXPECT_EQ(server.requests, 1);
    EXPECT_EQ(run.messageBoxes, std::vector<ShownMessageBox>{kStartFailure});
    EXPECT_EQ(run.quit, 16);
}

TEST(LauncherFetch, StatusOtherThanOkEndsSilentlyAndALaterLoginRetries) {
    LauncherServer server("not here", 404);
    HandOffScene scene;
    const auto run = scene.run({kLogin, kLogin}, optionsFor(server.http.port()));
    EXPECT_EQ(server.requests, 2);
    EXPECT_TRUE(run.messageBoxes.empty());
    expectNothingHandedOver(scene, run);
}

TEST(LauncherFetch, LauncherThatCannotStartIsReportedAndTheProgramStillEnds) {
    struct Case {
        const char* name;
        void (*prepare)(const std::filesystem::path&);
    };
    const Case cases[] = {
        {"empty program",
         [](const std::filesystem::path& p) {
             testing_support::writeFile(p, "");
             chmod(p.c_str(), 0755);
         }},
        {"not a program",
         [](const std::filesystem::path& p) {
             testing_support::writeFile(p, "text\n");
             chmod(p.c_str(), 0755);
         }},
        {"not startable",
         [](const std::filesystem::path& p) {
             testing_support::writeFile(p, "text\n");
             chmod(p.c_str(), 0644);
         }},
        {"a folder", [](const std::filesystem::path& p) { std::filesystem::create_directory(p); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HandOffScene scene;
        c.prepare(scene.launcherPath());
        const auto run = scene.run({kLogin});
        EXPECT_EQ(run.messageBoxes, std::vector<ShownMessageBox>{kStartFailure});
        EXPECT_EQ(run.quit, 16);
        EXPECT_TRUE(std::filesystem::exists(scene.launcherPath()));
    }
}

TEST(LauncherFetch, NetworkFaultsAreReportedAndLeaveNoLauncher) {
    struct Case {
        const char* name;
        RawServer::Handler handler;
        std::string report;
    };
    const std::string head = "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n";
    const std::vector<Case> cases = {
        {"body shorter than announced",
         [&](int s, const std::atomic<bool>&) {
             RawServer::readRequestHead(s);
             RawServer::sendAll(s,
                                head + "Content-Length: 100000\r\n\r\n" + std::string(5000, 'x'));
         },
         "The connection with the server was terminated abnormally"},
        {"chunked body cut short",
         [&](int s, const std::atomic<bool>&) {
             RawServer::readRequestHead(s);
             RawServer::sendAll(
                 s, head + "Transfer-Encoding: chunked\r\n\r\n10\r\n0123456789abcdef\r\n");
         },
         "The connection with the server was terminated abnormally"},
        {"reset in the middle",
         [&](int s, const std::atomic<bool>&) {
             RawServer::readRequestHead(s);
             RawServer::sendAll(s,
                                head + "Content-Length: 100000\r\n\r\n" + std::string(5000, 'x'));
             usleep(100000);
             RawServer::resetConnection(s);
         },
         "The connection with the server was reset"},
        {"stall after part of the body",
         [&](int s, const std::atomic<bool>& stopping) {
             RawServer::readRequestHead(s);
             RawServer::sendAll(s,
                                head + "Content-Length: 100000\r\n\r\n" + std::string(5000, 'x'));
             RawServer::waitForStop(stopping, 10000);
         },
         "The operation timed out"},
        {"no answer at all",
         [&](int s, const std::atomic<bool>& stopping) {
             RawServer::readRequestHead(s);
             RawServer::waitForStop(stopping, 10000);
         },
         "The operation timed out"},
        {"malformed answer",
         [&](int s, const std::atomic<bool>&) {
             RawServer::readRequestHead(s);
             RawServer::sendAll(s, "this is not HTTP\r\n\r\n");
         },
         "The server returned an invalid or unrecognized response"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RawServer server(c.handler);
        HandOffScene scene;
        HandOffOptions options = optionsFor(server.port());
        options.extraArguments = {"--receive-timeout-ms", "500"};
        const auto run = scene.run({kLogin}, options);
        EXPECT_EQ(run.messageBoxes, std::vector<ShownMessageBox>{report(c.report)});
        expectNothingHandedOver(scene, run);
    }
}

TEST(LauncherFetch, RefusedConnectionIsReportedAndALaterLoginRetries) {
    HandOffScene scene;
    const auto run = scene.run({kLogin, kLogin}, optionsFor(testing_support::unusedPort()));
    const auto refused = report("A connection with the server could not be established");
    EXPECT_EQ(run.messageBoxes, (std::vector<ShownMessageBox>{refused, refused}));
    expectNothingHandedOver(scene, run);
}

TEST(LauncherFetch, FolderThatCannotBeWrittenGetsTheFileErrorReport) {
    LauncherServer server(HandOffScene::recordingLauncherBytes());
    HandOffScene scene;
    chmod(scene.bin().c_str(), 0555);
    HandOffOptions options = optionsFor(server.http.port());
    options.asUnprivilegedUser = true;
    const auto run = scene.run({kLogin}, options);
    EXPECT_EQ(run.messageBoxes,
              std::vector<ShownMessageBox>{
                  report("Access to " + scene.launcherPath().string() + " was denied.")});
    expectNothingHandedOver(scene, run);
}

TEST(LauncherFetch, LongFolderPathIsUsedWhole) {
    // Deeper than the 260 units a module path buffer holds at first.
    std::filesystem::path deep;
    for (int i = 0; i < 8; ++i)
        deep /= std::string(40, static_cast<char>('a' + i));
    HandOffScene scene(deep);
    ASSERT_GT(scene.launcherPath().string().size(), 300u);
    scene.installRecordingLauncher();
    const auto run = scene.run({kLogin});
    EXPECT_EQ(run.quit, 16);
    const auto launches = scene.launches(1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].front(), scene.launcherPath().string());
}

TEST(LauncherFetch, FolderTheCodePageCannotNameFailsToStartAndStillEnds) {
    HandOffScene scene("游戏");
    scene.installRecordingLauncher();
    HandOffOptions options;
    options.locale = "C";
    const auto run = scene.run({kLogin}, options);
    EXPECT_EQ(run.messageBoxes, std::vector<ShownMessageBox>{kStartFailure});
    EXPECT_EQ(run.quit, 16);
    EXPECT_TRUE(scene.launches(1, std::chrono::milliseconds(500)).empty());
}
