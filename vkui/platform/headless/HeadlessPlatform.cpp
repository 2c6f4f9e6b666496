#include "platform/headless/HeadlessPlatform.h"

#include <cairo.h>

#include <cstring>

namespace VKUI {

namespace {
// Whether pixel (x, y) lies in a w x h rounded rectangle with corner ellipses of size x size.
bool InRoundRect(int w, int h, int size, int x, int y) {
    double r = size / 2.0;
    double cx = x + 0.5 < r ? r : x + 0.5 > w - r ? w - r : x + 0.5;
    double cy = y + 0.5 < r ? r : y + 0.5 > h - r ? h - r : y + 0.5;
    double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
    return dx * dx + dy * dy <= r * r;
}
}  // namespace

HeadlessPlatform::HeadlessPlatform() = default;

HeadlessPlatform::~HeadlessPlatform() {
    // Destroy what tests left behind so window procedures see WM_NCDESTROY while alive.
    for (HWND h : Windows())
        if (IsWindow(h) && !GetOwner(h))
            DestroyWindow(h);
}

void HeadlessPlatform::BeginMoveDrag(HWND hwnd) {
    std::lock_guard lock(mutex_);
    ++moveDrags_[hwnd];
}

int HeadlessPlatform::MoveDragCount(HWND hwnd) const {
    std::lock_guard lock(mutex_);
    auto it = moveDrags_.find(hwnd);
    return it == moveDrags_.end() ? 0 : it->second;
}

void HeadlessPlatform::NativeDestroy(HWND hwnd, Window&) {
    fronts_.erase(hwnd);
}

void HeadlessPlatform::NativeWait(int timeoutMs) {
    // Virtual time: waiting for the next timer jumps straight to it.
    if (timeoutMs > 0)
        now_ += timeoutMs;
}

void HeadlessPlatform::NativePresent(HWND hwnd, Window& w, const CRect& rect) {
    auto& front = fronts_[hwnd];
    if (!front || front->Width() != w.buffer->Width() || front->Height() != w.buffer->Height())
        front = std::make_unique<BackBuffer>(w.buffer->Width(), w.buffer->Height());
    CRect r = CRect::Intersect(rect, CRect(0, 0, front->Width(), front->Height()));
    front->Flush();
    for (int y = r.top; y < r.bottom; ++y)
        std::memcpy(front->Row(y) + r.left, w.buffer->Row(y) + r.left, r.Width() * 4);
    front->MarkDirty();
}

int HeadlessPlatform::Pump() {
    int n = 0;
    MSG msg;
    while (PeekMessageW(msg)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        DispatchMessageW(msg);
        if (++n > 100000)
            break;  // a message storm is a bug in the test subject
    }
    return n;
}

void HeadlessPlatform::MouseMove(HWND hwnd, CPoint client) {
    InputPointerMotion(ClientToScreen(hwnd, client));
}

void HeadlessPlatform::MouseDown(HWND hwnd, CPoint client, int button) {
    InputButton(button, true, ClientToScreen(hwnd, client));
}

void HeadlessPlatform::MouseUp(HWND hwnd, CPoint client, int button) {
    InputButton(button, false, ClientToScreen(hwnd, client));
}

void HeadlessPlatform::Click(HWND hwnd, CPoint client, int button) {
    MouseDown(hwnd, client, button);
    MouseUp(hwnd, client, button);
}

void HeadlessPlatform::Wheel(HWND hwnd, CPoint client, int delta) {
    InputWheel(delta, ClientToScreen(hwnd, client));
}

std::uint32_t HeadlessPlatform::Pixel(HWND hwnd, int x, int y) const {
    std::lock_guard lock(mutex_);
    auto it = fronts_.find(hwnd);
    if (it == fronts_.end())
        return 0;
    const BackBuffer& b = *it->second;
    if (x < 0 || y < 0 || x >= b.Width() || y >= b.Height())
        return 0;
    if (const Window* w = Find(hwnd);
        w && w->roundRegion && !InRoundRect(b.Width() + 1, b.Height() + 1, w->roundRegion, x, y))
        return 0;
    std::uint32_t p = b.Row(y)[x];
    unsigned a = p >> 24;
    if (a == 0)
        return 0;
    if (a == 255)
        return p;
    auto un = [a](unsigned c) { return std::min(255u, (c * 255 + a / 2) / a); };
    return (a << 24) | (un((p >> 16) & 0xFF) << 16) | (un((p >> 8) & 0xFF) << 8) | un(p & 0xFF);
}

bool HeadlessPlatform::SavePng(HWND hwnd, const std::string& path) const {
    std::lock_guard lock(mutex_);
    auto it = fronts_.find(hwnd);
    if (it == fronts_.end())
        return false;
    return cairo_surface_write_to_png(it->second->Surface(), path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace VKUI
