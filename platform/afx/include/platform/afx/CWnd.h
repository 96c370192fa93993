#pragma once

// The window classes the application derives from. A CWnd is attached to its window for the
// window's life: the window's messages go through the object's message map, and what no map
// handles gets the window's own default processing.

#include "platform/afx/MessageMap.h"
#include "platform/base/ShowCommands.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/Dialogs.h"
#include "platform/user/WinUser.h"

class CDC;
class CDataExchange;

struct CPoint : POINT {
    CPoint() : POINT{0, 0} {}
    CPoint(LONG x0, LONG y0) : POINT{x0, y0} {}
};

struct CRect : RECT {
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(LONG l, LONG t, LONG r, LONG b) : RECT{l, t, r, b} {}
    CRect(const RECT& r) : RECT(r) {}
    LONG Width() const { return right - left; }
    LONG Height() const { return bottom - top; }
    CPoint TopLeft() const { return CPoint(left, top); }
    BOOL PtInRect(POINT p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
};

constexpr UINT CTLCOLOR_BTN = 3;
constexpr UINT CTLCOLOR_DLG = 4;
constexpr UINT CTLCOLOR_STATIC = 6;

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
};

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The object attached to a window, or a temporary one standing for a window no object owns
    // (valid until the window is destroyed).
    static CWnd* FromHandle(HWND window);
    static CWnd* FromHandlePermanent(HWND window);

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return GetSafeHwnd(); }

    // Takes over an existing window: its messages come through this object from now on.
    BOOL SubclassWindow(HWND window);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    BOOL ShowWindow(int command);
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    void GetWindowRect(LPRECT rect) const;
    void GetClientRect(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const;
    void SetWindowText(LPCWSTR text);
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    void Invalidate(BOOL erase = TRUE);
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    // Centres the window on its owner (or the alternate owner), else on the screen's work area.
    void CenterWindow(CWnd* alternateOwner = nullptr);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    CWnd* GetDlgItem(int id) const;
    CWnd* GetParent() const;
    int GetDlgCtrlID() const;
    void SetFont(HFONT font, BOOL redraw = TRUE);
    HICON SetIcon(HICON icon, BOOL big);
    virtual BOOL DestroyWindow();

    // The window procedure's work: the message map first, then the default processing.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of the message being handled.
    LRESULT Default();

    // Handlers the application's classes override (listed in their message maps).
    virtual void OnPaint() { Default(); }
    virtual int OnCreate(CREATESTRUCTW*) { return static_cast<int>(Default()); }
    virtual void OnClose() { Default(); }
    virtual void OnDestroy() { Default(); }
    virtual HCURSOR OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }
    virtual LRESULT OnNcHitTest(CPoint) { return Default(); }
    virtual void OnMove(int, int) { Default(); }
    virtual void OnShowWindow(BOOL, UINT) { Default(); }
    virtual BOOL OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
    virtual HBRUSH OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
    virtual void OnMouseMove(UINT, CPoint) { Default(); }
    virtual void OnLButtonDown(UINT, CPoint) { Default(); }
    virtual void OnLButtonUp(UINT, CPoint) { Default(); }
    virtual void OnMouseHover(UINT, CPoint) { Default(); }
    virtual void OnMouseLeave() { Default(); }
    virtual BOOL OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
    virtual void OnSysCommand(UINT, LPARAM) { Default(); }
    // A control's own drawing, reflected from its parent's WM_DRAWITEM.
    virtual void DrawItem(DRAWITEMSTRUCT*) {}
    // Called once the object is attached to a window it takes over.
    virtual void PreSubclassWindow() {}
    virtual void DoDataExchange(CDataExchange*) {}
    virtual void PostNcDestroy() {}

    HWND m_hWnd = nullptr;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // Binds the object to a window created for it.
    void Attach(HWND window);
    HWND Detach();

    WNDPROC m_pfnSuper = nullptr; // the window's procedure before this object took it over

private:
    friend LRESULT AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    bool dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    struct CurrentMessage {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };
    CurrentMessage m_current;
    bool m_temporary = false;
};

// The procedure of every window a CWnd is attached to.
LRESULT AfxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

CWnd* AfxGetMainWnd();
