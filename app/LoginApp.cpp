#include "app/LoginApp.h"

#include "browser/ImpIDispatch.h"
#include "launch/LauncherConstants.h"
#include "windows/LoginActiveDlg.h"
#include "windows/LoginDlg.h"

#include "platform/afx/AppShell.h"
#include "platform/gdiplus/Startup.h"
#include "platform/user/MessageBox.h"

CLoginApp theApp;

CLoginApp::CLoginApp() {
    m_dwRestartManagerSupportFlags = AFX_RESTART_MANAGER_SUPPORT_RESTART;
}

CLoginApp::~CLoginApp() = default;

BOOL CLoginApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    CWinApp::InitInstance();

    // FIXME: the custom control container manager, which gives the browser control a site that
    // answers for the host's UI decisions, arrives with the browser host; it is created here and
    // installed with AfxEnableControlContainer right after the script bridge object.
    m_pScriptBridge = new CImpIDispatch;

    Gdiplus::GdiplusStartupInput gdiplusInput;
    Gdiplus::GdiplusStartup(&m_gdiplusToken, &gdiplusInput, nullptr);

    CShellManager* shellManager = new CShellManager;
    CMFCVisualManager::SetDefaultManager(RUNTIME_CLASS(CMFCVisualManagerWindows));
    SetRegistryKey(u"应用程序向导生成的本地应用程序");

    {
        CLoginDlg dialog;
        m_pMainWnd = &dialog;
        const INT_PTR result = dialog.DoModal();
        // A run the dialog did not end itself (a quit request included) ends with -1; while a
        // quit is pending the message closes at once.
        if (result == -1)
            MessageBoxW(nullptr, kStartFailureText, kStartFailureCaption, MB_OK);
        if (dialog.m_pOverlay) {
            delete dialog.m_pOverlay;
            dialog.m_pOverlay = nullptr;
        }
        delete shellManager;
        if (m_pScriptBridge) {
            delete m_pScriptBridge;
            m_pScriptBridge = nullptr;
        }
        m_pMainWnd = nullptr;
    }
    return FALSE;
}
