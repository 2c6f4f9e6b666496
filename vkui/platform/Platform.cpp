#include "platform/Platform.h"

#include <cstdlib>
#include <cstring>

#include "platform/headless/HeadlessPlatform.h"
#include "platform/x11/X11Platform.h"

namespace VKUI {

namespace {
std::unique_ptr<Platform>& Instance() {
    static std::unique_ptr<Platform> instance;
    return instance;
}
}  // namespace

Platform::Platform() = default;
Platform::~Platform() = default;

Platform& Platform::Get() {
    auto& instance = Instance();
    if (!instance) {
        const char* wanted = std::getenv("VKUI_BACKEND");
        if (!wanted || std::strcmp(wanted, "headless") != 0)
            instance = CreateX11Platform();
        if (!instance)
            instance = std::make_unique<HeadlessPlatform>();
    }
    return *instance;
}

void Platform::Install(std::unique_ptr<Platform> backend) {
    Instance() = std::move(backend);
}
bool Platform::HasInstance() {
    return Instance() != nullptr;
}

Platform::Window* Platform::Find(HWND hwnd) {
    auto it = windows_.find(hwnd);
    return it == windows_.end() ? nullptr : &it->second;
}

const Platform::Window* Platform::Find(HWND hwnd) const {
    auto it = windows_.find(hwnd);
    return it == windows_.end() ? nullptr : &it->second;
}

std::int64_t Platform::NowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// ---- Windows --------------------------------------------------------------------------------

HWND Platform::CreateWindowW(const WindowCreateParams& params) {
    if (!params.proc)
        return nullptr;
    HWND hwnd;
    {
        std::lock_guard lock(mutex_);
        if (params.owner && !Find(params.owner))
            return nullptr;
        hwnd = reinterpret_cast<HWND>(nextHandle_++);
        Window w;
        w.proc = params.proc;
        w.owner = params.owner;
        w.style = params.style & ~WS_VISIBLE;
        w.exStyle = params.exStyle;
        w.rect = params.rect;
        w.title = params.title;
        w.doubleClicks = params.doubleClicks;
        auto& stored = windows_[hwnd] = std::move(w);
        if (!NativeCreate(hwnd, stored)) {
            windows_.erase(hwnd);
            return nullptr;
        }
        zOrder_.push_back(hwnd);
    }
    auto* cp = const_cast<WindowCreateParams*>(&params);
    if (!SendMessageW(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(cp->createParam))) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (SendMessageW(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(cp->createParam)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!IsWindow(hwnd))
        return nullptr;
    CRect r = GetWindowRect(hwnd);
    SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(r.Width(), r.Height()));
    SendMessageW(hwnd, WM_MOVE, 0, MAKELPARAM(r.left, r.top));
    if (params.style & WS_VISIBLE)
        ShowWindow(hwnd, SW_SHOW);
    return hwnd;
}

bool Platform::DestroyWindow(HWND hwnd) {
    std::vector<HWND> owned;
    {
        std::lock_guard lock(mutex_);
        if (!Find(hwnd))
            return false;
        for (auto& [h, w] : windows_)
            if (w.owner == hwnd)
                owned.push_back(h);
    }
    for (HWND h : owned)
        DestroyWindow(h);
    if (!IsWindow(hwnd))
        return false;
    SendMessageW(hwnd, WM_DESTROY, 0, 0);
    {
        std::lock_guard lock(mutex_);
        Window* w = Find(hwnd);
        if (!w)
            return false;
        if (capture_ == hwnd)
            ReleaseCapture();
        if (focus_ == hwnd)
            focus_ = nullptr;
        if (active_ == hwnd)
            active_ = nullptr;
        if (hover_ == hwnd)
            hover_ = nullptr;
        if (lastPressWnd_ == hwnd)
            lastPressWnd_ = nullptr;
        NativeDestroy(hwnd, *w);
        w->visible = false;
    }
    SendMessageW(hwnd, WM_NCDESTROY, 0, 0);
    std::lock_guard lock(mutex_);
    windows_.erase(hwnd);
    std::erase(zOrder_, hwnd);
    return true;
}

bool Platform::IsWindow(HWND hwnd) const {
    std::lock_guard lock(mutex_);
    return hwnd && Find(hwnd) != nullptr;
}

void* Platform::GetUserData(HWND hwnd) const {
    std::lock_guard lock(mutex_);
    const Window* w = Find(hwnd);
    return w ? w->userData : nullptr;
}

void Platform::SetUserData(HWND hwnd, void* data) {
    std::lock_guard lock(mutex_);
    if (Window* w = Find(hwnd))
        w->userData = data;
}

HWND Platform::GetOwner(HWND hwnd) const {
    std::lock_guard lock(mutex_);
    const Window* w = Find(hwnd);
    return w ? w->owner : nullptr;
}

bool Platform::ShowWindow(HWND hwnd, int cmd) {
    bool wasVisible;
    bool activate = false;
    bool sizeChanged = false;
    unsigned sizeType = SIZE_RESTORED;
    {
        std::lock_guard lock(mutex_);
        Window* w = Find(hwnd);
        if (!w)
            return false;
        wasVisible = w->visible;
        switch (cmd) {
            case SW_HIDE:
                w->visible = false;
                NativeShow(hwnd, *w, false);
                break;
            case SW_MINIMIZE:
                w->iconic = true;
                NativeShow(hwnd, *w, false);
                sizeChanged = true;
                sizeType = SIZE_MINIMIZED;
                break;
            case SW_MAXIMIZE:
                w->visible = true;
                w->iconic = false;
                if (!w->zoomed) {
                    w->zoomed = true;
                    w->restoreRect = w->rect;
                    w->rect = GetWorkArea();
                    NativeMove(hwnd, *w);
                    sizeChanged = true;
                    sizeType = SIZE_MAXIMIZED;
                }
                NativeShow(hwnd, *w, true);
                activate = true;
                break;
            default:
                if (cmd == SW_RESTORE && w->zoomed) {
                    w->zoomed = false;
                    w->rect = w->restoreRect;
                    NativeMove(hwnd, *w);
                    sizeChanged = true;
                }
                if (w->iconic)
                    sizeChanged = true;
                w->iconic = false;
                w->visible = true;
                NativeShow(hwnd, *w, true);
                activate = cmd != SW_SHOWNOACTIVATE;
                break;
        }
        if (w->visible && !w->iconic)
            w->update = CRect(0, 0, w->rect.Width(), w->rect.Height());
        if (w->visible) {
            std::erase(zOrder_, hwnd);
            zOrder_.push_back(hwnd);
        }
    }
    if (wasVisible != IsWindowVisible(hwnd))
        SendMessageW(hwnd, WM_SHOWWINDOW, IsWindowVisible(hwnd) ? 1 : 0, 0);
    if (sizeChanged) {
        CRect r = GetWindowRect(hwnd);
        SendMessageW(hwnd, WM_SIZE, sizeType, MAKELPARAM(r.Width(), r.Height()));
    }
    if (cmd == SW_HIDE && active_ == hwnd) {
        HWND owner = GetOwner(hwnd);
        if (owner && IsWindowVisible(owner))
            Activate(owner);
        else {
            SendMessageW(hwnd, WM_NCACTIVATE, 0, 0);
            std::lock_guard lock(mutex_);
            active_ = focus_ = nullptr;
        }
    }
    if (activate && IsWindowEnabled(hwnd))
        Activate(hwnd);
    Wake();
    return wasVisible;
}

bool Platform::IsWindowVisible(HWND hwnd) const {
    std::lock_guard lock(mutex_);
    const Window* w = Find(hwnd);
    return w && w->visible;
}

bool Platform::IsIconic(HWND hwnd) const {
    std::lock_guard lock(mutex_);
    const Window* w = Find(hwnd);
    return w && w->iconic;
}

bool Platform::IsZoomed(HWND hwnd) const {
    std::lock_guard lock(mutex_);
    const Window* w = Find(hwnd);
    return w && w->zoomed;
}

bool Platform::EnableWindow(HWND hwnd, bool enable) {
    std::lock_guard lock(mutex_);
    Window* w = Find(hwnd);
    if (!w)
        return false;
    bool wasDisabled = !w->enabled;
    w->enabled = enable;
    return wasDisabled;
}

bool Platform::IsWindowEnabled(HWND hwnd) const {
    std::lock_guard lock(mutex_);
    const Window* w = Find(hwnd);
    return w && w->enabled;
}

bool Platform::MoveWindow(HWND hwnd, const CRect& screenRect, bool repaint) {
    bool moved, resized;
    {
        std::lock_guard lock(mutex_);
        Window* w = Find(hwnd);
        if (!w)
            return false;
        moved = w->rect.TopLeft() != screenRect.TopLeft();
        resized = w->rect.Width() != screenRect.Width() || w->rect.Height() != screenRect.Height();
        w->rect = screenRect;
        NativeMove(hwnd, *w);
        if (resized && w->roundRegion)
            NativeSetShape(hwnd, *w);
        if (repaint || resized)
            w->update = CRect(0, 0, screenRect.Width(), screenRect.Height());
    }
    SendMessageW(hwnd, WM_WINDOWPOSCHANGED, 0, 0);
    if (moved)
        SendMessageW(hwnd, WM_MOVE, 0, MAKELPARAM(screenRect.left, screenRect.top));
    if (resized)
        SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED,
                     MAKELPARAM(screenRect.Width(), screenRect.Height()));
    Wake();
    return true;
}

CRect Platform::GetWindowRect(HWND hwnd) const {
    std::lock_guard lock(mutex_);
    const Window* w = Find(hwnd);
    return w ? w->rect : CRect();
}

CRect Platform::GetClientRect(HWND hwnd) const {
    CRect r = GetWindowRect(hwnd);
    return {0, 0, r.Width(), r.Height()};
}

unsigned long Platform::GetStyle(HWND hwnd) const {
    std::lock_guard lock(mutex_);
    const Window* w = Find(hwnd);
    if (!w)
        return 0;
    return w->style | (w->visible ? WS_VISIBLE + 0UL : 0UL) |
           (w->iconic ? WS_MINIMIZE + 0UL : 0UL) | (w->zoomed ? WS_MAXIMIZE + 0UL : 0UL);
}

unsigned long Platform::GetExStyle(HWND hwnd) const {
    std::lock_guard lock(mutex_);
    const Window* w = Find(hwnd);
    return w ? w->exStyle : 0;
}

void Platform::SetStyle(HWND hwnd, unsigned long style) {
    std::lock_guard lock(mutex_);
    if (Window* w = Find(hwnd))
        w->style = style & ~(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
}

void Platform::SetExStyle(HWND hwnd, unsigned long exStyle) {
    std::lock_guard lock(mutex_);
    if (Window* w = Find(hwnd))
        w->exStyle = exStyle;
}

bool Platform::SetWindowTextW(HWND hwnd, const std::wstring& text) {
    std::lock_guard lock(mutex_);
    Window* w = Find(hwnd);
    if (!w)
        return false;
    w->title = text;
    NativeSetTitle(hwnd, *w);
    return true;
}

std::wstring Platform::GetWindowTextW(HWND hwnd) const {
    std::lock_guard lock(mutex_);
    const Window* w = Find(hwnd);
    return w ? w->title : std::wstring();
}

CPoint Platform::ClientToScreen(HWND hwnd, CPoint p) const {
    CRect r = GetWindowRect(hwnd);
    return {p.x + r.left, p.y + r.top};
}

CPoint Platform::ScreenToClient(HWND hwnd, CPoint p) const {
    CRect r = GetWindowRect(hwnd);
    return {p.x - r.left, p.y - r.top};
}

std::vector<HWND> Platform::Windows() const {
    std::lock_guard lock(mutex_);
    return zOrder_;
}

bool Platform::SetWindowRoundRegion(HWND hwnd, int size) {
    std::lock_guard lock(mutex_);
    Window* w = Find(hwnd);
    if (!w)
        return false;
    w->roundRegion = size > 0 ? size : 0;
    NativeSetShape(hwnd, *w);
    return true;
}

int Platform::GetWindowRoundRegion(HWND hwnd) const {
    std::lock_guard lock(mutex_);
    const Window* w = Find(hwnd);
    return w ? w->roundRegion : 0;
}

std::uint64_t Platform::NativeHandle(HWND hwnd) const {
    std::lock_guard lock(mutex_);
    const Window* w = Find(hwnd);
    return w ? w->nativeId : 0;
}

HWND Platform::WindowAt(CPoint screen) const {
    std::lock_guard lock(mutex_);
    for (auto it = zOrder_.rbegin(); it != zOrder_.rend(); ++it) {
        const Window* w = Find(*it);
        if (w && w->visible && !w->iconic && w->rect.PtInRect(screen))
            return *it;
    }
    return nullptr;
}

// ---- Messages -------------------------------------------------------------------------------

LRESULT Platform::SendMessageW(HWND hwnd, unsigned msg, WPARAM wParam, LPARAM lParam) {
    WNDPROC proc;
    {
        std::lock_guard lock(mutex_);
        Window* w = Find(hwnd);
        if (!w)
            return 0;
        proc = w->proc;
    }
    return proc(hwnd, msg, wParam, lParam);
}

bool Platform::PostMessageW(HWND hwnd, unsigned msg, WPARAM wParam, LPARAM lParam) {
    {
        std::lock_guard lock(mutex_);
        if (hwnd && !Find(hwnd))
            return false;
        queue_.push_back({hwnd, msg, wParam, lParam});
    }
    Wake();
    return true;
}

void Platform::PostQuitMessage(int code) {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
        quitCode_ = code;
    }
    Wake();
}

int Platform::CollectTimers() {
    std::lock_guard lock(mutex_);
    std::int64_t now = NowMs();
    std::int64_t next = -1;
    for (auto& [hwnd, w] : windows_) {
        for (auto& t : w.timers) {
            if (t.due <= now) {
                bool pending = false;
                for (const MSG& m : queue_)
                    if (m.hwnd == hwnd && m.message == WM_TIMER && m.wParam == t.id)
                        pending = true;
                if (!pending)
                    queue_.push_back({hwnd, WM_TIMER, t.id, 0});
                t.due = now + std::max(1u, t.elapse);
            }
            std::int64_t left = t.due - now;
            if (next < 0 || left < next)
                next = left;
        }
    }
    return static_cast<int>(next);
}

bool Platform::TakeMessage(MSG& msg) {
    std::lock_guard lock(mutex_);
    if (!queue_.empty()) {
        msg = queue_.front();
        queue_.pop_front();
        return true;
    }
    if (quit_) {
        quit_ = false;
        msg = {nullptr, WM_QUIT, static_cast<WPARAM>(quitCode_), 0};
        return true;
    }
    for (HWND hwnd : zOrder_) {
        const Window* w = Find(hwnd);
        if (w && w->visible && !w->iconic && !w->update.IsRectEmpty()) {
            msg = {hwnd, WM_PAINT, 0, 0};
            return true;
        }
    }
    return false;
}

bool Platform::PeekMessageW(MSG& msg) {
    NativeWait(0);
    CollectTimers();
    return TakeMessage(msg);
}

bool Platform::GetMessageW(MSG& msg) {
    for (;;) {
        NativeWait(0);
        int next = CollectTimers();
        if (TakeMessage(msg))
            return msg.message != WM_QUIT;
        if (next < 0 && !NativeIdle()) {
            msg = {nullptr, WM_QUIT, 0, 0};
            return false;
        }
        NativeWait(next);
    }
}

LRESULT Platform::DispatchMessageW(const MSG& msg) {
    if (!msg.hwnd || !IsWindow(msg.hwnd))
        return 0;
    if (msg.message != WM_PAINT)
        return SendMessageW(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    std::uint64_t before = PaintCount(msg.hwnd);
    LRESULT r = SendMessageW(msg.hwnd, WM_PAINT, 0, 0);
    // A window procedure that ignores WM_PAINT must not cause an endless stream of them.
    std::lock_guard lock(mutex_);
    if (Window* w = Find(msg.hwnd); w && w->paints == before)
        w->update = CRect();
    return r;
}

LRESULT Platform::DefWindowProcW(HWND hwnd, unsigned msg, WPARAM wParam, LPARAM) {
    switch (msg) {
        case WM_NCCREATE:
            return 1;
        case WM_CLOSE:
            DestroyWindow(hwnd);
            return 0;
        case WM_NCLBUTTONDOWN:
            if (wParam == HTCAPTION)
                BeginMoveDrag(hwnd);
            return 0;
        case WM_PAINT: {
            std::lock_guard lock(mutex_);
            if (Window* w = Find(hwnd))
                w->update = CRect();
            return 0;
        }
        default:
            return 0;
    }
}

// ---- Timers ---------------------------------------------------------------------------------

bool Platform::SetTimer(HWND hwnd, WPARAM id, unsigned elapseMs) {
    {
        std::lock_guard lock(mutex_);
        Window* w = Find(hwnd);
        if (!w)
            return false;
        std::int64_t due = NowMs() + std::max(1u, elapseMs);
        for (auto& t : w->timers) {
            if (t.id == id) {
                t.elapse = elapseMs;
                t.due = due;
                return true;
            }
        }
        w->timers.push_back({id, elapseMs, due});
    }
    Wake();
    return true;
}

bool Platform::KillTimer(HWND hwnd, WPARAM id) {
    std::lock_guard lock(mutex_);
    Window* w = Find(hwnd);
    if (!w)
        return false;
    auto n = std::erase_if(w->timers, [id](const Timer& t) { return t.id == id; });
    std::erase_if(queue_, [&](const MSG& m) {
        return m.hwnd == hwnd && m.message == WM_TIMER && m.wParam == id;
    });
    return n > 0;
}

bool Platform::HasTimer(HWND hwnd, WPARAM id) const {
    std::lock_guard lock(mutex_);
    const Window* w = Find(hwnd);
    if (!w)
        return false;
    for (const auto& t : w->timers)
        if (t.id == id)
            return true;
    return false;
}

// ---- Painting -------------------------------------------------------------------------------

void Platform::InvalidateRect(HWND hwnd, const CRect* rect) {
    {
        std::lock_guard lock(mutex_);
        Window* w = Find(hwnd);
        if (!w)
            return;
        CRect client(0, 0, w->rect.Width(), w->rect.Height());
        CRect r = rect ? CRect::Intersect(*rect, client) : client;
        w->update = CRect::Union(w->update, r);
    }
    Wake();
}

CRect Platform::GetUpdateRect(HWND hwnd) const {
    std::lock_guard lock(mutex_);
    const Window* w = Find(hwnd);
    return w ? w->update : CRect();
}

BackBuffer* Platform::BeginPaint(HWND hwnd, CRect& updateRect) {
    std::lock_guard lock(mutex_);
    Window* w = Find(hwnd);
    if (!w)
        return nullptr;
    int width = std::max(1, w->rect.Width()), height = std::max(1, w->rect.Height());
    if (!w->buffer || w->buffer->Width() != width || w->buffer->Height() != height)
        w->buffer = std::make_unique<BackBuffer>(width, height);
    updateRect = w->update;
    w->update = CRect();
    return w->buffer.get();
}

void Platform::EndPaint(HWND hwnd, const CRect& painted) {
    std::lock_guard lock(mutex_);
    Window* w = Find(hwnd);
    if (!w)
        return;
    ++w->paints;
    if (w->buffer && !painted.IsRectEmpty()) {
        w->buffer->Flush();
        NativePresent(hwnd, *w, painted);
    }
}

std::uint64_t Platform::PaintCount(HWND hwnd) const {
    std::lock_guard lock(mutex_);
    const Window* w = Find(hwnd);
    return w ? w->paints : 0;
}

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
