#include "platform/afx/AppShell.h"

#include "platform/user/Dialogs.h"

namespace {
int g_shellManagers = 0;
const CRuntimeClass* g_visualManager = nullptr;
} // namespace

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* controls) {
    if (!controls || controls->dwSize != sizeof(INITCOMMONCONTROLSEX))
        return FALSE;
    platform::user::registerDialogClasses();
    return TRUE;
}

CShellManager::CShellManager() {
    ++g_shellManagers;
}
CShellManager::~CShellManager() {
    --g_shellManagers;
}
int CShellManager::liveCount() {
    return g_shellManagers;
}

const CRuntimeClass CMFCVisualManagerWindows::classInfo = {"CMFCVisualManagerWindows"};

void CMFCVisualManager::SetDefaultManager(const CRuntimeClass* managerClass) {
    g_visualManager = managerClass;
}

const CRuntimeClass* CMFCVisualManager::defaultManager() {
    return g_visualManager;
}
