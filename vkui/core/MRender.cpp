#include "core/MRender.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/Manager.h"
#include "core/Resources.h"
#include "core/TextUtil.h"

namespace VKUI {

void MRender::SetSource(HDC dc, ARGB c) {
    cairo_set_source_rgba(dc->Cairo(), ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0,
                          (c & 0xFF) / 255.0, ((c >> 24) & 0xFF) / 255.0);
}

std::unique_ptr<Image> MRender::LoadImageFromFile(const std::wstring& path) {
    return Image::FromFile(ToUtf8(path));
}

std::unique_ptr<Image> MRender::LoadImageFromIDResource(unsigned resId, const wchar_t* type,
                                                        int module) {
    std::vector<unsigned char> bytes;
    if (!FindResource(module, resId, type ? type : L"PNG", bytes))
        return nullptr;
    return Image::FromPngBytes(bytes.data(), bytes.size());
}

std::unique_ptr<Image> MRender::CreateARGB32Bitmap(int width, int height) {
    return Image::Create(width, height);
}

void MRender::BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy) {
    if (!dst || !src)
        return;
    cairo_surface_flush(src->Target());
    cairo_t* cr = dst->Cairo();
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    // src client point (sx, sy) lands on dst client point (x, y).
    cairo_set_source_surface(cr, src->Target(), x - (sx - src->OriginX()),
                             y - (sy - src->OriginY()));
    cairo_rectangle(cr, x, y, width, height);
    cairo_fill(cr);
    cairo_restore(cr);
}

void MRender::FillSolidRect(HDC dc, const CRect& r, COLORREF colour) {
    if (!dc)
        return;
    DCSave save(dc);
    cairo_set_operator(dc->Cairo(), CAIRO_OPERATOR_SOURCE);
    SetSource(dc, ColorRefToArgb(colour, 255));
    cairo_rectangle(dc->Cairo(), r.left, r.top, r.Width(), r.Height());
    cairo_fill(dc->Cairo());
}

void MRender::FillSolidRect(HDC dc, int x, int y, int w, int h, COLORREF colour) {
    FillSolidRect(dc, CRect(x, y, x + w, y + h), colour);
}

void MRender::DrawColor(HDC dc, const CRect& r, ARGB colour) {
    if (!dc || (colour >> 24) == 0)
        return;
    DCSave save(dc);
    SetSource(dc, colour);
    cairo_rectangle(dc->Cairo(), r.left, r.top, r.Width(), r.Height());
    cairo_fill(dc->Cairo());
}

void MRender::DrawGradient(HDC dc, const CRect& r, ARGB from, ARGB to, bool vertical) {
    if (!dc || r.IsRectEmpty())
        return;
    DCSave save(dc);
    cairo_pattern_t* p = vertical ? cairo_pattern_create_linear(0, r.top, 0, r.bottom)
                                  : cairo_pattern_create_linear(r.left, 0, r.right, 0);
    auto stop = [p](double at, ARGB c) {
        cairo_pattern_add_color_stop_rgba(p, at, ((c >> 16) & 0xFF) / 255.0,
                                          ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0,
                                          ((c >> 24) & 0xFF) / 255.0);
    };
    stop(0, from);
    stop(1, to);
    cairo_set_source(dc->Cairo(), p);
    cairo_rectangle(dc->Cairo(), r.left, r.top, r.Width(), r.Height());
    cairo_fill(dc->Cairo());
    cairo_pattern_destroy(p);
}

void MRender::DrawRoundRectange(HDC dc, int x, int y, int w, int h, int radius, ARGB colour,
                                int penWidth, bool fill) {
    if (!dc || w <= 0 || h <= 0)
        return;
    DCSave save(dc);
    cairo_t* cr = dc->Cairo();
    double inset = fill ? 0 : penWidth / 2.0;
    double l = x + inset, t = y + inset, r = x + w - inset, b = y + h - inset;
    double rad =
        std::min<double>({static_cast<double>(std::max(radius, 0)), (r - l) / 2, (b - t) / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, r - rad, t + rad, rad, -M_PI / 2, 0);
    cairo_arc(cr, r - rad, b - rad, rad, 0, M_PI / 2);
    cairo_arc(cr, l + rad, b - rad, rad, M_PI / 2, M_PI);
    cairo_arc(cr, l + rad, t + rad, rad, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
    SetSource(dc, colour);
    if (fill) {
        cairo_fill(cr);
    } else {
        cairo_set_line_width(cr, std::max(1, penWidth));
        cairo_stroke(cr);
    }
}

CPoint MRender::GetOriginPoint(int w, int h, int cw, int ch, unsigned hAlign, unsigned vAlign) {
    int x = hAlign == 1 ? (w - cw) / 2 : hAlign == 2 ? w - cw : 0;
    int y = vAlign == 4 ? (h - ch) / 2 : vAlign == 8 ? h - ch : 0;
    return {x, y};
}

CPoint MRender::GetOriginPoint(const CRect& r, int cw, int ch, unsigned hAlign, unsigned vAlign) {
    return GetOriginPoint(r.Width(), r.Height(), cw, ch, hAlign, vAlign);
}

void MRender::DrawImage(HDC dc, const Image* image, const CRect& r, int sx, int sy, int sw, int sh,
                        double alpha) {
    if (!dc || !image || r.IsRectEmpty() || sw <= 0 || sh <= 0)
        return;
    DCSave save(dc);
    cairo_t* cr = dc->Cairo();
    cairo_rectangle(cr, r.left, r.top, r.Width(), r.Height());
    cairo_clip(cr);
    cairo_translate(cr, r.left, r.top);
    cairo_scale(cr, static_cast<double>(r.Width()) / sw, static_cast<double>(r.Height()) / sh);
    bool scaled = r.Width() != sw || r.Height() != sh;
    // Sample only the source rect (frames of a strip must not bleed into each other) and pad
    // so stretched edge strips do not fade into transparency at their borders.
    cairo_surface_t* sub = cairo_surface_create_for_rectangle(image->Surface(), sx, sy, sw, sh);
    cairo_set_source_surface(cr, sub, 0, 0);
    cairo_pattern_t* p = cairo_get_source(cr);
    cairo_pattern_set_extend(p, CAIRO_EXTEND_PAD);
    cairo_pattern_set_filter(p, scaled ? CAIRO_FILTER_BILINEAR : CAIRO_FILTER_NEAREST);
    cairo_rectangle(cr, 0, 0, sw, sh);
    cairo_clip(cr);
    if (alpha >= 1.0)
        cairo_paint(cr);
    else
        cairo_paint_with_alpha(cr, alpha);
    cairo_surface_destroy(sub);
}

void MRender::DrawImageFrame(HDC dc, const Image* image, const CRect& rect, int sx, int sy, int sw,
                             int sh, int border) {
    DrawImageFrameMID(dc, image, rect, sx, sy, sw, sh, border, border, border, border);
}

void MRender::DrawImageFrameMID(HDC dc, const Image* image, const CRect& rc, int sx, int sy, int sw,
                                int sh, int l, int t, int r, int b) {
    if (!dc || !image || rc.IsRectEmpty())
        return;
    l = std::clamp(l, 0, sw), r = std::clamp(r, 0, sw - l);
    t = std::clamp(t, 0, sh), b = std::clamp(b, 0, sh - t);
    int cw = sw - l - r, ch = sh - t - b;  // source centre
    // Destination columns and rows; in a rect smaller than the borders the corners overlap.
    int dl = rc.left, dr = rc.right, dt = rc.top, db = rc.bottom;
    int innerL = dl + l, innerR = std::max(dr - r, innerL), innerT = dt + t,
        innerB = std::max(db - b, innerT);
    // Corners.
    DrawImage(dc, image, {dl, dt, dl + l, dt + t}, sx, sy, l, t);
    DrawImage(dc, image, {dr - r, dt, dr, dt + t}, sx + sw - r, sy, r, t);
    DrawImage(dc, image, {dl, db - b, dl + l, db}, sx, sy + sh - b, l, b);
    DrawImage(dc, image, {dr - r, db - b, dr, db}, sx + sw - r, sy + sh - b, r, b);
    // Edges.
    if (cw > 0) {
        DrawImage(dc, image, {innerL, dt, innerR, dt + t}, sx + l, sy, cw, t);
        DrawImage(dc, image, {innerL, db - b, innerR, db}, sx + l, sy + sh - b, cw, b);
    }
    if (ch > 0) {
        DrawImage(dc, image, {dl, innerT, dl + l, innerB}, sx, sy + t, l, ch);
        DrawImage(dc, image, {dr - r, innerT, dr, innerB}, sx + sw - r, sy + t, r, ch);
    }
    if (cw > 0 && ch > 0)
        DrawImage(dc, image, {innerL, innerT, innerR, innerB}, sx + l, sy + t, cw, ch);
}

int MRender::TransitionAlpha(int i, int n, int a, int b) {
    int s = 255 - std::min(a, b) * 255 / 100;
    int e = (100 - std::max(a, b)) * 255 / 100;
    if (n <= 0)
        return s & 0xFF;
    int v = a < b ? s - i * (s - e) / n : e + i * (s - e) / n;
    return ((v % 256) + 256) % 256;
}

namespace {
void CopyStrip(HDC dst, HDC src, const CRect& d, int srcX, int srcY, int alpha) {
    cairo_t* cr = dst->Cairo();
    cairo_save(cr);
    cairo_rectangle(cr, d.left, d.top, d.Width(), d.Height());
    cairo_clip(cr);
    cairo_set_source_surface(cr, src->Target(), d.left - (srcX - src->OriginX()),
                             d.top - (srcY - src->OriginY()));
    cairo_paint_with_alpha(cr, alpha / 255.0);
    cairo_restore(cr);
}
}  // namespace

void MRender::DrawVerticalTransition(HDC dst, HDC src, const CRect& rect, const CRect& srcRect,
                                     int a, int b) {
    if (!dst || !src || rect.IsRectEmpty())
        return;
    cairo_surface_flush(src->Target());
    int n = rect.Height();
    for (int i = 0; i < n; ++i)
        CopyStrip(dst, src, {rect.left, rect.top + i, rect.right, rect.top + i + 1}, srcRect.left,
                  srcRect.top + i, TransitionAlpha(i, n, a, b));
}

void MRender::DrawHorizontalTransition(HDC dst, HDC src, const CRect& rect, const CRect& srcRect,
                                       int a, int b) {
    if (!dst || !src || rect.IsRectEmpty())
        return;
    cairo_surface_flush(src->Target());
    int n = rect.Width();
    for (int i = 0; i < n; ++i)
        CopyStrip(dst, src, {rect.left + i, rect.top, rect.left + i + 1, rect.bottom},
                  srcRect.left + i, srcRect.top, TransitionAlpha(i, n, a, b));
}

void MRender::DrawRightBottomTransition(HDC dst, HDC src, const CRect& rect, int size) {
    if (!dst || !src || rect.IsRectEmpty() || size <= 0)
        return;
    cairo_surface_flush(src->Target());
    cairo_t* cr = dst->Cairo();
    cairo_save(cr);
    cairo_rectangle(cr, rect.left, rect.top, rect.Width(), rect.Height());
    cairo_clip(cr);
    double cx = rect.right - size, cy = rect.bottom - size;
    cairo_pattern_t* mask = cairo_pattern_create_radial(cx, cy, 0, cx, cy, size);
    cairo_pattern_add_color_stop_rgba(mask, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(mask, 1, 0, 0, 0, 0);
    cairo_set_source_surface(cr, src->Target(), src->OriginX(), src->OriginY());
    cairo_mask(cr, mask);
    cairo_pattern_destroy(mask);
    cairo_restore(cr);
}

void MRender::CheckAlphaColor(ARGB& colour) {
    if ((colour & 0x00FFFFFF) == 0)
        colour |= 1;
}

bool MRender::SaveBitmapToFile(const Image* bitmap, const std::string& path) {
    return bitmap &&
           cairo_surface_write_to_png(bitmap->Surface(), path.c_str()) == CAIRO_STATUS_SUCCESS;
}

bool MRender::SaveDCToFile(HDC dc, const std::string& path) {
    return dc && cairo_surface_write_to_png(dc->Target(), path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace VKUI
