#include "tools/artwork/CairoCanvas.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <pango/pangocairo.h>
#include <png.h>
#include <stdexcept>
#include <vector>

namespace artwork {

CairoCanvas::CairoCanvas(int width, int height)
    : m_width(width), m_height(height), m_surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      m_cr(cairo_create(m_surface)) {}

CairoCanvas::~CairoCanvas() {
    cairo_destroy(m_cr);
    cairo_surface_destroy(m_surface);
}

namespace {

// The canvas's pixels as straight (not premultiplied) red, green, blue, alpha bytes.
std::vector<unsigned char> straightRgba(const CairoCanvas& canvas) {
    cairo_surface_flush(canvas.surface());
    const unsigned char* data = cairo_image_surface_get_data(canvas.surface());
    const int stride = cairo_image_surface_get_stride(canvas.surface());
    std::vector<unsigned char> out(static_cast<std::size_t>(canvas.width()) * canvas.height() * 4);
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
        for (int x = 0; x < canvas.width(); ++x) {
            const std::uint32_t p = row[x];
            const unsigned a = p >> 24;
            auto un = [a](unsigned c) { return a == 0 ? 0u : std::min(255u, (c * 255 + a / 2) / a); };
            unsigned char* o = &out[(static_cast<std::size_t>(y) * canvas.width() + x) * 4];
            o[0] = static_cast<unsigned char>(un((p >> 16) & 0xFF));
            o[1] = static_cast<unsigned char>(un((p >> 8) & 0xFF));
            o[2] = static_cast<unsigned char>(un(p & 0xFF));
            o[3] = static_cast<unsigned char>(a);
        }
    }
    return out;
}

void put16(std::ofstream& out, unsigned v) {
    out.put(static_cast<char>(v & 0xFF));
    out.put(static_cast<char>((v >> 8) & 0xFF));
}
void put32(std::ofstream& out, unsigned v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

} // namespace

void writeInterlacedPng(const CairoCanvas& canvas, Channels channels, const std::string& path) {
    const std::vector<unsigned char> rgba = straightRgba(canvas);
    const int components = channels == Channels::Rgba ? 4 : 3;
    std::vector<unsigned char> pixels;
    pixels.reserve(rgba.size());
    for (std::size_t i = 0; i < rgba.size(); i += 4)
        pixels.insert(pixels.end(), rgba.begin() + i, rgba.begin() + i + components);

    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        throw std::runtime_error("cannot write " + path);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        throw std::runtime_error("cannot encode " + path);
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, canvas.width(), canvas.height(), 8,
                 channels == Channels::Rgba ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_ADAM7,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    std::vector<png_bytep> rows(canvas.height());
    for (int y = 0; y < canvas.height(); ++y)
        rows[y] = &pixels[static_cast<std::size_t>(y) * canvas.width() * components];
    png_write_image(png, rows.data()); // writes every Adam7 pass
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

void writeBitmap24(const CairoCanvas& canvas, const std::string& path) {
    const std::vector<unsigned char> rgba = straightRgba(canvas);
    const int rowBytes = (canvas.width() * 3 + 3) & ~3;
    const unsigned imageBytes = static_cast<unsigned>(rowBytes * canvas.height());
    std::ofstream out(path, std::ios::binary);
    out.put('B');
    out.put('M');
    put32(out, 14 + 40 + imageBytes);
    put32(out, 0);
    put32(out, 14 + 40);
    put32(out, 40);
    put32(out, static_cast<unsigned>(canvas.width()));
    put32(out, static_cast<unsigned>(canvas.height()));
    put16(out, 1);
    put16(out, 24);
    put32(out, 0);
    put32(out, imageBytes);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    for (int y = canvas.height() - 1; y >= 0; --y) {
        int written = 0;
        for (int x = 0; x < canvas.width(); ++x, written += 3) {
            const unsigned char* p = &rgba[(static_cast<std::size_t>(y) * canvas.width() + x) * 4];
            out.put(static_cast<char>(p[2]));
            out.put(static_cast<char>(p[1]));
            out.put(static_cast<char>(p[0]));
        }
        for (; written < rowBytes; ++written)
            out.put(0);
    }
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

void writeIcon32(const CairoCanvas& canvas, const std::string& path) {
    const std::vector<unsigned char> rgba = straightRgba(canvas);
    const int w = canvas.width();
    const int h = canvas.height();
    const int maskRow = ((w + 31) / 32) * 4;
    const unsigned imageBytes = static_cast<unsigned>(40 + w * h * 4 + maskRow * h);
    std::ofstream out(path, std::ios::binary);
    put16(out, 0);
    put16(out, 1); // an icon
    put16(out, 1); // one image
    out.put(static_cast<char>(w));
    out.put(static_cast<char>(h));
    out.put(0);
    out.put(0);
    put16(out, 1);
    put16(out, 32);
    put32(out, imageBytes);
    put32(out, 6 + 16);
    put32(out, 40);
    put32(out, static_cast<unsigned>(w));
    put32(out, static_cast<unsigned>(h * 2)); // colour and mask
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);
    put32(out, static_cast<unsigned>(w * h * 4 + maskRow * h));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            const unsigned char* p = &rgba[(static_cast<std::size_t>(y) * w + x) * 4];
            out.put(static_cast<char>(p[2]));
            out.put(static_cast<char>(p[1]));
            out.put(static_cast<char>(p[0]));
            out.put(static_cast<char>(p[3]));
        }
    for (int i = 0; i < maskRow * h; ++i)
        out.put(0); // the alpha channel decides; the mask shows everything
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

void roundedRectangle(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

namespace {

void layoutAt(cairo_t* cr, const std::string& text, const std::string& font, double cx, double cy, bool path) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* description = pango_font_description_from_string(font.c_str());
    pango_layout_set_font_description(layout, description);
    pango_layout_set_text(layout, text.c_str(), -1);
    PangoRectangle ink;
    pango_layout_get_pixel_extents(layout, &ink, nullptr);
    cairo_move_to(cr, cx - ink.x - ink.width / 2.0, cy - ink.y - ink.height / 2.0);
    if (path)
        pango_cairo_layout_path(cr, layout);
    else
        pango_cairo_show_layout(cr, layout);
    pango_font_description_free(description);
    g_object_unref(layout);
}

} // namespace

void centredText(cairo_t* cr, const std::string& text, const std::string& font, double cx, double cy) {
    layoutAt(cr, text, font, cx, cy, false);
}

void centredTextPath(cairo_t* cr, const std::string& text, const std::string& font, double cx, double cy) {
    layoutAt(cr, text, font, cx, cy, true);
}

} // namespace artwork
