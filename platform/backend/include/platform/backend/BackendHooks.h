#pragma once

// What a backend carries out for the window model. The model owns the rules (which window, in
// which order, when a loop ends); a backend only presents and answers. Every hook defaults to the
// headless backend, so a hook a backend leaves alone still runs without a display.

#include "platform/base/WinTypes.h"

#include <string>

namespace platform {

enum class PointerShape { Arrow, Hand };

struct MessageBoxRequest {
    HWND owner = nullptr;
    std::u16string text;
    std::u16string caption;
    UINT type = 0;
    // A quit was pending when the box was asked for: it ends at once, unanswered.
    bool endedByQuit = false;
};

struct BackendHooks {
    // Shows a message box and waits until the user answers it; returns the command of the
    // button that answered it (IDOK, IDCANCEL, ...).
    int (*messageBox)(const MessageBoxRequest& request) = nullptr;

    // Waits until something happens (input, a close request, ...) and feeds it to the model.
    // Returns false when nothing ever will: a loop that waits then is stuck.
    bool (*waitForInput)() = nullptr;

    // A window's place, size, visibility, z-order or picture changed; a backend presenting the
    // windows updates what it shows.
    void (*windowChanged)(HWND window) = nullptr;

    // The pointer's shape over the program's windows changed.
    void (*cursorChanged)(PointerShape shape) = nullptr;
};

} // namespace platform
