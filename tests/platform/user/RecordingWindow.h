#pragma once

#include "platform/user/WinUser.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace testing_support {

struct Received {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Received&) const = default;
};

// Windows of a test class that record every message they receive and answer some as told.
class WindowRecorder {
public:
    WindowRecorder();
    ~WindowRecorder();

    // A top-level (or, with a parent and WS_CHILD, a child) window, shown.
    HWND create(const RECT& rect, DWORD style = WS_POPUP | WS_VISIBLE, HWND parent = nullptr, DWORD exStyle = 0);

    // What the window answers to a message instead of the default processing.
    void answer(HWND window, UINT message, std::function<LRESULT(WPARAM, LPARAM)> handler);
    // A window that paints itself in one colour (0xRRGGBB), opaque.
    void paintWith(HWND window, std::uint32_t rgb);

    // The recorded messages among those named, oldest first.
    std::vector<Received> received(const std::vector<UINT>& messages) const;
    std::vector<UINT> messagesOf(HWND window, const std::vector<UINT>& messages) const;
    void clear() { m_log.clear(); }

private:
    static LRESULT procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    std::vector<Received> m_log;
    std::map<std::pair<HWND, UINT>, std::function<LRESULT(WPARAM, LPARAM)>> m_answers;
    std::vector<HWND> m_created;
};

} // namespace testing_support
