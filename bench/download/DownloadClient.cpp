// Fetches the game launcher through the hand-off's own download, from the address given, into
// the folder of this executable, and prints how long it took and how much the peak memory grew.
// The fetched file is no program, so the start afterwards fails quickly (answered headless).

#include "launch/LauncherFetch.h"
#include "launch/LauncherUrl.h"

#include "platform/base/Utf16.h"

#include <chrono>
#include <clocale>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

std::u16string g_url;

long statusKib(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(line.find(':') + 1));
    return -1;
}

} // namespace

const char16_t* LauncherDownloadUrl() {
    return g_url.c_str();
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s URL\n", argv[0]);
        return 2;
    }
    std::setlocale(LC_ALL, "");
    g_url = platform::utf8ToUtf16(argv[1]);
    const long rssBefore = statusKib("VmRSS:");
    const auto start = std::chrono::steady_clock::now();
    FetchAndStartLauncher();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    const long peak = statusKib("VmHWM:");
    std::printf("seconds=%.4f rss_growth_kib=%ld\n", elapsed.count(), peak - rssBefore);
    return 0;
}
