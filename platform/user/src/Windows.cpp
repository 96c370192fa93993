#include "platform/user/Windows.h"

#include "WindowTree.h"
#include "platform/base/ShowCommands.h"
#include "platform/kernel/LastError.h"
#include "platform/user/Backend.h"
#include "platform/user/Messages.h"
#include "platform/user/Screen.h"

#include <algorithm>
#include <map>

namespace platform::user {

namespace {

struct WindowClass {
    UINT style = 0;
    WNDPROC proc = nullptr;
    void* brush = nullptr;
};

std::map<std::u16string, WindowClass>& classes() {
    static std::map<std::u16string, WindowClass> all;
    return all;
}

std::u16string lowered(LPCWSTR name) {
    std::u16string text = name ? name : u"";
    for (auto& c : text)
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c + 32);
    return text;
}

Window* g_capture = nullptr;

void sendMove(Window* w) {
    SendMessageW(w->handle(), WM_MOVE, 0, MAKELPARAM(w->rect.left, w->rect.top));
}

void sendSize(Window* w) {
    SendMessageW(w->handle(), WM_SIZE, w->iconic ? SIZE_MINIMIZED : SIZE_RESTORED,
                 MAKELPARAM(width(w->rect), height(w->rect)));
}

// Moves and sizes a window, telling it what changed.
void place(Window* w, const RECT& target) {
    const bool moved = target.left != w->rect.left || target.top != w->rect.top;
    const bool sized = width(target) != width(w->rect) || height(target) != height(w->rect);
    w->rect = target;
    if (sized)
        invalidateTree(w);
    notifyChanged(w);
    if (moved)
        sendMove(w);
    if (sized)
        sendSize(w);
}

void destroyTree(Window* w) {
    w->destroying = true;
    // Windows it owns go first, each with all that belongs to it.
    std::vector<Window*> owned;
    for (Window* other : topLevels())
        if (other->owner == w)
            owned.push_back(other);
    for (Window* o : owned)
        if (windowOf(o->handle()))
            destroyTree(o);
    if (g_capture == w)
        ReleaseCapture();
    const bool wasShown = onScreen(w);
    SendMessageW(w->handle(), WM_DESTROY, 0, 0);
    const std::vector<Window*> children = w->children;
    for (Window* c : children)
        if (windowOf(c->handle()))
            destroyTree(c);
    SendMessageW(w->handle(), WM_NCDESTROY, 0, 0);
    Window* top = w->isChild() ? topLevelWindow(w) : nullptr;
    const HWND handle = w->handle();
    forgetWindow(w);
    if (top)
        invalidateTree(top);
    if (wasShown && !top)
        if (auto hook = backend().windowChanged)
            hook(handle);
}

} // namespace

std::vector<HWND> topLevelWindows() {
    std::vector<HWND> handles;
    for (Window* w : topLevels())
        handles.push_back(w->handle());
    return handles;
}

std::vector<HWND> childWindows(HWND parent) {
    std::vector<HWND> handles;
    if (Window* w = windowOf(parent))
        for (Window* c : w->children)
            handles.push_back(c->handle());
    return handles;
}

bool isOnScreen(HWND window) {
    const Window* w = windowOf(window);
    return w && onScreen(w);
}

HWND topLevelOf(HWND window) {
    Window* w = topLevelWindow(windowOf(window));
    return w ? w->handle() : nullptr;
}

Window* captureWindow() {
    return g_capture;
}

} // namespace platform::user

using namespace platform;
using namespace platform::user;

ATOM RegisterClassW(const WNDCLASSW* windowClass) {
    if (!windowClass || !windowClass->lpszClassName || !windowClass->lpfnWndProc)
        return 0;
    classes()[lowered(windowClass->lpszClassName)] = {windowClass->style, windowClass->lpfnWndProc,
                                                      windowClass->hbrBackground};
    return static_cast<ATOM>(classes().size());
}

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                     int y, int w, int h, HWND parentHandle, HMENU menuOrId, HINSTANCE instance,
                     LPVOID param) {
    const auto found = classes().find(lowered(className));
    if (found == classes().end()) {
        SetLastError(1407); // ERROR_CANNOT_FIND_WND_CLASS
        return nullptr;
    }
    Window* parent = windowOf(parentHandle);
    if (parentHandle && !parent) {
        SetLastError(1400); // ERROR_INVALID_WINDOW_HANDLE
        return nullptr;
    }
    if ((style & WS_CHILD) && !parent) {
        SetLastError(1406); // ERROR_TLW_WITH_WSCHILD
        return nullptr;
    }
    Window* window = createWindowObject();
    window->proc = found->second.proc;
    window->classStyle = found->second.style;
    window->classBrush = found->second.brush;
    window->className = lowered(className);
    window->exStyle = exStyle;
    window->style = style & ~WS_VISIBLE;
    window->rect = RECT{x, y, x + std::max(0, w), y + std::max(0, h)};
    window->text = windowName ? windowName : u"";
    if (style & WS_CHILD) {
        window->parent = parent;
        window->id = reinterpret_cast<LONG_PTR>(menuOrId);
        // A new child goes below its siblings: controls made in template order lie in that order,
        // the first on top.
        parent->children.push_back(window);
    } else {
        // A popup's parent becomes its owner: the owner's top-level window.
        window->owner = parent ? topLevelWindow(parent) : nullptr;
        topLevels().push_back(window);
        bringToTop(window);
    }
    CREATESTRUCTW create{
        param,      instance,  menuOrId, parentHandle, h, w, y, x, static_cast<LONG>(style),
        windowName, className, exStyle};
    const HWND handle = window->handle();
    if (!SendMessageW(handle, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create)) ||
        SendMessageW(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        if (IsWindow(handle))
            DestroyWindow(handle);
        return nullptr;
    }
    if (!IsWindow(handle))
        return nullptr;
    SendMessageW(handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(w, h));
    SendMessageW(handle, WM_MOVE, 0, MAKELPARAM(x, y));
    if (style & WS_VISIBLE)
        ShowWindow(handle, SW_SHOW);
    return handle;
}

BOOL DestroyWindow(HWND handle) {
    Window* w = windowOf(handle);
    if (!w || w->destroying)
        return FALSE;
    destroyTree(w);
    return TRUE;
}

BOOL IsWindow(HWND handle) {
    return windowOf(handle) ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND handle) {
    const Window* w = windowOf(handle);
    if (!w)
        return FALSE;
    for (const Window* v = w; v; v = v->isChild() ? v->parent : nullptr)
        if (!(v->style & WS_VISIBLE))
            return FALSE;
    // A window whose owner is minimised is hidden with it.
    for (const Window* o = topLevelWindow(const_cast<Window*>(w))->owner; o; o = o->owner)
        if (o->iconic)
            return FALSE;
    return TRUE;
}

BOOL IsIconic(HWND handle) {
    const Window* w = windowOf(handle);
    return w && w->iconic ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND handle) {
    const Window* w = windowOf(handle);
    return w && !(w->style & WS_DISABLED) ? TRUE : FALSE;
}

BOOL EnableWindow(HWND handle, BOOL enable) {
    Window* w = windowOf(handle);
    if (!w)
        return FALSE;
    const BOOL wasDisabled = (w->style & WS_DISABLED) ? TRUE : FALSE;
    if (enable == wasDisabled) {
        w->style = enable ? (w->style & ~WS_DISABLED) : (w->style | WS_DISABLED);
        SendMessageW(handle, WM_ENABLE, enable, 0);
        invalidateTree(w);
    }
    return wasDisabled;
}

BOOL ShowWindow(HWND handle, int command) {
    Window* w = windowOf(handle);
    if (!w)
        return FALSE;
    const BOOL wasVisible = (w->style & WS_VISIBLE) ? TRUE : FALSE;
    switch (command) {
    case SW_HIDE:
        if (wasVisible) {
            SendMessageW(handle, WM_SHOWWINDOW, FALSE, 0);
            w->style &= ~WS_VISIBLE;
            if (captureWindow() && topLevelWindow(captureWindow()) == topLevelWindow(w))
                ReleaseCapture();
        }
        break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
        if (!wasVisible) {
            SendMessageW(handle, WM_SHOWWINDOW, TRUE, 0);
            w->style |= WS_VISIBLE;
        }
        if (!w->iconic) {
            w->iconic = true;
            w->style |= WS_MINIMIZE;
            sendSize(w);
        }
        break;
    default: // the commands that show, restoring a minimised window where they restore
        if (!wasVisible) {
            SendMessageW(handle, WM_SHOWWINDOW, TRUE, 0);
            w->style |= WS_VISIBLE;
        }
        if (w->iconic &&
            (command == SW_SHOWNORMAL || command == SW_RESTORE || command == SW_SHOW)) {
            w->iconic = false;
            w->style &= ~WS_MINIMIZE;
            sendSize(w);
        }
        break;
    }
    invalidateTree(w);
    notifyChanged(w);
    return wasVisible;
}

BOOL MoveWindow(HWND handle, int x, int y, int w, int h, BOOL /*repaint*/) {
    Window* window = windowOf(handle);
    if (!window)
        return FALSE;
    place(window, RECT{x, y, x + std::max(0, w), y + std::max(0, h)});
    return TRUE;
}

BOOL SetWindowPos(HWND handle, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    Window* w = windowOf(handle);
    if (!w)
        return FALSE;
    if (!(flags & SWP_NOZORDER)) {
        if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST)
            bringToTop(w);
        else if (insertAfter == HWND_BOTTOM)
            placeAtBottom(w);
        else if (Window* above = windowOf(insertAfter); above && above != w)
            placeBelow(w, above);
        invalidateTree(w);
        notifyChanged(w);
    }
    RECT target = w->rect;
    if (!(flags & SWP_NOMOVE))
        target = RECT{x, y, x + width(target), y + height(target)};
    if (!(flags & SWP_NOSIZE))
        target.right = target.left + std::max(0, cx), target.bottom = target.top + std::max(0, cy);
    if (!(target == w->rect))
        place(w, target);
    if (flags & SWP_SHOWWINDOW)
        ShowWindow(handle, SW_SHOWNA);
    if (flags & SWP_HIDEWINDOW)
        ShowWindow(handle, SW_HIDE);
    return TRUE;
}

BOOL GetWindowRect(HWND handle, LPRECT rect) {
    const Window* w = windowOf(handle);
    if (!w || !rect)
        return FALSE;
    *rect = screenRect(w);
    return TRUE;
}

BOOL GetClientRect(HWND handle, LPRECT rect) {
    const Window* w = windowOf(handle);
    if (!w || !rect)
        return FALSE;
    *rect = RECT{0, 0, width(w->rect), height(w->rect)};
    return TRUE;
}

BOOL ScreenToClient(HWND handle, LPPOINT point) {
    const Window* w = windowOf(handle);
    if (!w || !point)
        return FALSE;
    const RECT r = screenRect(w);
    point->x -= r.left;
    point->y -= r.top;
    return TRUE;
}

BOOL ClientToScreen(HWND handle, LPPOINT point) {
    const Window* w = windowOf(handle);
    if (!w || !point)
        return FALSE;
    const RECT r = screenRect(w);
    point->x += r.left;
    point->y += r.top;
    return TRUE;
}

HWND GetParent(HWND handle) {
    const Window* w = windowOf(handle);
    if (!w)
        return nullptr;
    if (w->isChild())
        return w->parent->handle();
    return w->owner ? w->owner->handle() : nullptr;
}

HWND GetWindow(HWND handle, UINT relation) {
    Window* w = windowOf(handle);
    if (!w)
        return nullptr;
    if (relation == GW_OWNER)
        return w->owner ? w->owner->handle() : nullptr;
    if (relation == GW_CHILD)
        return w->children.empty() ? nullptr : w->children.front()->handle();
    return nullptr;
}

HWND GetDlgItem(HWND dialog, int id) {
    Window* w = windowOf(dialog);
    if (!w)
        return nullptr;
    for (Window* c : w->children)
        if (c->id == id)
            return c->handle();
    return nullptr;
}

int GetDlgCtrlID(HWND handle) {
    const Window* w = windowOf(handle);
    return w && w->isChild() ? static_cast<int>(w->id) : 0;
}

LONG_PTR GetWindowLongPtrW(HWND handle, int index) {
    const Window* w = windowOf(handle);
    if (!w)
        return 0;
    switch (index) {
    case GWL_STYLE:
        return static_cast<LONG>(w->style);
    case GWL_EXSTYLE:
        return static_cast<LONG>(w->exStyle);
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_ID:
        return w->id;
    case GWLP_USERDATA:
        return w->userData;
    case DWLP_MSGRESULT:
        return w->dialogResult;
    default:
        return 0;
    }
}

LONG_PTR SetWindowLongPtrW(HWND handle, int index, LONG_PTR value) {
    Window* w = windowOf(handle);
    if (!w)
        return 0;
    const LONG_PTR previous = GetWindowLongPtrW(handle, index);
    switch (index) {
    case GWL_STYLE:
        // Visibility changes go through ShowWindow; the bit itself is kept as it is.
        w->style = (static_cast<DWORD>(value) & ~WS_VISIBLE) | (w->style & WS_VISIBLE);
        break;
    case GWL_EXSTYLE:
        w->exStyle = static_cast<DWORD>(value);
        break;
    case GWLP_WNDPROC:
        w->proc = reinterpret_cast<WNDPROC>(value);
        break;
    case GWLP_ID:
        w->id = value;
        break;
    case GWLP_USERDATA:
        w->userData = value;
        break;
    case DWLP_MSGRESULT:
        w->dialogResult = value;
        break;
    default:
        return 0;
    }
    invalidateTree(w);
    return previous;
}

LONG GetWindowLongW(HWND handle, int index) {
    return static_cast<LONG>(GetWindowLongPtrW(handle, index));
}

LONG SetWindowLongW(HWND handle, int index, LONG value) {
    return static_cast<LONG>(SetWindowLongPtrW(handle, index, value));
}

BOOL SetWindowTextW(HWND handle, LPCWSTR text) {
    return SendMessageW(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}

int GetWindowTextW(HWND handle, LPWSTR text, int size) {
    return static_cast<int>(SendMessageW(handle, WM_GETTEXT, static_cast<WPARAM>(size),
                                         reinterpret_cast<LPARAM>(text)));
}

HWND SetCapture(HWND handle) {
    Window* w = windowOf(handle);
    Window* previous = g_capture;
    if (w)
        g_capture = w;
    if (previous && previous != w)
        SendMessageW(previous->handle(), WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(handle));
    return previous ? previous->handle() : nullptr;
}

BOOL ReleaseCapture() {
    Window* previous = g_capture;
    g_capture = nullptr;
    if (previous && windowOf(previous->handle()))
        SendMessageW(previous->handle(), WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() {
    return g_capture ? g_capture->handle() : nullptr;
}

int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN:
        return screenSize().cx;
    case SM_CYSCREEN:
        return screenSize().cy;
    case SM_CXICON:
    case SM_CYICON:
        return 32;
    default:
        return 0;
    }
}

namespace platform::user {

HICON iconOf(HWND window, bool big) {
    const Window* w = windowOf(window);
    return w ? w->icons[big ? 1 : 0] : nullptr;
}

} // namespace platform::user
