#include "platform/kernel/WinExec.h"

#include "platform/kernel/CommandLine.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/stat.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr UINT kStarted = 33;

// A descriptor closed with its owner.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

class SpawnAttributes {
public:
    SpawnAttributes() {
        posix_spawnattr_init(&m_attr);
        sigset_t none;
        sigemptyset(&none);
        sigset_t defaults;
        sigemptyset(&defaults);
        sigaddset(&defaults, SIGPIPE);
        sigaddset(&defaults, SIGCHLD);
        sigaddset(&defaults, SIGINT);
        sigaddset(&defaults, SIGTERM);
        posix_spawnattr_setsigmask(&m_attr, &none);
        posix_spawnattr_setsigdefault(&m_attr, &defaults);
        posix_spawnattr_setflags(&m_attr, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK |
                                              POSIX_SPAWN_SETSIGDEF);
    }
    ~SpawnAttributes() { posix_spawnattr_destroy(&m_attr); }
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;
    const posix_spawnattr_t* get() const { return &m_attr; }

private:
    posix_spawnattr_t m_attr;
};

class SpawnFileActions {
public:
    SpawnFileActions() {
        posix_spawn_file_actions_init(&m_actions);
        posix_spawn_file_actions_addopen(&m_actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addclosefrom_np(&m_actions, STDERR_FILENO + 1);
    }
    ~SpawnFileActions() { posix_spawn_file_actions_destroy(&m_actions); }
    SpawnFileActions(const SpawnFileActions&) = delete;
    SpawnFileActions& operator=(const SpawnFileActions&) = delete;
    const posix_spawn_file_actions_t* get() const { return &m_actions; }

private:
    posix_spawn_file_actions_t m_actions;
};

bool isExecutableFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

// The first executable file of that name in a folder of the PATH, or empty.
std::string findOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string_view rest = path ? path : "";
    while (!rest.empty()) {
        const std::size_t colon = rest.find(':');
        const std::string_view entry = rest.substr(0, colon);
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
        // An empty entry is the working folder.
        const std::string candidate =
            (entry.empty() ? std::string(".") : std::string(entry)) + "/" + name;
        if (isExecutableFile(candidate))
            return candidate;
    }
    return {};
}

bool beginsWithMz(const std::string& path) {
    FileDescriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    char magic[2] = {};
    return fd.get() >= 0 && read(fd.get(), magic, 2) == 2 && magic[0] == 'M' && magic[1] == 'Z';
}

// A program named without a folder is looked up in the working folder, then on the PATH.
std::string resolveProgram(const std::string& program) {
    if (program.find('/') != std::string::npos || access(program.c_str(), F_OK) == 0)
        return program;
    const std::string found = findOnPath(program);
    return found.empty() ? program : found;
}

UINT resultOf(int error, const std::string& program) {
    switch (error) {
    case ENOENT: {
        const auto folder = std::filesystem::path(program).parent_path();
        std::error_code ignored;
        if (!folder.empty() && !std::filesystem::is_directory(folder, ignored))
            return 3;
        return 2;
    }
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return 3;
    case EACCES:
    case EPERM:
    case EISDIR:
    case ETXTBSY:
        return 5;
    case ENOEXEC:
    case EINVAL:
        return 11;
    default:
        return WINEXEC_OUT_OF_RESOURCES;
    }
}

} // namespace

UINT WinExec(LPCSTR cmdLine, UINT /*cmdShow*/) {
    if (!cmdLine)
        return 2;
    const platform::CommandLine line = platform::splitCommandLine(cmdLine);
    if (line.program.empty())
        return 2;
    const std::string program = resolveProgram(line.program);

    std::vector<std::string> argv;
    if (beginsWithMz(program)) {
        const std::string wine = findOnPath("wine");
        if (!wine.empty())
            argv.push_back(wine);
    }
    argv.push_back(program);
    argv.insert(argv.end(), line.arguments.begin(), line.arguments.end());

    std::vector<char*> pointers;
    for (auto& argument : argv)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);

    SpawnAttributes attributes;
    SpawnFileActions actions;
    // FIXME: the child is never waited for, so it stays a zombie until this process ends, which
    // the launcher does right after starting it. A long-lived caller would want a reaper.
    pid_t child = 0;
    const int error =
        posix_spawn(&child, pointers[0], actions.get(), attributes.get(), pointers.data(), environ);
    if (error != 0)
        return resultOf(error, argv[0]);
    return kStarted;
}
