#pragma once

#include "platform/afx/CString.h"

// The login overlay: the colour-keyed window on the login artwork that carries the browser and
// the buttons. So far it holds what the login hand-off needs; its window arrives with the
// browser.
class CLoginActiveDlg {
public:
    CLoginActiveDlg() = default;
    virtual ~CLoginActiveDlg() = default;
    CLoginActiveDlg(const CLoginActiveDlg&) = delete;
    CLoginActiveDlg& operator=(const CLoginActiveDlg&) = delete;

    // The login page's AppLogin call: logs the payload, turns it into launch arguments and hands
    // over to the game launcher.
    void OnAppLogin(CString payload);

    // Ends the subscriptions to the loaded pages' links.
    void UnadviseAllLinks();
};
