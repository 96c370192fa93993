#include "tests/platform/user/RecordingWindow.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Surfaces.h"
#include "platform/user/Layered.h"
#include "platform/user/Painting.h"
#include "platform/user/Screen.h"
#include "platform/user/Windows.h"

#include <cairo.h>
#include <gtest/gtest.h>

using platform::user::PointerAction;
using platform::user::screenPixel;
using testing_support::WindowRecorder;

namespace {

// A picture whose left half is opaque blue and right half fully transparent, with a strip of
// half-transparent red at the bottom.
void updateWithPicture(HWND window, int w, int h) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    RECT left{0, 0, w / 2, h};
    FillRect(memory, &left, blue);
    cairo_t* cr = cairo_create(platform::gdi::surfaceOf(memory));
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgba(cr, 1, 0, 0, 0.5);
    cairo_rectangle(cr, 0, h - 10, w, 10);
    cairo_fill(cr);
    cairo_destroy(cr);
    SetWindowLongW(window, GWL_EXSTYLE, GetWindowLongW(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    POINT source{0, 0};
    SIZE size{w, h};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    EXPECT_TRUE(UpdateLayeredWindow(window, screen, nullptr, &size, memory, &source, 0, &blend, ULW_ALPHA));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteObject(blue);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

} // namespace

TEST(Composition, PerPixelAlphaWindowShowsWhatLiesBehindItsTransparentPixels) {
    platform::user::setScreen(800, 600, 0xFF000000);
    WindowRecorder recorder;
    HWND below = recorder.create(RECT{0, 0, 400, 300});
    recorder.paintWith(below, 0x00FF00);
    HWND above = recorder.create(RECT{100, 100, 140, 140});
    updateWithPicture(above, 200, 100); // the window takes the picture's size, in its place
    RECT r;
    GetWindowRect(above, &r);
    EXPECT_EQ(r, (RECT{100, 100, 300, 200}));

    EXPECT_EQ(screenPixel(150, 120), 0xFF0000FFu);  // opaque blue
    EXPECT_EQ(screenPixel(250, 120), 0xFF00FF00u);  // transparent: the green window below
    EXPECT_EQ(screenPixel(350, 120), 0xFF00FF00u);  // outside: green
    EXPECT_EQ(screenPixel(250, 195), 0xFF807F00u);  // half red over green
    EXPECT_EQ(screenPixel(500, 400), 0xFF000000u);  // the screen's background

    // The picture stays as it was given when the window moves.
    MoveWindow(above, 0, 0, 200, 100, TRUE);
    EXPECT_EQ(screenPixel(50, 20), 0xFF0000FFu);
    EXPECT_EQ(screenPixel(150, 20), 0xFF00FF00u);
    // A press on the transparent part reaches the window below.
    EXPECT_EQ(platform::user::windowFromScreenPoint(150, 20), below);
    EXPECT_EQ(platform::user::windowFromScreenPoint(50, 20), above);
}

TEST(Composition, ColourKeyedWindowIsSeeThroughExactlyInTheKeyColour) {
    platform::user::setScreen(800, 600, 0xFF000000);
    WindowRecorder recorder;
    HWND below = recorder.create(RECT{0, 0, 300, 100});
    recorder.paintWith(below, 0x102030);
    HWND keyed = recorder.create(RECT{0, 0, 300, 100}, WS_POPUP | WS_VISIBLE, nullptr, WS_EX_LAYERED);
    recorder.answer(keyed, WM_PAINT, [keyed](WPARAM, LPARAM) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(keyed, &paint);
        const COLORREF colours[3] = {RGB(255, 255, 0), RGB(254, 255, 0), RGB(255, 255, 1)};
        for (int i = 0; i < 3; ++i) {
            HBRUSH brush = CreateSolidBrush(colours[i]);
            RECT part{i * 100, 0, i * 100 + 100, 100};
            FillRect(dc, &part, brush);
            DeleteObject(brush);
        }
        EndPaint(keyed, &paint);
        return LRESULT{0};
    });
    EXPECT_TRUE(SetLayeredWindowAttributes(keyed, RGB(255, 255, 0), 255, LWA_COLORKEY | LWA_ALPHA));

    EXPECT_EQ(screenPixel(50, 50), 0xFF102030u);  // the key: what lies beneath
    EXPECT_EQ(screenPixel(150, 50), 0xFFFEFF00u); // one step off in red: opaque
    EXPECT_EQ(screenPixel(250, 50), 0xFFFFFF01u); // one step off in blue: opaque

    recorder.clear();
    platform::user::pointerEvent(PointerAction::Press, 50, 50);
    platform::user::pointerEvent(PointerAction::Press, 150, 50);
    EXPECT_EQ(recorder.messagesOf(below, {WM_LBUTTONDOWN}).size(), 1u);
    EXPECT_EQ(recorder.messagesOf(keyed, {WM_LBUTTONDOWN}).size(), 1u);
}

TEST(Composition, LayeredWindowWithoutPictureOrKeyShowsNothing) {
    platform::user::setScreen(200, 200, 0xFF000000);
    WindowRecorder recorder;
    HWND layered = recorder.create(RECT{0, 0, 50, 50}, WS_POPUP | WS_VISIBLE, nullptr, WS_EX_LAYERED);
    recorder.paintWith(layered, 0xFFFFFF);
    EXPECT_EQ(screenPixel(10, 10), 0xFF000000u);
    EXPECT_EQ(platform::user::windowFromScreenPoint(10, 10), nullptr);
}
