// The login window's two layers: the artwork with per-pixel alpha and a colour-keyed window of
// the same size over it, moved together 1,000 times as a drag moves them (each move composed
// into the screen), and the artwork decoded 100 times next to libpng's own decode of the same
// bytes. Prints one line of key=value results.

#include "ui/ColorKeyLayer.h"
#include "ui/LayeredPainter.h"

#include "res/ResourceTable.h"
#include "res/resource.h"

#include "platform/gdiplus/Startup.h"
#include "platform/kernel/Resources.h"
#include "platform/kernel/StreamOnGlobal.h"
#include "platform/user/Layered.h"
#include "platform/user/Painting.h"
#include "platform/user/Screen.h"
#include "platform/user/Windows.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <png.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

LRESULT keyedBackground(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_ERASEBKGND)
        return DefWindowProcW(window, message, wParam, lParam);
    RECT all;
    GetClientRect(window, &all);
    FillRect(reinterpret_cast<HDC>(wParam), &all,
             reinterpret_cast<HBRUSH>(GetWindowLongPtrW(window, GWLP_USERDATA)));
    return 1;
}

HWND makeWindow(WNDPROC proc, const char16_t* className) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = proc;
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, className, u"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                           nullptr, nullptr, nullptr);
}

const unsigned char* artwork(std::size_t& size) {
    HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(IDB_PNG_LOGIN), u"PNG");
    size = SizeofResource(nullptr, resource);
    return static_cast<const unsigned char*>(LockResource(LoadResource(nullptr, resource)));
}

double decodeWithImage(const unsigned char* bytes, std::size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(block), bytes, size);
    GlobalUnlock(block);
    IStream* stream = nullptr;
    CreateStreamOnHGlobal(block, FALSE, &stream);
    const auto start = Clock::now();
    Gdiplus::Image image(stream);
    const double ms = millisecondsSince(start);
    stream->Release();
    GlobalFree(block);
    if (image.GetWidth() != 1334)
        std::fprintf(stderr, "the artwork did not decode\n");
    return ms;
}

double decodeWithLibpng(const unsigned char* bytes, std::size_t size) {
    const auto start = Clock::now();
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    png_image_begin_read_from_memory(&image, bytes, size);
    image.format = PNG_FORMAT_BGRA;
    std::vector<unsigned char> pixels(PNG_IMAGE_SIZE(image));
    png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr);
    png_image_free(&image);
    return millisecondsSince(start);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main() {
    platform::registerResourceModule(tarnwickResources());
    platform::user::registerUser32Library();
    platform::user::setScreen(1920, 1080);
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);

    HWND login = makeWindow(&DefWindowProcW, u"BenchArtwork");
    HWND overlay = makeWindow(&keyedBackground, u"BenchOverlay");
    CLayeredPainter background;
    background.m_hTarget = login;
    background.m_image.Load(MAKEINTRESOURCEW(IDB_PNG_LOGIN), nullptr);
    background.PaintLayered();
    CColorKeyLayer keyed;
    keyed.m_hTarget = overlay;
    keyed.ApplyColorKey();
    SetWindowLongPtrW(overlay, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(keyed.m_keyBrush.GetSafeHandle()));
    MoveWindow(overlay, 0, 0, 1334, 725, TRUE);
    platform::user::composeScreen();

    const std::uint64_t paintedBefore = platform::user::paintedTrees();
    constexpr int kMoves = 1000;
    double moving = 0, composing = 0;
    for (int i = 0; i < kMoves; ++i) {
        const int x = 100 + (i % 200), y = 80 + (i % 150);
        auto start = Clock::now();
        MoveWindow(login, x, y, 1334, 725, TRUE);
        MoveWindow(overlay, x, y, 1334, 725, TRUE);
        moving += millisecondsSince(start);
        start = Clock::now();
        platform::user::composeScreen();
        composing += millisecondsSince(start);
    }
    const std::uint64_t repaints = platform::user::paintedTrees() - paintedBefore;

    std::size_t size = 0;
    const unsigned char* bytes = artwork(size);
    std::vector<double> ours, theirs;
    for (int i = 0; i < 100; ++i) {
        theirs.push_back(decodeWithLibpng(bytes, size));
        ours.push_back(decodeWithImage(bytes, size));
    }
    std::printf("move_ms=%.4f compose_ms=%.3f repaints=%llu decode_ms=%.2f libpng_ms=%.2f "
                "decode_ratio=%.3f\n",
                moving / kMoves, composing / kMoves, static_cast<unsigned long long>(repaints),
                median(ours), median(theirs), median(ours) / median(theirs));
    return 0;
}
