// Per-window timers, invalidation and painting through the back buffer.
#include "platform/Platform.h"

namespace VKUI {

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

}  // namespace VKUI
