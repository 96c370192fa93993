#include "tools/artwork/Art.h"
#include "tools/artwork/CairoCanvas.h"

#include <cmath>
#include <random>
#include <vector>

namespace artwork {

namespace {

constexpr int kWidth = 1334;
constexpr int kHeight = 725;
// The picture proper; around it only the glow.
constexpr double kBodyX = 26, kBodyY = 30, kBodyW = 1282, kBodyH = 669, kBodyRadius = 30;
constexpr double kGlow = 24;
// The frame around the browser's panel (x 560-1191, y 177-623) and its header band.
constexpr double kFrameX = 546, kFrameY = 96, kFrameW = 660, kFrameH = 541;
constexpr double kPanelX = 560, kPanelY = 177, kPanelW = 631, kPanelH = 446;

void gold(cairo_pattern_t* p) {
    cairo_pattern_add_color_stop_rgb(p, 0.0, 1.00, 0.93, 0.66);
    cairo_pattern_add_color_stop_rgb(p, 0.45, 0.88, 0.68, 0.30);
    cairo_pattern_add_color_stop_rgb(p, 0.55, 0.70, 0.48, 0.17);
    cairo_pattern_add_color_stop_rgb(p, 1.0, 0.98, 0.84, 0.50);
}

// A ridge line by midpoint displacement, from x0 to x1 around the base height.
std::vector<double> ridge(std::mt19937& rng, int points, double base, double roughness) {
    std::vector<double> h(points, base);
    std::uniform_real_distribution<double> jitter(-1.0, 1.0);
    h.front() = base + jitter(rng) * roughness;
    h.back() = base + jitter(rng) * roughness;
    for (int step = points - 1; step > 1; step /= 2) {
        for (int i = step / 2; i < points - 1; i += step) {
            const int left = i - step / 2, right = std::min(points - 1, i + step / 2);
            h[i] = (h[left] + h[right]) / 2 + jitter(rng) * roughness * step / points;
        }
    }
    return h;
}

void mountains(cairo_t* cr, std::mt19937& rng, double base, double roughness, double r, double g, double b,
               double a) {
    const int points = 257;
    const auto h = ridge(rng, points, base, roughness);
    cairo_move_to(cr, kBodyX, kBodyY + kBodyH);
    for (int i = 0; i < points; ++i)
        cairo_line_to(cr, kBodyX + kBodyW * i / (points - 1), h[i]);
    cairo_line_to(cr, kBodyX + kBodyW, kBodyY + kBodyH);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, r, g, b, a);
    cairo_fill(cr);
}

void castle(cairo_t* cr, double x, double ground) {
    cairo_set_source_rgb(cr, 0.05, 0.03, 0.06);
    auto tower = [&](double cx, double w, double h) {
        cairo_rectangle(cr, cx - w / 2, ground - h, w, h);
        cairo_move_to(cr, cx - w / 2 - 4, ground - h);
        cairo_line_to(cr, cx, ground - h - w * 1.3);
        cairo_line_to(cr, cx + w / 2 + 4, ground - h);
        cairo_close_path(cr);
    };
    cairo_rectangle(cr, x - 90, ground - 60, 180, 80);
    tower(x - 80, 22, 95);
    tower(x - 35, 26, 130);
    tower(x + 10, 34, 175);
    tower(x + 55, 24, 115);
    tower(x + 88, 18, 80);
    cairo_fill(cr);
    // Lit windows.
    cairo_set_source_rgba(cr, 1.0, 0.75, 0.35, 0.9);
    for (auto [wx, wy] : {std::pair{8.0, -140.0}, {8.0, -110.0}, {-37.0, -100.0}, {53.0, -85.0}, {-82.0, -70.0}})
        cairo_rectangle(cr, x + wx, ground + wy, 4, 7);
    cairo_fill(cr);
}

void sky(cairo_t* cr, std::mt19937& rng) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, kBodyY, 0, kBodyY + kBodyH);
    cairo_pattern_add_color_stop_rgb(p, 0.00, 0.04, 0.05, 0.16);
    cairo_pattern_add_color_stop_rgb(p, 0.35, 0.14, 0.10, 0.30);
    cairo_pattern_add_color_stop_rgb(p, 0.62, 0.55, 0.24, 0.26);
    cairo_pattern_add_color_stop_rgb(p, 0.74, 0.93, 0.55, 0.30);
    cairo_pattern_add_color_stop_rgb(p, 1.00, 0.30, 0.14, 0.12);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);

    std::uniform_real_distribution<double> ux(kBodyX, kBodyX + kBodyW), uy(kBodyY, kBodyY + 330), ua(0.2, 1.0),
        us(0.4, 1.5);
    for (int i = 0; i < 420; ++i) {
        const double y = uy(rng);
        cairo_set_source_rgba(cr, 1.0, 0.97, 0.9, ua(rng) * (1.0 - (y - kBodyY) / 360.0));
        cairo_arc(cr, ux(rng), y, us(rng), 0, 2 * M_PI);
        cairo_fill(cr);
    }
    // The setting sun behind the castle.
    cairo_pattern_t* sun = cairo_pattern_create_radial(330, 470, 10, 330, 470, 330);
    cairo_pattern_add_color_stop_rgba(sun, 0.0, 1.0, 0.93, 0.72, 1.0);
    cairo_pattern_add_color_stop_rgba(sun, 0.12, 1.0, 0.78, 0.42, 0.85);
    cairo_pattern_add_color_stop_rgba(sun, 0.45, 0.95, 0.45, 0.25, 0.25);
    cairo_pattern_add_color_stop_rgba(sun, 1.0, 0.9, 0.3, 0.2, 0.0);
    cairo_set_source(cr, sun);
    cairo_paint(cr);
    cairo_pattern_destroy(sun);
}

void landscape(cairo_t* cr, std::mt19937& rng) {
    mountains(cr, rng, 430, 120, 0.42, 0.22, 0.34, 0.55);
    mountains(cr, rng, 480, 110, 0.24, 0.12, 0.22, 0.80);
    // Mist over the valley.
    cairo_pattern_t* mist = cairo_pattern_create_linear(0, 470, 0, 560);
    cairo_pattern_add_color_stop_rgba(mist, 0, 1.0, 0.75, 0.55, 0.0);
    cairo_pattern_add_color_stop_rgba(mist, 0.5, 1.0, 0.72, 0.55, 0.22);
    cairo_pattern_add_color_stop_rgba(mist, 1, 1.0, 0.7, 0.5, 0.0);
    cairo_set_source(cr, mist);
    cairo_rectangle(cr, kBodyX, 470, kBodyW, 90);
    cairo_fill(cr);
    cairo_pattern_destroy(mist);
    castle(cr, 330, 560);
    // The hill the castle stands on.
    cairo_move_to(cr, 330 - 330, 700);
    cairo_curve_to(cr, 330 - 200, 600, 330 - 140, 552, 330, 550);
    cairo_curve_to(cr, 330 + 140, 552, 330 + 200, 600, 330 + 330, 700);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 0.09, 0.045, 0.08);
    cairo_fill(cr);
    mountains(cr, rng, 575, 70, 0.10, 0.05, 0.09, 1.0);
    mountains(cr, rng, 640, 50, 0.05, 0.025, 0.05, 1.0);
}

void vignette(cairo_t* cr) {
    cairo_pattern_t* v = cairo_pattern_create_radial(kWidth / 2.0, kHeight / 2.0, 300, kWidth / 2.0, kHeight / 2.0, 800);
    cairo_pattern_add_color_stop_rgba(v, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(v, 1, 0, 0, 0, 0.55);
    cairo_set_source(cr, v);
    cairo_paint(cr);
    cairo_pattern_destroy(v);
}

void title(cairo_t* cr) {
    const double cx = 290, cy = 175;
    // Glow behind the letters.
    for (int i = 12; i >= 1; --i) {
        centredTextPath(cr, "奥凡奎恩", "WenQuanYi Micro Hei Bold 74", cx, cy);
        cairo_set_source_rgba(cr, 1.0, 0.6, 0.2, 0.035);
        cairo_set_line_width(cr, i * 2.2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    }
    centredTextPath(cr, "奥凡奎恩", "WenQuanYi Micro Hei Bold 74", cx, cy);
    cairo_set_source_rgb(cr, 0.18, 0.08, 0.02);
    cairo_set_line_width(cr, 5);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, cy - 45, 0, cy + 45);
    gold(p);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);

    cairo_set_source_rgba(cr, 0.96, 0.86, 0.62, 0.95);
    centredText(cr, "O R V A N E   ·   Q U O R N", "DejaVu Serif Bold 17", cx, cy + 72);
    // A thin rule with a diamond between the name and the tagline.
    cairo_set_source_rgba(cr, 0.85, 0.66, 0.32, 0.9);
    cairo_set_line_width(cr, 1.2);
    cairo_move_to(cr, cx - 150, cy + 100);
    cairo_line_to(cr, cx - 12, cy + 100);
    cairo_move_to(cr, cx + 12, cy + 100);
    cairo_line_to(cr, cx + 150, cy + 100);
    cairo_stroke(cr);
    cairo_move_to(cr, cx, cy + 93);
    cairo_line_to(cr, cx + 7, cy + 100);
    cairo_line_to(cr, cx, cy + 107);
    cairo_line_to(cr, cx - 7, cy + 100);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_set_source_rgba(cr, 1.0, 0.95, 0.85, 0.9);
    centredText(cr, "星落之地  ·  英雄再临", "WenQuanYi Micro Hei 19", cx, cy + 128);
}

void cornerOrnament(cairo_t* cr, double x, double y, double dx, double dy) {
    cairo_move_to(cr, x, y + dy * 26);
    cairo_line_to(cr, x, y);
    cairo_line_to(cr, x + dx * 26, y);
    cairo_stroke(cr);
    cairo_move_to(cr, x + dx * 6, y + dy * 6);
    cairo_line_to(cr, x + dx * 10, y + dy * 2);
    cairo_line_to(cr, x + dx * 14, y + dy * 6);
    cairo_line_to(cr, x + dx * 10, y + dy * 10);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void buttonSpot(cairo_t* cr, double cx, double cy, double r) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy - r * 0.3, r * 0.2, cx, cy, r + 4);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.02, 0.01, 0.01, 0.95);
    cairo_pattern_add_color_stop_rgba(p, 0.8, 0.08, 0.05, 0.03, 0.95);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.0, 0.0, 0.0, 0.0);
    cairo_set_source(cr, p);
    cairo_arc(cr, cx, cy, r + 4, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_set_source_rgba(cr, 0.78, 0.58, 0.28, 0.85);
    cairo_set_line_width(cr, 1.2);
    cairo_arc(cr, cx, cy, r + 1, 0, 2 * M_PI);
    cairo_stroke(cr);
}

void panel(cairo_t* cr) {
    // Shadow under the frame.
    for (int i = 10; i >= 1; --i) {
        roundedRectangle(cr, kFrameX - i, kFrameY - i + 4, kFrameW + 2 * i, kFrameH + 2 * i, 10 + i);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.05);
        cairo_fill(cr);
    }
    roundedRectangle(cr, kFrameX, kFrameY, kFrameW, kFrameH, 10);
    cairo_pattern_t* band = cairo_pattern_create_linear(0, kFrameY, 0, kFrameY + kFrameH);
    cairo_pattern_add_color_stop_rgba(band, 0, 0.17, 0.12, 0.08, 0.96);
    cairo_pattern_add_color_stop_rgba(band, 0.15, 0.09, 0.07, 0.05, 0.97);
    cairo_pattern_add_color_stop_rgba(band, 1, 0.05, 0.04, 0.03, 0.97);
    cairo_set_source(cr, band);
    cairo_fill(cr);
    cairo_pattern_destroy(band);

    // The browser's area: the darkest part, its edge marked by a fine line.
    cairo_rectangle(cr, kPanelX, kPanelY, kPanelW, kPanelH);
    cairo_set_source_rgb(cr, 0.055, 0.043, 0.033);
    cairo_fill(cr);
    cairo_rectangle(cr, kPanelX - 1.5, kPanelY - 1.5, kPanelW + 3, kPanelH + 3);
    cairo_set_source_rgba(cr, 0.55, 0.40, 0.20, 0.8);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);

    // Gold frame, double line.
    cairo_pattern_t* p = cairo_pattern_create_linear(kFrameX, kFrameY, kFrameX + kFrameW, kFrameY + kFrameH);
    gold(p);
    cairo_set_source(cr, p);
    cairo_set_line_width(cr, 2);
    roundedRectangle(cr, kFrameX, kFrameY, kFrameW, kFrameH, 10);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1);
    roundedRectangle(cr, kFrameX + 5, kFrameY + 5, kFrameW - 10, kFrameH - 10, 7);
    cairo_set_source_rgba(cr, 0.75, 0.56, 0.26, 0.45);
    cairo_stroke(cr);
    cairo_set_source(cr, p);
    cairo_set_line_width(cr, 2);
    cornerOrnament(cr, kFrameX + 10, kFrameY + kFrameH - 10, 1, -1);
    cornerOrnament(cr, kFrameX + kFrameW - 10, kFrameY + kFrameH - 10, -1, -1);
    cornerOrnament(cr, kFrameX + 10, kFrameY + 10, 1, 1);
    cairo_pattern_destroy(p);

    // The header band: the launcher's name on the left, the button spots on the right.
    cairo_set_source_rgba(cr, 0.95, 0.80, 0.50, 0.95);
    centredText(cr, "TARNWICK  通行证", "WenQuanYi Micro Hei Bold 17", kFrameX + 150, 137);
    cairo_set_source_rgba(cr, 0.65, 0.55, 0.40, 0.9);
    centredText(cr, "一个账号  畅游奥凡全部大区", "WenQuanYi Micro Hei 11", kFrameX + 150, 160);
    buttonSpot(cr, 1192.5, 156.5, 19);
    buttonSpot(cr, 1235, 142, 26);
}

void body(cairo_t* cr) {
    std::mt19937 rng(20261211);
    cairo_save(cr);
    roundedRectangle(cr, kBodyX, kBodyY, kBodyW, kBodyH, kBodyRadius);
    cairo_clip(cr);
    sky(cr, rng);
    landscape(cr, rng);
    vignette(cr);
    title(cr);
    panel(cr);
    // Version line at the bottom left.
    cairo_set_source_rgba(cr, 0.8, 0.7, 0.55, 0.6);
    centredText(cr, "Tarnwick 0.1  ·  健康游戏忠告：抵制不良游戏，拒绝盗版游戏", "WenQuanYi Micro Hei 10", 290, 672);
    cairo_restore(cr);

    // The edge: a gold line with a dark line inside.
    cairo_pattern_t* p = cairo_pattern_create_linear(0, kBodyY, 0, kBodyY + kBodyH);
    gold(p);
    roundedRectangle(cr, kBodyX + 1, kBodyY + 1, kBodyW - 2, kBodyH - 2, kBodyRadius - 1);
    cairo_set_source(cr, p);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    cairo_pattern_destroy(p);
    roundedRectangle(cr, kBodyX + 4, kBodyY + 4, kBodyW - 8, kBodyH - 8, kBodyRadius - 4);
    cairo_set_source_rgba(cr, 0.1, 0.05, 0.02, 0.7);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void glow(cairo_t* cr) {
    // Concentric rings fading outwards: a soft amber halo, gone before the picture's edges.
    for (int i = static_cast<int>(kGlow); i >= 1; --i) {
        const double t = i / kGlow;
        roundedRectangle(cr, kBodyX - i, kBodyY - i, kBodyW + 2 * i, kBodyH + 2 * i, kBodyRadius + i);
        cairo_set_source_rgba(cr, 1.0, 0.62, 0.22, 0.16 * (1 - t) * (1 - t) + 0.006);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
}

} // namespace

void drawSplash(const std::string& folder) {
    CairoCanvas canvas(kWidth, kHeight);
    glow(canvas.cr());
    body(canvas.cr());
    writeInterlacedPng(canvas, Channels::Rgba, folder + "/login_155.png");
}

} // namespace artwork
