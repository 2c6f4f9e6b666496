// A control with a title, a font and a (multi-frame) image: the base of nearly every concrete
// control. A state image with N frames is a horizontal strip of N equal frames; by default
// frame 0 normal, 1 hover, 2 pressed, 3 disabled.
#pragma once

#include <memory>

#include "core/MControl.h"
#include "core/MRender.h"

namespace VKUI {

struct FontFamily;

class MControlFont : public MControl {
public:
    MControlFont(MObject* parent, unsigned id, CRect rect, const wchar_t* title = L"",
                 int visible = 1, int enabled = 1, int mouseResponse = 1);
    ~MControlFont() override;

    virtual void SetTextFont(CString face);
    virtual void SetTextColor(ARGB colour);
    // Loads through the manager's image cache; 0 without a manager or when loading fails.
    virtual int SetImage(unsigned resId, CString resType, int frames);
    virtual int SetImage(const wchar_t* path, int frames);
    virtual void SetControlTitle(const wchar_t* title);
    virtual CString GetControlTitle();

    void SetTitle(const wchar_t* title);
    CString GetTitle() const { return title_; }
    void SetAlignment(unsigned h);
    void SetVAlignment(unsigned v);
    void SetAlignment(unsigned h, unsigned v);
    void GetAlignment(unsigned& h, unsigned& v) const { h = hAlign_, v = vAlign_; }
    void SetFont(const CString& face, int size, int style);
    void SetFontStyle(int style) { fontStyle_ = style; }
    int GetFontStyle() const { return fontStyle_; }
    CString GetTextFont() const { return face_; }
    CString GetImagePath() const { return imagePath_; }
    CSize GetImageSize() const { return {imageWidth_, imageHeight_}; }
    int GetImageCount() const { return frames_; }
    void SetImageCount(int frames) { frames_ = frames > 0 ? frames : 1; }
    void SetFontWidth(int size) { fontSize_ = size; }
    int GetFontWidth() const { return fontSize_; }
    void SetTextRenderingHint(int hint) { renderingHint_ = hint; }
    int GetTextRenderingHint() const { return renderingHint_; }
    ARGB GetTextColor() const { return textColour_; }
    // The private family registered for face with the manager, or null.
    std::unique_ptr<FontFamily> GetFontFamily(const CString& face) const;
    // The font this control draws its title with.
    FontSpec GetFontSpec() const { return {face_, fontSize_, fontStyle_}; }
    const Image* GetImage() const { return image_.get(); }
    // Draws frame `frame` of the image into rect (stretched).
    void DrawImageFrameIndex(HDC dc, const CRect& rect, int frame) const;

protected:
    CString title_;
    CString face_;
    CString imagePath_;
    int fontSize_;
    ARGB textColour_ = 0xFF373737;
    int fontStyle_ = 0;
    unsigned hAlign_ = 0;
    unsigned vAlign_ = 4;
    int renderingHint_ = 5;
    std::shared_ptr<Image> image_;
    int imageWidth_ = 0;
    int imageHeight_ = 0;
    int frames_ = 4;
};

}  // namespace VKUI
