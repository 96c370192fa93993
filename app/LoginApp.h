#pragma once

#include "platform/afx/CWinApp.h"

#include <string>

class CImpIDispatch;

// The one application object. It holds what the program's parts share: the script bridge object
// and the launch arguments of the game launcher.
class CLoginApp : public CWinApp {
public:
    CLoginApp();
    ~CLoginApp() override;

    ULONG_PTR m_gdiplusToken = 0;
    // Owned; created and deleted by start-up.
    CImpIDispatch* m_pScriptBridge = nullptr;
    // The launch arguments, in the thread's code page; empty until a login result stores them.
    std::string m_launchArgs;
};

extern CLoginApp theApp;
