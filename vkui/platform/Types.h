// Small value types and the window-message vocabulary the toolkit speaks.
//
// The toolkit's public interface keeps the vocabulary of the window system it was first
// designed against (message numbers, virtual-key codes, COLORREF values, rectangles with
// left/top/right/bottom). These are our own definitions; the Linux backends translate their
// native events into them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

namespace VKUI {

using CString = std::wstring;
using COLORREF = std::uint32_t;  // 0x00BBGGRR
using ARGB = std::uint32_t;      // 0xAARRGGBB
using WPARAM = unsigned long;
using LPARAM = long;
using LRESULT = long;

struct HWND__;
using HWND = HWND__*;  // opaque handle; never dereferenced, validated by the platform

constexpr COLORREF RGB(unsigned r, unsigned g, unsigned b) {
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}
constexpr unsigned GetRValue(COLORREF c) {
    return c & 0xFF;
}
constexpr unsigned GetGValue(COLORREF c) {
    return (c >> 8) & 0xFF;
}
constexpr unsigned GetBValue(COLORREF c) {
    return (c >> 16) & 0xFF;
}
// A COLORREF as an ARGB value with the given alpha.
constexpr ARGB ColorRefToArgb(COLORREF c, unsigned alpha) {
    return ((alpha & 0xFF) << 24) | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

constexpr LPARAM MAKELPARAM(int lo, int hi) {
    return static_cast<LPARAM>(static_cast<std::uint32_t>(
        (lo & 0xFFFF) | (static_cast<std::uint32_t>(hi & 0xFFFF) << 16)));
}
constexpr int GET_X_LPARAM(LPARAM l) {
    return static_cast<std::int16_t>(l & 0xFFFF);
}
constexpr int GET_Y_LPARAM(LPARAM l) {
    return static_cast<std::int16_t>((l >> 16) & 0xFFFF);
}
constexpr unsigned LOWORD(unsigned long v) {
    return v & 0xFFFF;
}
constexpr unsigned HIWORD(unsigned long v) {
    return (v >> 16) & 0xFFFF;
}
constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM w) {
    return static_cast<std::int16_t>(HIWORD(w));
}

struct CPoint {
    int x = 0;
    int y = 0;
    CPoint() = default;
    CPoint(int px, int py) : x(px), y(py) {}
    bool operator==(const CPoint&) const = default;
};

struct CSize {
    int cx = 0;
    int cy = 0;
    CSize() = default;
    CSize(int w, int h) : cx(w), cy(h) {}
    bool operator==(const CSize&) const = default;
};

// Rectangle in client pixels: left/top inclusive, right/bottom exclusive.
struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    CRect() = default;
    CRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    bool PtInRect(CPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    CPoint TopLeft() const { return {left, top}; }
    CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }
    void OffsetRect(int dx, int dy) { left += dx, right += dx, top += dy, bottom += dy; }
    void DeflateRect(int dx, int dy) { left += dx, right -= dx, top += dy, bottom -= dy; }
    void InflateRect(int dx, int dy) { DeflateRect(-dx, -dy); }
    void SetRectEmpty() { *this = CRect(); }
    // Intersection; an empty result is normalised to all zeros.
    static CRect Intersect(const CRect& a, const CRect& b) {
        CRect r(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom));
        return r.IsRectEmpty() ? CRect() : r;
    }
    // Union of two rects; an empty operand does not widen the result.
    static CRect Union(const CRect& a, const CRect& b) {
        if (a.IsRectEmpty())
            return b;
        if (b.IsRectEmpty())
            return a;
        return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
    }
    bool Intersects(const CRect& o) const { return !Intersect(*this, o).IsRectEmpty(); }
    bool operator==(const CRect&) const = default;
};

struct MSG {
    HWND hwnd = nullptr;
    unsigned message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// Window messages.
enum : unsigned {
    WM_NULL = 0x0000,
    WM_CREATE = 0x0001,
    WM_DESTROY = 0x0002,
    WM_MOVE = 0x0003,
    WM_SIZE = 0x0005,
    WM_ACTIVATE = 0x0006,
    WM_SETFOCUS = 0x0007,
    WM_KILLFOCUS = 0x0008,
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    WM_QUIT = 0x0012,
    WM_ERASEBKGND = 0x0014,
    WM_SHOWWINDOW = 0x0018,
    WM_SETCURSOR = 0x0020,
    WM_GETMINMAXINFO = 0x0024,
    WM_WINDOWPOSCHANGING = 0x0046,
    WM_WINDOWPOSCHANGED = 0x0047,
    WM_NCCREATE = 0x0081,
    WM_NCDESTROY = 0x0082,
    WM_NCCALCSIZE = 0x0083,
    WM_NCHITTEST = 0x0084,
    WM_NCPAINT = 0x0085,
    WM_NCACTIVATE = 0x0086,
    WM_NCLBUTTONDOWN = 0x00A1,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_CHAR = 0x0102,
    WM_SYSKEYDOWN = 0x0104,
    WM_SYSKEYUP = 0x0105,
    WM_COMMAND = 0x0111,
    WM_TIMER = 0x0113,
    WM_CTLCOLOREDIT = 0x0133,
    WM_CTLCOLORSTATIC = 0x0138,
    WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_LBUTTONDBLCLK = 0x0203,
    WM_RBUTTONDOWN = 0x0204,
    WM_RBUTTONUP = 0x0205,
    WM_RBUTTONDBLCLK = 0x0206,
    WM_MBUTTONDOWN = 0x0207,
    WM_MBUTTONUP = 0x0208,
    WM_MOUSEWHEEL = 0x020A,
    WM_MOUSEHOVER = 0x02A1,
    WM_MOUSELEAVE = 0x02A3,
    WM_USER = 0x0400,
    // The toolkit's private "close with a result code" message.
    WM_USERCLOSE = 0x0442,
};

// Mouse key-state flags in wParam of mouse messages.
enum : unsigned {
    MK_LBUTTON = 0x1,
    MK_RBUTTON = 0x2,
    MK_SHIFT = 0x4,
    MK_CONTROL = 0x8,
    MK_MBUTTON = 0x10
};

// Virtual-key codes (the values the toolkit and the stored macros use).
enum : unsigned {
    VK_LBUTTON = 0x01,
    VK_RBUTTON = 0x02,
    VK_MBUTTON = 0x04,
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
    VK_PAUSE = 0x13,
    VK_CAPITAL = 0x14,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_SNAPSHOT = 0x2C,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_LWIN = 0x5B,
    VK_RWIN = 0x5C,
    VK_APPS = 0x5D,
    VK_NUMPAD0 = 0x60,
    VK_MULTIPLY = 0x6A,
    VK_ADD = 0x6B,
    VK_SUBTRACT = 0x6D,
    VK_DECIMAL = 0x6E,
    VK_DIVIDE = 0x6F,
    VK_F1 = 0x70,
    VK_F4 = 0x73,
    VK_F12 = 0x7B,
    VK_NUMLOCK = 0x90,
    VK_SCROLL = 0x91,
    VK_LSHIFT = 0xA0,
    VK_RSHIFT = 0xA1,
    VK_LCONTROL = 0xA2,
    VK_RCONTROL = 0xA3,
    VK_LMENU = 0xA4,
    VK_RMENU = 0xA5,
    VK_OEM_1 = 0xBA,
    VK_OEM_PLUS = 0xBB,
    VK_OEM_COMMA = 0xBC,
    VK_OEM_MINUS = 0xBD,
    VK_OEM_PERIOD = 0xBE,
    VK_OEM_2 = 0xBF,
    VK_OEM_3 = 0xC0,
    VK_OEM_4 = 0xDB,
    VK_OEM_5 = 0xDC,
    VK_OEM_6 = 0xDD,
    VK_OEM_7 = 0xDE,
};

// Hit-test code for a press on the caption.
constexpr WPARAM HTCAPTION = 2;

// Window styles the toolkit reads.
enum : unsigned long {
    WS_POPUP = 0x80000000UL,
    WS_VISIBLE = 0x10000000UL,
    WS_MINIMIZE = 0x20000000UL,
    WS_CHILD = 0x40000000UL,
    WS_CLIPSIBLINGS = 0x04000000UL,
    WS_CLIPCHILDREN = 0x02000000UL,
    WS_MAXIMIZE = 0x01000000UL,
    WS_CAPTION = 0x00C00000UL,
    WS_THICKFRAME = 0x00040000UL,
    WS_EX_TOOLWINDOW = 0x00000080UL,
    WS_EX_LAYERED = 0x00080000UL,
};

// ShowWindow commands.
enum : int {
    SW_HIDE = 0,
    SW_SHOWNORMAL = 1,
    SW_MAXIMIZE = 3,
    SW_SHOWNOACTIVATE = 4,
    SW_SHOW = 5,
    SW_MINIMIZE = 6,
    SW_RESTORE = 9
};

// WM_SIZE types.
enum : unsigned { SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2 };

}  // namespace VKUI
