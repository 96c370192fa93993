#include "app/LoginApp.h"

CLoginApp theApp;

CLoginApp::CLoginApp() {
    m_dwRestartManagerSupportFlags = AFX_RESTART_MANAGER_SUPPORT_RESTART;
}

CLoginApp::~CLoginApp() = default;
