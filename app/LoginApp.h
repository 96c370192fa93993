#pragma once

#include "platform/afx/CWinApp.h"

#include <string>

class CImpIDispatch;

// The one application object. Start-up prepares the platform, runs the login window modally (the
// program's whole life) and tears everything down in a fixed order. It holds what the program's
// parts share: the script bridge object and the launch arguments of the game launcher.
class CLoginApp : public CWinApp {
public:
    CLoginApp();
    ~CLoginApp() override;

    // Runs the program; returns FALSE, so the framework goes straight to its exit.
    BOOL InitInstance() override;

    ULONG_PTR m_gdiplusToken = 0;
    // Owned; created and deleted by start-up.
    CImpIDispatch* m_pScriptBridge = nullptr;
    // The launch arguments, in the thread's code page; empty until a login result stores them.
    std::string m_launchArgs;
};

extern CLoginApp theApp;
