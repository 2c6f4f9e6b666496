#include "core/MControlFont.h"

#include "core/Manager.h"
#include "core/PaintManager.h"

namespace VKUI {

MControlFont::MControlFont(MObject* parent, unsigned id, CRect rect, const wchar_t* title,
                           int visible, int enabled, int mouseResponse)
    : MControl(parent, id, rect, visible, enabled, mouseResponse),
      title_(title ? title : L""),
      face_(Manager::GetFontName()),
      fontSize_(Manager::GetFontWidth()) {}

MControlFont::~MControlFont() = default;

void MControlFont::SetTextFont(CString face) {
    face_ = std::move(face);
}

void MControlFont::SetTextColor(ARGB colour) {
    textColour_ = colour;
}

int MControlFont::SetImage(unsigned resId, CString resType, int frames) {
    if (!manager_)
        return 0;
    ImgResInfo* info = manager_->AddImgResInfo(resId, resType.c_str(), frames, 0);
    if (!info)
        return 0;
    image_ = info->image;
    imageWidth_ = info->frameWidth;
    imageHeight_ = info->frameHeight;
    frames_ = info->frameCount;
    if (visible_)
        UpdateControl(1, 0);
    return 1;
}

int MControlFont::SetImage(const wchar_t* path, int frames) {
    if (!manager_ || !path)
        return 0;
    ImgResInfo* info = manager_->AddImgResInfo(path, frames);
    if (!info)
        return 0;
    image_ = info->image;
    imageWidth_ = info->frameWidth;
    imageHeight_ = info->frameHeight;
    frames_ = info->frameCount;
    imagePath_ = path;
    if (visible_)
        UpdateControl(1, 0);
    return 1;
}

void MControlFont::SetControlTitle(const wchar_t* title) {
    title_ = title ? title : L"";
}
CString MControlFont::GetControlTitle() {
    return title_;
}

void MControlFont::SetTitle(const wchar_t* title) {
    SetControlTitle(title);
    if (visible_)
        UpdateControl(1, 0);
}

void MControlFont::SetAlignment(unsigned h) {
    if (h == hAlign_)
        return;
    hAlign_ = h;
    UpdateControl(1, 0);
}

void MControlFont::SetVAlignment(unsigned v) {
    if (v == vAlign_)
        return;
    vAlign_ = v;
    UpdateControl(1, 0);
}

void MControlFont::SetAlignment(unsigned h, unsigned v) {
    if (h == hAlign_ && v == vAlign_)
        return;
    hAlign_ = h;
    vAlign_ = v;
    UpdateControl(1, 0);
}

void MControlFont::SetFont(const CString& face, int size, int style) {
    face_ = face;
    fontSize_ = size;
    fontStyle_ = style;
}

std::unique_ptr<FontFamily> MControlFont::GetFontFamily(const CString& face) const {
    if (!manager_)
        return nullptr;
    const FontFamily* f = manager_->FindTempFont(face);
    return f ? std::make_unique<FontFamily>(*f) : nullptr;
}

void MControlFont::DrawImageFrameIndex(HDC dc, const CRect& rect, int frame) const {
    if (!image_ || imageWidth_ <= 0)
        return;
    frame = std::clamp(frame, 0, std::max(0, frames_ - 1));
    MRender::DrawImage(dc, image_.get(), rect, frame * imageWidth_, 0, imageWidth_, imageHeight_);
}

}  // namespace VKUI
