#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/gdi/Gdi.h"
#include "platform/kernel/Resources.h"
#include "platform/user/Dialogs.h"
#include "platform/user/MessageBox.h"
#include "platform/user/Messages.h"
#include "platform/user/Painting.h"
#include "platform/user/Screen.h"
#include "platform/user/Windows.h"

#include <gtest/gtest.h>
#include <vector>

using platform::headless::scriptInput;
using platform::user::PointerAction;
using platform::user::pointerEvent;

namespace {

constexpr WORD kButton = 300;
constexpr WORD kLabel = 301;

const DialogItemTemplate kItems[] = {
    {WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 0, 10, 10, 40, 20, kButton, u"Button", u""},
    {WS_CHILD | WS_VISIBLE | SS_CENTER, WS_EX_TRANSPARENT, 10, 40, 80, 20, kLabel, u"Static",
     u"确定要退出游戏吗?"},
};
const DialogTemplate kTemplate = {WS_POPUP | WS_VISIBLE | DS_SETFONT,
                                  0,
                                  0,
                                  0,
                                  120,
                                  80,
                                  u"宋体",
                                  10,
                                  FW_NORMAL,
                                  134,
                                  u"",
                                  kItems,
                                  2};
const platform::ResourceEntry kResources[] = {
    {nullptr, 5, nullptr, 900, &kTemplate, sizeof kTemplate}};

HMODULE resources() {
    static HMODULE module = platform::registerResourceModule(kResources);
    return module;
}

struct Seen {
    UINT message;
    WPARAM wParam;
};
std::vector<Seen> g_seen;
std::vector<UINT> g_drawStates;

// The dialog procedure of these tests: ends on IDOK and IDCANCEL, records what it sees, draws its
// owner-drawn button and colours its label white on nothing.
INT_PTR procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        g_seen.push_back({message, wParam});
        return TRUE;
    case WM_COMMAND:
        g_seen.push_back({message, wParam});
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    case WM_DRAWITEM:
        g_drawStates.push_back(reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->itemState);
        return TRUE;
    case WM_CTLCOLORDLG: {
        static HBRUSH dark = CreateSolidBrush(RGB(40, 20, 10));
        return reinterpret_cast<INT_PTR>(dark);
    }
    case WM_CTLCOLORSTATIC:
        SetTextColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
    default:
        (void)lParam;
        return FALSE;
    }
}

HWND createDialog() {
    g_seen.clear();
    g_drawStates.clear();
    return CreateDialogParamW(resources(), MAKEINTRESOURCEW(900), nullptr, &procedure, 0);
}

} // namespace

TEST(Dialog, IsBuiltFromItsTemplateInDialogUnitsAndInitialisedOnce) {
    HWND dialog = createDialog();
    ASSERT_NE(dialog, nullptr);
    HWND button = GetDlgItem(dialog, kButton);
    HWND label = GetDlgItem(dialog, kLabel);
    ASSERT_NE(button, nullptr);
    ASSERT_NE(label, nullptr);
    ASSERT_EQ(g_seen.size(), 1u);
    EXPECT_EQ(g_seen[0].message, WM_INITDIALOG);
    EXPECT_EQ(reinterpret_cast<HWND>(g_seen[0].wParam), button); // the first control has the focus
    // Dialog units scale with the font: four horizontal units are one average character.
    RECT dialogRect, buttonRect;
    GetWindowRect(dialog, &dialogRect);
    GetWindowRect(button, &buttonRect);
    EXPECT_GT(dialogRect.right - dialogRect.left, 120);
    EXPECT_EQ((buttonRect.right - buttonRect.left) * 120,
              (dialogRect.right - dialogRect.left) * 40);
    EXPECT_EQ(SendMessageW(label, WM_GETFONT, 0, 0), SendMessageW(dialog, WM_GETFONT, 0, 0));
    EXPECT_EQ(CreateDialogParamW(resources(), MAKEINTRESOURCEW(901), nullptr, &procedure, 0),
              nullptr);
    DestroyWindow(dialog);
}

TEST(Dialog, EnterEscAndCloseEndTheModalRunWithTheirCommands) {
    const struct {
        const char* name;
        std::function<void(HWND)> input;
        INT_PTR result;
    } cases[] = {
        {"Enter", [](HWND) { platform::user::keyEvent(VK_RETURN); }, IDOK},
        {"Esc", [](HWND) { platform::user::keyEvent(VK_ESCAPE); }, IDCANCEL},
        {"close request", [](HWND d) { platform::user::closeRequest(d); }, IDCANCEL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HWND dialog = createDialog();
        scriptInput([&] { c.input(dialog); });
        EXPECT_EQ(RunModalDialog(dialog), c.result);
        EXPECT_FALSE(IsWindow(dialog));
        ASSERT_EQ(g_seen.size(), 2u);
        EXPECT_EQ(g_seen[1].message, WM_COMMAND);
        EXPECT_EQ(LOWORD(g_seen[1].wParam), c.result);
    }
}

TEST(Dialog, OwnerDrawnButtonShowsItsPressAndClicksOnlyWhenReleasedOverIt) {
    platform::user::setScreen(800, 600, 0xFF000000);
    HWND dialog = createDialog();
    HWND button = GetDlgItem(dialog, kButton);
    RECT r;
    GetWindowRect(button, &r);
    const int x = r.left + 3, y = r.top + 3;
    platform::user::paintPendingWindows();
    ASSERT_FALSE(g_drawStates.empty());
    EXPECT_EQ(g_drawStates.back() & ODS_SELECTED, 0u);

    pointerEvent(PointerAction::Press, x, y);
    platform::user::paintPendingWindows();
    EXPECT_EQ(g_drawStates.back() & ODS_SELECTED, ODS_SELECTED);
    pointerEvent(PointerAction::Move, r.right + 20, y); // off the button: shown raised
    platform::user::paintPendingWindows();
    EXPECT_EQ(g_drawStates.back() & ODS_SELECTED, 0u);
    pointerEvent(PointerAction::Release, r.right + 20, y);
    EXPECT_EQ(g_seen.size(), 1u); // no click

    pointerEvent(PointerAction::Press, x, y);
    pointerEvent(PointerAction::Release, x, y);
    ASSERT_EQ(g_seen.size(), 2u);
    EXPECT_EQ(g_seen[1].wParam, MAKEWPARAM(kButton, BN_CLICKED));
    DestroyWindow(dialog);
}

TEST(Dialog, LabelTextIsDrawnInTheColoursItsParentChose) {
    platform::user::setScreen(800, 600, 0xFF000000);
    HWND dialog = createDialog();
    HWND label = GetDlgItem(dialog, kLabel);
    RECT r;
    GetWindowRect(label, &r);
    int light = 0, background = 0;
    platform::user::composeScreen();
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const std::uint32_t p = platform::user::screenPixel(x, y);
            const bool bright =
                ((p >> 16) & 0xFF) > 180 && ((p >> 8) & 0xFF) > 180 && (p & 0xFF) > 180;
            light += bright ? 1 : 0;
            background += p == 0xFF28140Au ? 1 : 0;
        }
    EXPECT_GT(light, 40);         // the text, white (anti-aliased at its edges)
    EXPECT_GT(background, light); // the dialog's own background shows around it: no fill
    DestroyWindow(dialog);
}

TEST(DialogDeathTest, PendingQuitEndsTheModalRunWithMinusOne) {
    EXPECT_EXIT(
        {
            HWND dialog = createDialog();
            scriptInput([] { PostQuitMessage(16); });
            const INT_PTR result = RunModalDialog(dialog);
            std::exit(result == -1 && !IsWindow(dialog) ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
