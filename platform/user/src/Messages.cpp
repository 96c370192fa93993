#include "platform/user/Messages.h"

#include "WindowTree.h"
#include "platform/user/Backend.h"
#include "platform/user/Painting.h"

#include <deque>

namespace {

std::deque<MSG>& queue() {
    static std::deque<MSG> q;
    return q;
}

bool matches(const MSG& m, HWND window, UINT first, UINT last) {
    if (window && m.hwnd != window)
        return false;
    return (first == 0 && last == 0) || (m.message >= first && m.message <= last);
}

// The next message for the filter, or a WM_PAINT for a window that waits to be painted.
bool takeMessage(MSG* message, HWND window, UINT first, UINT last, bool remove) {
    auto& q = queue();
    for (auto it = q.begin(); it != q.end(); ++it) {
        if (matches(*it, window, first, last)) {
            *message = *it;
            if (remove)
                q.erase(it);
            return true;
        }
    }
    return false;
}

} // namespace

LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    platform::user::Window* w = platform::user::windowOf(window);
    if (!w || !w->proc)
        return 0;
    return w->proc(window, message, wParam, lParam);
}

BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window && !platform::user::windowOf(window))
        return FALSE;
    queue().push_back(MSG{window, message, wParam, lParam, 0, POINT{0, 0}});
    return TRUE;
}

BOOL PeekMessageW(MSG* message, HWND window, UINT first, UINT last, UINT remove) {
    if (!message)
        return FALSE;
    // Messages for windows that are gone are dropped on the way.
    std::erase_if(queue(),
                  [](const MSG& m) { return m.hwnd && !platform::user::windowOf(m.hwnd); });
    if (takeMessage(message, window, first, last, (remove & PM_REMOVE) != 0))
        return TRUE;
    if (const auto quit = platform::user::pendingQuit()) {
        *message = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(*quit), 0, 0, POINT{0, 0}};
        return TRUE;
    }
    return FALSE;
}

BOOL GetMessageW(MSG* message, HWND window, UINT first, UINT last) {
    if (!message)
        return FALSE;
    for (;;) {
        if (PeekMessageW(message, window, first, last, PM_REMOVE))
            return message->message == WM_QUIT ? FALSE : TRUE;
        // Nothing waits: paint what asked for it, then wait for the user.
        platform::user::paintPendingWindows();
        if (PeekMessageW(message, window, first, last, PM_REMOVE))
            return message->message == WM_QUIT ? FALSE : TRUE;
        if (!platform::user::backend().waitForInput()) {
            // Nothing will ever come: end the loop as a quit would, with exit code 1.
            PostQuitMessage(1);
        }
    }
}

BOOL TranslateMessage(const MSG* /*message*/) {
    return FALSE;
}

LRESULT DispatchMessageW(const MSG* message) {
    if (!message || !message->hwnd)
        return 0;
    return SendMessageW(message->hwnd, message->message, message->wParam, message->lParam);
}

namespace platform::user {

LoopEnd runModalLoop(const std::function<bool()>& finished,
                     const std::function<bool(const MSG&)>& filter) {
    MSG message{};
    while (!finished()) {
        if (!GetMessageW(&message, nullptr, 0, 0))
            return LoopEnd::Quit;
        if (filter && filter(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return LoopEnd::Finished;
}

} // namespace platform::user
