#include "tests/support/ChildProcess.h"

#include <gtest/gtest.h>

TEST(DemoGame, PrintsTheFieldsOfItsCommandLineWithoutADisplay) {
    const struct {
        std::vector<std::string> args;
        std::string output;
    } cases[] = {
        {{",id^42,auth_key^tk&3&pc&sg,pid^orvane"},
         "id: 42\ntoken: tk\nserver_id: 3\nother: pc\nsign: sg\npid: orvane\n"},
        {{"http://127.0.0.1:8047/plimo/codeCallback.htm?code=c0de&x=1"},
         "callback: http://127.0.0.1:8047/plimo/codeCallback.htm?code=c0de&x=1\ncode: c0de\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> argv{TARNWICK_DEMO_GAME};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        testing_support::ProcessOptions options;
        options.extraEnvironment = {"DISPLAY=", "WAYLAND_DISPLAY="};
        const auto result = testing_support::runProcess(argv, options);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.output, c.output);
    }
}
