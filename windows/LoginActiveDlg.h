#pragma once

#include "platform/afx/CDialog.h"
#include "platform/afx/CString.h"

class CLoginDlg;

// The login overlay: the colour-keyed window on the login artwork that carries the browser and
// the buttons (template 132). So far it holds what the login hand-off needs; its window, browser
// and buttons arrive with the browser host.
class CLoginActiveDlg : public CDialogEx {
public:
    explicit CLoginActiveDlg(CLoginDlg* loginWindow = nullptr);
    ~CLoginActiveDlg() override = default;

    // The login page's AppLogin call: logs the payload, turns it into launch arguments and hands
    // over to the game launcher.
    virtual void OnAppLogin(CString payload);

    // Ends the subscriptions to the loaded pages' links.
    void UnadviseAllLinks();

    CLoginDlg* m_pLoginDlg;
};
