// A decorative rectangle kept in an area list: a flat fill (optionally framed) or a colour
// faded over the background.
#pragma once

#include "core/MControl.h"

namespace VKUI {

class CArea : public MControl {
public:
    CArea(MObject* parent, unsigned id, CRect rect, int visible = 1, int enabled = 1);
    const wchar_t* GetClassNameW() const override { return L"CArea"; }
    void DrawControl(HDC& hdc, CRect clip) override;

    // direction 1 vertical, 0 horizontal; lengths are percentages (0 and 0: flat fill).
    void SetTransparent(int direction, int length, COLORREF colour);
    void SetTransparent(int direction, int length1, int length2, COLORREF colour);
    void SetFrame(int on, ARGB colour, int width = 1);
    void SetFillColor(COLORREF colour) { fill_ = colour; }
    COLORREF GetFillColor() const { return fill_; }

private:
    int direction_ = 1;
    int length1_ = 80;
    int length2_ = 80;
    COLORREF fill_ = 0xFFFFFF;
    int frame_ = 0;
    ARGB frameColour_ = 0xFE050505;
    int frameWidth_ = 1;
};

}  // namespace VKUI
