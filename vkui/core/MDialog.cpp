#include "core/MDialog.h"

#include "core/MControl.h"
#include "platform/Platform.h"

namespace VKUI {

namespace {
CPoint PointOf(LPARAM l) {
    return {GET_X_LPARAM(l), GET_Y_LPARAM(l)};
}
}  // namespace

MDialog::MDialog() = default;

MDialog::~MDialog() {
    DestroyOwnWindow();
    manager_.DestroyData();
}

long MDialog::OnWindowMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
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
        case WM_KEYDOWN:
            OnKeyDown(flags, 1, 0);
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

int MDialog::PreTranslateMessage(MSG* msg) {
    return manager_.PreTranslateMessage(msg);
}

int MDialog::OnInitDialog() {
    manager_.Init(hwnd_, this);
    client_ = GetClientRect();
    InitUI(client_);
    return 1;
}

void MDialog::OnDestroyMessage(HWND hwnd) {
    if (hwnd == manager_.GetPaintWnd())
        manager_.DestroyData();
    PostNcDestroy();
}

CPoint MDialog::GetAirBladderPoint(MControl* control, unsigned type) {
    if (!control)
        return {0, 0};
    CRect r = control->GetRect();
    int x = type == 1 ? r.left + r.Width() / 2 : type == 2 ? r.right : r.left;
    return ClientToScreen(CPoint(x, r.bottom));
}

void MDialog::OnMinimize() {
    ShowWindow(SW_MINIMIZE);
}

void MDialog::OnMaximize() {
    ShowWindow(hwnd_ && Platform::Get().IsZoomed(hwnd_) ? SW_RESTORE : SW_MAXIMIZE);
}

void MDialog::InitUI(CRect) {}
void MDialog::UISize(CRect) {}
long MDialog::OnMessage(unsigned, unsigned, unsigned, long) {
    return 0;
}

long MDialog::OnUserCloseWindow(WPARAM wParam, LPARAM lParam) {
    PostMessageW(WM_CLOSE, wParam, lParam);
    return 1;
}

int MDialog::OnCreate(void*) {
    ModifyStyle(~0xFF3BFFFFUL & 0xFFFFFFFFUL, 0x06000008UL);
    return 0;
}

int MDialog::OnSize(unsigned type, int, int) {
    if (type == SIZE_MINIMIZED)
        return 0;
    SetupRegion(type == SIZE_MAXIMIZED ? 0 : round_);
    SetupBackTranslucent();
    client_ = GetClientRect();
    if (client_.Width() > 1 && client_.Height() > 1)
        UISize(client_);
    InvalidateRect(nullptr, 0);
    return 0;
}

// A size of 0 or less (a maximised window) makes the window rectangular again.
void MDialog::SetupRegion(int size) {
    if (hwnd_)
        Platform::Get().SetWindowRoundRegion(hwnd_, size);
}

void MDialog::SetupBackTranslucent() {
    if (alpha_ != 255 || colourKey_ != 0xFFFFFF)
        ModifyExStyle(0, WS_EX_LAYERED);
}

long MDialog::OnBaseMessage(unsigned id, unsigned code, unsigned wParam, long lParam) {
    return OnMessage(id, code, wParam, lParam);
}

long MDialog::OnControlUpdate(CRect rect, int refresh, MControl* control) {
    return manager_.OnControlUpdate(rect, refresh, control);
}

void MDialog::SetMessage(const CString& text, CRect rect, int level) {
    if (rect.IsRectEmpty()) {
        CRect c = GetClientRect();
        int left = (c.Width() - 200) / 2;
        rect =
            CRect(left, c.bottom - 60 + messageOffset_, left + 200, c.bottom - 2 + messageOffset_);
    }
    manager_.SetMessage(text, rect, level);
}

}  // namespace VKUI
