#pragma once

// Dialogs built from templates, and the two controls they use. A dialog's modal run is a nested
// loop of the thread: DialogBoxParamW starts it, EndDialog ends it, and a pending quit ends it at
// once with the result -1.

#include "platform/gdi/Gdi.h"
#include "platform/user/WinUser.h"

using DLGPROC = INT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

// A dialog template as the program's resources hold it (type RT_DIALOG): positions and sizes in
// dialog units, controls in order.
struct DialogItemTemplate {
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
    WORD id;
    LPCWSTR windowClass; // u"Button", u"Static", or a class the program registered
    LPCWSTR title;
};

struct DialogTemplate {
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
    LPCWSTR faceName;
    WORD pointSize;
    WORD weight;
    BYTE charset;
    LPCWSTR title;
    const DialogItemTemplate* items;
    WORD itemCount;
};

constexpr DWORD DS_SETFONT = 0x40;
constexpr DWORD DS_3DLOOK = 0x04;
constexpr DWORD DS_FIXEDSYS = 0x08;
constexpr DWORD DS_MODALFRAME = 0x80;

constexpr DWORD BS_PUSHBUTTON = 0x00000000;
constexpr DWORD BS_DEFPUSHBUTTON = 0x00000001;
constexpr DWORD BS_OWNERDRAW = 0x0000000B;
constexpr DWORD BS_TYPEMASK = 0x0000000F;
constexpr DWORD BS_LEFT = 0x00000100;
constexpr DWORD BS_BITMAP = 0x00000080;
constexpr DWORD SS_LEFT = 0x00000000;
constexpr DWORD SS_CENTER = 0x00000001;
constexpr DWORD WS_GROUP = 0x00020000;

constexpr UINT WM_SETFONT = 0x0030;
constexpr UINT WM_GETFONT = 0x0031;
constexpr UINT BM_GETSTATE = 0x00F2;
constexpr LRESULT BST_PUSHED = 0x0004;
constexpr WORD BN_CLICKED = 0;
constexpr UINT ODT_BUTTON = 4;
constexpr UINT ODA_DRAWENTIRE = 0x0001;
constexpr UINT ODS_SELECTED = 0x0001;
constexpr UINT ODS_DISABLED = 0x0004;
constexpr UINT ODS_FOCUS = 0x0010;

struct DRAWITEMSTRUCT {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemAction;
    UINT itemState;
    HWND hwndItem;
    HDC hDC;
    RECT rcItem;
    ULONG_PTR itemData;
};

// Creates the dialog of the template resource, not yet shown unless the template says so;
// WM_INITDIALOG has run when it returns. Null when the template is missing.
HWND CreateDialogParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC procedure,
                        LPARAM param);
// Creates, shows and runs the dialog modally, its owner disabled meanwhile; returns the result
// EndDialog gave, or -1 when it could not be created or a quit ended the run.
INT_PTR DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC procedure,
                        LPARAM param);
// Runs an existing dialog modally (the class library creates its dialogs itself).
INT_PTR RunModalDialog(HWND dialog);
BOOL EndDialog(HWND dialog, INT_PTR result);
// Enter and Esc become the dialog's IDOK and IDCANCEL commands.
BOOL IsDialogMessageW(HWND dialog, MSG* message);
LRESULT DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Dialog units to pixels with the dialog's font.
BOOL MapDialogRect(HWND dialog, RECT* rect);

namespace platform::user {
// Makes the dialog, button and static window classes known (start-up does it once).
void registerDialogClasses();
// The dialog a window belongs to (itself or the nearest dialog among its parents), or null.
HWND dialogOf(HWND window);
} // namespace platform::user
