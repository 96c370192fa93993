#include "tests/platform/user/RecordingWindow.h"

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/user/Input.h"
#include "platform/user/Screen.h"
#include "platform/user/Windows.h"

#include <gtest/gtest.h>

using platform::user::PointerAction;
using platform::user::pointerEvent;
using testing_support::Received;
using testing_support::WindowRecorder;

TEST(CaptionDrag, HitTestPrecedesThePressAndEachStepMovesTheWindowOnce) {
    WindowRecorder recorder;
    HWND window = recorder.create(RECT{100, 100, 300, 200});
    recorder.answer(window, WM_NCHITTEST, [](WPARAM, LPARAM) { return HTCAPTION; });
    recorder.clear();

    pointerEvent(PointerAction::Move, 150, 150);
    pointerEvent(PointerAction::Press, 150, 150);
    pointerEvent(PointerAction::Move, 160, 155);
    pointerEvent(PointerAction::Move, 175, 170);
    pointerEvent(PointerAction::Release, 180, 170);
    pointerEvent(PointerAction::Move, 180, 170);

    const std::vector<UINT> watched{WM_NCHITTEST, WM_SETCURSOR, WM_NCMOUSEMOVE, WM_NCLBUTTONDOWN,
                                    WM_MOVE,      WM_MOUSEMOVE, WM_LBUTTONDOWN};
    EXPECT_EQ(recorder.messagesOf(window, watched),
              (std::vector<UINT>{
                  WM_NCHITTEST, WM_SETCURSOR, WM_NCMOUSEMOVE,    // hover before the press
                  WM_NCHITTEST, WM_SETCURSOR, WM_NCLBUTTONDOWN,  // the press starts the drag
                  WM_MOVE, WM_MOVE, WM_MOVE,                     // one move per step, no hit tests
                  WM_NCHITTEST, WM_SETCURSOR, WM_NCMOUSEMOVE})); // after the release
    const auto moves = recorder.received({WM_MOVE});
    ASSERT_EQ(moves.size(), 3u);
    EXPECT_EQ(moves[0].lParam, MAKELPARAM(110, 105));
    EXPECT_EQ(moves[2].lParam, MAKELPARAM(130, 120));
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r, (RECT{130, 120, 330, 220}));
}

TEST(CaptionDrag, ClientAreaGetsClientMessagesAndTheCaptureKeepsThem) {
    WindowRecorder recorder;
    HWND window = recorder.create(RECT{0, 0, 100, 100});
    HWND other = recorder.create(RECT{200, 0, 300, 100});
    recorder.clear();
    pointerEvent(PointerAction::Press, 10, 20);
    SetCapture(window);
    pointerEvent(PointerAction::Move, 250, 50); // over the other window, yet to the capture
    pointerEvent(PointerAction::Release, 250, 50);
    ReleaseCapture();
    const auto clientMessages = recorder.received({WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP});
    EXPECT_EQ(clientMessages,
              (std::vector<Received>{{window, WM_LBUTTONDOWN, 0, MAKELPARAM(10, 20)},
                                     {window, WM_MOUSEMOVE, 0, MAKELPARAM(250, 50)},
                                     {window, WM_LBUTTONUP, 0, MAKELPARAM(250, 50)}}));
    EXPECT_TRUE(recorder.messagesOf(other, {WM_NCHITTEST}).empty());
}

TEST(Pointer, QuickSecondPressIsADoubleClickOnlyForWindowsThatAskForIt) {
    WNDCLASSW doubleClicks{};
    doubleClicks.style = CS_DBLCLKS;
    doubleClicks.lpfnWndProc = &DefWindowProcW;
    doubleClicks.lpszClassName = u"TarnwickDoubleClicks";
    RegisterClassW(&doubleClicks);
    WindowRecorder recorder;
    HWND plain = recorder.create(RECT{0, 0, 100, 100});
    HWND asking = CreateWindowExW(0, u"TarnwickDoubleClicks", u"", WS_POPUP | WS_VISIBLE, 200, 0,
                                  100, 100, nullptr, nullptr, nullptr, nullptr);
    // The recorder sees the plain window; the other reports through its subclassed procedure.
    std::vector<UINT> seen;
    static std::vector<UINT>* s_seen = nullptr;
    s_seen = &seen;
    SetWindowLongPtrW(
        asking, GWLP_WNDPROC,
        reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
            if (m == WM_LBUTTONDOWN || m == WM_LBUTTONDBLCLK)
                s_seen->push_back(m);
            return DefWindowProcW(w, m, wp, lp);
        }));
    recorder.clear();
    for (int x : {10, 10, 210, 212}) {
        pointerEvent(PointerAction::Press, x, 10);
        pointerEvent(PointerAction::Release, x, 10);
    }
    pointerEvent(PointerAction::Press, 250, 60); // too far from the last press
    EXPECT_EQ(recorder.messagesOf(plain, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}),
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDOWN}));
    EXPECT_EQ(seen, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN}));
    DestroyWindow(asking);
}

TEST(Pointer, WindowsChooseThePointersShapeWhenAsked) {
    WindowRecorder recorder;
    HWND hand = recorder.create(RECT{0, 0, 100, 100});
    recorder.create(RECT{200, 0, 300, 100});
    recorder.answer(hand, WM_SETCURSOR, [](WPARAM, LPARAM) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return LRESULT{TRUE};
    });
    EXPECT_EQ(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(12345))),
              nullptr);
    pointerEvent(PointerAction::Move, 50, 50);
    EXPECT_EQ(platform::headless::currentCursor(), platform::PointerShape::Hand);
    pointerEvent(PointerAction::Move, 250, 50);
    EXPECT_EQ(platform::headless::currentCursor(), platform::PointerShape::Arrow);
}
