#pragma once

// What a backend carries out for the window model. The model owns the rules (which window, in
// which order, when a loop ends); a backend only presents and answers. Every hook defaults to the
// headless backend, so a hook a backend leaves alone still runs without a display.

#include "platform/base/WinTypes.h"

#include <string>

namespace platform {

struct MessageBoxRequest {
    HWND owner = nullptr;
    std::u16string text;
    std::u16string caption;
    UINT type = 0;
};

struct BackendHooks {
    // Shows a message box and waits until the user answers it; returns the command of the
    // button that answered it (IDOK, IDCANCEL, ...).
    int (*messageBox)(const MessageBoxRequest& request) = nullptr;
};

} // namespace platform
