#include "VisibleRegion.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

using platform::gtk::Visibility;
using platform::gtk::visibleRegionOf;
using SurfacePtr = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using RegionPtr = std::unique_ptr<cairo_region_t, decltype(&cairo_region_destroy)>;

// A picture drawn from rows of text: '.' is alpha 0, '-' alpha 1 (the faintest glow), '+' alpha
// 127 (just under half), '*' alpha 128 (half), '#' opaque.
SurfacePtr pictureOf(const std::vector<std::string>& rows) {
    const int width = static_cast<int>(rows.front().size());
    const int height = static_cast<int>(rows.size());
    SurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height),
                       &cairo_surface_destroy);
    cairo_surface_flush(surface.get());
    unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const char c = rows[y][x];
            const std::uint32_t alpha = c == '#'   ? 255
                                        : c == '*' ? 128
                                        : c == '+' ? 127
                                        : c == '-' ? 1
                                                   : 0;
            reinterpret_cast<std::uint32_t*>(data + y * stride)[x] = alpha << 24 | (alpha / 2) << 8;
        }
    cairo_surface_mark_dirty(surface.get());
    return surface;
}

// Which pixels the region holds, drawn the same way ('#' in, '.' out).
std::vector<std::string> coverageOf(cairo_region_t* region, int width, int height) {
    std::vector<std::string> rows(height, std::string(width, '.'));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (cairo_region_contains_point(region, x, y))
                rows[y][x] = '#';
    return rows;
}

TEST(VisibleRegion, HoldsExactlyThePixelsVisibleAsAsked) {
    const std::vector<std::string> picture = {
        "..-+*#..", ".######.", "########", "##-..+##", "##....*#", ".######.",
    };
    struct Case {
        Visibility visibility;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        // The faintest glow still takes the pointer.
        {Visibility::NotTransparent,
         {"..####..", ".######.", "########", "###..###", "##....##", ".######."}},
        // The outline without a compositor stops at half opacity.
        {Visibility::HalfOpaque,
         {"....##..", ".######.", "########", "##....##", "##....##", ".######."}},
    };
    SurfacePtr surface = pictureOf(picture);
    for (const Case& c : cases) {
        RegionPtr region(visibleRegionOf(surface.get(), c.visibility), &cairo_region_destroy);
        EXPECT_EQ(coverageOf(region.get(), 8, 6), c.expected) << static_cast<int>(c.visibility);
    }
}

TEST(VisibleRegion, RowsWithTheSameRunsShareOneBand) {
    // A tall picture with rounded corners: one band per distinct row shape, not per row.
    std::vector<std::string> picture(200, std::string(50, '#'));
    picture[0] = std::string(2, '.') + std::string(46, '#') + std::string(2, '.');
    picture[199] = picture[0];
    SurfacePtr surface = pictureOf(picture);
    RegionPtr region(visibleRegionOf(surface.get(), Visibility::NotTransparent),
                     &cairo_region_destroy);
    EXPECT_EQ(cairo_region_num_rectangles(region.get()), 3);
    EXPECT_EQ(coverageOf(region.get(), 50, 200), picture);
}

TEST(VisibleRegion, EmptyForAFullyTransparentPictureWholeForAnOpaqueFormat) {
    SurfacePtr clear = pictureOf({"....", "...."});
    RegionPtr fromClear(visibleRegionOf(clear.get(), Visibility::NotTransparent),
                        &cairo_region_destroy);
    EXPECT_TRUE(cairo_region_is_empty(fromClear.get()));

    // A picture without alpha is opaque everywhere.
    SurfacePtr rgb(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 4, 3), &cairo_surface_destroy);
    RegionPtr fromRgb(visibleRegionOf(rgb.get(), Visibility::HalfOpaque), &cairo_region_destroy);
    EXPECT_EQ(coverageOf(fromRgb.get(), 4, 3), std::vector<std::string>(3, "####"));

    RegionPtr fromNothing(visibleRegionOf(nullptr, Visibility::NotTransparent),
                          &cairo_region_destroy);
    EXPECT_TRUE(cairo_region_is_empty(fromNothing.get()));
}

} // namespace
