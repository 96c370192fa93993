#include "windows/LoginDlg.h"

#include "res/ResourceTable.h"
#include "res/resource.h"

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/gdiplus/Startup.h"
#include "platform/kernel/Resources.h"
#include "platform/user/Dialogs.h"
#include "platform/user/Layered.h"
#include "platform/user/MessageBox.h"
#include "platform/user/Messages.h"
#include "platform/user/Screen.h"
#include "platform/user/Windows.h"

#include <gtest/gtest.h>
#include <string>

using platform::headless::scriptInput;
using platform::user::PointerAction;
using platform::user::pointerEvent;

namespace {

constexpr std::uint32_t kBehind = 0xFF1E2A38;

void startPlatform(std::span<const platform::ResourceEntry> resources) {
    platform::registerResourceModule(resources);
    platform::user::registerUser32Library(); // as the application object does
    platform::user::setScreen(1920, 1080, kBehind);
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
}

std::u16string titleOf(HWND window) {
    char16_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return text;
}

} // namespace

TEST(LoginWindow, ShowsTheArtworkCentredAtItsSizeWithTitleAndIconAndClosesOnRequest) {
    startPlatform(tarnwickResources());
    CLoginDlg dialog;
    ASSERT_NE(dialog.m_hIcon, nullptr);
    HWND window = nullptr;
    scriptInput([&] {
        window = dialog.m_hWnd;
        RECT r;
        GetWindowRect(window, &r);
        EXPECT_EQ(r, (RECT{293, 177, 293 + 1334, 177 + 725}));
        EXPECT_EQ(titleOf(window), u"Tarnwick0.1折");
        EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) & WS_CAPTION);
        EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED);
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(window, WM_QUERYDRAGICON, 0, 0)),
                  dialog.m_hIcon);
        // The artwork's transparent corner shows the screen; its middle is the artwork.
        EXPECT_EQ(platform::user::screenPixel(293, 177), kBehind);
        EXPECT_NE(platform::user::screenPixel(293 + 667, 177 + 400), kBehind);
        platform::user::keyEvent(VK_RETURN);
    });
    scriptInput([] { platform::user::keyEvent(VK_ESCAPE); });
    scriptInput([&] {
        // Enter and Esc changed nothing: the window is still there.
        EXPECT_TRUE(IsWindow(window));
        platform::user::closeRequest(window);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(platform::headless::shownMessageBoxes().empty());
}

TEST(LoginWindow, DraggingTheArtworkMovesTheWindowAtEveryStep) {
    startPlatform(tarnwickResources());
    CLoginDlg dialog;
    std::vector<RECT> places;
    scriptInput([&] {
        EXPECT_EQ(dialog.m_bLoginLeads, 0); // no hit test has reached it yet
        pointerEvent(PointerAction::Press, 293 + 667, 177 + 400);
        EXPECT_EQ(dialog.m_bLoginLeads, 1);
        for (int step = 1; step <= 3; ++step) {
            pointerEvent(PointerAction::Move, 293 + 667 + 10 * step, 177 + 400 + 5 * step);
            RECT r;
            GetWindowRect(dialog.m_hWnd, &r);
            places.push_back(r);
        }
        pointerEvent(PointerAction::Release, 293 + 667 + 30, 177 + 400 + 15);
        // A press on the transparent corner is not the window's.
        pointerEvent(PointerAction::Press, 293 + 30 + 1, 177 + 15 + 1);
        pointerEvent(PointerAction::Release, 293 + 30 + 1, 177 + 15 + 1);
        platform::user::closeRequest(dialog.m_hWnd);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(places[0], (RECT{303, 182, 303 + 1334, 182 + 725}));
    EXPECT_EQ(places[2], (RECT{323, 192, 323 + 1334, 192 + 725}));
}

TEST(LoginWindow, WithoutUsableArtworkKeepsItsTemplateSizeAndShowsNoMessage) {
    // The program's resources but the artwork.
    static std::vector<platform::ResourceEntry> withoutArtwork;
    for (const auto& entry : tarnwickResources())
        if (!(entry.typeName && entry.id == IDB_PNG_LOGIN))
            withoutArtwork.push_back(entry);
    startPlatform(withoutArtwork);
    CLoginDlg dialog;
    scriptInput([&] {
        RECT r;
        GetWindowRect(dialog.m_hWnd, &r);
        EXPECT_EQ(r.left, 0);
        EXPECT_EQ(r.top, 0);
        RECT units{0, 0, 561, 386};
        MapDialogRect(dialog.m_hWnd, &units);
        EXPECT_EQ(r.right, units.right);
        EXPECT_EQ(r.bottom, units.bottom);
        EXPECT_FALSE(GetWindowLongW(dialog.m_hWnd, GWL_EXSTYLE) & WS_EX_LAYERED);
        platform::user::closeRequest(dialog.m_hWnd);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(platform::headless::shownMessageBoxes().empty());
}

TEST(LoginWindow, HidesShowsAndMovesByProgramWithoutTakingTheLead) {
    startPlatform(tarnwickResources());
    CLoginDlg dialog;
    scriptInput([&] {
        ShowWindow(dialog.m_hWnd, SW_HIDE);
        EXPECT_FALSE(IsWindowVisible(dialog.m_hWnd));
        EXPECT_EQ(platform::user::windowFromScreenPoint(293 + 667, 177 + 400), nullptr);
        ShowWindow(dialog.m_hWnd, SW_SHOWNORMAL);
        EXPECT_EQ(platform::user::windowFromScreenPoint(293 + 667, 177 + 400), dialog.m_hWnd);
        // A move by the program is no drag: the login window does not take the lead.
        MoveWindow(dialog.m_hWnd, 10, 20, 1334, 725, TRUE);
        EXPECT_EQ(dialog.m_bLoginLeads, 0);
        RECT r;
        GetWindowRect(dialog.m_hWnd, &r);
        EXPECT_EQ(r, (RECT{10, 20, 10 + 1334, 20 + 725}));
        platform::user::closeRequest(dialog.m_hWnd);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}
