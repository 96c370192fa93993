#include "windows/LoginActiveDlg.h"

#include "launch/Ansi.h"
#include "launch/HandOffScope.h"
#include "launch/LaunchArgs.h"
#include "launch/LauncherFetch.h"
#include "launch/LoginLog.h"

#include <array>
#include <exception>
#include <json/reader.h>
#include <json/value.h>
#include <optional>

namespace {

// The members of the login payload, in the order they are read.
constexpr std::array<const char*, 5> kMembers = {"uid", "token", "server_id", "other", "sign"};

// The five member values, when the payload is a JSON object that has all of them as strings.
// Anything else is no login result, like a payload that does not parse.
std::optional<std::array<std::u16string, 5>> ReadLoginMembers(const std::string& document) {
    Json::Value root;
    Json::Reader reader;
    try {
        if (!reader.parse(document, root))
            return std::nullopt;
    } catch (const std::exception&) {
        // The reader gives up on a document nested deeper than it allows by throwing.
        return std::nullopt;
    }
    if (!root.isObject())
        return std::nullopt;
    const Json::Value& object = root;
    std::array<std::u16string, 5> values;
    for (std::size_t i = 0; i < kMembers.size(); ++i) {
        const Json::Value& member = object[kMembers[i]];
        if (!member.isString())
            return std::nullopt;
        values[i] = FromThreadAnsi(std::string(member.asCString()));
    }
    return values;
}

} // namespace

void CLoginActiveDlg::OnAppLogin(CString payload) {
    if (!CHandOffScope::CanStart())
        return;
    CHandOffScope handOff;
    CLoginLog log;
    const std::string document = ToThreadAnsi(payload);
    log.WriteLine(document);

    const auto members = ReadLoginMembers(document);
    if (!members)
        return;
    const auto& [uid, token, serverId, other, sign] = *members;
    const std::u16string authKey = token + u"&" + serverId + u"&" + other + u"&" + sign;
    log.WriteLine(ToThreadAnsi(authKey.c_str()));

    const std::u16string launchArgs = u" ,id^" + uid + u",auth_key^" + token + u"&" + serverId +
                                      u"&" + other + u"&" + sign + u",pid^" + u"orvane";
    SetLaunchArgs(launchArgs.c_str());
    FetchAndStartLauncher();
    UnadviseAllLinks();
}
