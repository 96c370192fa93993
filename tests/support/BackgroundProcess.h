#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace testing_support {

// A program running beside the test (a server), ended with SIGTERM, then SIGKILL when it does not
// go, when the object is destroyed.
class BackgroundProcess {
public:
    explicit BackgroundProcess(const std::vector<std::string>& argv);
    ~BackgroundProcess();
    BackgroundProcess(const BackgroundProcess&) = delete;
    BackgroundProcess& operator=(const BackgroundProcess&) = delete;

    // The next line of its standard output, or empty when none came within the limit.
    std::string readLine(std::chrono::milliseconds limit = std::chrono::seconds(10));
    int pid() const { return m_pid; }

private:
    int m_pid = -1;
    int m_output = -1;
    std::string m_pending;
};

} // namespace testing_support
