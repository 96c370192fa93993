#include "platform/user/Dialogs.h"

#include "ControlColours.h"

#include "WindowTree.h"
#include "platform/base/ShowCommands.h"
#include "platform/gdi/Surfaces.h"
#include "platform/kernel/Resources.h"
#include "platform/user/MessageBox.h"
#include "platform/user/Messages.h"
#include "platform/user/Painting.h"
#include "platform/user/Windows.h"

#include <algorithm>
#include <map>

namespace platform::user {

void registerControlClasses();

namespace {

constexpr char16_t kDialogClass[] = u"#32770";

struct DialogData {
    DLGPROC procedure = nullptr;
    HFONT font = nullptr;
    bool ownsFont = false;
    POINT baseUnits{6, 12};
    bool ended = false;
    INT_PTR result = 0;
};

std::map<HWND, DialogData>& dialogs() {
    static std::map<HWND, DialogData> all;
    return all;
}

// The data of the dialog being created, taken up by its first message.
DialogData* g_pending = nullptr;

DialogData* dataOf(HWND dialog) {
    const auto found = dialogs().find(dialog);
    return found == dialogs().end() ? nullptr : &found->second;
}

// The dialog's base units: the average character width and the height of its font.
POINT baseUnitsOf(HFONT font) {
    cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    HDC dc = platform::gdi::createSurfaceDC(scratch, 0, 0, RECT{0, 0, 1, 1});
    HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    if (previous)
        SelectObject(dc, previous);
    DeleteDC(dc);
    cairo_surface_destroy(scratch);
    return POINT{std::max<LONG>(1, metrics.tmAveCharWidth), std::max<LONG>(1, metrics.tmHeight)};
}

RECT toPixels(POINT base, short x, short y, short cx, short cy) {
    auto px = [&](int v) { return v * base.x / 4; };
    auto py = [&](int v) { return v * base.y / 8; };
    return RECT{px(x), py(y), px(x + cx), py(y + cy)};
}

HWND createFromTemplate(const DialogTemplate& t, HWND parent, DLGPROC procedure, LPARAM param) {
    registerDialogClasses();
    HFONT font = nullptr;
    if (t.style & DS_SETFONT) {
        LOGFONTW logFont{};
        logFont.lfHeight = -(t.pointSize * 96 / 72);
        logFont.lfWeight = t.weight ? t.weight : FW_NORMAL;
        logFont.lfCharSet = t.charset;
        const std::u16string face = t.faceName ? t.faceName : u"";
        std::copy_n(face.begin(), std::min<std::size_t>(face.size(), 31), logFont.lfFaceName);
        font = CreateFontIndirectW(&logFont);
    }
    const POINT base = baseUnitsOf(font);
    const RECT r = toPixels(base, t.x, t.y, t.cx, t.cy);
    // The dialog's data is known from its first message on: its procedure sees its creation too.
    DialogData pending;
    pending.procedure = procedure;
    pending.font = font;
    pending.ownsFont = font != nullptr;
    pending.baseUnits = base;
    g_pending = &pending;
    HWND dialog = CreateWindowExW(t.exStyle, kDialogClass, t.title, t.style & ~WS_VISIBLE, r.left,
                                  r.top, width(r), height(r), parent, nullptr, nullptr, nullptr);
    g_pending = nullptr;
    if (!dialog) {
        if (font)
            DeleteObject(font);
        return nullptr;
    }
    for (WORD i = 0; i < t.itemCount; ++i) {
        const DialogItemTemplate& item = t.items[i];
        const RECT ir = toPixels(base, item.x, item.y, item.cx, item.cy);
        HWND control = CreateWindowExW(
            item.exStyle, item.windowClass, item.title, item.style | WS_CHILD, ir.left, ir.top,
            width(ir), height(ir), dialog, reinterpret_cast<HMENU>(static_cast<ULONG_PTR>(item.id)),
            nullptr, nullptr);
        if (control && font)
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    HWND firstControl = GetWindow(dialog, GW_CHILD);
    SendMessageW(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(firstControl), param);
    if (IsWindow(dialog) && (t.style & WS_VISIBLE))
        ShowWindow(dialog, SW_SHOWNORMAL);
    return IsWindow(dialog) ? dialog : nullptr;
}

const DialogTemplate* templateOf(HINSTANCE instance, LPCWSTR name) {
    HRSRC resource = FindResourceW(instance, name, RT_DIALOG);
    if (!resource || SizeofResource(instance, resource) != sizeof(DialogTemplate))
        return nullptr;
    return static_cast<const DialogTemplate*>(LockResource(LoadResource(instance, resource)));
}

} // namespace

void registerDialogClasses() {
    static const bool registered = [] {
        WNDCLASSW dialogClass{};
        dialogClass.lpfnWndProc = &DefDlgProcW;
        dialogClass.lpszClassName = kDialogClass;
        RegisterClassW(&dialogClass);
        registerControlClasses();
        return true;
    }();
    (void)registered;
}

HWND dialogOf(HWND window) {
    for (HWND w = window; w; w = (GetWindowLongW(w, GWL_STYLE) & WS_CHILD) ? GetParent(w) : nullptr)
        if (dataOf(w))
            return w;
    return nullptr;
}

} // namespace platform::user

using namespace platform;
using namespace platform::user;

HWND CreateDialogParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC procedure,
                        LPARAM param) {
    const DialogTemplate* t = templateOf(instance, templateName);
    return t ? createFromTemplate(*t, parent, procedure, param) : nullptr;
}

INT_PTR RunModalDialog(HWND dialog) {
    DialogData* data = dataOf(dialog);
    if (!data)
        return -1;
    HWND owner = GetWindow(dialog, GW_OWNER);
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled)
        EnableWindow(owner, FALSE);
    if (!IsWindowVisible(dialog))
        ShowWindow(dialog, SW_SHOWNORMAL);
    const LoopEnd end = runModalLoop(
        [dialog] {
            const DialogData* d = dataOf(dialog);
            return !d || d->ended;
        },
        [](const MSG& message) {
            HWND target = dialogOf(message.hwnd);
            MSG copy = message;
            return target && IsDialogMessageW(target, &copy);
        });
    const DialogData* after = dataOf(dialog);
    const INT_PTR result = end == LoopEnd::Quit || !after ? -1 : after->result;
    if (ownerWasEnabled && IsWindow(owner))
        EnableWindow(owner, TRUE);
    if (IsWindow(dialog))
        DestroyWindow(dialog);
    return result;
}

INT_PTR DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC procedure,
                        LPARAM param) {
    HWND dialog = CreateDialogParamW(instance, templateName, parent, procedure, param);
    return dialog ? RunModalDialog(dialog) : -1;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    DialogData* data = dataOf(dialog);
    if (!data)
        return FALSE;
    data->ended = true;
    data->result = result;
    // Wakes the dialog's loop, which sees the end once it has a message.
    PostMessageW(dialog, WM_NULL, 0, 0);
    return TRUE;
}

BOOL IsDialogMessageW(HWND dialog, MSG* message) {
    if (!message || !dataOf(dialog) || message->message != WM_KEYDOWN ||
        dialogOf(message->hwnd) != dialog)
        return FALSE;
    if (message->wParam == VK_RETURN || message->wParam == VK_ESCAPE) {
        const int command = message->wParam == VK_RETURN ? IDOK : IDCANCEL;
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, command)));
        return TRUE;
    }
    return FALSE;
}

LRESULT DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE && g_pending && !dataOf(dialog)) {
        dialogs()[dialog] = *g_pending;
        g_pending = nullptr;
    }
    DialogData* data = dataOf(dialog);
    if (data && data->procedure) {
        const INT_PTR handled = data->procedure(dialog, message, wParam, lParam);
        if (message == WM_CTLCOLORDLG || message == WM_CTLCOLORSTATIC ||
            message == WM_CTLCOLORBTN || message == WM_INITDIALOG || message == WM_QUERYDRAGICON)
            if (handled)
                return handled;
        if (handled)
            return GetWindowLongPtrW(dialog, DWLP_MSGRESULT);
        data = dataOf(dialog);
    }
    switch (message) {
    case WM_CLOSE:
        // A close request is the dialog's IDCANCEL.
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        return 0;
    case WM_ERASEBKGND: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        HBRUSH brush = reinterpret_cast<HBRUSH>(
            SendMessageW(dialog, WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(dialog)));
        RECT client;
        GetClientRect(dialog, &client);
        platform::user::fillBackground(dc, client, brush);
        return 1;
    }
    case WM_SETFONT:
        if (data)
            data->font = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT:
        return data ? reinterpret_cast<LRESULT>(data->font) : 0;
    case WM_NCDESTROY: {
        if (data && data->ownsFont)
            DeleteObject(data->font);
        dialogs().erase(dialog);
        return 0;
    }
    default:
        return DefWindowProcW(dialog, message, wParam, lParam);
    }
}

BOOL MapDialogRect(HWND dialog, RECT* rect) {
    const DialogData* data = dataOf(dialog);
    if (!data || !rect)
        return FALSE;
    *rect = toPixels(data->baseUnits, static_cast<short>(rect->left), static_cast<short>(rect->top),
                     static_cast<short>(rect->right - rect->left),
                     static_cast<short>(rect->bottom - rect->top));
    return TRUE;
}
