// How mouse, wheel, key and timer events walk down the control tree, and drawing.
#include "core/MControl.h"

#include "core/PaintManager.h"

namespace VKUI {

// ---- Routing -------------------------------------------------------------------------------

CPoint MControl::ChildPoint(MControl* child, CPoint raw, CPoint translated) {
    unsigned id = child->GetControlID();
    return id == 1 || id == 2 ? raw : translated;
}

int MControl::OnMouseMove(unsigned flags, CPoint pt) {
    if (!visible_ || !mouseResponse_)
        return 0;
    CPoint p = pt;
    OnMousePointChange(p);
    if (MControl* a = active_) {
        CPoint cp = ChildPoint(a, pt, p);
        if (a->PtInRect(cp) && a->OnCheckMouseResponse(flags, cp))
            return a->OnMouseMove(flags, cp) ? 1 : 0;
        if (pressed_)
            return a->OnMouseMove(flags, cp) ? 1 : 0;
    }
    MControl* previous = active_;
    active_ = nullptr;
    if (!tooltip_.empty() && rect_.PtInRect(p) && OnCheckMouseResponse(flags, p) && manager_ &&
        manager_->GetTooltipCtrlID() != id_) {
        manager_->SetTooltip(tooltip_, rect_);
        manager_->SetTooltipCtrlID(id_);
    }
    OnControlSetCursor(flags, p);
    int result = OnControlMouseMove(flags, p);
    if (pressed_)
        return result;
    {
        std::lock_guard lock(childrenLock_);
        for (MControl* c : children_) {
            CPoint cp = ChildPoint(c, pt, p);
            if (c->OnMouseMove(flags, cp)) {
                result = 1;
                if (c->PtInRect(cp))
                    active_ = c;
            }
        }
    }
    return active_ || previous ? 1 : result;
}

int MControl::ButtonDown(unsigned flags, CPoint pt, bool left) {
    if (!visible_ || !mouseResponse_)
        return 0;
    CPoint p = pt;
    OnMousePointChange(p);
    if (rect_.PtInRect(pt))
        pressed_ = 1;
    {
        std::lock_guard lock(childrenLock_);
        for (MControl* c : children_) {
            CPoint cp = ChildPoint(c, pt, p);
            if (c->PtInRect(cp) && c->visible_ && c->enabled_ && c->mouseResponse_)
                active_ = c;
        }
    }
    if (MControl* a = active_) {
        CPoint cp = ChildPoint(a, pt, p);
        return (left ? a->OnLButtonDown(flags, cp) : a->OnRButtonDown(flags, cp)) ? 1 : 0;
    }
    if (manager_) {
        MControl* focus = manager_->GetFocusControl();
        if (focus != this) {
            if (focus)
                focus->SetControlFocus(0);
            SetControlFocus(1);
            manager_->AssignFocusControl(this);
        }
    }
    return left ? OnControlLButtonDown(flags, p) : OnControlRButtonDown(flags, p);
}

int MControl::OnLButtonDown(unsigned flags, CPoint pt) {
    return ButtonDown(flags, pt, true);
}
int MControl::OnRButtonDown(unsigned flags, CPoint pt) {
    return ButtonDown(flags, pt, false);
}

int MControl::ButtonUp(unsigned flags, CPoint pt, bool left) {
    if (!visible_ || !mouseResponse_)
        return 0;
    CPoint p = pt;
    OnMousePointChange(p);
    pressed_ = 0;
    if (MControl* a = active_) {
        CPoint cp = ChildPoint(a, pt, p);
        return left ? a->OnLButtonUp(flags, cp) : a->OnRButtonUp(flags, cp);
    }
    return left ? OnControlLButtonUp(flags, p) : OnControlRButtonUp(flags, p);
}

int MControl::OnLButtonUp(unsigned flags, CPoint pt) {
    return ButtonUp(flags, pt, true);
}
int MControl::OnRButtonUp(unsigned flags, CPoint pt) {
    return ButtonUp(flags, pt, false);
}

int MControl::OnLButtonDblClk(unsigned flags, CPoint pt) {
    if (!visible_ || !mouseResponse_)
        return 0;
    CPoint p = pt;
    OnMousePointChange(p);
    pressed_ = 0;
    if (MControl* a = active_) {
        CPoint cp = ChildPoint(a, pt, p);
        if (a->OnLButtonDblClk(flags, cp))
            return 1;
        if (!a->GetDblClk())
            return a->OnLButtonDown(flags, cp);
        return 0;
    }
    if (!dblClkAware_)
        return OnControlLButtonDown(flags, p);
    if (dblClkNotify_ && rect_.PtInRect(pt))
        SendMessageW(3, flags, reinterpret_cast<long>(&p));
    return OnControlLButtonDblClk(flags, p);
}

int MControl::OnRButtonDblClk(unsigned flags, CPoint pt) {
    if (!visible_ || !mouseResponse_)
        return 0;
    CPoint p = pt;
    OnMousePointChange(p);
    pressed_ = 0;
    if (MControl* a = active_) {
        CPoint cp = ChildPoint(a, pt, p);
        if (a->OnRButtonDblClk(flags, cp))
            return 1;
        if (!a->GetDblClk())
            return a->OnRButtonDown(flags, cp);
        return 0;
    }
    return dblClkAware_ ? OnControlRButtonDblClk(flags, p) : OnControlRButtonDown(flags, p);
}

int MControl::OnScroll(int bar, unsigned direction, CPoint pt) {
    if (!visible_ || !mouseResponse_ || !enabled_)
        return 0;
    if (MControl* a = active_; a && a->PtInRect(pt) && a->OnCheckMouseResponse(direction, pt))
        return a->OnScroll(bar, direction, pt);
    if (!PtInRect(pt))
        return 0;
    if (OnControlScroll(bar, direction, pt))
        return 1;
    std::lock_guard lock(childrenLock_);
    for (MControl* c : children_)
        if (c->PtInRect(pt) && c->OnScroll(bar, direction, pt))
            return 1;
    return 0;
}

void MControl::SendKeyNotify(unsigned vk, unsigned modifiers) {
    if (keyNotify_)
        SendMessageW(14, vk, static_cast<long>(modifiers));
}

int MControl::OnKeyDown(unsigned vk, unsigned repeat, unsigned modifiers) {
    MControl* c = this;
    for (;;) {
        if (!c->visible_ || !c->mouseResponse_)
            return 0;
        MControl* focused = nullptr;
        {
            std::lock_guard lock(c->childrenLock_);
            for (MControl* child : c->children_) {
                if (child->focused_) {
                    focused = child;
                    break;
                }
            }
        }
        if (!focused)
            break;
        c = focused;
    }
    if (c->active_ && c->active_->OnKeyDown(vk, repeat, modifiers))
        return 1;
    if (c->OnControlKeyDown(vk, repeat, modifiers)) {
        c->SendKeyNotify(vk, modifiers);
        return 1;
    }
    {
        std::lock_guard lock(c->childrenLock_);
        for (MControl* child : c->children_) {
            if (child->OnKeyDown(vk, repeat, modifiers)) {
                c->SendKeyNotify(vk, modifiers);
                return 1;
            }
        }
    }
    c->SendKeyNotify(vk, modifiers);
    return 0;
}

int MControl::OnTimer() {
    int r = OnControlTimer();
    std::lock_guard lock(childrenLock_);
    for (MControl* c : children_)
        if (c->runTimer_ && c->visible_ && c->OnTimer())
            r = 1;
    return r;
}

void MControl::Draw(HDC& hdc, CRect clip) {
    if (!visible_ || CRect::Intersect(rect_, clip).IsRectEmpty())
        return;
    {
        std::lock_guard lock(areasLock_);
        for (MControl* a : areas_)
            if (a->rect_.Intersects(rect_))
                a->Draw(hdc, clip);
    }
    DrawControl(hdc, clip);
    DrawSubControls(hdc, clip);
}

}  // namespace VKUI
