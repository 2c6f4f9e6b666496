#include "core/TooltipWnd.h"

#include <algorithm>

#include "core/MRender.h"
#include "core/Manager.h"
#include "platform/Platform.h"

namespace VKUI {

namespace {
constexpr int kMaxWidth = 256;
constexpr ARGB kBack = 0xFFF5F5F5;
constexpr ARGB kBorder = 0xFFB4B4B4;
constexpr ARGB kText = 0xFF373737;
FontSpec TipFont() {
    return {Manager::GetFontName(), 12, FontStyleRegular};
}
}  // namespace

TooltipWnd::TooltipWnd(HWND owner) : owner_(owner) {}

TooltipWnd::~TooltipWnd() {
    if (hwnd_ && Platform::Get().IsWindow(hwnd_)) {
        Platform::Get().SetUserData(hwnd_, nullptr);
        Platform::Get().DestroyWindow(hwnd_);
    }
}

LRESULT TooltipWnd::Proc(HWND hwnd, unsigned msg, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<TooltipWnd*>(Platform::Get().GetUserData(hwnd));
    if (msg == WM_PAINT && self) {
        self->Paint();
        return 0;
    }
    if (msg == WM_NCDESTROY && self)
        self->hwnd_ = nullptr;
    return Platform::Get().DefWindowProcW(hwnd, msg, wParam, lParam);
}

void TooltipWnd::Show(const CString& text, CPoint screen) {
    Platform& p = Platform::Get();
    text_ = text;
    CSize size = MRender::GetTextBounds(TipFont(), DT_WORDBREAK, kMaxWidth, text);
    int w = std::min(kMaxWidth, size.cx) + 8, h = size.cy + 6;
    CRect work = p.GetWorkArea();
    int x = std::clamp(screen.x + 12, work.left, std::max(work.left, work.right - w));
    int y = screen.y + 20;
    if (y + h > work.bottom)
        y = std::max(work.top, screen.y - h - 4);
    CRect r(x, y, x + w, y + h);
    if (!hwnd_ || !p.IsWindow(hwnd_)) {
        WindowCreateParams params;
        params.owner = owner_;
        params.style = WS_POPUP;
        params.exStyle = WS_EX_TOOLWINDOW;
        params.rect = r;
        params.proc = &TooltipWnd::Proc;
        params.doubleClicks = false;
        hwnd_ = p.CreateWindowW(params);
        if (!hwnd_)
            return;
        p.SetUserData(hwnd_, this);
    } else {
        p.MoveWindow(hwnd_, r, true);
    }
    p.InvalidateRect(hwnd_, nullptr);
    p.ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
}

void TooltipWnd::Hide() {
    if (hwnd_ && Platform::Get().IsWindowVisible(hwnd_))
        Platform::Get().ShowWindow(hwnd_, SW_HIDE);
}

bool TooltipWnd::IsShown() const {
    return hwnd_ && Platform::Get().IsWindowVisible(hwnd_);
}

void TooltipWnd::Paint() {
    Platform& p = Platform::Get();
    CRect update;
    BackBuffer* b = p.BeginPaint(hwnd_, update);
    if (!b)
        return;
    DC dc(b->Surface(), 0, 0);
    CRect client(0, 0, b->Width(), b->Height());
    MRender::FillSolidRect(&dc, client, RGB(0xB4, 0xB4, 0xB4));
    (void)kBorder;
    CRect inner = client;
    inner.DeflateRect(1, 1);
    MRender::DrawColor(&dc, inner, kBack);
    CRect text = client;
    text.DeflateRect(4, 3);
    MRender::DrawTextW(&dc, text, text_, kText, TipFont(), DT_LEFT | DT_TOP | DT_WORDBREAK);
    p.EndPaint(hwnd_, client);
}

}  // namespace VKUI
