#pragma once

#include <cairo.h>

namespace platform::gtk {

// The region of a window picture (an ARGB32 image surface) whose pixels are not fully
// transparent: where the window takes the pointer, as the window model decides it. Rows with the
// same runs of visible pixels are merged into one band, so a picture with a few shaped edges
// gives a region of few rectangles. A picture without alpha is opaque everywhere. The caller
// destroys the region.
cairo_region_t* visibleRegionOf(cairo_surface_t* picture);

} // namespace platform::gtk
