// Text output and measuring with Pango. Missing glyphs (Chinese in a Latin face) fall back
// through fontconfig to a face that has them.
#include <cairo.h>
#include <pango/pangocairo.h>

#include "core/FontRegistry.h"
#include "core/MRender.h"
#include "core/TextUtil.h"

namespace VKUI {

namespace {

PangoFontDescription* Describe(const FontSpec& font) {
    PangoFontDescription* d = pango_font_description_new();
    std::string family = ResolveFontFamily(font.face) + ",sans-serif";
    pango_font_description_set_family(d, family.c_str());
    pango_font_description_set_absolute_size(d, std::max(1, font.size) * PANGO_SCALE);
    pango_font_description_set_weight(
        d, (font.style & FontStyleBold) ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(
        d, (font.style & FontStyleItalic) ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    return d;
}

PangoLayout* MakeLayout(cairo_t* cr, const FontSpec& font, unsigned format, int width,
                        const CString& text) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* d = Describe(font);
    pango_layout_set_font_description(layout, d);
    pango_font_description_free(d);
    std::string utf8 = ToUtf8(text);
    pango_layout_set_text(layout, utf8.c_str(), static_cast<int>(utf8.size()));
    if (font.style & (FontStyleUnderline | FontStyleStrikeout)) {
        PangoAttrList* attrs = pango_attr_list_new();
        if (font.style & FontStyleUnderline)
            pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
        if (font.style & FontStyleStrikeout)
            pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
        pango_layout_set_attributes(layout, attrs);
        pango_attr_list_unref(attrs);
    }
    bool wrap = (format & DT_WORDBREAK) && !(format & DT_SINGLELINE);
    if (width > 0 && (wrap || (format & DT_END_ELLIPSIS))) {
        pango_layout_set_width(layout, width * PANGO_SCALE);
        if (wrap)
            pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
        if (format & DT_END_ELLIPSIS)
            pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_END);
        if (!wrap)
            pango_layout_set_single_paragraph_mode(layout, TRUE);
    }
    if (format & DT_SINGLELINE)
        pango_layout_set_single_paragraph_mode(layout, TRUE);
    PangoAlignment align = (format & 3) == DT_CENTER  ? PANGO_ALIGN_CENTER
                           : (format & 3) == DT_RIGHT ? PANGO_ALIGN_RIGHT
                                                      : PANGO_ALIGN_LEFT;
    pango_layout_set_alignment(layout, align);
    return layout;
}

cairo_t* MeasureContext() {
    thread_local cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    thread_local cairo_t* cr = cairo_create(surface);
    return cr;
}

}  // namespace

void MRender::DrawTextW(HDC dc, const CRect& rect, const CString& text, ARGB colour,
                        const FontSpec& font, unsigned format) {
    if (!dc || text.empty() || rect.IsRectEmpty() || (colour >> 24) == 0)
        return;
    cairo_t* cr = dc->Cairo();
    DCSave save(dc);
    cairo_rectangle(cr, rect.left, rect.top, rect.Width(), rect.Height());
    cairo_clip(cr);
    PangoLayout* layout = MakeLayout(cr, font, format, rect.Width(), text);
    int w = 0, h = 0;
    pango_layout_get_pixel_size(layout, &w, &h);
    bool laidOutWide = pango_layout_get_width(layout) > 0;
    CPoint o = GetOriginPoint(rect, laidOutWide ? rect.Width() : w, h, format & 3, format & 0xC);
    SetSource(dc, colour);
    cairo_move_to(cr, rect.left + o.x, rect.top + o.y);
    pango_cairo_show_layout(cr, layout);
    g_object_unref(layout);
}

CSize MRender::GetTextBounds(const FontSpec& font, unsigned format, int width,
                             const CString& text) {
    PangoLayout* layout = MakeLayout(MeasureContext(), font, format, width, text);
    int w = 0, h = 0;
    pango_layout_get_pixel_size(layout, &w, &h);
    g_object_unref(layout);
    return {w, h};
}

CSize MRender::GetTextBounds(const FontSpec& font, unsigned format, const CString& text) {
    return GetTextBounds(font, format, 0, text);
}

CSize MRender::GetTextBounds(const FontSpec& font, const CString& text) {
    return GetTextBounds(font, DT_SINGLELINE, 0, text);
}

}  // namespace VKUI
