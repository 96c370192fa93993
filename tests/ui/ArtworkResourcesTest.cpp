#include "res/resource.h"

#include "platform/afx/CWinApp.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Surfaces.h"
#include "platform/kernel/Resources.h"
#include "platform/user/Icons.h"

#include <gtest/gtest.h>

TEST(ArtworkResources, IconAndDialogBackgroundLoadAtTheirSizes) {
    HICON icon = LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME));
    ASSERT_NE(icon, nullptr);
    cairo_surface_t* picture = platform::user::iconSurface(icon);
    EXPECT_EQ(cairo_image_surface_get_width(picture), 64);
    EXPECT_EQ(cairo_image_surface_get_height(picture), 64);

    HBITMAP bitmap = LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDB_CONFIRM_BACK));
    ASSERT_NE(bitmap, nullptr);
    BITMAP info{};
    ASSERT_EQ(GetObjectW(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 256);
    EXPECT_EQ(info.bmHeight, 110);
    // Opaque, dark brown in the middle.
    cairo_surface_t* surface = platform::gdi::bitmapSurface(bitmap);
    cairo_surface_flush(surface);
    const auto* pixels =
        reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(surface));
    const std::uint32_t middle = pixels[55 * (cairo_image_surface_get_stride(surface) / 4) + 128];
    EXPECT_EQ(middle >> 24, 0xFFu);
    EXPECT_GT((middle >> 16) & 0xFF, middle & 0xFF);

    // Drawn at the system's icon size, blended by its alpha.
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP canvas = CreateCompatibleBitmap(dc, 40, 40);
    HGDIOBJ previous = SelectObject(dc, canvas);
    EXPECT_TRUE(DrawIcon(dc, 4, 4, icon));
    cairo_surface_t* drawn = platform::gdi::bitmapSurface(canvas);
    cairo_surface_flush(drawn);
    const auto* out = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(drawn));
    const int stride = cairo_image_surface_get_stride(drawn) / 4;
    EXPECT_EQ(out[20 * stride + 20] >> 24, 0xFFu); // the medallion's middle
    EXPECT_EQ(out[4 * stride + 4] >> 24, 0u);      // its transparent corner
    EXPECT_EQ(out[38 * stride + 38], 0u);          // beyond 32 x 32
    SelectObject(dc, previous);
    DeleteObject(canvas);
    DeleteDC(dc);

    EXPECT_EQ(LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDB_PNG_LOGIN)), nullptr);
    EXPECT_EQ(LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDB_PNG_LOGIN)), nullptr);
    DestroyIcon(icon);
    DeleteObject(bitmap);
}
