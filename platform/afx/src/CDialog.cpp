#include "platform/afx/CDialog.h"

#include "platform/afx/CWinApp.h"
#include "platform/kernel/Resources.h"
#include "platform/user/MessageBox.h"
#include "platform/user/Windows.h"

namespace {
// The dialog object whose window is being created: its first message attaches it.
CDialog* g_creating = nullptr;
} // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDHelp(templateId), m_pParentWnd(parent) {}

INT_PTR AfxDlgProc(HWND dialog, UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    CWnd* wnd = CWnd::FromHandlePermanent(dialog);
    if (!wnd && g_creating) {
        CDialog* creating = g_creating;
        g_creating = nullptr;
        creating->SubclassWindow(dialog);
        wnd = creating;
    }
    if (message == WM_INITDIALOG && wnd)
        if (auto* dlg = dynamic_cast<CDialog*>(wnd))
            return dlg->OnInitDialog();
    return FALSE;
}

HWND CDialog::createWindow(CWnd* parent) {
    platform::user::registerDialogClasses();
    g_creating = this;
    HWND window = CreateDialogParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nIDHelp),
                                     parent ? parent->m_hWnd : nullptr, &AfxDlgProc, 0);
    g_creating = nullptr;
    return window;
}

INT_PTR CDialog::DoModal() {
    // Without a parent the dialog belongs to the application's main window (unless it is it).
    CWnd* parent = m_pParentWnd;
    if (!parent && AfxGetMainWnd() != this)
        parent = AfxGetMainWnd();
    HWND window = createWindow(parent);
    if (!window)
        return -1;
    return RunModalDialog(window);
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    m_nIDHelp = templateId;
    if (parent)
        m_pParentWnd = parent;
    return createWindow(m_pParentWnd) ? TRUE : FALSE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int result) {
    ::EndDialog(m_hWnd, result);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

void DDX_Control(CDataExchange* exchange, int id, CWnd& control) {
    if (!exchange || control.m_hWnd)
        return;
    control.SubclassDlgItem(static_cast<UINT>(id), exchange->m_pDlgWnd);
}
