#pragma once

#include "windows/LoginActiveDlg.h"

#include <string>
#include <vector>

// An overlay whose login handler records the payloads instead of handing them over.
class CRecordingOverlay : public CLoginActiveDlg {
public:
    void OnAppLogin(CString payload) override { received.push_back(payload.str()); }
    std::vector<std::u16string> received;
};
