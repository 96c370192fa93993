#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace testing_support {

struct ProcessResult {
    int exitCode = -1;     // -1 when it did not exit normally
    bool timedOut = false; // killed after the time limit
    std::string output;    // standard output
};

struct ProcessOptions {
    std::filesystem::path workingDirectory;
    std::vector<std::string> extraEnvironment; // NAME=value entries added to this process's own
    std::chrono::milliseconds timeLimit{30000};
};

// Runs a program to its end (killing it after the time limit), collecting its standard output.
ProcessResult runProcess(const std::vector<std::string>& argv, const ProcessOptions& options = {});

// Waits, within the time limit, until the condition holds; returns whether it did.
bool waitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeLimit = std::chrono::milliseconds(10000));

} // namespace testing_support
