// Runs login hand-offs as the login overlay would, without a display, and prints what happened,
// so that tests can run the hand-off from an executable of their choosing in a folder of their
// choosing. Usage:
//   tarnwick-handoff-probe [--url URL] [--receive-timeout-ms N] [--connect-timeout-ms N]
//                          [--login-during-message-box PAYLOAD] PAYLOAD...
// Each PAYLOAD (UTF-8) is one AppLogin call. Output lines:
//   launch_args <hex bytes>
//   message_box <type>|<caption>|<text>
//   quit <code>|none

#include "app/LoginApp.h"
#include "launch/LauncherUrl.h"
#include "windows/LoginActiveDlg.h"

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/inet/InternetOptions.h"
#include "platform/base/Utf16.h"
#include "platform/user/Backend.h"
#include "platform/user/MessageLoop.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::u16string g_url = u"http://127.0.0.1:9/launcher.exe";
std::u16string g_loginDuringMessageBox;
CLoginActiveDlg* g_overlay = nullptr;

int messageBoxThatLogsInAgain(const platform::MessageBoxRequest& request) {
    const int answer = platform::headless::hooks().messageBox(request);
    if (!g_loginDuringMessageBox.empty() && g_overlay) {
        const std::u16string payload = std::move(g_loginDuringMessageBox);
        g_loginDuringMessageBox.clear();
        g_overlay->OnAppLogin(CString(payload));
    }
    return answer;
}

std::string hex(const std::string& bytes) {
    std::string out;
    char digits[3];
    for (unsigned char c : bytes) {
        std::snprintf(digits, sizeof digits, "%02x", c);
        out += digits;
    }
    return out;
}

} // namespace

const char16_t* LauncherDownloadUrl() {
    return g_url.c_str();
}

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    std::vector<std::u16string> payloads;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (arg == "--url") {
            g_url = platform::utf8ToUtf16(value());
        } else if (arg == "--receive-timeout-ms" || arg == "--connect-timeout-ms") {
            DWORD ms = static_cast<DWORD>(std::strtoul(value().c_str(), nullptr, 10));
            InternetSetOptionW(nullptr,
                               arg == "--receive-timeout-ms" ? INTERNET_OPTION_RECEIVE_TIMEOUT
                                                             : INTERNET_OPTION_CONNECT_TIMEOUT,
                               &ms, sizeof ms);
        } else if (arg == "--login-during-message-box") {
            g_loginDuringMessageBox = platform::utf8ToUtf16(value());
        } else {
            payloads.push_back(platform::utf8ToUtf16(arg));
        }
    }

    platform::BackendHooks hooks;
    hooks.messageBox = &messageBoxThatLogsInAgain;
    platform::user::installBackend(hooks);

    CLoginActiveDlg overlay;
    g_overlay = &overlay;
    for (const auto& payload : payloads)
        overlay.OnAppLogin(CString(payload));
    g_overlay = nullptr;

    std::printf("launch_args %s\n", hex(theApp.m_launchArgs).c_str());
    for (const auto& box : platform::headless::shownMessageBoxes())
        std::printf("message_box %u|%s|%s\n", box.type, platform::utf16ToUtf8(box.caption).c_str(),
                    platform::utf16ToUtf8(box.text).c_str());
    if (const auto quit = platform::user::pendingQuit())
        std::printf("quit %d\n", *quit);
    else
        std::printf("quit none\n");
    return 0;
}
