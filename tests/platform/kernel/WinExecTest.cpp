#include "platform/kernel/WinExec.h"

#include "tests/support/ChildProcess.h"
#include "tests/support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

namespace {

constexpr UINT kShow = 5;

// Every record the recording program left in the folder, each as its lines.
std::vector<std::string> recordsIn(const fs::path& folder) {
    std::vector<std::string> records;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename().string().starts_with("launched.") &&
            !entry.path().string().ends_with(".tmp"))
            records.push_back(readFile(entry.path()));
    return records;
}

} // namespace

TEST(WinExec, StartsTheProgramWithItsArgumentsAndNoShell) {
    TempDir dir;
    const fs::path program = dir.path() / "my launcher";
    fs::copy_file(TARNWICK_RECORD_LAUNCHER, program);
    const std::string line =
        "\"" + program.string() + "\" plain \"two words\" $(touch injected);x `y`";
    ASSERT_EQ(WinExec(line.c_str(), kShow), 33u);
    ASSERT_TRUE(testing_support::waitUntil([&] { return recordsIn(dir.path()).size() == 1; }));
    EXPECT_EQ(recordsIn(dir.path())[0],
              program.string() + "\nplain\ntwo words\n$(touch\ninjected);x\n`y`\n");
    EXPECT_FALSE(fs::exists(dir.path() / "injected"));
}

TEST(WinExec, FailuresHaveThePlatformsResultCodes) {
    TempDir dir;
    writeFile(dir.path() / "empty", "");
    chmod((dir.path() / "empty").c_str(), 0755);
    writeFile(dir.path() / "script", "#!/bin/does-not-exist\n");
    chmod((dir.path() / "script").c_str(), 0755);
    writeFile(dir.path() / "text", "hello\n");
    chmod((dir.path() / "text").c_str(), 0644);
    writeFile(dir.path() / "windows.exe", std::string("MZ\x90\0\x03", 5));
    chmod((dir.path() / "windows.exe").c_str(), 0755);
    fs::create_directory(dir.path() / "folder");

    // Without wine on the PATH a Windows program cannot be started.
    const std::string savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", dir.path().c_str(), 1);
    const struct {
        const char* name;
        std::string line;
        UINT result;
    } cases[] = {
        {"missing file", "\"" + (dir.path() / "none").string() + "\" a", 2},
        {"missing folder", "\"" + (dir.path() / "no/where").string() + "\"", 3},
        {"a folder", "\"" + (dir.path() / "folder").string() + "\"", 5},
        {"not executable", "\"" + (dir.path() / "text").string() + "\"", 5},
        {"empty file", "\"" + (dir.path() / "empty").string() + "\"", 11},
        {"Windows program without wine", "\"" + (dir.path() / "windows.exe").string() + "\"", 11},
        {"interpreter missing", "\"" + (dir.path() / "script").string() + "\"", 2},
        {"empty line", "", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WinExec(c.line.c_str(), kShow), c.result);
    }
    setenv("PATH", savedPath.c_str(), 1);
}

TEST(WinExec, WindowsProgramIsStartedThroughWineWhenWineIsThere) {
    TempDir dir;
    // A stand-in "wine" that records how it was asked to run the program.
    const fs::path wine = dir.path() / "wine";
    fs::copy_file(TARNWICK_RECORD_LAUNCHER, wine);
    const fs::path program = dir.path() / "game.exe";
    writeFile(program, std::string("MZ\x90\0", 4));
    const std::string savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", dir.path().c_str(), 1);
    const std::string line = "\"" + program.string() + "\" --go";
    EXPECT_EQ(WinExec(line.c_str(), kShow), 33u);
    setenv("PATH", savedPath.c_str(), 1);
    ASSERT_TRUE(testing_support::waitUntil([&] { return recordsIn(dir.path()).size() == 1; }));
    EXPECT_EQ(recordsIn(dir.path())[0], wine.string() + "\n" + program.string() + "\n--go\n");
}
