#include "ui/LayeredPainter.h"
#include "ui/ColorKeyLayer.h"
#include "ui/UpdateLayeredTool.h"

#include "res/resource.h"

#include "platform/afx/CWinApp.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Surfaces.h"
#include "platform/kernel/Library.h"
#include "platform/kernel/Resources.h"
#include "platform/user/Painting.h"
#include "platform/user/Screen.h"
#include "platform/user/Windows.h"

#include <gtest/gtest.h>

namespace {

// Windows of a plain class that paint nothing of their own.
HWND makeWindow(const RECT& r, DWORD exStyle = 0) {
    static const bool registered = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &DefWindowProcW;
        windowClass.lpszClassName = u"TarnwickLayeredTest";
        return RegisterClassW(&windowClass) != 0;
    }();
    EXPECT_TRUE(registered);
    return CreateWindowExW(exStyle, u"TarnwickLayeredTest", u"", WS_POPUP | WS_VISIBLE, r.left,
                           r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr, nullptr,
                           nullptr);
}

// The screen's background, behind everything the tests lay over it.
constexpr std::uint32_t kBehind = 0xFF1E2A38;

// A window whose background is painted with the brush kept in its user data, with a small corner
// one step off the key colour.
LRESULT keyedBackground(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_ERASEBKGND)
        return DefWindowProcW(window, message, wParam, lParam);
    HDC dc = reinterpret_cast<HDC>(wParam);
    RECT all{0, 0, 200, 100};
    FillRect(dc, &all, reinterpret_cast<HBRUSH>(GetWindowLongPtrW(window, GWLP_USERDATA)));
    HBRUSH nearKey = CreateSolidBrush(RGB(255, 254, 0));
    RECT corner{0, 0, 10, 10};
    FillRect(dc, &corner, nearKey);
    DeleteObject(nearKey);
    return 1;
}

} // namespace

TEST(LayeredTool, IsOneInstanceThatLoadsTheLibraryOnce) {
    UpdateLayeredTool* first = UpdateLayeredTool::Instance();
    UpdateLayeredTool* second = UpdateLayeredTool::Instance();
    EXPECT_EQ(first, second);
    EXPECT_EQ(platform::libraryLoadCount(u"user32.dll"), 1);
    EXPECT_NE(first->m_pfnUpdateLayeredWindow, nullptr);
    EXPECT_NE(first->m_pfnSetLayeredWindowAttributes, nullptr);
    EXPECT_EQ(LoadLibraryW(u"GDI32.DLL"), nullptr);
}

TEST(LayeredPainter, ArtworkSizesTheWindowInPlaceAndShowsWhatIsBehindItsTransparentPixels) {
    platform::user::setScreen(1920, 1080, kBehind);
    HWND window = makeWindow(RECT{100, 50, 200, 150}, WS_EX_APPWINDOW | WS_EX_TOOLWINDOW);
    CLayeredPainter painter;
    painter.m_hTarget = window;
    ASSERT_TRUE(painter.m_image.Load(MAKEINTRESOURCEW(IDB_PNG_LOGIN), AfxGetResourceHandle()));
    const std::size_t drawingObjects = platform::gdi::liveObjects();
    painter.PaintLayered();
    // The contexts and the bitmap of the painting are all given back.
    EXPECT_EQ(platform::gdi::liveObjects(), drawingObjects);

    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r, (RECT{100, 50, 100 + 1334, 50 + 725}));
    EXPECT_EQ(GetWindowLongW(window, GWL_EXSTYLE),
              static_cast<LONG>(WS_EX_APPWINDOW | WS_EX_TOOLWINDOW | WS_EX_LAYERED));
    // The artwork's corner is fully transparent; its middle is opaque.
    EXPECT_EQ(platform::user::screenPixel(100, 50), kBehind);
    EXPECT_EQ(platform::user::screenPixel(100 + 667, 50 + 400) >> 24, 0xFFu);
    EXPECT_NE(platform::user::screenPixel(100 + 667, 50 + 400), kBehind);
    // Its soft glow lets the background shine through partly.
    const std::uint32_t glow = platform::user::windowPixelAt(window, 100 + 667, 50 + 20);
    EXPECT_GT(glow >> 24, 0u);
    EXPECT_LT(glow >> 24, 255u);
    DestroyWindow(window);
}

TEST(LayeredPainter, DoesNothingWithoutAWindowOrAnImage) {
    CLayeredPainter painter;
    ASSERT_TRUE(painter.m_image.Load(MAKEINTRESOURCEW(IDB_PNG_LOGIN), nullptr));
    painter.PaintLayered(); // no window set

    HWND window = makeWindow(RECT{0, 0, 10, 10});
    CLayeredPainter empty;
    empty.m_hTarget = window;
    empty.PaintLayered(); // no image
    EXPECT_EQ(GetWindowLongW(window, GWL_EXSTYLE), 0);

    painter.m_hTarget = window;
    DestroyWindow(window);
    painter.PaintLayered(); // the window is gone
    EXPECT_FALSE(IsWindow(window));
}

TEST(ColorKeyLayer, KeyColourIsSeeThroughAndAStepOffIsOpaque) {
    platform::user::setScreen(400, 300, kBehind);
    CColorKeyLayer layer;
    EXPECT_EQ(layer.m_keyColor, RGB(255, 255, 0));
    HWND window = makeWindow(RECT{0, 0, 200, 100});
    layer.m_hTarget = window;
    layer.ApplyColorKey();
    EXPECT_NE(layer.m_keyBrush.GetSafeHandle(), nullptr);
    EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED);

    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(layer.m_keyBrush.GetSafeHandle()));
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&keyedBackground));
    InvalidateRect(window, nullptr, TRUE);

    EXPECT_EQ(platform::user::screenPixel(100, 50), kBehind);
    EXPECT_EQ(platform::user::screenPixel(5, 5), 0xFFFFFE00u);
    EXPECT_EQ(platform::user::windowFromScreenPoint(100, 50), nullptr);
    EXPECT_EQ(platform::user::windowFromScreenPoint(5, 5), window);
    DestroyWindow(window);
}
