// The window-system layer: one interface, two backends (x11/ and headless/).
//
// The base class holds everything both backends share: the window table, the posted-message
// queue, per-window timers, invalidation (one update rectangle per window), key state, capture,
// focus, and the translation of raw pointer/keyboard input into window messages (double-click
// synthesis, wheel deltas in multiples of 120). A backend supplies only the native parts:
// creating and showing native windows, presenting a painted rectangle, waiting for native
// events, and a few pointer services.
//
// Threading: PostMessageW, InvalidateRect and Wake may be called from any thread (the
// animation timer runs on its own thread); everything else belongs to the UI thread.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/BackBuffer.h"
#include "platform/Types.h"

namespace VKUI {

using WNDPROC = LRESULT (*)(HWND, unsigned, WPARAM, LPARAM);

enum class CursorShape { Arrow, Wait, Cross, SizeWE, SizeNS, Hand, Help };

struct WindowCreateParams {
    HWND owner = nullptr;
    std::wstring title;
    unsigned long style = 0;
    unsigned long exStyle = 0;
    CRect rect;  // screen coordinates
    WNDPROC proc = nullptr;
    void* createParam = nullptr;  // passed as lParam of WM_NCCREATE / WM_CREATE
    bool doubleClicks = true;
};

class Platform {
public:
    virtual ~Platform();

    // The backend in use. Created on first use: the X11 backend unless VKUI_BACKEND is
    // "headless"; when no display can be opened, the headless one (with a warning on stderr;
    // Name() tells callers which backend they got).
    static Platform& Get();
    // Replaces the backend (tests install a fresh headless backend per test).
    static void Install(std::unique_ptr<Platform> backend);
    static bool HasInstance();
    virtual const char* Name() const = 0;

    // ---- Windows -------------------------------------------------------------------------
    HWND CreateWindowW(const WindowCreateParams& params);
    bool DestroyWindow(HWND hwnd);
    bool IsWindow(HWND hwnd) const;
    void* GetUserData(HWND hwnd) const;
    void SetUserData(HWND hwnd, void* data);
    HWND GetOwner(HWND hwnd) const;
    bool ShowWindow(HWND hwnd, int cmd);
    bool IsWindowVisible(HWND hwnd) const;
    bool IsIconic(HWND hwnd) const;
    bool IsZoomed(HWND hwnd) const;
    bool EnableWindow(HWND hwnd, bool enable);
    bool IsWindowEnabled(HWND hwnd) const;
    bool MoveWindow(HWND hwnd, const CRect& screenRect, bool repaint);
    CRect GetWindowRect(HWND hwnd) const;  // screen coordinates
    CRect GetClientRect(HWND hwnd) const;  // (0, 0, width, height)
    unsigned long GetStyle(HWND hwnd) const;
    unsigned long GetExStyle(HWND hwnd) const;
    void SetStyle(HWND hwnd, unsigned long style);
    void SetExStyle(HWND hwnd, unsigned long exStyle);
    bool SetWindowTextW(HWND hwnd, const std::wstring& text);
    std::wstring GetWindowTextW(HWND hwnd) const;
    CPoint ClientToScreen(HWND hwnd, CPoint p) const;
    CPoint ScreenToClient(HWND hwnd, CPoint p) const;
    std::vector<HWND> Windows() const;
    // The backend's own handle of the window (the X window id; 0 when headless or gone).
    std::uint64_t NativeHandle(HWND hwnd) const;
    // Gives the window rounded corners (corner ellipses of size x size over the window rect);
    // 0 or less makes it rectangular again.
    bool SetWindowRoundRegion(HWND hwnd, int size);
    int GetWindowRoundRegion(HWND hwnd) const;
    // The work area of the screen (no panels are known, so the whole screen).
    virtual CRect GetWorkArea() const = 0;

    // ---- Messages ------------------------------------------------------------------------
    LRESULT SendMessageW(HWND hwnd, unsigned msg, WPARAM wParam, LPARAM lParam);
    bool PostMessageW(HWND hwnd, unsigned msg, WPARAM wParam, LPARAM lParam);
    void PostQuitMessage(int code);
    // Blocks until a message is available; false when it is WM_QUIT.
    bool GetMessageW(MSG& msg);
    // Takes the next message without blocking (posted, then input, timers, paints).
    bool PeekMessageW(MSG& msg);
    LRESULT DispatchMessageW(const MSG& msg);
    LRESULT DefWindowProcW(HWND hwnd, unsigned msg, WPARAM wParam, LPARAM lParam);
    // Wakes a blocked GetMessageW (any thread).
    virtual void Wake() = 0;

    // ---- Timers --------------------------------------------------------------------------
    bool SetTimer(HWND hwnd, WPARAM id, unsigned elapseMs);
    bool KillTimer(HWND hwnd, WPARAM id);
    bool HasTimer(HWND hwnd, WPARAM id) const;
    // Milliseconds on the platform's clock (the headless backend's clock is virtual).
    virtual std::int64_t NowMs() const;
    unsigned GetDoubleClickTime() const { return 500; }
    unsigned GetCaretBlinkTime() const { return 530; }

    // ---- Painting ------------------------------------------------------------------------
    // Adds rect (client coordinates; null = whole client) to the window's update region.
    void InvalidateRect(HWND hwnd, const CRect* rect);
    CRect GetUpdateRect(HWND hwnd) const;
    // Starts painting: returns the window's back buffer and the update rect, and validates
    // the window. Null when the window is gone.
    BackBuffer* BeginPaint(HWND hwnd, CRect& updateRect);
    // Shows the painted rectangle of the back buffer; layered windows keep per-pixel alpha.
    void EndPaint(HWND hwnd, const CRect& painted);
    // Number of completed paints since creation (tests and benchmarks count repaints).
    std::uint64_t PaintCount(HWND hwnd) const;

    // ---- Input state ---------------------------------------------------------------------
    HWND SetCapture(HWND hwnd);
    bool ReleaseCapture();
    HWND GetCapture() const { return capture_; }
    // Arms one WM_MOUSELEAVE for the window.
    void TrackMouseLeave(HWND hwnd);
    HWND SetFocus(HWND hwnd);
    HWND GetFocus() const { return focus_; }
    HWND GetActiveWindow() const { return active_; }
    bool SetForegroundWindow(HWND hwnd) { return SetFocus(hwnd) != nullptr || focus_ == hwnd; }
    // Bit 0x8000 set while the key is down.
    short GetKeyState(unsigned vk) const;
    short GetAsyncKeyState(unsigned vk) const { return GetKeyState(vk); }
    CPoint GetCursorPos() const { return cursor_; }
    void SetCursor(CursorShape shape);
    CursorShape GetCursor() const { return cursorShape_; }
    // Starts moving the window with the pointer (a press on the caption).
    virtual void BeginMoveDrag(HWND hwnd) = 0;

    // ---- Raw input from the backend (and from tests through the headless backend) -------
    // Pointer position in screen coordinates.
    void InputPointerMotion(CPoint screen);
    // button: 1 left, 2 middle, 3 right.
    void InputButton(int button, bool down, CPoint screen);
    // One wheel notch (delta +120 away from the user, -120 towards).
    void InputWheel(int delta, CPoint screen);
    void InputKey(unsigned vk, bool down, char32_t ch);
    // The pointer left a window.
    void InputPointerLeave(HWND hwnd);

protected:
    Platform();

    struct Timer {
        WPARAM id;
        unsigned elapse;
        std::int64_t due;
    };
    struct Window {
        WNDPROC proc = nullptr;
        void* userData = nullptr;
        HWND owner = nullptr;
        unsigned long style = 0;
        unsigned long exStyle = 0;
        CRect rect;           // screen
        CRect restoreRect;    // while maximised
        int roundRegion = 0;  // corner size of the window shape, 0 = rectangle
        bool visible = false;
        bool iconic = false;
        bool zoomed = false;
        bool enabled = true;
        bool doubleClicks = true;
        bool trackLeave = false;
        std::wstring title;
        CRect update;
        std::vector<Timer> timers;
        std::unique_ptr<BackBuffer> buffer;
        std::uint64_t paints = 0;
        std::uint64_t nativeId = 0;  // backend's handle
    };

    // Backend hooks.
    virtual bool NativeCreate(HWND hwnd, Window& w) = 0;
    virtual void NativeDestroy(HWND hwnd, Window& w) = 0;
    virtual void NativeShow(HWND hwnd, Window& w, bool show) = 0;
    virtual void NativeMove(HWND hwnd, Window& w) = 0;
    virtual void NativePresent(HWND hwnd, Window& w, const CRect& rect) = 0;
    virtual void NativeSetTitle(HWND, Window&) {}
    virtual void NativeSetShape(HWND, Window&) {}
    virtual void NativeSetCapture(HWND) {}
    virtual void NativeReleaseCapture() {}
    virtual void NativeSetFocus(HWND, Window&) {}
    virtual void NativeSetCursor(CursorShape) {}
    // Waits up to timeoutMs (-1: no limit) for native events and feeds them through the
    // Input* functions. Returns when something may have become available.
    virtual void NativeWait(int timeoutMs) = 0;
    // Called when nothing at all is pending and no timer exists. The default waits; the
    // headless backend returns false instead of blocking forever.
    virtual bool NativeIdle() { return true; }

    Window* Find(HWND hwnd);
    const Window* Find(HWND hwnd) const;
    HWND WindowAt(CPoint screen) const;
    void SendMouse(HWND hwnd, unsigned msg, WPARAM keys, CPoint screen);
    WPARAM MouseKeys() const;
    // Gives focus and activation to hwnd, sending the deactivation/activation messages.
    void Activate(HWND hwnd);
    // Fires due timers into the queue; returns ms until the next one (-1: none).
    int CollectTimers();
    bool TakeMessage(MSG& msg);

    mutable std::recursive_mutex mutex_;
    std::map<HWND, Window> windows_;
    std::deque<MSG> queue_;
    std::vector<HWND> zOrder_;  // last = topmost
    std::uintptr_t nextHandle_ = 0x100;
    bool quit_ = false;
    int quitCode_ = 0;
    HWND capture_ = nullptr;
    HWND focus_ = nullptr;
    HWND active_ = nullptr;
    HWND hover_ = nullptr;
    CPoint cursor_{-1, -1};
    CursorShape cursorShape_ = CursorShape::Arrow;
    bool keys_[256] = {};
    // Double-click synthesis.
    int lastButton_ = 0;
    std::int64_t lastPressMs_ = -100000;
    CPoint lastPressAt_;
    HWND lastPressWnd_ = nullptr;
    bool lastWasDouble_ = false;
};

}  // namespace VKUI
