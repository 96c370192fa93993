#pragma once

// Declarative message maps: each window class lists the messages it handles; a message no class
// of the chain lists gets the default processing.
//
//   class CMyDlg : public CDialogEx { ... DECLARE_MESSAGE_MAP() };
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialogEx)
//       ON_WM_PAINT()
//       ON_BN_CLICKED(IDC_OK, &CMyDlg::OnClickedOk)
//   END_MESSAGE_MAP()

#include "platform/user/WinUser.h"

class CWnd;

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nCode;   // notification code for WM_COMMAND entries
    UINT nID;     // control identifier for WM_COMMAND entries
    bool command; // matches WM_COMMAND by code and identifier
    LRESULT (*handler)(CWnd* window, WPARAM wParam, LPARAM lParam);
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                            \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                              \
        using ThisClass = theClass;                                                                \
        using TheBaseClass = baseClass;                                                            \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                                          \
    { 0, 0, 0, false, nullptr }                                                                    \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, entries};                     \
    return &map;                                                                                   \
    }

#define TARNWICK_MSG(message, body)                                                                \
    {message, 0, 0, false, [](CWnd* w, WPARAM wParam, LPARAM lParam) -> LRESULT {                  \
         auto* self = static_cast<ThisClass*>(w);                                                  \
         (void)wParam;                                                                             \
         (void)lParam;                                                                             \
         body                                                                                      \
     }},

#define ON_WM_PAINT() TARNWICK_MSG(WM_PAINT, self->OnPaint(); return 0;)
#define ON_WM_CREATE()                                                                             \
    TARNWICK_MSG(WM_CREATE, return self->OnCreate(reinterpret_cast<CREATESTRUCTW*>(lParam));)
#define ON_WM_CLOSE() TARNWICK_MSG(WM_CLOSE, self->OnClose(); return 0;)
#define ON_WM_DESTROY() TARNWICK_MSG(WM_DESTROY, self->OnDestroy(); return 0;)
#define ON_WM_QUERYDRAGICON()                                                                      \
    TARNWICK_MSG(WM_QUERYDRAGICON, return reinterpret_cast<LRESULT>(self->OnQueryDragIcon());)
#define ON_WM_NCHITTEST()                                                                          \
    TARNWICK_MSG(WM_NCHITTEST,                                                                     \
                 return self->OnNcHitTest(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));)
#define ON_WM_MOVE()                                                                               \
    TARNWICK_MSG(WM_MOVE, self->OnMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;)
#define ON_WM_SHOWWINDOW()                                                                         \
    TARNWICK_MSG(WM_SHOWWINDOW,                                                                    \
                 self->OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));         \
                 return 0;)
#define ON_WM_ERASEBKGND()                                                                         \
    TARNWICK_MSG(WM_ERASEBKGND,                                                                    \
                 return self->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));)
#define ON_WM_CTLCOLOR_FOR(message, kind)                                                          \
    TARNWICK_MSG(message, return reinterpret_cast<LRESULT>(self->OnCtlColor(                       \
                              CDC::FromHandle(reinterpret_cast<HDC>(wParam)),                      \
                              CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), kind));)
#define ON_WM_CTLCOLOR()                                                                           \
    ON_WM_CTLCOLOR_FOR(WM_CTLCOLORDLG, CTLCOLOR_DLG)                                               \
    ON_WM_CTLCOLOR_FOR(WM_CTLCOLORSTATIC, CTLCOLOR_STATIC)                                         \
    ON_WM_CTLCOLOR_FOR(WM_CTLCOLORBTN, CTLCOLOR_BTN)
#define ON_WM_MOUSEMOVE()                                                                          \
    TARNWICK_MSG(WM_MOUSEMOVE,                                                                     \
                 self->OnMouseMove(static_cast<UINT>(wParam),                                      \
                                   CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));            \
                 return 0;)
#define ON_WM_LBUTTONDOWN()                                                                        \
    TARNWICK_MSG(WM_LBUTTONDOWN,                                                                   \
                 self->OnLButtonDown(static_cast<UINT>(wParam),                                    \
                                     CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));          \
                 return 0;)
#define ON_WM_LBUTTONUP()                                                                          \
    TARNWICK_MSG(WM_LBUTTONUP,                                                                     \
                 self->OnLButtonUp(static_cast<UINT>(wParam),                                      \
                                   CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));            \
                 return 0;)
#define ON_WM_MOUSEHOVER()                                                                         \
    TARNWICK_MSG(WM_MOUSEHOVER,                                                                    \
                 self->OnMouseHover(static_cast<UINT>(wParam),                                     \
                                    CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));           \
                 return 0;)
#define ON_WM_MOUSELEAVE() TARNWICK_MSG(WM_MOUSELEAVE, self->OnMouseLeave(); return 0;)
#define ON_WM_SETCURSOR()                                                                          \
    TARNWICK_MSG(WM_SETCURSOR,                                                                     \
                 return self->OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)),        \
                                          LOWORD(lParam), HIWORD(lParam));)
#define ON_WM_SYSCOMMAND()                                                                         \
    TARNWICK_MSG(WM_SYSCOMMAND, self->OnSysCommand(static_cast<UINT>(wParam), lParam); return 0;)
#define ON_MESSAGE(message, memberFunction)                                                        \
    TARNWICK_MSG(message, return (self->*(memberFunction))(wParam, lParam);)
#define ON_COMMAND(id, memberFunction)                                                             \
    {WM_COMMAND, 0, static_cast<UINT>(id), true, [](CWnd* w, WPARAM, LPARAM) -> LRESULT {          \
         (static_cast<ThisClass*>(w)->*(memberFunction))();                                        \
         return 0;                                                                                 \
     }},
#define ON_BN_CLICKED(id, memberFunction) ON_COMMAND(id, memberFunction)
