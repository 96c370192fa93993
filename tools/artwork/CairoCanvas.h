#pragma once

#include <cairo.h>
#include <string>

namespace artwork {

// An image surface with a drawing context on it, both released with the object.
class CairoCanvas {
public:
    CairoCanvas(int width, int height);
    ~CairoCanvas();
    CairoCanvas(const CairoCanvas&) = delete;
    CairoCanvas& operator=(const CairoCanvas&) = delete;

    cairo_t* cr() const { return m_cr; }
    cairo_surface_t* surface() const { return m_surface; }
    int width() const { return m_width; }
    int height() const { return m_height; }

private:
    int m_width;
    int m_height;
    cairo_surface_t* m_surface;
    cairo_t* m_cr;
};

enum class Channels { Rgba, Rgb };

// Writes the canvas as an Adam7-interlaced PNG with 8 bits per channel; throws on failure.
void writeInterlacedPng(const CairoCanvas& canvas, Channels channels, const std::string& path);

// Writes the canvas as a bottom-up 24-bit Windows bitmap file.
void writeBitmap24(const CairoCanvas& canvas, const std::string& path);

// Writes the canvas as an icon file holding one 32-bit image.
void writeIcon32(const CairoCanvas& canvas, const std::string& path);

// Helpers for drawing.
void roundedRectangle(cairo_t* cr, double x, double y, double w, double h, double r);
// Text centred on (cx, cy) in the given font ("WenQuanYi Micro Hei Bold 20").
void centredText(cairo_t* cr, const std::string& text, const std::string& font, double cx, double cy);
// The text's path, centred on (cx, cy), for filling and stroking.
void centredTextPath(cairo_t* cr, const std::string& text, const std::string& font, double cx, double cy);

} // namespace artwork
