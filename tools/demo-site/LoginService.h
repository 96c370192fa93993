#pragma once

#include <optional>
#include <string>

namespace demo_site {

// The demo's accounts: any account name with the demo password. A login yields the five members
// the login page hands to the launcher.
struct LoginResult {
    std::string uid;
    std::string token;
    std::string serverId;
    std::string other;
    std::string sign;
};

inline constexpr const char* kDemoPassword = "tarnwick";

std::optional<LoginResult> logIn(const std::string& account, const std::string& password,
                                 const std::string& serverId);

// The sign over the other four members, as the game's servers would check it.
std::string signOf(const std::string& uid, const std::string& token, const std::string& serverId,
                   const std::string& other);

std::string toJson(const LoginResult& result);

// A fresh authorisation code for the partner platform's callback.
std::string newCode();

} // namespace demo_site
