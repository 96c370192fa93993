#include "platform/afx/CDC.h"
#include "platform/afx/CDialog.h"
#include "platform/afx/CWinApp.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/kernel/Resources.h"
#include "platform/user/MessageBox.h"
#include "platform/user/Screen.h"
#include "platform/user/Windows.h"

#include <gtest/gtest.h>
#include <vector>

using platform::headless::scriptInput;
using platform::user::PointerAction;
using platform::user::pointerEvent;

namespace {

constexpr UINT kTemplate = 700;
constexpr int kButtonId = 701;

const DialogItemTemplate kItems[] = {
    {WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 0, 10, 10, 40, 20, kButtonId, u"Button", u""},
};
const DialogTemplate kDialog = {WS_POPUP | WS_VISIBLE | DS_SETFONT,
                                0,
                                0,
                                0,
                                160,
                                100,
                                u"MS Shell Dlg",
                                9,
                                FW_NORMAL,
                                1,
                                u"",
                                kItems,
                                1};
const platform::ResourceEntry kResources[] = {
    {nullptr, 5, nullptr, kTemplate, &kDialog, sizeof kDialog}};

// The application's resources are the executable's: the first module registered.
const HMODULE kModule = platform::registerResourceModule(kResources);

class CRecordingButton : public CButton {
public:
    void DrawItem(DRAWITEMSTRUCT* item) override { states.push_back(item->itemState); }
    std::vector<UINT> states;
};

class CTestDlg : public CDialogEx {
public:
    CTestDlg() : CDialogEx(kTemplate) {}
    void DoDataExchange(CDataExchange* exchange) override {
        DDX_Control(exchange, kButtonId, m_button);
    }
    BOOL OnInitDialog() override {
        CDialogEx::OnInitDialog();
        initialised = m_button.m_hWnd != nullptr;
        return TRUE;
    }
    LRESULT OnNcHitTest(CPoint point) override {
        const LRESULT hit = CDialogEx::OnNcHitTest(point);
        return hit == HTCLIENT ? HTCAPTION : hit;
    }
    void OnMove(int x, int y) override { moves.push_back(CPoint(x, y)); }
    void OnClicked() { ++clicks; }

    CRecordingButton m_button;
    bool initialised = false;
    int clicks = 0;
    std::vector<CPoint> moves;

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDlg, CDialogEx)
ON_WM_NCHITTEST()
ON_WM_MOVE()
ON_BN_CLICKED(kButtonId, &CTestDlg::OnClicked)
END_MESSAGE_MAP()

// Enter and Esc do nothing here; only a click on the button ends the run.
class CStubbornDlg : public CTestDlg {
public:
    void OnOK() override { ++oks; }
    void OnCancel() override { ++cancels; }
    int oks = 0, cancels = 0;
};

} // namespace

TEST(WindowClasses, ModalDialogBindsItsControlsAndEndsOnEnterOrEsc) {
    ASSERT_EQ(AfxGetResourceHandle(), kModule);
    for (auto [key, result] : {std::pair{VK_RETURN, IDOK}, std::pair{VK_ESCAPE, IDCANCEL}}) {
        CTestDlg dialog;
        scriptInput([key = key] { platform::user::keyEvent(key); });
        EXPECT_EQ(dialog.DoModal(), result);
        EXPECT_TRUE(dialog.initialised);
        EXPECT_EQ(dialog.m_hWnd, nullptr); // the window is gone, the object detached
    }
}

TEST(WindowClasses, MessageMapsRouteHitTestsMovesAndClicks) {
    platform::user::setScreen(800, 600, 0xFF000000);
    CStubbornDlg dialog;
    HWND button = nullptr;
    RECT buttonRect{};
    scriptInput([&] {
        // Enter, Esc and a close request reach the overridden handlers and end nothing.
        platform::user::keyEvent(VK_RETURN);
    });
    scriptInput([&] { platform::user::keyEvent(VK_ESCAPE); });
    scriptInput([&] { platform::user::closeRequest(dialog.m_hWnd); });
    scriptInput([&] {
        // A drag on the dialog's face moves it: its map answers the hit test with the caption.
        RECT r;
        GetWindowRect(dialog.m_hWnd, &r);
        pointerEvent(PointerAction::Press, r.right - 5, r.bottom - 5);
        pointerEvent(PointerAction::Move, r.right + 5, r.bottom);
        pointerEvent(PointerAction::Release, r.right + 5, r.bottom);
    });
    scriptInput([&] {
        button = dialog.m_button.m_hWnd;
        GetWindowRect(button, &buttonRect);
        pointerEvent(PointerAction::Press, buttonRect.left + 2, buttonRect.top + 2);
    });
    scriptInput([&] {
        pointerEvent(PointerAction::Release, buttonRect.left + 2, buttonRect.top + 2);
        ::EndDialog(dialog.m_hWnd, 42);
    });
    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_EQ(dialog.oks, 1);
    EXPECT_EQ(dialog.cancels, 2); // Esc, and the close request
    ASSERT_FALSE(dialog.moves.empty());
    EXPECT_EQ(dialog.clicks, 1);
    ASSERT_FALSE(dialog.m_button.states.empty());
    bool sawPressed = false;
    for (UINT s : dialog.m_button.states)
        sawPressed = sawPressed || (s & ODS_SELECTED);
    EXPECT_TRUE(sawPressed);
}

TEST(WindowClasses, CentredWindowSitsInTheMiddleOfTheWorkArea) {
    platform::user::setScreen(1000, 800, 0xFF000000);
    CTestDlg dialog;
    ASSERT_TRUE(dialog.Create(kTemplate));
    dialog.MoveWindow(0, 0, 200, 100);
    dialog.CenterWindow();
    CRect r;
    dialog.GetWindowRect(&r);
    EXPECT_EQ(r, CRect(400, 350, 600, 450));
    EXPECT_TRUE(dialog.ModifyStyle(WS_CAPTION, 0) == FALSE); // nothing to remove
    dialog.DestroyWindow();
}
