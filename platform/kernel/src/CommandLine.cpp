#include "platform/kernel/CommandLine.h"

namespace platform {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

CommandLine splitCommandLine(std::string_view line) {
    CommandLine result;
    std::size_t i = 0;
    while (i < line.size() && isBlank(line[i]))
        ++i;
    if (i < line.size() && line[i] == '"') {
        const std::size_t close = line.find('"', i + 1);
        const std::size_t end = close == std::string_view::npos ? line.size() : close;
        result.program = std::string(line.substr(i + 1, end - i - 1));
        i = close == std::string_view::npos ? line.size() : close + 1;
    } else {
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        result.program = std::string(line.substr(start, i - start));
    }

    while (true) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        if (i >= line.size())
            break;
        std::string argument;
        bool quoted = false;
        while (i < line.size() && (quoted || !isBlank(line[i]))) {
            const char c = line[i];
            if (c == '\\') {
                std::size_t run = 0;
                while (i < line.size() && line[i] == '\\')
                    ++run, ++i;
                if (i < line.size() && line[i] == '"') {
                    argument.append(run / 2, '\\');
                    if (run % 2 == 1) {
                        argument += '"';
                        ++i;
                    }
                } else {
                    argument.append(run, '\\');
                }
            } else if (c == '"') {
                if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                    argument += '"';
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
            } else {
                argument += c;
                ++i;
            }
        }
        result.arguments.push_back(std::move(argument));
    }
    return result;
}

} // namespace platform
