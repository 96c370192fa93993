#include "platform/user/Input.h"
#include "platform/user/Screen.h"

#include "WindowTree.h"
#include "platform/user/Backend.h"
#include "platform/user/Messages.h"
#include "platform/user/Windows.h"

#include <chrono>
#include <cstdlib>

namespace platform::user {

Window* captureWindow();

namespace {

constexpr DWORD kDefaultHoverMs = 400;

struct Drag {
    Window* window = nullptr;
    POINT start{0, 0};
    RECT startRect{0, 0, 0, 0};
};

struct Tracking {
    Window* window = nullptr;
    bool leave = false;
    bool hover = false;
    DWORD hoverTime = kDefaultHoverMs;
    DWORD rested = 0;
    POINT at{0, 0};
};

struct LastPress {
    Window* window = nullptr;
    POINT at{0, 0};
    std::chrono::steady_clock::time_point when{};
};

struct InputState {
    Drag drag;
    Tracking tracking;
    POINT pointer{-1, -1};
    LastPress lastPress;
};

InputState& input() {
    static InputState s;
    return s;
}

constexpr auto kDoubleClickTime = std::chrono::milliseconds(500);
constexpr int kDoubleClickDistance = 4;

// A second press soon after the first, close to it, on the same window of a class that asks for
// double clicks, is a double click.
UINT pressMessage(Window* target, int x, int y) {
    LastPress& last = input().lastPress;
    const auto now = std::chrono::steady_clock::now();
    const bool isDouble = last.window == target && (target->classStyle & CS_DBLCLKS) &&
                          now - last.when <= kDoubleClickTime &&
                          std::abs(x - last.at.x) <= kDoubleClickDistance &&
                          std::abs(y - last.at.y) <= kDoubleClickDistance;
    last = isDouble ? LastPress{} : LastPress{target, POINT{x, y}, now};
    return isDouble ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
}

// The deepest visible, enabled child of the top-level window under the point.
Window* deepestAt(Window* top, int x, int y) {
    Window* current = top;
    for (bool descended = true; descended;) {
        descended = false;
        for (Window* child : current->children) {
            if (!(child->style & WS_VISIBLE) || (child->style & WS_DISABLED))
                continue;
            if (contains(screenRect(child), x, y)) {
                current = child;
                descended = true;
                break;
            }
        }
    }
    return current;
}

LPARAM clientPoint(Window* w, int x, int y) {
    const RECT r = screenRect(w);
    return MAKELPARAM(x - r.left, y - r.top);
}

UINT clientMessage(PointerAction action) {
    switch (action) {
    case PointerAction::Press:
        return WM_LBUTTONDOWN;
    case PointerAction::Release:
        return WM_LBUTTONUP;
    default:
        return WM_MOUSEMOVE;
    }
}

// The pointer went over another window (or none): the tracked window hears that it left.
void pointerOver(Window* w, int x, int y) {
    Tracking& t = input().tracking;
    if (t.window && t.window != w) {
        Window* left = t.window;
        const bool wanted = t.leave;
        t = Tracking{};
        if (wanted && windowOf(left->handle()))
            SendMessageW(left->handle(), WM_MOUSELEAVE, 0, 0);
    }
    if (t.window == w && (t.at.x != x || t.at.y != y)) {
        t.rested = 0;
        t.at = POINT{x, y};
    }
}

void moveDrag(int x, int y) {
    Drag& d = input().drag;
    if (!windowOf(d.window->handle())) {
        d = Drag{};
        return;
    }
    const int dx = x - d.start.x, dy = y - d.start.y;
    MoveWindow(d.window->handle(), d.startRect.left + dx, d.startRect.top + dy, width(d.startRect),
               height(d.startRect), TRUE);
}

} // namespace

bool dragging() {
    return input().drag.window != nullptr;
}

void startCaptionDrag(Window* window) {
    Window* top = topLevelWindow(window);
    input().drag = Drag{top, input().pointer, top->rect};
}

void advanceHoverClock(DWORD milliseconds) {
    Tracking& t = input().tracking;
    if (!t.window || !t.hover || !windowOf(t.window->handle()))
        return;
    t.rested += milliseconds;
    if (t.rested >= t.hoverTime) {
        t.hover = false;
        SendMessageW(t.window->handle(), WM_MOUSEHOVER, 0, clientPoint(t.window, t.at.x, t.at.y));
    }
}

void pointerEvent(PointerAction action, int x, int y) {
    input().pointer = POINT{x, y};
    if (dragging()) {
        if (action == PointerAction::Move || action == PointerAction::Release)
            moveDrag(x, y);
        if (action == PointerAction::Release)
            input().drag = Drag{};
        return;
    }
    if (Window* capture = captureWindow()) {
        pointerOver(capture, x, y);
        SendMessageW(capture->handle(), clientMessage(action), 0, clientPoint(capture, x, y));
        return;
    }
    const HWND topHandle = windowFromScreenPoint(x, y);
    Window* top = windowOf(topHandle);
    if (!top) {
        pointerOver(nullptr, x, y);
        return;
    }
    Window* target = deepestAt(top, x, y);
    LRESULT hit = SendMessageW(target->handle(), WM_NCHITTEST, 0, MAKELPARAM(x, y));
    // A child that calls itself transparent passes the pointer to its parent.
    while (hit == HTTRANSPARENT && windowOf(target->handle()) && target->isChild()) {
        target = target->parent;
        hit = SendMessageW(target->handle(), WM_NCHITTEST, 0, MAKELPARAM(x, y));
    }
    if (!windowOf(target->handle()))
        return;
    const UINT message = clientMessage(action);
    SendMessageW(target->handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(target->handle()),
                 MAKELPARAM(hit, message));
    if (!windowOf(target->handle()))
        return;
    pointerOver(target, x, y);
    if (hit == HTCLIENT) {
        const UINT clientMessageToSend =
            action == PointerAction::Press ? pressMessage(target, x, y) : message;
        SendMessageW(target->handle(), clientMessageToSend, 0, clientPoint(target, x, y));
    } else if (hit != HTNOWHERE && hit != HTTRANSPARENT && hit != HTERROR) {
        const UINT nonClient = action == PointerAction::Press     ? WM_NCLBUTTONDOWN
                               : action == PointerAction::Release ? WM_NCLBUTTONUP
                                                                  : WM_NCMOUSEMOVE;
        SendMessageW(target->handle(), nonClient, static_cast<WPARAM>(hit), MAKELPARAM(x, y));
    }
}

void keyEvent(WPARAM virtualKey) {
    // The active window is the topmost top-level window on the screen; its focus is the window.
    for (Window* w : topLevels()) {
        if (onScreen(w) && !(w->style & WS_DISABLED)) {
            PostMessageW(w->handle(), WM_KEYDOWN, virtualKey, 0);
            return;
        }
    }
}

void closeRequest(HWND window) {
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

} // namespace platform::user

BOOL TrackMouseEvent(TRACKMOUSEEVENT* track) {
    using platform::contains;
    using namespace platform::user;
    if (!track || track->cbSize != sizeof(TRACKMOUSEEVENT))
        return FALSE;
    Window* w = windowOf(track->hwndTrack);
    if (!w)
        return FALSE;
    Tracking& t = input().tracking;
    if (track->dwFlags & TME_CANCEL) {
        if (t.window == w) {
            if (track->dwFlags & TME_LEAVE)
                t.leave = false;
            if (track->dwFlags & TME_HOVER)
                t.hover = false;
        }
        return TRUE;
    }
    if (t.window != w)
        t = Tracking{w, false, false, kDefaultHoverMs, 0, input().pointer};
    if (track->dwFlags & TME_LEAVE)
        t.leave = true;
    if (track->dwFlags & TME_HOVER) {
        t.hover = true;
        t.rested = 0;
        t.hoverTime = track->dwHoverTime == HOVER_DEFAULT ? kDefaultHoverMs : track->dwHoverTime;
    }
    // A window the pointer is not over hears at once that it left.
    const RECT r = screenRect(w);
    if (t.leave && !contains(r, input().pointer.x, input().pointer.y)) {
        t = Tracking{};
        PostMessageW(w->handle(), WM_MOUSELEAVE, 0, 0);
    }
    return TRUE;
}

BOOL _TrackMouseEvent(TRACKMOUSEEVENT* track) {
    return TrackMouseEvent(track);
}

namespace {
HCURSOR g_cursor = nullptr;
} // namespace

HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name) {
    // Only the system's shapes exist: a cursor is the shape's identifier.
    if (instance || (name != IDC_ARROW && name != IDC_HAND))
        return nullptr;
    return reinterpret_cast<HCURSOR>(const_cast<LPWSTR>(name));
}

HCURSOR SetCursor(HCURSOR cursor) {
    const HCURSOR previous = g_cursor;
    g_cursor = cursor;
    if (cursor != previous)
        if (auto hook = platform::user::backend().cursorChanged)
            hook(reinterpret_cast<LPCWSTR>(cursor) == IDC_HAND ? platform::PointerShape::Hand
                                                               : platform::PointerShape::Arrow);
    return previous;
}
