#include "core/MPopupWnd.h"

#include "core/MControl.h"
#include "core/MDialog.h"
#include "platform/Platform.h"

namespace VKUI {

namespace {
CPoint PointOf(LPARAM l) {
    return {GET_X_LPARAM(l), GET_Y_LPARAM(l)};
}
}  // namespace

MPopupWnd::MPopupWnd() = default;

MPopupWnd::~MPopupWnd() {
    DestroyOwnWindow();
    manager_.DestroyData();
}

long MPopupWnd::OnWindowMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
    unsigned flags = static_cast<unsigned>(wParam);
    switch (msg) {
        case WM_CREATE:
            OnCreate(reinterpret_cast<void*>(lParam));
            break;
        case WM_DESTROY:
            OnDestroy();
            break;
        case WM_SIZE:
            OnSize(flags, LOWORD(lParam), HIWORD(lParam));
            break;
        case WM_PAINT:
            OnPaint();
            break;
        case WM_CLOSE:
            OnClose();
            break;
        case WM_WINDOWPOSCHANGING:
            OnWindowPosChanging(reinterpret_cast<void*>(lParam));
            break;
        case WM_WINDOWPOSCHANGED:
            OnWindowPosChanged(reinterpret_cast<void*>(lParam));
            break;
        case WM_NCACTIVATE:
            OnNcActivate(static_cast<int>(wParam));
            break;
        case WM_TIMER:
            OnTimer(wParam);
            break;
        case WM_MOUSEMOVE:
            OnMouseMove(flags, PointOf(lParam));
            break;
        case WM_MOUSEWHEEL:
            OnMouseWheel(LOWORD(wParam), GET_WHEEL_DELTA_WPARAM(wParam), PointOf(lParam));
            break;
        case WM_LBUTTONDOWN:
            OnLButtonDown(flags, PointOf(lParam));
            break;
        case WM_LBUTTONUP:
            OnLButtonUp(flags, PointOf(lParam));
            break;
        case WM_LBUTTONDBLCLK:
            OnLButtonDblClk(flags, PointOf(lParam));
            break;
        case WM_RBUTTONDOWN:
            OnRButtonDown(flags, PointOf(lParam));
            break;
        case WM_RBUTTONUP:
            OnRButtonUp(flags, PointOf(lParam));
            break;
        case WM_RBUTTONDBLCLK:
            OnRButtonDblClk(flags, PointOf(lParam));
            break;
        case WM_MOUSEHOVER:
            OnMouseHover(flags, PointOf(lParam));
            break;
        case WM_MOUSELEAVE:
            OnMouseLeave();
            break;
        case WM_NCDESTROY:
            PostNcDestroy();
            break;
        case WM_ERASEBKGND:
            return 1;
        case WM_USERCLOSE:
            return OnUserCloseWindow(wParam, lParam);
        default:
            break;
    }
    if (long r = manager_.OnWindowMessage(msg, wParam, lParam))
        return r;
    return MWindow::OnWindowMessage(msg, wParam, lParam);
}

int MPopupWnd::OnInitDialog() {
    manager_.Init(hwnd_, this);
    manager_.EnableWndDrag(0);
    InitUI(GetClientRect());
    return 1;
}

void MPopupWnd::OnDestroyMessage(HWND hwnd) {
    if (hwnd == manager_.GetPaintWnd())
        manager_.DestroyData();
}

long MPopupWnd::OnUserCloseWindow(WPARAM wParam, LPARAM lParam) {
    PostMessageW(WM_CLOSE, wParam, lParam);
    return 1;
}

void MPopupWnd::CloseWindow() {
    PostMessageW(WM_CLOSE, 0, 0);
}

int MPopupWnd::OnCreate(void*) {
    ModifyStyle(0x00C40000UL, 0x06000008UL);
    ModifyExStyle(~0UL, WS_EX_TOOLWINDOW);
    return 0;
}

int MPopupWnd::OnSize(unsigned, int, int) {
    UISize(GetClientRect());
    InvalidateRect(nullptr, 0);
    return 0;
}

int MPopupWnd::OnNcActivate(int active) {
    if (!active)
        PostMessageW(WM_CLOSE, 0, 0);
    return 0;
}

int MPopupWnd::OnWindowPosChanged(void*) {
    CRect r = GetWindowRect();
    SendMessageW(WM_MOVE, 0, MAKELPARAM(r.left, r.top));
    SendMessageW(WM_SIZE, SIZE_RESTORED, MAKELPARAM(r.Width(), r.Height()));
    return 1;
}

long MPopupWnd::SendMessageToParent(unsigned code, unsigned wParam, long lParam) {
    if (!parentObject_)
        return 0;
    if (auto* dlg = dynamic_cast<MDialog*>(parentObject_))
        return dlg->OnMessage(0, code, wParam, lParam);
    if (auto* popup = dynamic_cast<MPopupWnd*>(parentObject_))
        return popup->OnMessage(0, code, wParam, lParam);
    if (auto* control = dynamic_cast<MControl*>(parentObject_))
        return control->OnMessage(0, code, wParam, lParam);
    return parentObject_->OnBaseMessage(0, code, wParam, lParam);
}

}  // namespace VKUI
