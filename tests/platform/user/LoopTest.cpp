#include "tests/platform/user/RecordingWindow.h"

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/user/MessageBox.h"
#include "platform/user/Messages.h"

#include <gtest/gtest.h>

using platform::headless::scriptInput;
using platform::user::LoopEnd;
using platform::user::runModalLoop;
using testing_support::WindowRecorder;

// Every test here runs in a process of its own: a quit, once pending, stays pending.
TEST(ModalLoopDeathTest, PendingQuitEndsNestedLoopsAtOnceAndPassesOutward) {
    EXPECT_EXIT(
        {
            WindowRecorder recorder;
            HWND window = recorder.create(RECT{0, 0, 10, 10});
            bool innerEnded = false;
            LoopEnd inner = LoopEnd::Finished;
            scriptInput([&] { PostMessageW(window, WM_USER + 1, 0, 0); });
            recorder.answer(window, WM_USER + 1, [&](WPARAM, LPARAM) {
                // A nested loop (a dialog or a message box) inside the outer one.
                scriptInput([] { PostQuitMessage(16); });
                inner = runModalLoop([] { return false; });
                innerEnded = true;
                return LRESULT{0};
            });
            const LoopEnd outer = runModalLoop([] { return false; });
            // A message box asked for now ends at once, unanswered.
            const int answer = MessageBoxW(nullptr, u"text", u"caption", MB_OK);
            const bool boxEnded = platform::headless::shownMessageBoxes().back().endedByQuit;
            std::exit(innerEnded && inner == LoopEnd::Quit && outer == LoopEnd::Quit && answer == 0 && boxEnded &&
                              platform::user::pendingQuit() == 16
                          ? 0
                          : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(ModalLoopDeathTest, FirstQuitRequestGivesTheExitCode) {
    EXPECT_EXIT(
        {
            PostQuitMessage(16);
            PostQuitMessage(3);
            MSG message;
            const BOOL got = GetMessageW(&message, nullptr, 0, 0);
            std::exit(got == FALSE && message.message == WM_QUIT && message.wParam == 16 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(ModalLoopDeathTest, LoopThatWouldWaitForNothingFailsInsteadOfHanging) {
    EXPECT_DEATH(runModalLoop([] { return false; }), "none is scripted");
}

TEST(ModalLoop, PostedMessagesWaitForTheLoopAndSentOnesArriveAtOnce) {
    WindowRecorder recorder;
    HWND window = recorder.create(RECT{0, 0, 10, 10});
    recorder.clear();
    bool done = false;
    recorder.answer(window, WM_USER + 2, [&](WPARAM, LPARAM) {
        done = true;
        return LRESULT{0};
    });
    PostMessageW(window, WM_USER + 2, 0, 0);
    SendMessageW(window, WM_USER + 3, 0, 0);
    EXPECT_EQ(recorder.messagesOf(window, {WM_USER + 2, WM_USER + 3}), std::vector<UINT>{WM_USER + 3});
    EXPECT_EQ(runModalLoop([&] { return done; }), LoopEnd::Finished);
    EXPECT_EQ(recorder.messagesOf(window, {WM_USER + 2, WM_USER + 3}), (std::vector<UINT>{WM_USER + 3, WM_USER + 2}));
}
