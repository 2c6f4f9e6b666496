// Set-up, the control lists, focus, window services and resources of the paint manager.
#include "core/PaintManager.h"

#include <sys/stat.h>

#include <algorithm>

#include "core/ControlFactory.h"
#include "core/FontRegistry.h"
#include "core/MControl.h"
#include "core/MRender.h"
#include "core/Manager.h"
#include "core/Resources.h"
#include "core/TextUtil.h"
#include "core/TooltipWnd.h"
#include "platform/Platform.h"

namespace VKUI {

PaintManager::PaintManager() : fontName_(Manager::GetFontName()) {}

PaintManager::~PaintManager() {
    KillMTimer();
    DestroyData();
    tooltip_.reset();
}

void PaintManager::Init(HWND hwnd, MWindow* window) {
    Platform& p = Platform::Get();
    if (!p.IsWindow(hwnd))
        return;
    hwnd_ = hwnd;
    window_ = window;
    std::string fontFile = Manager::GetExecutableFolder() + "font/SourceHanSansCN-Regular.otf";
    struct stat st {};
    if (stat(fontFile.c_str(), &st) == 0)
        AddTempFont(L"SourceHanSansCN Regular", FromUtf8(fontFile));
    initialized_ = true;
    scrollV_ = 102;
    scrollH_ = 101;
    AddGDITempFont(106);
}

// ---- Controls ------------------------------------------------------------------------------

MControl* PaintManager::CreateControl(int where, MObject* parent, const wchar_t* className,
                                      unsigned id, CRect rect, const wchar_t* title, int p1,
                                      int p2) {
    MControl* c =
        ControlFactory::Create(className, {parent, id, rect, title ? title : L"", p1, p2, false});
    if (!c)
        return nullptr;
    c->SetManager(this);
    if (where == 0) {
        std::lock_guard lock(areasLock_);
        areas_.push_back(c);
    } else if (where == 1) {
        std::lock_guard lock(controlsLock_);
        controls_.push_back(c);
    }
    return c;
}

void PaintManager::AddControl(MControl* control) {
    if (!control)
        return;
    control->SetManager(this);
    std::lock_guard lock(controlsLock_);
    controls_.push_back(control);
}

void PaintManager::AddArea(MControl* area) {
    if (!area)
        return;
    area->SetManager(this);
    std::lock_guard lock(areasLock_);
    areas_.push_back(area);
}

std::vector<MControl*> PaintManager::GetControls() const {
    std::lock_guard lock(controlsLock_);
    return controls_;
}

std::vector<MControl*> PaintManager::GetAreas() const {
    std::lock_guard lock(areasLock_);
    return areas_;
}

MControl* PaintManager::GetControl(unsigned id) {
    {
        std::lock_guard lock(controlsLock_);
        for (MControl* c : controls_) {
            if (c->GetControlID() == id)
                return c;
            if (MControl* f = c->GetControl(id))
                return f;
        }
    }
    std::lock_guard lock(areasLock_);
    for (MControl* a : areas_) {
        if (a->GetControlID() == id)
            return a;
        if (MControl* f = a->GetControl(id))
            return f;
    }
    return nullptr;
}

int PaintManager::RemoveControl(MControl* control) {
    if (!control)
        return 0;
    bool found = false;
    {
        std::lock_guard lock(controlsLock_);
        auto it = std::find(controls_.begin(), controls_.end(), control);
        if (it != controls_.end())
            controls_.erase(it), found = true;
    }
    {
        std::lock_guard lock(areasLock_);
        auto it = std::find(areas_.begin(), areas_.end(), control);
        if (it != areas_.end())
            areas_.erase(it), found = true;
    }
    if (found) {
        if (focus_ == control)
            control->SetControlFocus(0);
        control->DetachFromAnimation();
        delete control;  // ForgetControl clears hover, focus, timers
        Invalidate();
    }
    return 0;
}

void PaintManager::ClearAreaControls() {
    std::vector<MControl*> all;
    {
        std::lock_guard lock(areasLock_);
        all.swap(areas_);
    }
    for (MControl* c : all) {
        c->DetachFromAnimation();
        delete c;
    }
}

void PaintManager::ClearControls() {
    std::vector<MControl*> all;
    {
        std::lock_guard lock(controlsLock_);
        all.swap(controls_);
    }
    for (MControl* c : all) {
        c->DetachFromAnimation();
        delete c;
    }
}

void PaintManager::ClearAllControls() {
    ClearAreaControls();
    ClearControls();
}

void PaintManager::ForgetControl(MControl* control) {
    if (hover_ == control)
        hover_ = nullptr;
    if (focus_ == control)
        focus_ = nullptr;
    if (caretOwner_ == control)
        caretOwner_ = nullptr;
    KillTimer(control);
    DeleteDRTimer(control);
    {
        std::lock_guard lock(controlsLock_);
        std::erase(controls_, control);
    }
    std::lock_guard lock(areasLock_);
    std::erase(areas_, control);
}

void PaintManager::SetFocusControl(MControl* control) {
    if (control == focus_)
        return;
    MControl* old = focus_;
    focus_ = control;
    if (old)
        old->SetControlFocus(0);
    if (control)
        control->SetControlFocus(1);
}

namespace {
bool Focusable(MControl* c) {
    return c->IsVisible() && c->IsEnabled() && c->IsTabStop();
}
}  // namespace

MControl* PaintManager::GetNextFocusableControl() {
    std::lock_guard lock(controlsLock_);
    std::size_t start = 0;
    if (focus_) {
        auto it = std::find(controls_.begin(), controls_.end(), focus_);
        if (it == controls_.end())
            return nullptr;
        start = static_cast<std::size_t>(it - controls_.begin()) + 1;
        for (std::size_t i = start; i < controls_.size(); ++i)
            if (Focusable(controls_[i]))
                return controls_[i];
    }
    for (MControl* c : controls_)
        if (Focusable(c))
            return c;
    return nullptr;
}

MControl* PaintManager::GetPrevFocusableControl() {
    std::lock_guard lock(controlsLock_);
    if (focus_) {
        auto it = std::find(controls_.begin(), controls_.end(), focus_);
        if (it == controls_.end())
            return nullptr;
        for (auto i = static_cast<long>(it - controls_.begin()) - 1; i >= 0; --i)
            if (Focusable(controls_[i]))
                return controls_[i];
    }
    for (auto i = static_cast<long>(controls_.size()) - 1; i >= 0; --i)
        if (Focusable(controls_[i]))
            return controls_[i];
    return nullptr;
}

// ---- Window services -----------------------------------------------------------------------

void PaintManager::Invalidate() {
    if (hwnd_)
        Platform::Get().InvalidateRect(hwnd_, nullptr);
}

void PaintManager::InvalidateRect(const CRect* rect, int) {
    if (!hwnd_)
        return;
    // A layered window is pushed whole, so it repaints whole.
    Platform::Get().InvalidateRect(hwnd_, layered_ ? nullptr : rect);
}

CRect PaintManager::GetClientRect() const {
    return Platform::Get().GetClientRect(hwnd_);
}
CRect PaintManager::GetWindowRect() const {
    return Platform::Get().GetWindowRect(hwnd_);
}

void PaintManager::GetClientSize(int& width, int& height) const {
    CRect r = GetClientRect();
    width = r.Width();
    height = r.Height();
}

void PaintManager::SetCapture() {
    Platform::Get().SetCapture(hwnd_);
    captured_ = 1;
}

void PaintManager::ReleaseCapture() {
    Platform::Get().ReleaseCapture();
    captured_ = 0;
}

long PaintManager::SendMessageW(unsigned msg, WPARAM wParam, LPARAM lParam) {
    return Platform::Get().SendMessageW(hwnd_, msg, wParam, lParam);
}

// Delivered at once, like the send (callers rely on the synchronous behaviour).
long PaintManager::PostMessageW(unsigned msg, WPARAM wParam, LPARAM lParam) {
    return Platform::Get().SendMessageW(hwnd_, msg, wParam, lParam);
}

// ---- Background and resources --------------------------------------------------------------

bool PaintManager::LoadBKImage(const wchar_t* path) {
    if (!path)
        return false;
    auto img = Image::FromFile(Manager::SkinPath(path));
    if (!img)
        return false;
    backImage_ = std::move(img);
    Invalidate();
    return true;
}

bool PaintManager::LoadBKImage(unsigned resId, const wchar_t* type) {
    auto img = MRender::LoadImageFromIDResource(resId, type, 1);
    if (!img)
        return false;
    backImage_ = std::move(img);
    Invalidate();
    return true;
}

ImgResInfo* PaintManager::AddImgResInfo(const wchar_t* path, int frames) {
    if (!path || !*path)
        return nullptr;
    std::lock_guard lock(imagesLock_);
    auto it = imagesByPath_.find(path);
    if (it != imagesByPath_.end())
        return &it->second;
    std::shared_ptr<Image> img = Image::FromFile(Manager::SkinPath(path));
    if (!img)
        return nullptr;
    int n = frames > 0 ? frames : 1;
    ImgResInfo info{img, img->Width() / n, img->Height(), n, path, 0};
    return &(imagesByPath_[path] = std::move(info));
}

ImgResInfo* PaintManager::AddImgResInfo(unsigned resId, const wchar_t* type, int frames,
                                        int fromApplication) {
    std::lock_guard lock(imagesLock_);
    auto& cache = fromApplication ? imagesByAppRes_ : imagesByOwnRes_;
    auto it = cache.find(resId);
    if (it != cache.end())
        return &it->second;
    std::shared_ptr<Image> img =
        MRender::LoadImageFromIDResource(resId, type, fromApplication ? 1 : 0);
    if (!img)
        return nullptr;
    int n = frames > 0 ? frames : 1;
    ImgResInfo info{img, img->Width() / n, img->Height(), n, L"", resId};
    return &(cache[resId] = std::move(info));
}

void PaintManager::ClearImgResInfo() {
    std::lock_guard lock(imagesLock_);
    imagesByPath_.clear();
    imagesByAppRes_.clear();
    imagesByOwnRes_.clear();
}

std::size_t PaintManager::ImageCacheSize() const {
    std::lock_guard lock(imagesLock_);
    return imagesByPath_.size() + imagesByAppRes_.size() + imagesByOwnRes_.size();
}

const FontFamily* PaintManager::AddTempFont(const CString& face, const CString& path) {
    std::string file = ToUtf8(path);
    std::string family = RegisterFontFile(file);
    if (family.empty())
        return nullptr;
    MapFontFace(face, family);
    auto& slot = fonts_[face];
    slot = std::make_unique<FontFamily>(FontFamily{face, family, file});
    return slot.get();
}

const FontFamily* PaintManager::AddTempFont(const CString& face, unsigned resId) {
    std::string file = ResourceFilePath(0, resId, L"ttf");
    struct stat st {};
    if (stat(file.c_str(), &st) != 0)
        return nullptr;
    return AddTempFont(face, FromUtf8(file));
}

const FontFamily* PaintManager::FindTempFont(const CString& face) const {
    auto it = fonts_.find(face);
    return it == fonts_.end() ? nullptr : it->second.get();
}

void PaintManager::ClearTempFont() {
    for (auto& [face, f] : fonts_)
        UnmapFontFace(face);
    fonts_.clear();
}

bool PaintManager::AddGDITempFont(unsigned resId) {
    std::string file = ResourceFilePath(0, resId, L"ttf");
    struct stat st {};
    if (stat(file.c_str(), &st) != 0)
        return false;
    std::string family = RegisterFontFile(file);
    if (family.empty())
        return false;
    gdiFonts_.push_back(FromUtf8(family));
    return true;
}

// ---- Tooltip -------------------------------------------------------------------------------

void PaintManager::SetTooltip(const CString& text, CRect) {
    tooltipText_ = text;
    if (text.empty()) {
        if (tooltip_)
            tooltip_->Hide();
        return;
    }
    if (!hwnd_)
        return;
    if (!tooltip_)
        tooltip_ = std::make_unique<TooltipWnd>(hwnd_);
    CPoint at = Platform::Get().GetCursorPos();
    tooltip_->Show(text, at);
}

void PaintManager::ClearTooltip() {
    tooltipText_.clear();
    if (tooltip_)
        tooltip_->Hide();
    tooltipOwner_ = 0;
}

bool PaintManager::IsTooltipShown() const {
    return tooltip_ && tooltip_->IsShown();
}

// ---- Life cycle ----------------------------------------------------------------------------

void PaintManager::OnDestroyMessage(HWND hwnd) {
    if (hwnd == hwnd_)
        DestroyData();
}

void PaintManager::DestroyData() {
    KillMTimer();
    ClearTimers();
    {
        std::lock_guard lock(animatedLock_);
        animated_.clear();
    }
    if (tooltip_)
        tooltip_.reset();
    ClearAllControls();
    hover_ = focus_ = caretOwner_ = nullptr;
    backImage_.reset();
    dragBitmap_.reset();
    ClearImgResInfo();
    initialized_ = false;
}

std::unique_ptr<Image> PaintManager::GetDropBitmap(MControl* control, CRect rect, ARGB colour) {
    return GenerateBitmap(control, rect, colour);
}

std::unique_ptr<Image> PaintManager::GenerateBitmap(MControl* control, CRect rect, ARGB colour) {
    if (!control || rect.IsRectEmpty())
        return nullptr;
    auto dc = DC::CreateImage(rect.Width(), rect.Height(), rect.left, rect.top);
    if (colour >> 24)
        MRender::DrawColor(dc.get(), rect, colour);
    HDC h = dc.get();
    control->SetUpdate(0, backFill_);
    control->Draw(h, rect);
    control->SetUpdate(0, backFill_);
    auto img = Image::Create(rect.Width(), rect.Height());
    auto out = std::make_unique<DC>(img->Surface(), rect.left, rect.top);
    MRender::BitBlt(out.get(), rect.left, rect.top, rect.Width(), rect.Height(), h, rect.left,
                    rect.top);
    return img;
}

}  // namespace VKUI
