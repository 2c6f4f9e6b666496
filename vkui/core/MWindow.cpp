#include "core/MWindow.h"

#include <algorithm>

#include "core/Manager.h"
#include "platform/Platform.h"

namespace VKUI {

MWindow::MWindow() = default;

MWindow::~MWindow() {
    DestroyOwnWindow();
}

void MWindow::DestroyOwnWindow() {
    if (hwnd_ && Platform::HasInstance() && Platform::Get().IsWindow(hwnd_)) {
        HWND h = hwnd_;
        Platform::Get().SetUserData(h, nullptr);
        hwnd_ = nullptr;
        Platform::Get().DestroyWindow(h);
        Manager::DeleteWnd(h);
    }
}

LRESULT MWindow::WndProc(HWND hwnd, unsigned msg, WPARAM wParam, LPARAM lParam) {
    Platform& p = Platform::Get();
    if (msg == WM_NCCREATE) {
        auto* self = reinterpret_cast<MWindow*>(lParam);
        if (self) {
            self->hwnd_ = hwnd;
            p.SetUserData(hwnd, self);
            Manager::AddWnd(hwnd);
        }
        return 1;
    }
    auto* self = static_cast<MWindow*>(p.GetUserData(hwnd));
    if (msg == WM_NCDESTROY) {
        LRESULT r = p.DefWindowProcW(hwnd, msg, wParam, lParam);
        p.SetUserData(hwnd, nullptr);
        Manager::DeleteWnd(hwnd);
        if (self) {
            self->hwnd_ = nullptr;
            self->OnDestroyMessage(hwnd);
        }
        return r;
    }
    if (!self)
        return p.DefWindowProcW(hwnd, msg, wParam, lParam);
    return self->OnWindowMessage(msg, wParam, lParam);
}

int MWindow::ShowWindow(int cmd) {
    if (!hwnd_)
        return 0;
    return Platform::Get().ShowWindow(hwnd_, cmd) ? 1 : 0;
}

long MWindow::OnWindowMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
    return Platform::Get().DefWindowProcW(hwnd_, msg, wParam, lParam);
}

int MWindow::PreTranslateMessage(MSG*) {
    return 0;
}

bool MWindow::RegisterWindowClass() {
    return GetWindowClassName() != nullptr;
}
// Window classes of the system do not exist here; a superclass registers like a class.
bool MWindow::RegisterSuperClass() {
    return RegisterWindowClass();
}

HWND MWindow::Create(HWND parent) {
    return Create(parent, L"VEDuzidu", 0x80B, 0, CRect(0, 0, 800, 600));
}

HWND MWindow::Create(HWND parent, CRect rect) {
    return Create(parent, L"VEDuzidu", 0x80B, 0, rect);
}

HWND MWindow::Create(HWND parent, const wchar_t* title, unsigned long style, unsigned long exStyle,
                     CRect rect, void*) {
    return Create(parent, title, style, exStyle, rect);
}

HWND MWindow::Create(HWND parent, const wchar_t* title, unsigned long style, unsigned long exStyle,
                     CRect rect) {
    Platform& p = Platform::Get();
    if (hwnd_ && p.IsWindow(hwnd_))
        return hwnd_;
    parent_ = parent;
    bool ok = GetSuperClassName() ? RegisterSuperClass() : RegisterWindowClass();
    if (!ok)
        return nullptr;
    WindowCreateParams params;
    params.owner = parent;
    params.title = title ? title : L"";
    params.style = style;
    params.exStyle = exStyle;
    params.rect = rect;
    params.proc = &MWindow::WndProc;
    params.createParam = this;
    HWND h = p.CreateWindowW(params);
    if (!h) {
        hwnd_ = nullptr;
        return nullptr;
    }
    hwnd_ = h;
    OnInitDialog();
    return hwnd_;
}

unsigned MWindow::ShowModal(int cmd) {
    Platform& p = Platform::Get();
    if (!hwnd_ || !p.IsWindow(hwnd_))
        return static_cast<unsigned>(-1);
    HWND self = hwnd_;
    HWND owner = p.GetOwner(self);
    ShowWindow(cmd);
    if (owner)
        p.EnableWindow(owner, false);
    unsigned result = 0;
    bool quit = false;
    MSG msg;
    while (p.IsWindow(self)) {
        if (!p.GetMessageW(msg)) {
            quit = true;
            break;
        }
        if (msg.message == WM_CLOSE && msg.hwnd == self) {
            result = static_cast<unsigned>(msg.wParam);
            if (owner) {
                p.EnableWindow(owner, true);
                p.SetFocus(owner);
            }
        }
        MWindow* target = msg.hwnd ? static_cast<MWindow*>(p.GetUserData(msg.hwnd)) : nullptr;
        if (target && target->PreTranslateMessage(&msg))
            continue;
        p.DispatchMessageW(msg);
    }
    if (owner && p.IsWindow(owner)) {
        p.EnableWindow(owner, true);
        p.SetFocus(owner);
    }
    if (quit)
        p.PostQuitMessage(static_cast<int>(msg.wParam));
    return result;
}

void MWindow::CenterWindow(MWindow* alternate) {
    Platform& p = Platform::Get();
    if (!hwnd_)
        return;
    HWND ref = alternate ? alternate->GetSafeHwnd() : p.GetOwner(hwnd_);
    CRect me = p.GetWindowRect(hwnd_);
    CRect work = p.GetWorkArea();
    CRect around = work;
    if (ref && p.IsWindowVisible(ref) && !p.IsIconic(ref))
        around = p.GetWindowRect(ref);
    int x = around.left + (around.Width() - me.Width()) / 2;
    int y = around.top + (around.Height() - me.Height()) / 2;
    // Keep the window inside the work area: right and bottom edges first, then left and top.
    if (x + me.Width() > work.right)
        x = work.right - me.Width();
    if (y + me.Height() > work.bottom)
        y = work.bottom - me.Height();
    x = std::max(x, work.left);
    y = std::max(y, work.top);
    p.MoveWindow(hwnd_, CRect(x, y, x + me.Width(), y + me.Height()), false);
}

void MWindow::BringToTop() {
    Platform& p = Platform::Get();
    if (!hwnd_)
        return;
    p.SetForegroundWindow(hwnd_);
    p.ShowWindow(hwnd_, p.IsIconic(hwnd_) ? SW_RESTORE : SW_SHOW);
}

unsigned long MWindow::GetStyle() const {
    return hwnd_ ? Platform::Get().GetStyle(hwnd_) : 0;
}
unsigned long MWindow::GetExStyle() const {
    return hwnd_ ? Platform::Get().GetExStyle(hwnd_) : 0;
}

int MWindow::ModifyStyle(unsigned long remove, unsigned long add, unsigned) {
    if (!hwnd_)
        return 0;
    Platform::Get().SetStyle(hwnd_, (GetStyle() & ~remove) | add);
    return 1;
}

int MWindow::ModifyExStyle(unsigned long remove, unsigned long add, unsigned) {
    if (!hwnd_)
        return 0;
    Platform::Get().SetExStyle(hwnd_, (GetExStyle() & ~remove) | add);
    return 1;
}

CRect MWindow::GetClientRect() const {
    return hwnd_ ? Platform::Get().GetClientRect(hwnd_) : CRect();
}
CRect MWindow::GetWindowRect() const {
    return hwnd_ ? Platform::Get().GetWindowRect(hwnd_) : CRect();
}

int MWindow::SetWindowTextW(const wchar_t* text) {
    return hwnd_ && Platform::Get().SetWindowTextW(hwnd_, text ? text : L"") ? 1 : 0;
}

CString MWindow::GetWindowTextW() const {
    return hwnd_ ? Platform::Get().GetWindowTextW(hwnd_) : CString();
}
int MWindow::GetWindowTextLengthW() const {
    return static_cast<int>(GetWindowTextW().size());
}

int MWindow::EnableWindow(int enable) {
    return hwnd_ && Platform::Get().EnableWindow(hwnd_, enable != 0) ? 1 : 0;
}

int MWindow::IsWindowEnabled() const {
    return hwnd_ && Platform::Get().IsWindowEnabled(hwnd_);
}
int MWindow::IsWindowVisible() const {
    return hwnd_ && Platform::Get().IsWindowVisible(hwnd_);
}
int MWindow::IsIconic() const {
    return hwnd_ && Platform::Get().IsIconic(hwnd_);
}

int MWindow::InvalidateRect(const CRect* rect, int) {
    if (!hwnd_)
        return 0;
    Platform::Get().InvalidateRect(hwnd_, rect);
    return 1;
}

HWND MWindow::SetCapture() {
    return hwnd_ ? Platform::Get().SetCapture(hwnd_) : nullptr;
}
int MWindow::ReleaseCapture() {
    return hwnd_ && Platform::Get().ReleaseCapture() ? 1 : 0;
}
HWND MWindow::SetFocus() {
    return hwnd_ ? Platform::Get().SetFocus(hwnd_) : nullptr;
}

int MWindow::SetTimer(WPARAM id, unsigned ms, void*) {
    return hwnd_ && Platform::Get().SetTimer(hwnd_, id, ms) ? 1 : 0;
}

int MWindow::KillTimer(WPARAM id) {
    return hwnd_ && Platform::Get().KillTimer(hwnd_, id) ? 1 : 0;
}

CPoint MWindow::ClientToScreen(CPoint pt) const {
    return hwnd_ ? Platform::Get().ClientToScreen(hwnd_, pt) : pt;
}

CRect MWindow::ClientToScreen(CRect r) const {
    CPoint a = ClientToScreen(r.TopLeft());
    return {a.x, a.y, a.x + r.Width(), a.y + r.Height()};
}

CPoint MWindow::ScreenToClient(CPoint pt) const {
    return hwnd_ ? Platform::Get().ScreenToClient(hwnd_, pt) : pt;
}

CRect MWindow::ScreenToClient(CRect r) const {
    CPoint a = ScreenToClient(r.TopLeft());
    return {a.x, a.y, a.x + r.Width(), a.y + r.Height()};
}

int MWindow::SetWindowPos(HWND, int x, int y, int cx, int cy, unsigned flags) {
    if (!hwnd_)
        return 0;
    CRect r = GetWindowRect();
    constexpr unsigned kNoSize = 0x1, kNoMove = 0x2;
    if (!(flags & kNoMove))
        r = CRect(x, y, x + r.Width(), y + r.Height());
    if (!(flags & kNoSize))
        r.right = r.left + cx, r.bottom = r.top + cy;
    return Platform::Get().MoveWindow(hwnd_, r, true) ? 1 : 0;
}

int MWindow::MoveWindow(int x, int y, int width, int height, int repaint) {
    return MoveWindow(CRect(x, y, x + width, y + height), repaint);
}

int MWindow::MoveWindow(CRect rect, int repaint) {
    return hwnd_ && Platform::Get().MoveWindow(hwnd_, rect, repaint != 0) ? 1 : 0;
}

int MWindow::DestroyWindow() {
    return hwnd_ && Platform::Get().DestroyWindow(hwnd_) ? 1 : 0;
}

long MWindow::SendMessageW(unsigned msg, WPARAM wParam, LPARAM lParam) {
    return hwnd_ ? Platform::Get().SendMessageW(hwnd_, msg, wParam, lParam) : 0;
}

int MWindow::PostMessageW(unsigned msg, WPARAM wParam, LPARAM lParam) {
    return hwnd_ && Platform::Get().PostMessageW(hwnd_, msg, wParam, lParam) ? 1 : 0;
}

}  // namespace VKUI
