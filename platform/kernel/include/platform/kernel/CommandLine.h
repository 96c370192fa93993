#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A command line split into the program to start and its arguments, by the platform's rules:
// the program is the text between the first pair of double quotes (taken literally) or, when the
// line does not begin with a quote, its first blank-delimited token. The rest is split at blanks
// outside quotes; 2n backslashes before a quote give n backslashes and the quote opens or closes
// a quoted part, 2n+1 give n backslashes and a literal quote; other backslashes are literal; two
// quotes inside a quoted part give one literal quote. An argument may follow the program's
// closing quote directly.
struct CommandLine {
    std::string program;
    std::vector<std::string> arguments;
};

CommandLine splitCommandLine(std::string_view line);

} // namespace platform
