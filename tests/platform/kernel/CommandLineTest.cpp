#include "platform/kernel/CommandLine.h"

#include <gtest/gtest.h>

using platform::splitCommandLine;

TEST(CommandLine, SplitsByThePlatformRules) {
    using Args = std::vector<std::string>;
    const struct {
        const char* line;
        std::string program;
        Args arguments;
    } cases[] = {
        {R"("/g/orvane_quorn_launch.exe" ,id^42,auth_key^&3&pc&,pid^orvane)",
         "/g/orvane_quorn_launch.exe",
         {",id^42,auth_key^&3&pc&,pid^orvane"}},
        // The callback form: the address follows the closing quote directly.
        {R"("/g/l.exe"http://h/plimo/codeCallback.htm?code=a&b=c)",
         "/g/l.exe",
         {"http://h/plimo/codeCallback.htm?code=a&b=c"}},
        {R"("/my games/l.exe" a b)", "/my games/l.exe", {"a", "b"}},
        {"/bin/prog  a\t b ", "/bin/prog", {"a", "b"}},
        {R"(p "a b" c)", "p", {"a b", "c"}},
        {R"(p a\\b a\"b)", "p", {R"(a\\b)", R"(a"b)"}},
        {R"(p "a\\" b)", "p", {R"(a\)", "b"}},
        {R"(p a\\\"b "c""d")", "p", {R"(a\"b)", R"(c"d)"}},
        {R"(p "" x)", "p", {"", "x"}},
        {R"(p "open)", "p", {"open"}},
        {R"(p ;rm -rf $HOME `x` $(y) |z)", "p", {";rm", "-rf", "$HOME", "`x`", "$(y)", "|z"}},
        {R"("unclosed program)", "unclosed program", {}},
        {"   ", "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const auto line = splitCommandLine(c.line);
        EXPECT_EQ(line.program, c.program);
        EXPECT_EQ(line.arguments, c.arguments);
    }
}
