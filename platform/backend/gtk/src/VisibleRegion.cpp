#include "VisibleRegion.h"

#include <cstdint>
#include <vector>

namespace platform::gtk {

namespace {

// The runs of visible pixels of one row, as (start, end) pairs of columns, end exclusive.
void runsOf(const std::uint32_t* row, int width, std::uint32_t least, std::vector<int>& runs) {
    runs.clear();
    int x = 0;
    while (x < width) {
        while (x < width && (row[x] >> 24) < least)
            ++x;
        if (x == width)
            break;
        const int start = x;
        while (x < width && (row[x] >> 24) >= least)
            ++x;
        runs.push_back(start);
        runs.push_back(x);
    }
}

// One band of rows that share their runs: a rectangle per run.
void emitBand(const std::vector<int>& runs, int top, int bottom,
              std::vector<cairo_rectangle_int_t>& out) {
    for (std::size_t i = 0; i + 1 < runs.size(); i += 2)
        out.push_back(cairo_rectangle_int_t{runs[i], top, runs[i + 1] - runs[i], bottom - top});
}

} // namespace

cairo_region_t* visibleRegionOf(cairo_surface_t* picture, Visibility visibility) {
    if (!picture || cairo_surface_get_type(picture) != CAIRO_SURFACE_TYPE_IMAGE)
        return cairo_region_create();
    const int width = cairo_image_surface_get_width(picture);
    const int height = cairo_image_surface_get_height(picture);
    if (cairo_image_surface_get_format(picture) != CAIRO_FORMAT_ARGB32) {
        // A picture without alpha is opaque everywhere.
        const cairo_rectangle_int_t whole{0, 0, width, height};
        return cairo_region_create_rectangle(&whole);
    }
    cairo_surface_flush(picture);
    const int stride = cairo_image_surface_get_stride(picture);
    const unsigned char* data = cairo_image_surface_get_data(picture);
    if (!data || width <= 0 || height <= 0)
        return cairo_region_create();

    const auto least = static_cast<std::uint32_t>(visibility);
    std::vector<cairo_rectangle_int_t> rectangles;
    std::vector<int> band, runs;
    int bandTop = 0;
    for (int y = 0; y < height; ++y) {
        runsOf(reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(y) * stride),
               width, least, runs);
        if (y > 0 && runs == band)
            continue;
        emitBand(band, bandTop, y, rectangles);
        band.swap(runs);
        bandTop = y;
    }
    emitBand(band, bandTop, height, rectangles);
    return cairo_region_create_rectangles(rectangles.data(), static_cast<int>(rectangles.size()));
}

} // namespace platform::gtk
