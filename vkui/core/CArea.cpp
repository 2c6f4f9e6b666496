#include "core/CArea.h"

#include <cairo.h>

#include "core/MRender.h"

namespace VKUI {

CArea::CArea(MObject* parent, unsigned id, CRect rect, int visible, int enabled)
    : MControl(parent, id, rect, visible, enabled, 1) {}

void CArea::SetTransparent(int direction, int length, COLORREF colour) {
    SetTransparent(direction, length, length, colour);
}

void CArea::SetTransparent(int direction, int length1, int length2, COLORREF colour) {
    direction_ = direction;
    length1_ = length1;
    length2_ = length2;
    fill_ = colour;
    UpdateControl(1, 0);
}

void CArea::SetFrame(int on, ARGB colour, int width) {
    frame_ = on;
    frameColour_ = colour;
    frameWidth_ = width > 0 ? width : 1;
    UpdateControl(1, 0);
}

void CArea::DrawControl(HDC& hdc, CRect clip) {
    if (length1_ != 0 || length2_ != 0) {
        // The fill colour blended over the background with a fading alpha: paint the colour
        // into a scratch surface, then fade it onto the destination.
        auto colour = DC::CreateImage(rect_.Width(), rect_.Height(), rect_.left, rect_.top);
        MRender::DrawColor(colour.get(), rect_, ColorRefToArgb(fill_, 254));
        HDC src = colour.get();
        if (direction_ == 1)
            MRender::DrawVerticalTransition(hdc, src, rect_, rect_, length1_, length2_);
        else
            MRender::DrawHorizontalTransition(hdc, src, rect_, rect_, length1_, length2_);
        return;
    }
    (void)clip;
    MRender::DrawColor(hdc, rect_, ColorRefToArgb(fill_, 254));
    if (frame_) {
        DCSave save(hdc);
        MRender::SetSource(hdc, frameColour_);
        cairo_set_line_width(hdc->Cairo(), frameWidth_);
        double inset = frameWidth_ / 2.0;
        cairo_rectangle(hdc->Cairo(), rect_.left + inset, rect_.top + inset,
                        rect_.Width() - frameWidth_, rect_.Height() - frameWidth_);
        cairo_stroke(hdc->Cairo());
    }
}

}  // namespace VKUI
