// What a login result becomes: the log lines, the launch arguments, the launcher's start.

#include "tests/launch/HandOffScene.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

using testing_support::HandOffOptions;
using testing_support::HandOffScene;

namespace {

struct LoginCase {
    const char* name;
    std::vector<std::string> payloads;
    const char* locale;
    std::string expectedLog;
    std::optional<std::string> expectedArgs; // none: nothing is stored and nothing started
};

std::string deeplyNested(int depth) {
    return std::string(depth, '[') + std::string(depth, ']');
}

const std::string kExample = R"({"uid":"42","token":"","server_id":"3","other":"pc","sign":""})";

} // namespace

TEST(LoginResult, PayloadsBecomeLogLinesAndLaunchArguments) {
    const std::string empties = R"({"uid":"","token":"","server_id":"","other":"","sign":""})";
    const std::string reordered =
        R"({"sign":"s9","extra":{"a":[1,2]},"other":"pc","server_id":"7","token":"t0","uid":"u1","n":5})";
    const std::string separators =
        R"({"uid":"a b","token":"x&y","server_id":"1,2","other":"p^c","sign":"s s"})";
    const std::string commented =
        "/* sent by the page */ {\"uid\":\"7\", // who\n"
        "\"token\":\"t\",\"server_id\":\"1\",\"other\":\"pc\",\"sign\":\"g\"}";
    const std::string nonAscii =
        R"({"uid":"玩家","token":"\u00e9","server_id":"1","other":"pc","sign":"签"})";
    const std::string nonObject = R"(["uid","token"])";
    const std::string missing = R"({"uid":"1","token":"t","server_id":"1","other":"pc"})";
    const std::string notString =
        R"({"uid":42,"token":"t","server_id":"1","other":"pc","sign":"s"})";
    const std::string nullMember =
        R"({"uid":"1","token":null,"server_id":"1","other":"pc","sign":"s"})";
    const std::string nested = deeplyNested(20000);

    const std::vector<LoginCase> cases = {
        {"worked example",
         {kExample},
         "C.UTF-8",
         kExample + "\r\n&3&pc&\r\n",
         " ,id^42,auth_key^&3&pc&,pid^orvane"},
        {"all values empty",
         {empties},
         "C.UTF-8",
         empties + "\r\n&&&\r\n",
         " ,id^,auth_key^&&&,pid^orvane"},
        {"extra members, other order",
         {reordered},
         "C.UTF-8",
         reordered + "\r\nt0&7&pc&s9\r\n",
         " ,id^u1,auth_key^t0&7&pc&s9,pid^orvane"},
        {"separators inside values",
         {separators},
         "C.UTF-8",
         separators + "\r\nx&y&1,2&p^c&s s\r\n",
         " ,id^a b,auth_key^x&y&1,2&p^c&s s,pid^orvane"},
        {"comments are allowed",
         {commented},
         "C.UTF-8",
         commented + "\r\nt&1&pc&g\r\n",
         " ,id^7,auth_key^t&1&pc&g,pid^orvane"},
        {"non-ASCII in a UTF-8 locale",
         {nonAscii},
         "C.UTF-8",
         nonAscii + "\r\né&1&pc&签\r\n",
         " ,id^玩家,auth_key^é&1&pc&签,pid^orvane"},
        {"non-ASCII in the C locale",
         {nonAscii},
         "C",
         R"({"uid":"??","token":"\u00e9","server_id":"1","other":"pc","sign":"?"})"
         "\r\n??&1&pc&?\r\n",
         " ,id^??,auth_key^??&1&pc&?,pid^orvane"},
        {"empty payload", {""}, "C.UTF-8", "\r\n", std::nullopt},
        {"two texts that are not JSON",
         {"hello", "{\"uid\":"},
         "C.UTF-8",
         "hello\r\n{\"uid\":\r\n",
         std::nullopt},
        {"a JSON array", {nonObject}, "C.UTF-8", nonObject + "\r\n", std::nullopt},
        {"a JSON string", {"\"text\""}, "C.UTF-8", "\"text\"\r\n", std::nullopt},
        {"a member missing", {missing}, "C.UTF-8", missing + "\r\n", std::nullopt},
        {"a member that is a number", {notString}, "C.UTF-8", notString + "\r\n", std::nullopt},
        {"a member that is null", {nullMember}, "C.UTF-8", nullMember + "\r\n", std::nullopt},
        {"nesting deeper than the reader allows",
         {nested},
         "C.UTF-8",
         nested + "\r\n",
         std::nullopt},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HandOffScene scene;
        scene.installRecordingLauncher();
        HandOffOptions options;
        options.locale = c.locale;
        const auto run = scene.run(c.payloads, options);
        ASSERT_EQ(run.exitCode, 0);
        EXPECT_EQ(scene.log(), c.expectedLog);
        EXPECT_TRUE(run.messageBoxes.empty());
        if (c.expectedArgs) {
            EXPECT_EQ(run.launchArgs, *c.expectedArgs);
            EXPECT_EQ(run.quit, 16);
            const auto launches = scene.launches(1);
            ASSERT_EQ(launches.size(), 1u);
            // The launcher sees the arguments as the command line rules split them; joined by
            // blanks they give back the stored text without its leading blank.
            std::string joined;
            for (std::size_t i = 1; i < launches[0].size(); ++i)
                joined += " " + launches[0][i];
            EXPECT_EQ(joined, *c.expectedArgs);
        } else {
            EXPECT_EQ(run.launchArgs, "");
            EXPECT_EQ(run.quit, std::nullopt);
            EXPECT_TRUE(scene.launches(0).empty());
        }
    }
}

TEST(LoginResult, LogIsAppendedToAndPrivateToItsOwner) {
    HandOffScene scene;
    testing_support::writeFile(scene.work() / "log.txt", "earlier line\r\n");
    chmod((scene.work() / "log.txt").c_str(), 0644);
    scene.run({"not json"});
    EXPECT_EQ(scene.log(), "earlier line\r\nnot json\r\n");

    HandOffScene fresh;
    fresh.run({"not json"});
    struct stat info {};
    ASSERT_EQ(stat((fresh.work() / "log.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST(LoginResult, LogThatCannotBeWrittenDoesNotStopTheLogin) {
    HandOffScene scene;
    scene.installRecordingLauncher();
    std::filesystem::create_directory(scene.work() / "log.txt"); // a folder where the log goes
    const auto run = scene.run({kExample});
    EXPECT_EQ(run.quit, 16);
    EXPECT_EQ(scene.launches(1).size(), 1u);
}

TEST(LoginResult, SecondLoginWhileTheFirstIsHandedOverIsIgnored) {
    // The launcher exists but cannot start, so the failure message runs a nested loop in which the
    // page reports a second login.
    HandOffScene scene;
    testing_support::writeFile(scene.launcherPath(), "");
    HandOffOptions options;
    options.extraArguments = {"--login-during-message-box", kExample};
    const auto run = scene.run({kExample}, options);
    EXPECT_EQ(run.messageBoxes.size(), 1u);
    EXPECT_EQ(scene.log(), kExample + "\r\n&3&pc&\r\n");
    EXPECT_EQ(run.quit, 16);
}

TEST(LoginResult, LoginAfterTheQuitWasRequestedDoesNotStartTheLauncherAgain) {
    HandOffScene scene;
    scene.installRecordingLauncher();
    const auto run = scene.run({kExample, kExample});
    EXPECT_EQ(run.quit, 16);
    EXPECT_EQ(scene.log(), kExample + "\r\n&3&pc&\r\n");
    // Give a second start a moment to show up before counting.
    EXPECT_EQ(scene.launches(2, std::chrono::seconds(1)).size(), 1u);
}
