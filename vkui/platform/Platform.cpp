#include "platform/Platform.h"

#include <cstdio>
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
        bool headless = wanted && std::strcmp(wanted, "headless") == 0;
        if (!headless)
            instance = CreateX11Platform();
        if (!instance) {
            // Windows would be invisible: say so instead of failing silently.
            if (!headless) {
                const char* display = std::getenv("DISPLAY");
                std::fprintf(stderr,
                             "VKUI: cannot open the X display \"%s\"; windows will not be shown\n",
                             display ? display : "");
            }
            instance = std::make_unique<HeadlessPlatform>();
        }
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

}  // namespace VKUI
