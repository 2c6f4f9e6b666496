#include "core/MControl.h"

#include <cairo.h>

#include <algorithm>
#include <cwchar>

#include "core/PaintManager.h"
#include "platform/Platform.h"

namespace VKUI {

MControl::MControl(MObject* parent, unsigned id, CRect rect, int visible, int enabled,
                   int mouseResponse)
    : parent_(parent),
      id_(id),
      rect_(rect),
      visible_(visible),
      enabled_(enabled),
      mouseResponse_(mouseResponse) {}

MControl::~MControl() {
    RemoveAllControl();
    ReleaseCaches();
    if (manager_)
        manager_->ForgetControl(this);
}

void MControl::ReleaseCaches() {
    cache_.reset();
    animation_.reset();
}

// ---- Default virtual operations ----------------------------------------------------------

long MControl::OnBaseMessage(unsigned id, unsigned code, unsigned wParam, long lParam) {
    return OnMessage(id, code, wParam, lParam);
}

long MControl::OnControlUpdate(CRect rect, int refresh, MControl* control) {
    return parent_ ? parent_->OnControlUpdate(rect, refresh, control) : 0;
}

void MControl::InitControl(PaintManager*) {}
int MControl::PtInRect(CPoint pt) {
    return visible_ && rect_.PtInRect(pt) ? 1 : 0;
}

int MControl::DrawSubControls(HDC& hdc, CRect clip) {
    std::lock_guard lock(childrenLock_);
    for (MControl* c : children_)
        if (c->visible_)
            c->Draw(hdc, clip);
    return 1;
}

int MControl::IsDraw(CPoint) {
    return 0;
}

void MControl::SetUpdate(int valid, unsigned long backColor) {
    cacheValid_ = valid;
    std::lock_guard lock(childrenLock_);
    for (MControl* c : children_)
        if (c->rect_.Intersects(rect_))
            c->SetUpdate(valid, backColor);
}

int MControl::SetControlFocus(int focus) {
    if (focus == 0) {
        std::lock_guard lock(childrenLock_);
        for (MControl* c : children_)
            c->SetControlFocus(0);
    }
    return 0;
}

void MControl::InitUI(CRect) {}
int MControl::OnMousePointChange(CPoint&) {
    return 0;
}
int MControl::OnCheckMouseResponse(unsigned, CPoint) {
    return 1;
}
long MControl::OnWindowMessage(unsigned, unsigned, long) {
    return 0;
}
long MControl::OnMessage(unsigned, unsigned, unsigned, long) {
    return 0;
}
void MControl::SetControlRect(CRect rect) {
    rect_ = rect;
}
void MControl::SetControlVisible(int visible) {
    visible_ = visible;
}
void MControl::SetControlWndVisible(int) {}
void MControl::SetControlEnabled(int enabled) {
    enabled_ = enabled;
}
int MControl::OnControlTimer() {
    return 0;
}
HBITMAP MControl::GetControlDropBitmap() {
    return nullptr;
}
int MControl::OnControlMouseMove(unsigned, CPoint) {
    return 0;
}

int MControl::OnControlSetCursor(unsigned, CPoint pt) {
    if (!hasCursor_ || !rect_.PtInRect(pt))
        return 0;
    Platform::Get().SetCursor(cursor_);
    return 1;
}

int MControl::OnControlLButtonDown(unsigned, CPoint) {
    return 0;
}
int MControl::OnControlLButtonUp(unsigned, CPoint) {
    return 0;
}
int MControl::OnControlLButtonDblClk(unsigned, CPoint) {
    return 0;
}
int MControl::OnControlScroll(int, unsigned, CPoint) {
    return 0;
}
int MControl::OnControlRButtonDown(unsigned, CPoint) {
    return 0;
}
int MControl::OnControlRButtonUp(unsigned, CPoint) {
    return 0;
}
int MControl::OnControlRButtonDblClk(unsigned, CPoint) {
    return 0;
}

int MControl::OnControlKeyDown(unsigned vk, unsigned, unsigned modifiers) {
    return hotKeyVk_ != 0 && vk == hotKeyVk_ && modifiers == hotKeyMod_ ? 1 : 0;
}

void MControl::OnPositionChange() {}

void MControl::InvalidateRect(const CRect*, int erase) {
    if (manager_ && Platform::Get().IsWindow(manager_->GetPaintWnd()))
        manager_->InvalidateRect(&rect_, erase);
}

// ---- Paint cache ---------------------------------------------------------------------------

HDC MControl::UpdateMemDC(HDC&, int width, int height) {
    cacheValid_ = 1;
    if (!cache_ || cache_->Width() != std::max(1, width) || cache_->Height() != std::max(1, height))
        cache_ = DC::CreateImage(width, height, rect_.left, rect_.top);
    else if (cache_->OriginX() != rect_.left || cache_->OriginY() != rect_.top)
        cache_->SetOrigin(rect_.left, rect_.top);
    return cache_.get();
}

void MControl::CopyBackgroundToCache(HDC& hdc) {
    if (!cache_ || !hdc)
        return;
    cairo_t* cr = cache_->Cairo();
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, hdc->Target(), hdc->OriginX(), hdc->OriginY());
    cairo_rectangle(cr, rect_.left, rect_.top, rect_.Width(), rect_.Height());
    cairo_fill(cr);
    cairo_restore(cr);
}

void MControl::BlitCache(HDC& hdc, CRect clip) {
    if (!cache_ || !hdc)
        return;
    CRect r = CRect::Intersect(rect_, clip);
    if (r.IsRectEmpty())
        return;
    cairo_surface_flush(cache_->Target());
    cairo_t* cr = hdc->Cairo();
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, cache_->Target(), rect_.left, rect_.top);
    cairo_rectangle(cr, r.left, r.top, r.Width(), r.Height());
    cairo_fill(cr);
    cairo_restore(cr);
}

void MControl::DrawThroughCache(HDC& hdc, CRect clip) {
    if (!cacheValid_ || !cache_ || cache_->OriginX() != rect_.left ||
        cache_->OriginY() != rect_.top) {
        HDC mem = UpdateMemDC(hdc, rect_.Width(), rect_.Height());
        CopyBackgroundToCache(hdc);
        RenderControl(mem, rect_);
    }
    BlitCache(hdc, clip);
}

HDC MControl::UpdateAnimateDC(HDC&, int width, int height) {
    animate_ = 1;
    if (!animation_ || animation_->Width() != std::max(1, width) ||
        animation_->Height() != std::max(1, height))
        animation_ = DC::CreateImage(width, height, rect_.left, rect_.top);
    return animation_.get();
}

// ---- Tree ----------------------------------------------------------------------------------

void MControl::SetManager(PaintManager* manager) {
    manager_ = manager;
    InitControl(manager);
}

void MControl::AddControl(MControl* child) {
    if (!child)
        return;
    std::lock_guard lock(childrenLock_);
    children_.push_back(child);
}

void MControl::AddArea(MControl* area) {
    if (!area)
        return;
    std::lock_guard lock(areasLock_);
    areas_.push_back(area);
}

std::vector<MControl*> MControl::GetControls() const {
    std::lock_guard lock(childrenLock_);
    return children_;
}

std::vector<MControl*> MControl::GetAreas() const {
    std::lock_guard lock(areasLock_);
    return areas_;
}

MControl* MControl::GetControl(unsigned id) {
    {
        std::lock_guard lock(childrenLock_);
        for (MControl* c : children_) {
            if (c->id_ == id)
                return c;
            if (MControl* found = c->GetControl(id))
                return found;
        }
    }
    std::lock_guard lock(areasLock_);
    for (MControl* a : areas_) {
        if (a->id_ == id)
            return a;
        if (MControl* found = a->GetControl(id))
            return found;
    }
    return nullptr;
}

int MControl::RemoveControl(MControl* control) {
    if (!control)
        return 0;
    if (manager_ && manager_->GetFocusControl() == control) {
        control->SetControlFocus(0);
        manager_->AssignFocusControl(nullptr);
    }
    bool found = false;
    {
        std::lock_guard lock(childrenLock_);
        auto it = std::find(children_.begin(), children_.end(), control);
        if (it != children_.end()) {
            children_.erase(it);
            found = true;
        }
        if (active_ == control)
            active_ = nullptr;
    }
    if (found) {
        control->DetachFromAnimation();
        delete control;
    }
    return 0;
}

void MControl::RemoveAllControl() {
    std::vector<MControl*> areas, children;
    {
        std::lock_guard lock(areasLock_);
        areas.swap(areas_);
    }
    for (MControl* a : areas) {
        a->DetachFromAnimation();
        delete a;
    }
    {
        std::lock_guard lock(childrenLock_);
        children.swap(children_);
        active_ = nullptr;
    }
    for (MControl* c : children) {
        c->DetachFromAnimation();
        delete c;
    }
}

bool MControl::IsFocusControl() const {
    return manager_ && manager_->GetFocusControl() == this;
}

// ---- State ---------------------------------------------------------------------------------

void MControl::SetRect(CRect rect) {
    CRect old = rect_;
    SetControlRect(rect);
    if (visible_ && parent_)
        parent_->OnControlUpdate(CRect::Union(old, rect_), 1, this);
}

void MControl::SetVisible(int visible) {
    SetVisible(visible, 1);
}

void MControl::SetVisible(int visible, int repaint) {
    if ((visible != 0) == (visible_ != 0))
        return;
    SetControlVisible(visible);
    if (repaint && parent_)
        parent_->OnControlUpdate(rect_, 1, this);
}

void MControl::SetEnabled(int enabled) {
    if ((enabled != 0) == (enabled_ != 0))
        return;
    SetControlEnabled(enabled);
    if (visible_)
        UpdateControl(1, 0);
}

int MControl::IsParentVisible() const {
    const MObject* p = parent_;
    while (true) {
        if (!p)
            return 0;
        if (const_cast<MObject*>(p)->IsClass(L"MDialog"))
            return 1;
        auto* c = dynamic_cast<const MControl*>(p);
        // A window other than a dialog (a popup) is a root as well.
        if (!c)
            return 1;
        if (!c->visible_)
            return 0;
        p = c->parent_;
    }
}

// ---- Repaint and notifications -------------------------------------------------------------

void MControl::UpdateControl(int refresh, int force) {
    if ((visible_ || force) && parent_)
        parent_->OnControlUpdate(rect_, refresh, this);
}

void MControl::UpdateControl(CRect rect, int force, int refresh) {
    if ((visible_ || force) && parent_)
        parent_->OnControlUpdate(rect, refresh, this);
}

void MControl::UpdateAControl(int animate, int force) {
    if (!(visible_ || force) || !parent_)
        return;
    animate_ = !animate;
    parent_->OnControlUpdate(rect_, 0, this);
}

long MControl::SendMessageW(unsigned code, unsigned wParam, long lParam) {
    return parent_ ? parent_->OnBaseMessage(id_, code, wParam, lParam) : 0;
}

void MControl::SetTooltip(const CString& text, CRect rect) {
    if (!manager_)
        return;
    manager_->SetTooltip(text, rect);
    manager_->SetTooltipCtrlID(id_);
}

void MControl::ClearTooltip() {
    if (manager_)
        manager_->ClearTooltip();
}

int MControl::SetCursorEx(const wchar_t* name) {
    static const struct {
        const wchar_t* name;
        CursorShape shape;
    } kCursors[] = {{L"arrow", CursorShape::Arrow},   {L"wait", CursorShape::Wait},
                    {L"cross", CursorShape::Cross},   {L"sizewe", CursorShape::SizeWE},
                    {L"sizens", CursorShape::SizeNS}, {L"hand", CursorShape::Hand},
                    {L"help", CursorShape::Help}};
    if (!name)
        return 0;
    for (const auto& c : kCursors) {
        if (std::wcscmp(c.name, name) == 0) {
            cursor_ = c.shape;
            hasCursor_ = true;
        }
    }
    return 0;
}

void MControl::AddMTimer() {
    if (manager_)
        manager_->AddMTimer(this);
}

void MControl::DetachFromAnimation() {
    if (manager_)
        manager_->DeleteDRTimer(this);
    for (MControl* c : GetControls())
        c->DetachFromAnimation();
    for (MControl* a : GetAreas())
        a->DetachFromAnimation();
}

}  // namespace VKUI
