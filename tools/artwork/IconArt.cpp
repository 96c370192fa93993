#include "tools/artwork/Art.h"
#include "tools/artwork/CairoCanvas.h"

#include <cmath>

namespace artwork {

void drawIcon(const std::string& folder) {
    CairoCanvas canvas(64, 64);
    cairo_t* cr = canvas.cr();
    cairo_pattern_t* ring = cairo_pattern_create_linear(0, 2, 0, 62);
    cairo_pattern_add_color_stop_rgb(ring, 0, 1.0, 0.92, 0.62);
    cairo_pattern_add_color_stop_rgb(ring, 0.5, 0.80, 0.56, 0.22);
    cairo_pattern_add_color_stop_rgb(ring, 1, 0.50, 0.32, 0.10);
    cairo_arc(cr, 32, 32, 30, 0, 2 * M_PI);
    cairo_set_source(cr, ring);
    cairo_fill(cr);
    cairo_pattern_t* core = cairo_pattern_create_radial(26, 22, 2, 32, 32, 26);
    cairo_pattern_add_color_stop_rgb(core, 0, 0.30, 0.22, 0.50);
    cairo_pattern_add_color_stop_rgb(core, 1, 0.06, 0.04, 0.14);
    cairo_arc(cr, 32, 32, 25.5, 0, 2 * M_PI);
    cairo_set_source(cr, core);
    cairo_fill(cr);
    // A four-pointed star: the falling star of the game's land.
    cairo_move_to(cr, 32, 10);
    cairo_curve_to(cr, 34, 26, 38, 30, 54, 32);
    cairo_curve_to(cr, 38, 34, 34, 38, 32, 54);
    cairo_curve_to(cr, 30, 38, 26, 34, 10, 32);
    cairo_curve_to(cr, 26, 30, 30, 26, 32, 10);
    cairo_close_path(cr);
    cairo_set_source(cr, ring);
    cairo_fill(cr);
    cairo_arc(cr, 32, 32, 3.2, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 1, 0.97, 0.85);
    cairo_fill(cr);
    cairo_pattern_destroy(ring);
    cairo_pattern_destroy(core);
    writeIcon32(canvas, folder + "/icon_128.ico");
}

} // namespace artwork
