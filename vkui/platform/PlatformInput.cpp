// Input state and the translation of raw pointer and key input into window messages.
#include <cstdlib>

#include "platform/Platform.h"

namespace VKUI {

// ---- Input ----------------------------------------------------------------------------------

HWND Platform::SetCapture(HWND hwnd) {
    std::lock_guard lock(mutex_);
    HWND previous = capture_;
    if (!Find(hwnd))
        return previous;
    capture_ = hwnd;
    NativeSetCapture(hwnd);
    return previous;
}

bool Platform::ReleaseCapture() {
    std::lock_guard lock(mutex_);
    if (!capture_)
        return true;
    capture_ = nullptr;
    NativeReleaseCapture();
    return true;
}

void Platform::TrackMouseLeave(HWND hwnd) {
    std::lock_guard lock(mutex_);
    if (Window* w = Find(hwnd))
        w->trackLeave = true;
}

HWND Platform::SetFocus(HWND hwnd) {
    HWND previous = focus_;
    if (!IsWindow(hwnd))
        return nullptr;
    Activate(hwnd);
    return previous;
}

void Platform::Activate(HWND hwnd) {
    HWND old;
    {
        std::lock_guard lock(mutex_);
        if (active_ == hwnd)
            return;
        old = active_;
        active_ = focus_ = hwnd;
    }
    if (old && IsWindow(old)) {
        SendMessageW(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
        SendMessageW(old, WM_NCACTIVATE, 0, 0);
        SendMessageW(old, WM_ACTIVATE, 0, reinterpret_cast<LPARAM>(hwnd));
    }
    if (!IsWindow(hwnd) || active_ != hwnd)
        return;
    {
        std::lock_guard lock(mutex_);
        if (Window* w = Find(hwnd))
            NativeSetFocus(hwnd, *w);
    }
    SendMessageW(hwnd, WM_NCACTIVATE, 1, 0);
    SendMessageW(hwnd, WM_ACTIVATE, 1, reinterpret_cast<LPARAM>(old));
    SendMessageW(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
}

short Platform::GetKeyState(unsigned vk) const {
    std::lock_guard lock(mutex_);
    return vk < 256 && keys_[vk] ? static_cast<short>(0x8000) : 0;
}

void Platform::SetCursor(CursorShape shape) {
    std::lock_guard lock(mutex_);
    if (cursorShape_ == shape)
        return;
    cursorShape_ = shape;
    NativeSetCursor(shape);
}

WPARAM Platform::MouseKeys() const {
    WPARAM k = 0;
    if (keys_[VK_LBUTTON])
        k |= MK_LBUTTON;
    if (keys_[VK_RBUTTON])
        k |= MK_RBUTTON;
    if (keys_[VK_MBUTTON])
        k |= MK_MBUTTON;
    if (keys_[VK_SHIFT])
        k |= MK_SHIFT;
    if (keys_[VK_CONTROL])
        k |= MK_CONTROL;
    return k;
}

void Platform::SendMouse(HWND hwnd, unsigned msg, WPARAM keys, CPoint screen) {
    CPoint c = ScreenToClient(hwnd, screen);
    PostMessageW(hwnd, msg, keys, MAKELPARAM(c.x, c.y));
}

void Platform::InputPointerMotion(CPoint screen) {
    HWND target, leaveFrom = nullptr;
    {
        std::lock_guard lock(mutex_);
        cursor_ = screen;
        target = capture_ ? capture_ : WindowAt(screen);
        if (hover_ && hover_ != target) {
            if (Window* w = Find(hover_); w && w->trackLeave) {
                w->trackLeave = false;
                leaveFrom = hover_;
            }
        }
        hover_ = target;
    }
    if (leaveFrom)
        PostMessageW(leaveFrom, WM_MOUSELEAVE, 0, 0);
    if (target && IsWindowEnabled(target))
        SendMouse(target, WM_MOUSEMOVE, MouseKeys(), screen);
}

void Platform::InputPointerLeave(HWND hwnd) {
    std::lock_guard lock(mutex_);
    if (capture_ == hwnd)
        return;
    if (hover_ == hwnd)
        hover_ = nullptr;
    if (Window* w = Find(hwnd); w && w->trackLeave) {
        w->trackLeave = false;
        queue_.push_back({hwnd, WM_MOUSELEAVE, 0, 0});
    }
}

void Platform::InputButton(int button, bool down, CPoint screen) {
    static const unsigned kVk[4] = {0, VK_LBUTTON, VK_MBUTTON, VK_RBUTTON};
    if (button < 1 || button > 3)
        return;
    InputPointerMotion(screen);
    HWND target;
    {
        std::lock_guard lock(mutex_);
        keys_[kVk[button]] = down;
        target = capture_ ? capture_ : WindowAt(screen);
    }
    if (!target) {
        // A press outside every window of ours deactivates the active one.
        if (down && active_) {
            HWND old = active_;
            {
                std::lock_guard lock(mutex_);
                active_ = focus_ = nullptr;
            }
            SendMessageW(old, WM_NCACTIVATE, 0, 0);
        }
        return;
    }
    if (!IsWindowEnabled(target))
        return;
    WPARAM keys = MouseKeys();
    if (!down) {
        unsigned msg = button == 1   ? unsigned{WM_LBUTTONUP}
                       : button == 3 ? unsigned{WM_RBUTTONUP}
                                     : unsigned{WM_MBUTTONUP};
        SendMouse(target, msg, keys, screen);
        return;
    }
    if (!capture_)
        Activate(target);
    bool dbl = false;
    {
        std::lock_guard lock(mutex_);
        std::int64_t now = NowMs();
        const Window* w = Find(target);
        dbl = w && w->doubleClicks && button != 2 && !lastWasDouble_ && button == lastButton_ &&
              target == lastPressWnd_ && now - lastPressMs_ <= GetDoubleClickTime() &&
              std::abs(screen.x - lastPressAt_.x) <= 2 && std::abs(screen.y - lastPressAt_.y) <= 2;
        lastWasDouble_ = dbl;
        lastButton_ = button;
        lastPressMs_ = now;
        lastPressAt_ = screen;
        lastPressWnd_ = target;
    }
    unsigned msg;
    if (button == 1)
        msg = dbl ? unsigned{WM_LBUTTONDBLCLK} : unsigned{WM_LBUTTONDOWN};
    else if (button == 3)
        msg = dbl ? unsigned{WM_RBUTTONDBLCLK} : unsigned{WM_RBUTTONDOWN};
    else
        msg = WM_MBUTTONDOWN;
    SendMouse(target, msg, keys, screen);
}

void Platform::InputWheel(int delta, CPoint screen) {
    HWND target;
    {
        std::lock_guard lock(mutex_);
        cursor_ = screen;
        target = capture_ ? capture_ : WindowAt(screen);
    }
    if (!target || !IsWindowEnabled(target))
        return;
    WPARAM w = (MouseKeys() & 0xFFFF) | (static_cast<WPARAM>(delta & 0xFFFF) << 16);
    PostMessageW(target, WM_MOUSEWHEEL, w, MAKELPARAM(screen.x, screen.y));
}

void Platform::InputKey(unsigned vk, bool down, char32_t ch) {
    if (vk == 0 || vk > 255)
        return;
    HWND target;
    bool alt;
    {
        std::lock_guard lock(mutex_);
        keys_[vk] = down;
        auto merge = [&](unsigned generic, unsigned l, unsigned r) {
            if (vk == l || vk == r || vk == generic)
                keys_[generic] = keys_[l] || keys_[r] || (vk == generic && down);
        };
        merge(VK_SHIFT, VK_LSHIFT, VK_RSHIFT);
        merge(VK_CONTROL, VK_LCONTROL, VK_RCONTROL);
        merge(VK_MENU, VK_LMENU, VK_RMENU);
        target = focus_;
        alt = keys_[VK_MENU];
    }
    if (!target || !IsWindowEnabled(target))
        return;
    unsigned msg = down ? (alt ? unsigned{WM_SYSKEYDOWN} : unsigned{WM_KEYDOWN})
                        : (alt ? unsigned{WM_SYSKEYUP} : unsigned{WM_KEYUP});
    LPARAM l = down ? 1 : static_cast<LPARAM>(0xC0000001UL);
    PostMessageW(target, msg, vk, l);
    if (down && ch && !alt && !(GetKeyState(VK_CONTROL) & 0x8000))
        PostMessageW(target, WM_CHAR, static_cast<WPARAM>(ch), 1);
}

}  // namespace VKUI
