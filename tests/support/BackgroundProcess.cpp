#include "tests/support/BackgroundProcess.h"

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace testing_support {

BackgroundProcess::BackgroundProcess(const std::vector<std::string>& argv) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    std::vector<std::string> args = argv;
    std::vector<char*> argp;
    for (auto& a : args)
        argp.push_back(a.data());
    argp.push_back(nullptr);
    pid_t pid = 0;
    const int error = posix_spawn(&pid, argp[0], &actions, nullptr, argp.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (error != 0) {
        close(fds[0]);
        throw std::runtime_error("cannot start " + argv[0]);
    }
    m_pid = pid;
    m_output = fds[0];
}

BackgroundProcess::~BackgroundProcess() {
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        int status = 0;
        for (int i = 0; i < 100 && waitpid(m_pid, &status, WNOHANG) == 0; ++i)
            usleep(20000);
        if (waitpid(m_pid, &status, WNOHANG) == 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, &status, 0);
        }
    }
    if (m_output >= 0)
        close(m_output);
}

std::string BackgroundProcess::readLine(std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (m_pending.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return {};
        pollfd fd{m_output, POLLIN, 0};
        if (poll(&fd, 1, static_cast<int>(left.count())) <= 0)
            continue;
        char buffer[512];
        const ssize_t n = read(m_output, buffer, sizeof buffer);
        if (n <= 0)
            return {};
        m_pending.append(buffer, n);
    }
    const auto end = m_pending.find('\n');
    std::string line = m_pending.substr(0, end);
    m_pending.erase(0, end + 1);
    return line;
}

} // namespace testing_support
