#include "platform/afx/CWnd.h"

#include "platform/afx/CWinApp.h"
#include "platform/user/Messages.h"
#include "platform/user/Painting.h"
#include "platform/user/Screen.h"
#include "platform/user/Windows.h"

#include <algorithm>
#include <map>
#include <memory>

namespace {

std::map<HWND, CWnd*>& permanentMap() {
    static std::map<HWND, CWnd*> map;
    return map;
}

// Objects standing for windows no object owns, made on request.
std::map<HWND, std::unique_ptr<CWnd>>& temporaryMap() {
    static std::map<HWND, std::unique_ptr<CWnd>> map;
    return map;
}

} // namespace

CWnd::~CWnd() {
    if (m_hWnd && !m_temporary) {
        // The object goes before its window: the window falls back to its own procedure.
        if (m_pfnSuper && IsWindow(m_hWnd))
            SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        permanentMap().erase(m_hWnd);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND window) {
    const auto found = permanentMap().find(window);
    return found == permanentMap().end() ? nullptr : found->second;
}

CWnd* CWnd::FromHandle(HWND window) {
    if (!window)
        return nullptr;
    if (CWnd* permanent = FromHandlePermanent(window))
        return permanent;
    std::erase_if(temporaryMap(), [](const auto& entry) { return !IsWindow(entry.first); });
    auto& slot = temporaryMap()[window];
    if (!slot) {
        slot = std::make_unique<CWnd>();
        slot->m_hWnd = window;
        slot->m_temporary = true;
    }
    return slot.get();
}

void CWnd::Attach(HWND window) {
    m_hWnd = window;
    permanentMap()[window] = this;
    temporaryMap().erase(window);
}

HWND CWnd::Detach() {
    HWND window = m_hWnd;
    if (window)
        permanentMap().erase(window);
    m_hWnd = nullptr;
    return window;
}

BOOL CWnd::SubclassWindow(HWND window) {
    if (!IsWindow(window) || FromHandlePermanent(window))
        return FALSE;
    Attach(window);
    m_pfnSuper = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc));
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    return parent ? SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id))) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
    if (m_pfnSuper && IsWindow(m_hWnd))
        SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

const AFX_MSGMAP* CWnd::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, false, nullptr}};
    static const AFX_MSGMAP map = {nullptr, entries};
    return &map;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const {
    return GetThisMessageMap();
}

bool CWnd::dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    for (const AFX_MSGMAP* map = GetMessageMap(); map;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->handler; ++entry) {
            if (entry->nMessage != message)
                continue;
            if (entry->command && (entry->nID != LOWORD(wParam) || entry->nCode != HIWORD(wParam)))
                continue;
            result = entry->handler(this, wParam, lParam);
            return true;
        }
    }
    if (message == WM_DRAWITEM) {
        // An owner-drawn control draws itself: the parent hands the request back to it.
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (CWnd* control = item ? FromHandlePermanent(item->hwndItem) : nullptr) {
            control->DrawItem(item);
            result = TRUE;
            return true;
        }
    }
    return false;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (dispatch(message, wParam, lParam, result))
        return result;
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper)
        return m_pfnSuper(m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam);
}

LRESULT AfxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = CWnd::FromHandlePermanent(window);
    if (!wnd)
        return ::DefWindowProcW(window, message, wParam, lParam);
    const CWnd::CurrentMessage saved = wnd->m_current;
    wnd->m_current = {message, wParam, lParam};
    const LRESULT result = wnd->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        permanentMap().erase(window);
        wnd->m_hWnd = nullptr;
        wnd->m_pfnSuper = nullptr;
        wnd->PostNcDestroy();
        return result;
    }
    wnd->m_current = saved;
    return result;
}

BOOL CWnd::ShowWindow(int command) {
    return ::ShowWindow(m_hWnd, command);
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
    if (rect)
        MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
                   repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
    return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : HWND_TOP, x, y, cx, cy,
                          flags);
}

void CWnd::GetWindowRect(LPRECT rect) const {
    ::GetWindowRect(m_hWnd, rect);
}
void CWnd::GetClientRect(LPRECT rect) const {
    ::GetClientRect(m_hWnd, rect);
}
void CWnd::ScreenToClient(LPPOINT point) const {
    ::ScreenToClient(m_hWnd, point);
}
void CWnd::SetWindowText(LPCWSTR text) {
    ::SetWindowTextW(m_hWnd, text);
}
BOOL CWnd::IsWindowVisible() const {
    return ::IsWindowVisible(m_hWnd);
}
BOOL CWnd::IsIconic() const {
    return ::IsIconic(m_hWnd);
}
BOOL CWnd::EnableWindow(BOOL enable) {
    return ::EnableWindow(m_hWnd, enable);
}
void CWnd::Invalidate(BOOL erase) {
    ::InvalidateRect(m_hWnd, nullptr, erase);
}
DWORD CWnd::GetStyle() const {
    return static_cast<DWORD>(GetWindowLongW(m_hWnd, GWL_STYLE));
}
DWORD CWnd::GetExStyle() const {
    return static_cast<DWORD>(GetWindowLongW(m_hWnd, GWL_EXSTYLE));
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT /*flags*/) {
    const DWORD style = GetStyle();
    const DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return FALSE;
    SetWindowLongW(m_hWnd, GWL_STYLE, static_cast<LONG>(changed));
    return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT /*flags*/) {
    const DWORD style = GetExStyle();
    const DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return FALSE;
    SetWindowLongW(m_hWnd, GWL_EXSTYLE, static_cast<LONG>(changed));
    return TRUE;
}

void CWnd::CenterWindow(CWnd* alternateOwner) {
    RECT own;
    ::GetWindowRect(m_hWnd, &own);
    HWND owner = alternateOwner ? alternateOwner->m_hWnd : GetWindow(m_hWnd, GW_OWNER);
    RECT area = platform::user::workArea();
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner))
        ::GetWindowRect(owner, &area);
    const LONG w = own.right - own.left, h = own.bottom - own.top;
    LONG x = area.left + ((area.right - area.left) - w) / 2;
    LONG y = area.top + ((area.bottom - area.top) - h) / 2;
    // The window stays on the screen's work area.
    const RECT screen = platform::user::workArea();
    x = std::max(screen.left, std::min(x, screen.right - w));
    y = std::max(screen.top, std::min(y, screen.bottom - h));
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
}

CWnd* CWnd::GetDlgItem(int id) const {
    return FromHandle(::GetDlgItem(m_hWnd, id));
}
CWnd* CWnd::GetParent() const {
    return FromHandle(::GetParent(m_hWnd));
}
int CWnd::GetDlgCtrlID() const {
    return ::GetDlgCtrlID(m_hWnd);
}

void CWnd::SetFont(HFONT font, BOOL redraw) {
    ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
}

HICON CWnd::SetIcon(HICON icon, BOOL big) {
    return reinterpret_cast<HICON>(::SendMessageW(m_hWnd, WM_SETICON, big ? ICON_BIG : ICON_SMALL,
                                                  reinterpret_cast<LPARAM>(icon)));
}

BOOL CWnd::DestroyWindow() {
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

CWnd* AfxGetMainWnd() {
    CWinApp* app = AfxGetApp();
    return app ? app->m_pMainWnd : nullptr;
}
