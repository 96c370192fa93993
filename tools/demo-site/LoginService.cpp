#include "tools/demo-site/LoginService.h"

#include <cstdint>
#include <cstdio>
#include <random>

namespace demo_site {

namespace {

constexpr const char* kSigningKey = "tarnwick-demo-signing-key";

std::uint64_t fnv1a(const std::string& text) {
    std::uint64_t hash = 1469598103934665603ull;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string hex(std::uint64_t value, int digits) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%0*llx", digits, static_cast<unsigned long long>(value));
    return buffer;
}

std::string randomHex(int digits) {
    static std::random_device device;
    std::string out;
    while (static_cast<int>(out.size()) < digits)
        out += hex((static_cast<std::uint64_t>(device()) << 32) | device(), 16);
    return out.substr(0, digits);
}

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
            out += buffer;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

} // namespace

std::optional<LoginResult> logIn(const std::string& account, const std::string& password,
                                 const std::string& serverId) {
    if (account.empty() || password != kDemoPassword || serverId.empty())
        return std::nullopt;
    LoginResult result;
    // The same account always has the same id.
    result.uid = std::to_string(100000 + fnv1a("account:" + account) % 900000);
    result.token = randomHex(32);
    result.serverId = serverId;
    result.other = "pc";
    result.sign = signOf(result.uid, result.token, result.serverId, result.other);
    return result;
}

std::string signOf(const std::string& uid, const std::string& token, const std::string& serverId,
                   const std::string& other) {
    return hex(
        fnv1a(std::string(kSigningKey) + "|" + uid + "|" + token + "|" + serverId + "|" + other),
        16);
}

std::string toJson(const LoginResult& r) {
    return "{\"uid\":" + jsonString(r.uid) + ",\"token\":" + jsonString(r.token) +
           ",\"server_id\":" + jsonString(r.serverId) + ",\"other\":" + jsonString(r.other) +
           ",\"sign\":" + jsonString(r.sign) + "}";
}

std::string newCode() {
    return randomHex(24);
}

} // namespace demo_site
