#include "platform/user/Windows.h"

#include "WindowTree.h"
#include "platform/base/ShowCommands.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/Input.h"
#include "platform/user/Messages.h"
#include "platform/user/Painting.h"

#include <algorithm>

namespace platform::user {
void startCaptionDrag(Window* window);
}

using namespace platform;
using namespace platform::user;

LRESULT DefWindowProcW(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = windowOf(handle);
    if (!w)
        return 0;
    switch (message) {
    case WM_NCCREATE:
        return TRUE;
    case WM_SETTEXT:
        w->text = lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"";
        invalidateTree(w);
        notifyChanged(w);
        return TRUE;
    case WM_GETTEXT: {
        auto* out = reinterpret_cast<LPWSTR>(lParam);
        if (!out || wParam == 0)
            return 0;
        const std::size_t count = std::min<std::size_t>(w->text.size(), wParam - 1);
        std::copy_n(w->text.begin(), count, out);
        out[count] = u'\0';
        return static_cast<LRESULT>(count);
    }
    case WM_NCHITTEST:
        return platform::contains(screenRect(w), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))
                   ? HTCLIENT
                   : HTNOWHERE;
    case WM_ERASEBKGND:
        if (w->classBrush) {
            RECT r{0, 0, platform::width(w->rect), platform::height(w->rect)};
            FillRect(reinterpret_cast<HDC>(wParam), &r, reinterpret_cast<HBRUSH>(w->classBrush));
            return 1;
        }
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(handle, &paint);
        EndPaint(handle, &paint);
        return 0;
    }
    case WM_CLOSE:
        DestroyWindow(handle);
        return 0;
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_CLOSE:
            SendMessageW(handle, WM_CLOSE, 0, 0);
            break;
        case SC_MINIMIZE:
            ShowWindow(handle, SW_MINIMIZE);
            break;
        case SC_RESTORE:
            ShowWindow(handle, SW_RESTORE);
            break;
        default:
            break;
        }
        return 0;
    case WM_SETCURSOR:
        // Unless the window chose a shape, the pointer is the arrow.
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        return FALSE;
    case WM_NCLBUTTONDOWN:
        // A press on the caption moves the window until the button is released.
        if (static_cast<LRESULT>(wParam) == HTCAPTION)
            startCaptionDrag(w);
        return 0;
    case WM_SETICON: {
        const int which = wParam == ICON_BIG ? 1 : 0;
        HICON previous = w->icons[which];
        w->icons[which] = reinterpret_cast<HICON>(lParam);
        notifyChanged(w);
        return reinterpret_cast<LRESULT>(previous);
    }
    default:
        return 0;
    }
}
