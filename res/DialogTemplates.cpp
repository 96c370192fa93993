// The program's dialog templates: the login window (102), the login overlay (132) and the quit
// confirmation (172). Positions and sizes are dialog units; the windows replace them with pixels
// when they initialise.

#include "res/ResourceTable.h"
#include "res/resource.h"

#include "platform/user/Dialogs.h"

namespace {

constexpr DWORD kPopupStyle =
    WS_POPUP | WS_VISIBLE | DS_SETFONT | DS_FIXEDSYS | DS_3DLOOK; // 0x9000004C

// The class of the embedded browser control's window.
constexpr char16_t kBrowserClass[] = u"TarnwickWebBrowser";

const DialogItemTemplate kOverlayItems[] = {
    {0x5001018B, WS_EX_TRANSPARENT, 366, 0, 14, 16, IDC_BTN_CLOSE, u"Button", u""},
    {0x5001008B, WS_EX_TRANSPARENT, 347, 0, 13, 14, IDC_BTN_MIN, u"Button", u""},
    {0x40000000, 0, 0, 17, 372, 265, IDC_EXPLORER, kBrowserClass, u""},
};

const DialogItemTemplate kConfirmItems[] = {
    {WS_CHILD | WS_VISIBLE | WS_GROUP | SS_CENTER, WS_EX_TRANSPARENT, 35, 7, 76, 9,
     IDC_STATIC_TITLE, u"Static", u"Static"},
    {WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 18, 35, 50, 14, IDC_BTN_CONFIRM, u"Button", u"Button1"},
    {WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 80, 35, 50, 14, IDC_BTN_CANCEL, u"Button", u"Button2"},
    {WS_CHILD | WS_VISIBLE | WS_GROUP | SS_CENTER, WS_EX_TRANSPARENT, 16, 17, 110, 24,
     IDC_STATIC_QUESTION, u"Static", u"确定要退出游戏吗？"},
};

const DialogTemplate kLogin = {kPopupStyle, WS_EX_APPWINDOW, 0, 0,   561,     386, u"MS Shell Dlg",
                               9,           FW_NORMAL,       1, u"", nullptr, 0};
const DialogTemplate kOverlay = {
    kPopupStyle, 0, 0, 0, 387, 333, u"MS Shell Dlg", 9, FW_NORMAL, 1, u"", kOverlayItems, 3};
const DialogTemplate kConfirm = {WS_POPUP | WS_VISIBLE | WS_SYSMENU | DS_SETFONT |
                                     DS_3DLOOK, // 0x90080044
                                 0,
                                 0,
                                 0,
                                 256,
                                 110,
                                 u"宋体",
                                 10,
                                 FW_NORMAL,
                                 134,
                                 u"",
                                 kConfirmItems,
                                 4};

const platform::ResourceEntry kDialogs[] = {
    {nullptr, 5, nullptr, IDD_LOGIN_DIALOG, &kLogin, sizeof kLogin},
    {nullptr, 5, nullptr, IDD_LOGINACTIVE_DIALOG, &kOverlay, sizeof kOverlay},
    {nullptr, 5, nullptr, IDD_CONFIRM_DIALOG, &kConfirm, sizeof kConfirm},
};

} // namespace

std::span<const platform::ResourceEntry> dialogResources() {
    return kDialogs;
}
