#include "platform/user/Dialogs.h"

#include "ControlColours.h"

#include "platform/user/Messages.h"
#include "platform/user/Painting.h"
#include "platform/user/Windows.h"

#include <map>
#include <vector>

namespace platform::user {

namespace {

struct ControlData {
    HFONT font = nullptr;
    bool tracking = false; // the button was pressed and holds the capture
    bool pushed = false;   // ... and the pointer is over it
};

std::map<HWND, ControlData>& controls() {
    static std::map<HWND, ControlData> all;
    return all;
}

bool inside(HWND window, LPARAM lParam) {
    RECT r;
    GetClientRect(window, &r);
    return platform::contains(r, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

void setPushed(HWND button, ControlData& data, bool pushed) {
    if (data.pushed != pushed) {
        data.pushed = pushed;
        InvalidateRect(button, nullptr, FALSE);
    }
}

void paintButton(HWND button, const ControlData& data) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(button, &paint);
    RECT client;
    GetClientRect(button, &client);
    const LONG style = GetWindowLongW(button, GWL_STYLE);
    HWND parent = GetParent(button);
    if ((style & BS_TYPEMASK) == BS_OWNERDRAW) {
        DRAWITEMSTRUCT item{ODT_BUTTON, static_cast<UINT>(GetDlgCtrlID(button)),
                            0,          ODA_DRAWENTIRE,
                            0,          button,
                            dc,         client,
                            0};
        if (data.pushed)
            item.itemState |= ODS_SELECTED;
        if (!IsWindowEnabled(button))
            item.itemState |= ODS_DISABLED;
        SendMessageW(parent, WM_DRAWITEM, static_cast<WPARAM>(item.CtlID),
                     reinterpret_cast<LPARAM>(&item));
    } else {
        // A plain push button: a face, a frame and its text.
        HBRUSH face = CreateSolidBrush(data.pushed ? RGB(204, 204, 204) : RGB(225, 225, 225));
        FillRect(dc, &client, face);
        DeleteObject(face);
        HBRUSH frame = CreateSolidBrush(RGB(112, 112, 112));
        const RECT edges[4] = {{0, 0, client.right, 1},
                               {0, client.bottom - 1, client.right, client.bottom},
                               {0, 0, 1, client.bottom},
                               {client.right - 1, 0, client.right, client.bottom}};
        for (const RECT& e : edges)
            FillRect(dc, &e, frame);
        DeleteObject(frame);
        std::vector<WCHAR> text(256);
        GetWindowTextW(button, text.data(), static_cast<int>(text.size()));
        if (data.font)
            SelectObject(dc, data.font);
        SetTextColor(dc, IsWindowEnabled(button) ? RGB(0, 0, 0) : RGB(160, 160, 160));
        DrawTextW(dc, text.data(), -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    EndPaint(button, &paint);
}

LRESULT buttonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    ControlData& data = controls()[button];
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetCapture(button);
        data.tracking = true;
        setPushed(button, data, true);
        return 0;
    case WM_MOUSEMOVE:
        if (data.tracking)
            setPushed(button, data, inside(button, lParam));
        return 0;
    case WM_LBUTTONUP: {
        if (!data.tracking)
            return 0;
        const bool clicked = inside(button, lParam);
        data.tracking = false;
        setPushed(button, data, false);
        ReleaseCapture();
        // A release over the button is its click.
        if (clicked)
            SendMessageW(GetParent(button), WM_COMMAND,
                         MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != button && data.tracking) {
            data.tracking = false;
            setPushed(button, data, false);
        }
        return 0;
    case BM_GETSTATE:
        return data.pushed ? BST_PUSHED : 0;
    case WM_PAINT:
        paintButton(button, data);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETFONT:
        data.font = reinterpret_cast<HFONT>(wParam);
        if (lParam)
            InvalidateRect(button, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(data.font);
    case WM_NCDESTROY:
        controls().erase(button);
        return 0;
    default:
        return DefWindowProcW(button, message, wParam, lParam);
    }
}

void paintStatic(HWND label, const ControlData& data) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(label, &paint);
    RECT client;
    GetClientRect(label, &client);
    if (data.font)
        SelectObject(dc, data.font);
    // The parent chooses the colours: it sets them on the context and answers a background brush.
    HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(label), WM_CTLCOLORSTATIC,
                                                         reinterpret_cast<WPARAM>(dc),
                                                         reinterpret_cast<LPARAM>(label)));
    fillBackground(dc, client, brush);
    std::vector<WCHAR> text(1024);
    GetWindowTextW(label, text.data(), static_cast<int>(text.size()));
    const LONG style = GetWindowLongW(label, GWL_STYLE);
    const UINT format = ((style & SS_CENTER) ? DT_CENTER : DT_LEFT) | DT_WORDBREAK;
    DrawTextW(dc, text.data(), -1, &client, format);
    EndPaint(label, &paint);
}

LRESULT staticProcedure(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    ControlData& data = controls()[label];
    switch (message) {
    case WM_PAINT:
        paintStatic(label, data);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_SETFONT:
        data.font = reinterpret_cast<HFONT>(wParam);
        if (lParam)
            InvalidateRect(label, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(data.font);
    case WM_NCDESTROY:
        controls().erase(label);
        return 0;
    default:
        return DefWindowProcW(label, message, wParam, lParam);
    }
}

} // namespace

void registerControlClasses() {
    WNDCLASSW button{};
    button.style = CS_DBLCLKS;
    button.lpfnWndProc = &buttonProcedure;
    button.lpszClassName = u"Button";
    RegisterClassW(&button);
    WNDCLASSW label{};
    label.lpfnWndProc = &staticProcedure;
    label.lpszClassName = u"Static";
    RegisterClassW(&label);
}

} // namespace platform::user
