#pragma once

#include "tests/support/TempDir.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace testing_support {

struct ShownMessageBox {
    unsigned type = 0;
    std::string caption;
    std::string text;
    bool operator==(const ShownMessageBox&) const = default;
    friend void PrintTo(const ShownMessageBox& box, std::ostream* out) {
        *out << "{" << box.type << ", \"" << box.caption << "\", \"" << box.text << "\"}";
    }
};

struct HandOffRun {
    int exitCode = -1;
    std::string launchArgs;
    std::vector<ShownMessageBox> messageBoxes;
    std::optional<int> quit;
};

struct HandOffOptions {
    std::string url = "http://127.0.0.1:9/vondoqiv/qiv_web/orvane_quorn_launch_1.exe";
    std::string locale = "C.UTF-8";
    std::vector<std::string> extraArguments;
    bool asUnprivilegedUser = false; // so that folder permissions hold even for root
};

// A login program in a folder of its own ("bin/login"), run in another folder ("work") that
// receives its log, with the game launcher beside it or not.
class HandOffScene {
public:
    explicit HandOffScene(const std::filesystem::path& binFolder = {});

    const std::filesystem::path& bin() const { return m_bin; }
    const std::filesystem::path& work() const { return m_work; }
    std::filesystem::path launcherPath() const { return m_bin / "orvane_quorn_launch.exe"; }

    // Puts the test launcher, which records how it was started, where the game launcher goes.
    void installRecordingLauncher() const;
    static std::string recordingLauncherBytes();

    HandOffRun run(const std::vector<std::string>& payloads,
                   const HandOffOptions& options = {}) const;

    // The argument lists of every start of the recording launcher so far, waiting (within the
    // limit) until there are at least `expected` of them.
    std::vector<std::vector<std::string>>
    launches(std::size_t expected,
             std::chrono::milliseconds waitLimit = std::chrono::seconds(10)) const;

    std::string log() const { return readFile(m_work / "log.txt"); }

    // Files in the launcher's folder besides the login program and the launches it recorded.
    std::vector<std::string> strayFiles() const;

private:
    TempDir m_root;
    std::filesystem::path m_bin;
    std::filesystem::path m_work;
};

} // namespace testing_support
