// The overlay's login handler for the bridge's tests: records instead of handing over.

#include "tests/browser/RecordingOverlay.h"

#include "windows/LoginActiveDlg.h"

std::vector<std::u16string>& receivedLogins() {
    static std::vector<std::u16string> logins;
    return logins;
}

void CLoginActiveDlg::OnAppLogin(CString payload) {
    receivedLogins().push_back(payload.str());
}
