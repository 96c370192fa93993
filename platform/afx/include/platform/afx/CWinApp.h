#pragma once

#include "platform/base/WinTypes.h"

#include <string>

class CWnd;

constexpr DWORD AFX_RESTART_MANAGER_SUPPORT_RESTART = 0x01;

// The application object. Exactly one exists; constructing it makes it the one AfxGetApp
// returns. Without a name its name is the executable's file name without extension.
class CWinApp {
public:
    explicit CWinApp(LPCWSTR appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    // The settings key; the program stores nothing under it.
    void SetRegistryKey(LPCWSTR key);

    LPCWSTR m_pszAppName = nullptr;
    LPCWSTR m_pszRegistryKey = nullptr;
    // The application's main window while it runs.
    CWnd* m_pMainWnd = nullptr;
    DWORD m_dwRestartManagerSupportFlags = 0;

private:
    std::u16string m_appName;
    std::u16string m_registryKey;
};

CWinApp* AfxGetApp();
LPCWSTR AfxGetAppName();

// The module whose resources the application's windows and artwork come from: the executable's.
HINSTANCE AfxGetResourceHandle();
