// Message routing of the paint manager: mouse, wheel, keys, Tab traversal, activation.
#include <algorithm>

#include "core/MControl.h"
#include "core/PaintManager.h"
#include "platform/Platform.h"

namespace VKUI {

namespace {
CPoint PointOf(LPARAM l) {
    return {GET_X_LPARAM(l), GET_Y_LPARAM(l)};
}
}  // namespace

unsigned PaintManager::ModifierCode() {
    Platform& p = Platform::Get();
    unsigned code = (p.GetKeyState(VK_MENU) & 0x8000)    ? 18
                    : (p.GetKeyState(VK_SHIFT) & 0x8000) ? 16
                                                         : 0;
    if (p.GetKeyState(VK_CONTROL) & 0x8000)
        code |= 17;
    return code;
}

long PaintManager::OnWindowMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
    {
        std::lock_guard lock(controlsLock_);
        for (MControl* c : controls_)
            if (c->OnWindowMessage(msg, static_cast<unsigned>(wParam), lParam))
                return 0;
    }
    long r = 0;
    switch (msg) {
        case WM_PAINT:
            r = OnPaint();
            break;
        case WM_GETMINMAXINFO:
            r = OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
            break;
        case WM_CREATE:
        case WM_DESTROY:
        case WM_SIZE:
        case WM_CHAR:
        case WM_MOUSEHOVER:
            return 1;
        case WM_NCDESTROY:
            DestroyData();
            return 1;
        case WM_NCACTIVATE:
            r = OnNcActivate(static_cast<int>(wParam));
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            r = OnKeyDown(static_cast<unsigned>(wParam), lParam);
            break;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            r = OnKeyUp(static_cast<unsigned>(wParam), lParam);
            break;
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_MOUSEMOVE:
            r = OnMouseMove(static_cast<unsigned>(wParam), PointOf(lParam));
            break;
        case WM_MOUSELEAVE:
            r = OnMouseLeave();
            break;
        case WM_MOUSEWHEEL:
            r = OnMouseWheel(LOWORD(wParam), GET_WHEEL_DELTA_WPARAM(wParam), PointOf(lParam));
            break;
        case WM_LBUTTONDOWN:
            r = OnLButtonDown(static_cast<unsigned>(wParam), PointOf(lParam));
            break;
        case WM_LBUTTONUP:
            r = OnLButtonUp(static_cast<unsigned>(wParam), PointOf(lParam));
            break;
        case WM_LBUTTONDBLCLK:
            r = OnLButtonDblClk(static_cast<unsigned>(wParam), PointOf(lParam));
            break;
        case WM_RBUTTONDOWN:
            r = OnRButtonDown(static_cast<unsigned>(wParam), PointOf(lParam));
            break;
        case WM_RBUTTONUP:
            r = OnRButtonUp(static_cast<unsigned>(wParam), PointOf(lParam));
            break;
        case WM_RBUTTONDBLCLK:
            r = OnRButtonDblClk(static_cast<unsigned>(wParam), PointOf(lParam));
            break;
        default:
            return 0;
    }
    return r ? 1 : 0;
}

int PaintManager::PreTranslateMessage(MSG* msg) {
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN) ||
        msg->wParam != VK_TAB)
        return 0;
    unsigned code = ModifierCode();
    MControl* next = code == 0    ? GetNextFocusableControl()
                     : code == 16 ? GetPrevFocusableControl()
                                  : nullptr;
    if (code != 0 && code != 16)
        return 0;
    if (next == focus_)
        return 0;
    SetFocusControl(next);
    return 1;
}

long PaintManager::OnMouseMove(unsigned flags, CPoint pt) {
    if (!tracking_) {
        Platform::Get().TrackMouseLeave(hwnd_);
        tracking_ = 1;
    }
    // No system drag on Linux: an armed drag only remembers where the pointer is.
    if (dragArmed_ && (flags & MK_LBUTTON))
        lastDragPoint_ = pt;
    if (hover_ && hover_->PtInRect(pt) && hover_->OnCheckMouseResponse(flags, pt) && tracking_) {
        hover_->OnMouseMove(flags, pt);
        return 1;
    }
    if (!tooltipText_.empty())
        ClearTooltip();
    if (leftPressed_)
        return 1;
    if (!tracking_) {
        hover_ = nullptr;
        return 1;
    }
    MControl* newHover = nullptr;
    {
        std::lock_guard lock(controlsLock_);
        for (MControl* c : controls_) {
            c->OnMouseMove(flags, pt);
            if (c->PtInRect(pt) && c->GetRresponse())
                newHover = c;
        }
    }
    hover_ = newHover;
    return 1;
}

long PaintManager::OnMouseLeave() {
    ClearTooltip();
    tracking_ = 0;
    if (!leftPressed_ && hover_) {
        MControl* h = hover_;
        hover_ = nullptr;
        h->OnMouseMove(0, CPoint(-1, -1));
    }
    return 0;
}

long PaintManager::OnNcActivate(int active) {
    active_ = active;
    if (!active) {
        tracking_ = 0;
        if (captured_)
            ReleaseCapture();
        leftDblClk_ = 0;
        if (MControl* h = hover_) {
            if (leftPressed_ || h->IsPressed())
                h->OnLButtonUp(0, CPoint(-1, -1));
            else
                h->OnMouseMove(0, CPoint(-1, -1));
        }
        leftPressed_ = 0;
        hover_ = nullptr;
    }
    InvalidateRect(nullptr, 1);
    return 0;
}

long PaintManager::OnLButtonDown(unsigned flags, CPoint pt) {
    leftDblClk_ = 0;
    if (focus_ && focus_ != hover_) {
        MControl* old = focus_;
        focus_ = nullptr;
        old->SetControlFocus(0);
    }
    MControl* h = hover_;
    if (h && h->IsVisible() && h->GetRresponse() && h->PtInRect(pt) &&
        h->OnCheckMouseResponse(flags, pt)) {
        if (h->IsDragDrop() && h->IsEnabled()) {
            dragArmed_ = 1;
            lastDragPoint_ = pt;
            HBITMAP bmp = h->GetControlDropBitmap();
            dragBitmap_.reset(bmp);
        }
        leftPressed_ = 1;
        SetFocusControl(h);
        int handled = h->OnLButtonDown(flags, pt);
        if (!captured_ && hover_ == h && h->OnCheckMouseResponse(flags, pt)) {
            SetCapture();
            return 1;
        }
        if (handled)
            return 1;
    }
    if (wndDrag_) {
        ReleaseCapture();
        Platform::Get().SendMessageW(hwnd_, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(pt.x, pt.y));
    }
    return 1;
}

long PaintManager::OnRButtonDown(unsigned flags, CPoint pt) {
    if (focus_ && focus_ != hover_) {
        MControl* old = focus_;
        focus_ = nullptr;
        old->SetControlFocus(0);
    }
    MControl* h = hover_;
    if (h && h->IsVisible() && h->GetRresponse() && h->PtInRect(pt) &&
        h->OnCheckMouseResponse(flags, pt)) {
        rightPressed_ = 1;
        SetFocusControl(h);
        int handled = h->OnRButtonDown(flags, pt);
        if (!captured_ && hover_ == h && h->OnCheckMouseResponse(flags, pt)) {
            SetCapture();
            return 1;
        }
        if (handled)
            return 1;
    }
    return 1;
}

long PaintManager::OnLButtonUp(unsigned flags, CPoint pt) {
    if (captured_)
        ReleaseCapture();
    leftPressed_ = 0;
    dragArmed_ = 0;
    if (MControl* h = hover_; h && h->IsVisible() && h->GetRresponse()) {
        CRect before = h->GetRect();
        h->OnLButtonUp(flags, pt);
        if (hover_ == h && !before.PtInRect(pt))
            hover_ = nullptr;
    }
    leftDblClk_ = 0;
    return 1;
}

long PaintManager::OnRButtonUp(unsigned flags, CPoint pt) {
    if (captured_)
        ReleaseCapture();
    rightPressed_ = 0;
    if (MControl* h = hover_; h && h->IsVisible() && h->GetRresponse()) {
        CRect before = h->GetRect();
        h->OnRButtonUp(flags, pt);
        if (hover_ == h && !before.PtInRect(pt))
            hover_ = nullptr;
    }
    rightDblClk_ = 0;
    return 1;
}

long PaintManager::OnLButtonDblClk(unsigned flags, CPoint pt) {
    leftDblClk_ = 1;
    if (MControl* h = hover_; h && h->IsVisible() && h->GetRresponse()) {
        h->OnLButtonDblClk(flags, pt);
        if (hover_ == h && !h->GetRect().PtInRect(pt))
            hover_ = nullptr;
    }
    return 1;
}

long PaintManager::OnRButtonDblClk(unsigned flags, CPoint pt) {
    rightDblClk_ = 1;
    if (MControl* h = hover_; h && h->IsVisible() && h->GetRresponse()) {
        h->OnRButtonDblClk(flags, pt);
        if (hover_ == h && !h->GetRect().PtInRect(pt))
            hover_ = nullptr;
    }
    return 1;
}

long PaintManager::OnMouseWheel(unsigned, int delta, CPoint screenPt) {
    CPoint pt = Platform::Get().ScreenToClient(hwnd_, screenPt);
    int n = delta / 120;
    unsigned direction = n <= 0 ? 1 : 0;
    long result = 0;
    for (int i = 0; i < std::abs(n); ++i) {
        if (hover_ && hover_->OnScroll(1, direction, pt)) {
            result = 1;
            continue;
        }
        std::lock_guard lock(controlsLock_);
        for (MControl* c : controls_) {
            if (c->OnScroll(1, direction, pt)) {
                result = 1;
                break;
            }
        }
    }
    return result;
}

long PaintManager::OnKeyDown(unsigned vk, LPARAM) {
    unsigned modifiers = ModifierCode();
    if (hover_ && hover_->OnKeyDown(vk, 1, modifiers))
        return 1;
    std::lock_guard lock(controlsLock_);
    for (MControl* c : controls_)
        if (c->OnKeyDown(vk, 1, modifiers))
            break;
    return 1;
}

long PaintManager::OnGetMinMaxInfo(MINMAXINFO* info) {
    if (!info)
        return 0;
    if (minSize_.cx > 0)
        info->ptMinTrackSize.x = minSize_.cx;
    if (minSize_.cy > 0)
        info->ptMinTrackSize.y = minSize_.cy;
    if (maxSize_.cx > 0)
        info->ptMaxTrackSize.x = info->ptMaxSize.x = maxSize_.cx;
    if (maxSize_.cy > 0)
        info->ptMaxTrackSize.y = info->ptMaxSize.y = maxSize_.cy;
    return 1;
}

}  // namespace VKUI
