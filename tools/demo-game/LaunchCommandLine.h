#pragma once

#include <string>
#include <utility>
#include <vector>

namespace demo_game {

// What the game launcher was started with, as labelled fields: either the login form
// (",id^<uid>,auth_key^<token>&<server>&<other>&<sign>,pid^<pid>") or a partner callback address
// with its code.
std::vector<std::pair<std::string, std::string>> describe(const std::string& commandLine);

} // namespace demo_game
