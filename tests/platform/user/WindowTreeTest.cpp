#include "tests/platform/user/RecordingWindow.h"

#include "platform/base/ShowCommands.h"
#include "platform/user/Windows.h"

#include <gtest/gtest.h>

using platform::user::topLevelWindows;
using testing_support::Received;
using testing_support::WindowRecorder;

TEST(WindowTree, ZOrderFollowsSetWindowPosUnlessTheFlagSaysNo) {
    WindowRecorder recorder;
    HWND a = recorder.create(RECT{0, 0, 10, 10});
    HWND b = recorder.create(RECT{0, 0, 10, 10});
    HWND c = recorder.create(RECT{0, 0, 10, 10});
    EXPECT_EQ(topLevelWindows(), (std::vector<HWND>{c, b, a})); // the newest on top
    SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(topLevelWindows(), (std::vector<HWND>{a, c, b}));
    SetWindowPos(a, b, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); // right below b
    EXPECT_EQ(topLevelWindows(), (std::vector<HWND>{c, b, a}));
    SetWindowPos(a, HWND_TOP, 5, 6, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(topLevelWindows(), (std::vector<HWND>{c, b, a}));
    RECT r;
    GetWindowRect(a, &r);
    EXPECT_EQ(r, (RECT{5, 6, 15, 16}));

    // Children made in order lie in that order, the first on top.
    HWND first = recorder.create(RECT{0, 0, 5, 5}, WS_CHILD | WS_VISIBLE, a);
    HWND second = recorder.create(RECT{0, 0, 5, 5}, WS_CHILD | WS_VISIBLE, a);
    EXPECT_EQ(platform::user::childWindows(a), (std::vector<HWND>{first, second}));
}

TEST(WindowTree, OwnedWindowsStayAboveTheirOwnerAndHideWhileItIsMinimised) {
    WindowRecorder recorder;
    HWND owner = recorder.create(RECT{0, 0, 100, 100});
    HWND owned = recorder.create(RECT{0, 0, 100, 100}, WS_POPUP | WS_VISIBLE, owner);
    HWND other = recorder.create(RECT{0, 0, 100, 100});
    EXPECT_EQ(GetWindow(owned, GW_OWNER), owner);
    SetWindowPos(owner, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(topLevelWindows(), (std::vector<HWND>{owned, owner, other}));
    SetWindowPos(owned, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(topLevelWindows(), (std::vector<HWND>{owned, owner, other}));

    ShowWindow(owner, SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(owner));
    EXPECT_FALSE(IsWindowVisible(owned));
    EXPECT_FALSE(platform::user::isOnScreen(owned));
    ShowWindow(owner, SW_RESTORE);
    EXPECT_TRUE(IsWindowVisible(owned));
    EXPECT_TRUE(platform::user::isOnScreen(owner));
}

TEST(WindowTree, DestroyingAWindowDestroysWhatItOwnsFirstThenItsChildren) {
    WindowRecorder recorder;
    HWND owner = recorder.create(RECT{0, 0, 100, 100});
    HWND child = recorder.create(RECT{0, 0, 10, 10}, WS_CHILD | WS_VISIBLE, owner);
    HWND owned = recorder.create(RECT{0, 0, 100, 100}, WS_POPUP | WS_VISIBLE, owner);
    HWND ownedChild = recorder.create(RECT{0, 0, 10, 10}, WS_CHILD | WS_VISIBLE, owned);
    recorder.clear();
    EXPECT_TRUE(DestroyWindow(owner));
    EXPECT_EQ(recorder.received({WM_DESTROY}),
              (std::vector<Received>{{owned, WM_DESTROY, 0, 0}, {ownedChild, WM_DESTROY, 0, 0},
                                     {owner, WM_DESTROY, 0, 0}, {child, WM_DESTROY, 0, 0}}));
    for (HWND w : {owner, child, owned, ownedChild})
        EXPECT_FALSE(IsWindow(w));
    EXPECT_FALSE(DestroyWindow(owner));
}

TEST(WindowTree, ShowingAndHidingTellTheWindowOnlyWhenItChanges) {
    WindowRecorder recorder;
    HWND w = recorder.create(RECT{0, 0, 10, 10}, WS_POPUP);
    recorder.clear();
    EXPECT_FALSE(ShowWindow(w, SW_SHOWNORMAL));
    EXPECT_TRUE(ShowWindow(w, SW_SHOW));
    EXPECT_TRUE(ShowWindow(w, SW_HIDE));
    EXPECT_FALSE(ShowWindow(w, SW_HIDE));
    EXPECT_EQ(recorder.received({WM_SHOWWINDOW}),
              (std::vector<Received>{{w, WM_SHOWWINDOW, TRUE, 0}, {w, WM_SHOWWINDOW, FALSE, 0}}));
    // Moves made by the program tell the window its new place.
    recorder.clear();
    MoveWindow(w, 7, 8, 10, 10, TRUE);
    EXPECT_EQ(recorder.received({WM_MOVE, WM_SIZE}), (std::vector<Received>{{w, WM_MOVE, 0, MAKELPARAM(7, 8)}}));
}
