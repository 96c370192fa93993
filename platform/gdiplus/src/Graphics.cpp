#include "platform/gdiplus/Graphics.h"

#include "platform/gdi/Surfaces.h"

#include <cairo.h>

namespace Gdiplus {

Graphics::Graphics(HDC dc) : m_dc(dc) {
    if (!platform::gdi::surfaceOf(dc))
        m_lastStatus = InvalidParameter;
}

Status Graphics::GetLastStatus() const {
    const Status status = m_lastStatus;
    m_lastStatus = Ok;
    return status;
}

Status Graphics::draw(Image* image, double m[6], INT srcX, INT srcY, INT srcWidth, INT srcHeight) {
    cairo_surface_t* target = platform::gdi::surfaceOf(m_dc);
    cairo_surface_t* source = image ? image->surface() : nullptr;
    if (!target || !source || srcWidth <= 0 || srcHeight <= 0)
        return m_lastStatus = InvalidParameter;
    const RECT clip = platform::gdi::clipOf(m_dc);
    const POINT origin = platform::gdi::originOf(m_dc);
    cairo_t* cr = cairo_create(target);
    cairo_rectangle(cr, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top);
    cairo_clip(cr);
    cairo_translate(cr, origin.x, origin.y);
    cairo_matrix_t placement;
    cairo_matrix_init(&placement, m[0], m[1], m[2], m[3], m[4], m[5]);
    cairo_transform(cr, &placement);
    cairo_rectangle(cr, 0, 0, srcWidth, srcHeight);
    cairo_clip(cr);
    cairo_set_source_surface(cr, source, -srcX, -srcY);
    // Unscaled drawing copies pixels exactly; scaled drawing filters.
    const bool unscaled = m[0] == 1 && m[1] == 0 && m[2] == 0 && m[3] == 1;
    cairo_pattern_set_filter(cairo_get_source(cr),
                             unscaled ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_paint(cr);
    cairo_destroy(cr);
    return m_lastStatus = Ok;
}

Status Graphics::DrawImage(Image* image, const Point* points, INT count) {
    if (!image || !points || count != 3)
        return m_lastStatus = InvalidParameter;
    const double w = image->GetWidth(), h = image->GetHeight();
    if (w == 0 || h == 0)
        return m_lastStatus = InvalidParameter;
    double m[6] = {(points[1].X - points[0].X) / w,  (points[1].Y - points[0].Y) / w,
                   (points[2].X - points[0].X) / h,  (points[2].Y - points[0].Y) / h,
                   static_cast<double>(points[0].X), static_cast<double>(points[0].Y)};
    return draw(image, m, 0, 0, static_cast<INT>(w), static_cast<INT>(h));
}

Status Graphics::DrawImage(Image* image, INT x, INT y) {
    if (!image)
        return m_lastStatus = InvalidParameter;
    const INT w = static_cast<INT>(image->GetWidth()), h = static_cast<INT>(image->GetHeight());
    return DrawImage(image, x, y, 0, 0, w, h, UnitPixel);
}

Status Graphics::DrawImage(Image* image, const Rect& dest, INT srcX, INT srcY, INT srcWidth,
                           INT srcHeight, Unit srcUnit) {
    if (srcUnit != UnitPixel || srcWidth <= 0 || srcHeight <= 0)
        return m_lastStatus = InvalidParameter;
    double m[6] = {static_cast<double>(dest.Width) / srcWidth,
                   0,
                   0,
                   static_cast<double>(dest.Height) / srcHeight,
                   static_cast<double>(dest.X),
                   static_cast<double>(dest.Y)};
    return draw(image, m, srcX, srcY, srcWidth, srcHeight);
}

Status Graphics::DrawImage(Image* image, INT x, INT y, INT srcX, INT srcY, INT srcWidth,
                           INT srcHeight, Unit srcUnit) {
    return DrawImage(image, Rect(x, y, srcWidth, srcHeight), srcX, srcY, srcWidth, srcHeight,
                     srcUnit);
}

} // namespace Gdiplus
