#pragma once

#include <cairo.h>

namespace platform::gtk {

// The least alpha (of 255) a pixel must have to belong to the region.
enum class Visibility {
    // Any pixel that is not fully transparent: where the window takes the pointer, as the window
    // model decides it. The input shape of a translucent window.
    NotTransparent = 1,
    // Pixels at least half opaque: the window's outline where it cannot be translucent (no
    // compositor), so that a faint glow is cut off rather than drawn as a dark rim.
    HalfOpaque = 128,
};

// The region of a window picture (an ARGB32 image surface) whose pixels are visible as asked.
// Rows with the same runs of visible pixels are merged into one band, so a picture with a few
// shaped edges gives a region of few rectangles. A picture without alpha is opaque everywhere.
// The caller destroys the region.
cairo_region_t* visibleRegionOf(cairo_surface_t* picture, Visibility visibility);

} // namespace platform::gtk
