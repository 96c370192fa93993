#include "tools/demo-game/LaunchCommandLine.h"

namespace demo_game {

namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (true) {
        const auto end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

std::string queryValue(const std::string& url, const std::string& key) {
    const auto query = url.find('?');
    if (query == std::string::npos)
        return {};
    for (const auto& pair : split(url.substr(query + 1), '&'))
        if (pair.rfind(key + "=", 0) == 0)
            return pair.substr(key.size() + 1);
    return {};
}

} // namespace

std::vector<std::pair<std::string, std::string>> describe(const std::string& commandLine) {
    std::vector<std::pair<std::string, std::string>> fields;
    if (commandLine.rfind("http", 0) == 0) {
        fields.emplace_back("callback", commandLine);
        fields.emplace_back("code", queryValue(commandLine, "code"));
        return fields;
    }
    for (const auto& part : split(commandLine, ',')) {
        const auto caret = part.find('^');
        if (caret == std::string::npos)
            continue;
        const std::string key = part.substr(0, caret);
        const std::string value = part.substr(caret + 1);
        if (key == "auth_key") {
            const auto pieces = split(value, '&');
            const char* names[] = {"token", "server_id", "other", "sign"};
            for (std::size_t i = 0; i < pieces.size(); ++i)
                fields.emplace_back(i < 4 ? names[i] : "auth_key+" + std::to_string(i), pieces[i]);
        } else {
            fields.emplace_back(key, value);
        }
    }
    if (fields.empty())
        fields.emplace_back("arguments", commandLine);
    return fields;
}

} // namespace demo_game
