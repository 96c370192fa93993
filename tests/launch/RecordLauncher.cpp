// Stands in for the game launcher in tests: records the arguments it was started with in a file
// beside itself, "launched.<pid>", one argument per line, the first line being its own argv[0].
// The file appears complete or not at all.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

int main(int argc, char** argv) {
    const auto self = std::filesystem::read_symlink("/proc/self/exe");
    const auto folder = self.parent_path();
    const std::string name = "launched." + std::to_string(getpid());
    const auto partial = folder / (name + ".tmp");
    {
        std::ofstream out(partial, std::ios::binary);
        for (int i = 0; i < argc; ++i)
            out << argv[i] << '\n';
    }
    std::filesystem::rename(partial, folder / name);
    return 0;
}
