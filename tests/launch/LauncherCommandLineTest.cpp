#include "launch/LauncherFetch.h"
#include "launch/ModuleDir.h"

#include <clocale>
#include <gtest/gtest.h>

TEST(LauncherCommandLine, ModuleDirIsThePathBeforeItsLastSlash) {
    const struct {
        std::u16string path;
        std::u16string dir;
    } cases[] = {
        {u"C:\\Games\\Client\\login.exe", u"C:/Games/Client"},
        {u"/opt/tarnwick/bin/tarnwick-login", u"/opt/tarnwick/bin"},
        {u"/tarnwick-login", u""},
        {u"tarnwick-login", u""},
        {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ModuleDirOf(c.path), c.dir);
}

TEST(LauncherCommandLine, QuotedLauncherPathIsFollowedByTheArgumentsAsTheyAre) {
    ASSERT_TRUE(std::setlocale(LC_ALL, "C.UTF-8"));
    const struct {
        const char* name;
        std::u16string dir;
        std::u16string args;
        std::string line;
    } cases[] = {
        {"login result", u"C:/Games/Client", u" ,id^42,auth_key^&3&pc&,pid^orvane",
         "\"C:/Games/Client/orvane_quorn_launch.exe\" ,id^42,auth_key^&3&pc&,pid^orvane"},
        {"callback address", u"/games", u"http://127.0.0.1/plimo/codeCallback.htm?code=x1",
         "\"/games/orvane_quorn_launch.exe\"http://127.0.0.1/plimo/codeCallback.htm?code=x1"},
        {"non-ASCII folder", u"/游戏", u" a", "\"/游戏/orvane_quorn_launch.exe\" a"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LauncherCommandLine(c.dir, c.args.c_str()), c.line);
    }

    // A folder the code page cannot represent gives a line that names no file.
    ASSERT_TRUE(std::setlocale(LC_ALL, "C"));
    EXPECT_EQ(LauncherCommandLine(u"/游戏", u" a"), "\"/??"
                                                    "/orvane_quorn_launch.exe\" a");
    std::setlocale(LC_ALL, "C");
}
