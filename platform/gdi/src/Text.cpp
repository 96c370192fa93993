#include "GdiObjects.h"

#include "platform/base/Utf16.h"
#include "platform/gdi/Surfaces.h"

#include <cmath>
#include <pango/pangocairo.h>

namespace platform::gdi {

namespace {

// Faces of the platform the program names, and what stands for them here.
std::string faceFor(const std::u16string& face) {
    if (face.empty() || face == u"MS Shell Dlg" || face == u"MS Shell Dlg 2" || face == u"宋体" ||
        face == u"SimSun")
        return "WenQuanYi Micro Hei, DejaVu Sans, Sans";
    if (face == u"Arial")
        return "DejaVu Sans, WenQuanYi Micro Hei, Sans";
    return utf16ToUtf8(face) + ", WenQuanYi Micro Hei, Sans";
}

// A Pango description of the font: sizes are pixels (the screen has 96 dots per inch).
PangoFontDescription* describe(const GdiObject* font) {
    PangoFontDescription* d = pango_font_description_new();
    pango_font_description_set_family(d, faceFor(font ? font->face : u"").c_str());
    const double pixels = font ? font->pixelHeight : 12.0;
    pango_font_description_set_absolute_size(d, pixels * PANGO_SCALE);
    pango_font_description_set_weight(d,
                                      font && font->bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    return d;
}

} // namespace

} // namespace platform::gdi

using namespace platform::gdi;

HFONT CreateFontIndirectW(const LOGFONTW* logFont) {
    if (!logFont)
        return nullptr;
    auto* font = new GdiObject(ObjectKind::Font);
    font->face = std::u16string(logFont->lfFaceName, platform::wideLength(logFont->lfFaceName));
    // A negative height is the character height; a positive one includes the internal leading.
    font->pixelHeight = logFont->lfHeight < 0   ? -logFont->lfHeight
                        : logFont->lfHeight > 0 ? logFont->lfHeight * 0.85
                                                : 12;
    font->bold = logFont->lfWeight >= FW_BOLD;
    return registerObject(font);
}

int DrawTextW(HDC dc, LPCWSTR text, int length, RECT* rect, UINT format) {
    cairo_surface_t* surface = surfaceOf(dc);
    if (!surface || !text || !rect)
        return 0;
    const std::u16string wide = length < 0 ? std::u16string(text) : std::u16string(text, length);
    const std::string utf8 = platform::utf16ToUtf8(wide);
    cairo_t* cr = cairo_create(surface);
    const RECT clip = clipOf(dc);
    const POINT origin = originOf(dc);
    cairo_rectangle(cr, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top);
    cairo_clip(cr);
    cairo_translate(cr, origin.x, origin.y);
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* description = describe(objectOf(fontOf(dc)));
    pango_layout_set_font_description(layout, description);
    pango_layout_set_text(layout, utf8.c_str(), -1);
    const int width = rect->right - rect->left;
    if (!(format & DT_SINGLELINE) && (format & DT_WORDBREAK)) {
        pango_layout_set_width(layout, width * PANGO_SCALE);
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
    }
    pango_layout_set_alignment(layout, (format & DT_CENTER)  ? PANGO_ALIGN_CENTER
                                       : (format & DT_RIGHT) ? PANGO_ALIGN_RIGHT
                                                             : PANGO_ALIGN_LEFT);
    int textWidth = 0, textHeight = 0;
    pango_layout_get_pixel_size(layout, &textWidth, &textHeight);
    if (format & DT_CALCRECT) {
        rect->right = rect->left + textWidth;
        rect->bottom = rect->top + textHeight;
    } else {
        double x = rect->left;
        if (pango_layout_get_width(layout) < 0) {
            if (format & DT_CENTER)
                x += (width - textWidth) / 2.0;
            else if (format & DT_RIGHT)
                x += width - textWidth;
        }
        double y = rect->top;
        if ((format & DT_VCENTER) && (format & DT_SINGLELINE))
            y += (rect->bottom - rect->top - textHeight) / 2.0;
        cairo_rectangle(cr, rect->left, rect->top, width, rect->bottom - rect->top);
        cairo_clip(cr);
        const COLORREF colour = textColourOf(dc);
        cairo_set_source_rgb(cr, GetRValue(colour) / 255.0, GetGValue(colour) / 255.0,
                             GetBValue(colour) / 255.0);
        cairo_move_to(cr, std::round(x), std::round(y));
        pango_cairo_show_layout(cr, layout);
    }
    pango_font_description_free(description);
    g_object_unref(layout);
    cairo_destroy(cr);
    return textHeight;
}

BOOL GetTextMetricsW(HDC dc, TEXTMETRICW* metrics) {
    if (!surfaceOf(dc) || !metrics)
        return FALSE;
    PangoFontMap* map = pango_cairo_font_map_get_default();
    PangoContext* context = pango_font_map_create_context(map);
    PangoFontDescription* description = describe(objectOf(fontOf(dc)));
    PangoFontMetrics* m = pango_context_get_metrics(context, description, nullptr);
    metrics->tmAscent = PANGO_PIXELS(pango_font_metrics_get_ascent(m));
    metrics->tmDescent = PANGO_PIXELS(pango_font_metrics_get_descent(m));
    metrics->tmHeight = metrics->tmAscent + metrics->tmDescent;
    metrics->tmAveCharWidth = PANGO_PIXELS(pango_font_metrics_get_approximate_char_width(m));
    pango_font_metrics_unref(m);
    pango_font_description_free(description);
    g_object_unref(context);
    return TRUE;
}
