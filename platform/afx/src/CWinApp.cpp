#include "platform/afx/CWinApp.h"

#include "platform/kernel/Module.h"
#include "platform/kernel/Resources.h"
#include "platform/user/Layered.h"

#include <vector>

namespace {

CWinApp* g_app = nullptr;

// The executable's file name without its folder and extension.
std::u16string executableName() {
    std::vector<WCHAR> buffer(MAX_PATH);
    while (GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size())) ==
           buffer.size())
        buffer.resize(buffer.size() * 2);
    std::u16string path(buffer.data());
    const auto slash = path.find_last_of(u'/');
    std::u16string name = slash == std::u16string::npos ? path : path.substr(slash + 1);
    const auto dot = name.find_last_of(u'.');
    if (dot != std::u16string::npos && dot > 0)
        name.resize(dot);
    return name;
}

} // namespace

CWinApp::CWinApp(LPCWSTR appName) : m_appName(appName ? appName : executableName()) {
    m_pszAppName = m_appName.c_str();
    platform::user::registerUser32Library();
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this)
        g_app = nullptr;
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

CWinApp* AfxGetApp() {
    return g_app;
}

LPCWSTR AfxGetAppName() {
    return g_app ? g_app->m_pszAppName : u"";
}

HINSTANCE AfxGetResourceHandle() {
    return platform::executableResourceModule();
}

void CWinApp::SetRegistryKey(LPCWSTR key) {
    m_registryKey = key ? key : u"";
    m_pszRegistryKey = m_registryKey.c_str();
}
