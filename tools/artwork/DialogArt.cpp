#include "tools/artwork/Art.h"
#include "tools/artwork/CairoCanvas.h"

#include <cmath>
#include <random>

namespace artwork {

namespace {

// The dialog's background colour, which the opaque button strips are drawn on as well.
constexpr double kBackR = 0.17, kBackG = 0.105, kBackB = 0.065;

void filigree(cairo_t* cr, double x, double y, double dx, double dy) {
    cairo_set_line_width(cr, 1.3);
    cairo_move_to(cr, x, y + dy * 22);
    cairo_line_to(cr, x, y);
    cairo_line_to(cr, x + dx * 22, y);
    cairo_stroke(cr);
    cairo_move_to(cr, x + dx * 4, y + dy * 30);
    cairo_curve_to(cr, x + dx * 4, y + dy * 12, x + dx * 12, y + dy * 4, x + dx * 30, y + dy * 4);
    cairo_stroke(cr);
    cairo_arc(cr, x + dx * 9, y + dy * 9, 2.3, 0, 2 * M_PI);
    cairo_fill(cr);
}

enum class State { Normal, Hover, Pressed, Disabled };

void dialogButton(cairo_t* cr, double top, const std::string& text, State state) {
    cairo_set_source_rgb(cr, kBackR, kBackG, kBackB);
    cairo_rectangle(cr, 0, top, 74, 26);
    cairo_fill(cr);
    const bool disabled = state == State::Disabled;
    const double f = state == State::Hover ? 1.3 : state == State::Pressed ? 0.72 : 1.0;
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, top + 1, 0, top + 25);
    if (disabled) {
        cairo_pattern_add_color_stop_rgb(fill, 0, 0.38, 0.36, 0.34);
        cairo_pattern_add_color_stop_rgb(fill, 1, 0.22, 0.21, 0.20);
    } else {
        cairo_pattern_add_color_stop_rgb(fill, 0, 0.55 * f, 0.22 * f, 0.10 * f);
        cairo_pattern_add_color_stop_rgb(fill, 0.5, 0.40 * f, 0.13 * f, 0.05 * f);
        cairo_pattern_add_color_stop_rgb(fill, 1, 0.26 * f, 0.08 * f, 0.03 * f);
    }
    roundedRectangle(cr, 1.5, top + 1.5, 71, 23, 4);
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    if (disabled)
        cairo_set_source_rgb(cr, 0.5, 0.5, 0.48);
    else
        cairo_set_source_rgb(cr, 0.86 * std::min(1.15, f), 0.66 * std::min(1.15, f), 0.30);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    if (state != State::Pressed) {
        cairo_move_to(cr, 5, top + 3.5);
        cairo_line_to(cr, 69, top + 3.5);
        cairo_set_source_rgba(cr, 1, 0.9, 0.7, 0.25);
        cairo_stroke(cr);
    }
    const double shift = state == State::Pressed ? 1 : 0;
    cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
    centredText(cr, text, "WenQuanYi Micro Hei Bold 11", 37 + shift, top + 14 + shift);
    if (disabled)
        cairo_set_source_rgb(cr, 0.7, 0.7, 0.68);
    else
        cairo_set_source_rgb(cr, 1.0, 0.90, 0.62);
    centredText(cr, text, "WenQuanYi Micro Hei Bold 11", 37 + shift, top + 13 + shift);
}

void buttonStrip(const std::string& path, const std::string& text) {
    CairoCanvas canvas(74, 104);
    const State states[] = {State::Normal, State::Hover, State::Pressed, State::Disabled};
    for (int i = 0; i < 4; ++i)
        dialogButton(canvas.cr(), i * 26, text, states[i]);
    writeInterlacedPng(canvas, Channels::Rgb, path);
}

void background(const std::string& path) {
    CairoCanvas canvas(256, 110);
    cairo_t* cr = canvas.cr();
    cairo_pattern_t* p = cairo_pattern_create_radial(128, 30, 10, 128, 55, 170);
    cairo_pattern_add_color_stop_rgb(p, 0, kBackR * 1.5, kBackG * 1.5, kBackB * 1.5);
    cairo_pattern_add_color_stop_rgb(p, 0.6, kBackR, kBackG, kBackB);
    cairo_pattern_add_color_stop_rgb(p, 1, kBackR * 0.6, kBackG * 0.6, kBackB * 0.6);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    // A faint grain, like worn leather.
    std::mt19937 rng(177);
    std::uniform_real_distribution<double> u(0, 1);
    for (int i = 0; i < 1400; ++i) {
        cairo_set_source_rgba(cr, 0, 0, 0, 0.08 * u(rng));
        cairo_rectangle(cr, u(rng) * 256, u(rng) * 110, 1, 1);
        cairo_fill(cr);
    }
    cairo_set_source_rgb(cr, 0.80, 0.60, 0.28);
    cairo_set_line_width(cr, 1.5);
    cairo_rectangle(cr, 3.5, 3.5, 249, 103);
    cairo_stroke(cr);
    cairo_set_source_rgba(cr, 0.80, 0.60, 0.28, 0.4);
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, 7.5, 7.5, 241, 95);
    cairo_stroke(cr);
    cairo_set_source_rgb(cr, 0.90, 0.70, 0.35);
    filigree(cr, 10, 10, 1, 1);
    filigree(cr, 246, 10, -1, 1);
    filigree(cr, 10, 100, 1, -1);
    filigree(cr, 246, 100, -1, -1);
    // A line under the title's place.
    cairo_set_source_rgba(cr, 0.8, 0.6, 0.3, 0.6);
    cairo_move_to(cr, 60, 27.5);
    cairo_line_to(cr, 196, 27.5);
    cairo_stroke(cr);
    writeBitmap24(canvas, path);
}

} // namespace

void drawDialog(const std::string& folder) {
    buttonStrip(folder + "/confirm_175.png", "确定");
    buttonStrip(folder + "/cancel_176.png", "取消");
    background(folder + "/confirm_177.bmp");
}

} // namespace artwork
