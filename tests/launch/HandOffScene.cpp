#include "tests/launch/HandOffScene.h"

#include "tests/support/ChildProcess.h"

#include <algorithm>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace testing_support {

namespace {

constexpr const char* kUnprivilegedUid = "65534";

std::string unhex(const std::string& text) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2)
        bytes += static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16));
    return bytes;
}

} // namespace

HandOffScene::HandOffScene(const fs::path& binFolder)
    : m_bin(binFolder.empty() ? m_root.path() / "bin" : m_root.path() / binFolder),
      m_work(m_root.path() / "work") {
    fs::create_directories(m_bin);
    fs::create_directories(m_work);
    fs::copy_file(TARNWICK_PROBE, m_bin / "login");
    // Everyone may pass through and work here, for the runs as an unprivileged user.
    for (fs::path p = m_bin; p != m_root.path().parent_path(); p = p.parent_path())
        fs::permissions(p, fs::perms::all & ~fs::perms::others_write & ~fs::perms::group_write);
    fs::permissions(m_work, fs::perms::all);
}

void HandOffScene::installRecordingLauncher() const {
    fs::copy_file(TARNWICK_RECORD_LAUNCHER, launcherPath());
}

std::string HandOffScene::recordingLauncherBytes() {
    return readFile(TARNWICK_RECORD_LAUNCHER);
}

HandOffRun HandOffScene::run(const std::vector<std::string>& payloads,
                             const HandOffOptions& options) const {
    std::vector<std::string> argv;
    if (options.asUnprivilegedUser && geteuid() == 0)
        argv = {"/usr/bin/setpriv", std::string("--reuid=") + kUnprivilegedUid,
                std::string("--regid=") + kUnprivilegedUid, "--clear-groups", "--"};
    argv.push_back((m_bin / "login").string());
    argv.insert(argv.end(), {"--url", options.url});
    argv.insert(argv.end(), options.extraArguments.begin(), options.extraArguments.end());
    argv.insert(argv.end(), payloads.begin(), payloads.end());

    ProcessOptions process;
    process.workingDirectory = m_work;
    process.extraEnvironment = {"LC_ALL=" + options.locale};
    const ProcessResult result = runProcess(argv, process);

    HandOffRun run;
    run.exitCode = result.exitCode;
    std::istringstream lines(result.output);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.starts_with("launch_args ")) {
            run.launchArgs = unhex(line.substr(12));
        } else if (line.starts_with("message_box ")) {
            const std::string rest = line.substr(12);
            const auto first = rest.find('|');
            const auto second = rest.find('|', first + 1);
            run.messageBoxes.push_back({static_cast<unsigned>(std::stoul(rest.substr(0, first))),
                                        rest.substr(first + 1, second - first - 1),
                                        rest.substr(second + 1)});
        } else if (line.starts_with("quit ") && line != "quit none") {
            run.quit = std::stoi(line.substr(5));
        }
    }
    return run;
}

std::vector<std::vector<std::string>>
HandOffScene::launches(std::size_t expected, std::chrono::milliseconds waitLimit) const {
    auto records = [this] {
        std::vector<fs::path> found;
        for (const auto& entry : fs::directory_iterator(m_bin)) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with("launched.") && !name.ends_with(".tmp"))
                found.push_back(entry.path());
        }
        return found;
    };
    waitUntil([&] { return records().size() >= expected; }, waitLimit);
    std::vector<std::vector<std::string>> result;
    for (const auto& record : records()) {
        std::vector<std::string> args;
        std::istringstream lines(readFile(record));
        std::string line;
        while (std::getline(lines, line))
            args.push_back(line);
        result.push_back(args);
    }
    return result;
}

std::vector<std::string> HandOffScene::strayFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_bin)) {
        const std::string name = entry.path().filename().string();
        if (name != "login" && !name.starts_with("launched."))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace testing_support
