#include "windows/LoginActiveDlg.h"

#include "res/resource.h"

CLoginActiveDlg::CLoginActiveDlg(CLoginDlg* loginWindow)
    : CDialogEx(IDD_LOGINACTIVE_DIALOG), m_pLoginDlg(loginWindow) {}

void CLoginActiveDlg::UnadviseAllLinks() {
    // FIXME: the overlay subscribes to no page links until the browser's page events are wired
    // up, so there is nothing to end yet.
}
