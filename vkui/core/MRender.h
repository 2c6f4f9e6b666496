// Static drawing routines every control uses: fills, gradients, rounded rectangles, text,
// nine-grid images, fades and bitmaps. All coordinates are client coordinates of the DC.
// Colours: ARGB (0xAARRGGBB) unless the parameter says COLORREF (0x00BBGGRR).
#pragma once

#include <memory>
#include <string>

#include "core/DC.h"
#include "core/Image.h"
#include "platform/Types.h"

namespace VKUI {

// Text format flags (horizontal 0 left, 1 centre, 2 right; vertical 0 top, 4 centre,
// 8 bottom) plus wrapping and ellipsis.
enum : unsigned {
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_TOP = 0x0,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_END_ELLIPSIS = 0x8000,
};

// Font style bits.
enum : int {
    FontStyleRegular = 0,
    FontStyleBold = 1,
    FontStyleItalic = 2,
    FontStyleUnderline = 4,
    FontStyleStrikeout = 8
};

struct FontSpec {
    CString face;
    int size = 15;  // pixels
    int style = FontStyleRegular;
};

class MRender {
public:
    static std::unique_ptr<Image> LoadImageFromFile(const std::wstring& path);
    // module: 0 the toolkit, 1 the application (see Resources.h).
    static std::unique_ptr<Image> LoadImageFromIDResource(unsigned resId, const wchar_t* type,
                                                          int module);
    static std::unique_ptr<Image> CreateARGB32Bitmap(int width, int height);
    static void BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy);

    static void FillSolidRect(HDC dc, const CRect& rect, COLORREF colour);
    static void FillSolidRect(HDC dc, int x, int y, int width, int height, COLORREF colour);
    // Does nothing when the alpha byte is 0.
    static void DrawColor(HDC dc, const CRect& rect, ARGB colour);
    static void DrawGradient(HDC dc, const CRect& rect, ARGB from, ARGB to, bool vertical);
    static void DrawRoundRectange(HDC dc, int x, int y, int width, int height, int radius,
                                  ARGB colour, int penWidth, bool fill = false);

    static void DrawTextW(HDC dc, const CRect& rect, const CString& text, ARGB colour,
                          const FontSpec& font, unsigned format);
    static CSize GetTextBounds(const FontSpec& font, unsigned format, const CString& text);
    static CSize GetTextBounds(const FontSpec& font, unsigned format, int width,
                               const CString& text);
    static CSize GetTextBounds(const FontSpec& font, const CString& text);

    // Offset of a cw x ch item inside w x h for the given alignments.
    static CPoint GetOriginPoint(int w, int h, int cw, int ch, unsigned hAlign, unsigned vAlign);
    static CPoint GetOriginPoint(const CRect& rect, int cw, int ch, unsigned hAlign,
                                 unsigned vAlign);

    // Draws image's source rect scaled into rect.
    static void DrawImage(HDC dc, const Image* image, const CRect& rect, int sx, int sy, int sw,
                          int sh, double alpha = 1.0);
    // Nine-grid: corners unscaled, edges stretched along their length, centre stretched.
    static void DrawImageFrame(HDC dc, const Image* image, const CRect& rect, int sx, int sy,
                               int sw, int sh, int border);
    static void DrawImageFrameMID(HDC dc, const Image* image, const CRect& rect, int sx, int sy,
                                  int sw, int sh, int left, int top, int right, int bottom);

    // The alpha of row (or column) i of n for the fades, in 0..255.
    static int TransitionAlpha(int i, int n, int a, int b);
    // Copies src under rect onto dst row by row (column by column) with a fading alpha.
    static void DrawVerticalTransition(HDC dst, HDC src, const CRect& rect, const CRect& srcRect,
                                       int a, int b);
    static void DrawHorizontalTransition(HDC dst, HDC src, const CRect& rect, const CRect& srcRect,
                                         int a, int b);
    // Radial fade of the bottom-right corner: opaque at the corner's inner edge, clear at size.
    static void DrawRightBottomTransition(HDC dst, HDC src, const CRect& rect, int size);

    // A colour whose low 24 bits are 0 becomes 1, so pure black never reads as transparent.
    static void CheckAlphaColor(ARGB& colour);
    static bool SaveBitmapToFile(const Image* bitmap, const std::string& path);
    static bool SaveDCToFile(HDC dc, const std::string& path);

    // Sets the Cairo source to an ARGB colour.
    static void SetSource(HDC dc, ARGB colour);
};

}  // namespace VKUI
