#include "tools/artwork/Art.h"
#include "tools/artwork/CairoCanvas.h"

#include <cmath>

namespace artwork {

namespace {

enum class Glyph { Close, Minimise };
enum class State { Normal, Hover, Pressed, Disabled };
constexpr State kStates[] = {State::Normal, State::Hover, State::Pressed, State::Disabled};

struct Hue {
    double r, g, b;
};

Hue shade(Hue h, double f) { return {h.r * f, h.g * f, h.b * f}; }

Hue grey(Hue h) {
    const double l = 0.3 * h.r + 0.59 * h.g + 0.11 * h.b;
    return {l, l, l};
}

// A round gem button on a gold ring, centred in a frame of `size` pixels.
void roundButton(cairo_t* cr, double top, double size, Glyph glyph, Hue hue, State state) {
    const double cx = size / 2, cy = top + size / 2;
    const double r = size / 2 - 2.5;
    const bool disabled = state == State::Disabled;
    const double light = state == State::Hover ? 1.35 : state == State::Pressed ? 0.7 : 1.0;
    const Hue core = disabled ? shade(grey(hue), 0.9) : shade(hue, light);

    if (state == State::Hover) {
        cairo_pattern_t* halo = cairo_pattern_create_radial(cx, cy, r - 2, cx, cy, size / 2);
        cairo_pattern_add_color_stop_rgba(halo, 0, 1.0, 0.8, 0.4, 0.55);
        cairo_pattern_add_color_stop_rgba(halo, 1, 1.0, 0.8, 0.4, 0.0);
        cairo_set_source(cr, halo);
        cairo_arc(cr, cx, cy, size / 2, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_pattern_destroy(halo);
    }

    // Ring.
    cairo_pattern_t* ring = cairo_pattern_create_linear(0, cy - r, 0, cy + r);
    if (disabled) {
        cairo_pattern_add_color_stop_rgb(ring, 0, 0.75, 0.75, 0.72);
        cairo_pattern_add_color_stop_rgb(ring, 1, 0.35, 0.35, 0.33);
    } else {
        cairo_pattern_add_color_stop_rgb(ring, 0, 1.0, 0.92, 0.62);
        cairo_pattern_add_color_stop_rgb(ring, 0.5, 0.78, 0.56, 0.22);
        cairo_pattern_add_color_stop_rgb(ring, 1, 0.50, 0.32, 0.10);
    }
    cairo_set_source(cr, ring);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(ring);
    cairo_set_source_rgba(cr, 0.15, 0.08, 0.02, 0.9);
    cairo_set_line_width(cr, 1);
    cairo_arc(cr, cx, cy, r - 0.5, 0, 2 * M_PI);
    cairo_stroke(cr);

    // Gem.
    const double inner = r - std::max(3.0, size / 13);
    cairo_pattern_t* gem = cairo_pattern_create_radial(cx - inner * 0.3, cy - inner * 0.4, inner * 0.1, cx, cy, inner);
    cairo_pattern_add_color_stop_rgb(gem, 0, std::min(1.0, core.r * 1.6 + 0.1), std::min(1.0, core.g * 1.6 + 0.1),
                                     std::min(1.0, core.b * 1.6 + 0.1));
    cairo_pattern_add_color_stop_rgb(gem, 0.7, core.r, core.g, core.b);
    cairo_pattern_add_color_stop_rgb(gem, 1, core.r * 0.45, core.g * 0.45, core.b * 0.45);
    cairo_set_source(cr, gem);
    cairo_arc(cr, cx, cy, inner, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(gem);
    // Highlight.
    if (state != State::Pressed) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy - inner * 0.45);
        cairo_scale(cr, inner * 0.7, inner * 0.38);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        cairo_set_source_rgba(cr, 1, 1, 1, disabled ? 0.12 : 0.22);
        cairo_fill(cr);
    }

    // Glyph, with a dark shadow below it.
    const double g = inner * 0.42;
    const double offset = state == State::Pressed ? 1 : 0;
    for (int pass = 0; pass < 2; ++pass) {
        const double dy = pass == 0 ? 1.2 : 0;
        if (glyph == Glyph::Close) {
            cairo_move_to(cr, cx - g + offset, cy - g + offset + dy);
            cairo_line_to(cr, cx + g + offset, cy + g + offset + dy);
            cairo_move_to(cr, cx + g + offset, cy - g + offset + dy);
            cairo_line_to(cr, cx - g + offset, cy + g + offset + dy);
        } else {
            cairo_move_to(cr, cx - g * 1.1 + offset, cy + offset + dy + g * 0.3);
            cairo_line_to(cr, cx + g * 1.1 + offset, cy + offset + dy + g * 0.3);
        }
        if (pass == 0)
            cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
        else if (disabled)
            cairo_set_source_rgb(cr, 0.8, 0.8, 0.78);
        else
            cairo_set_source_rgb(cr, 1.0, 0.96, 0.86);
        cairo_set_line_width(cr, std::max(2.2, size / 14));
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
}

void strip(const std::string& path, int size, Glyph glyph, Hue hue) {
    CairoCanvas canvas(size, size * 4);
    for (int i = 0; i < 4; ++i)
        roundButton(canvas.cr(), i * size, size, glyph, hue, kStates[i]);
    writeInterlacedPng(canvas, Channels::Rgba, path);
}

} // namespace

void drawButtons(const std::string& folder) {
    strip(folder + "/close_160.png", 54, Glyph::Close, {0.62, 0.10, 0.06});
    strip(folder + "/minimise_162.png", 39, Glyph::Minimise, {0.10, 0.32, 0.42});
}

} // namespace artwork
