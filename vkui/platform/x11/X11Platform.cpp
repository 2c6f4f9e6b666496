// Xlib windows for the toolkit. Every window is created with a 32-bit ARGB visual when the
// server offers one (so layered windows keep per-pixel alpha), else with the default visual.
// Windows are borderless; popups and tool windows are override-redirect. Painting pushes the
// painted rectangle of the back buffer with XPutImage. Timers and posted messages live in the
// platform base; a self-pipe wakes the event wait.
#include "platform/x11/X11Platform.h"

#include "platform/Platform.h"
#include "platform/x11/KeyMap.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <X11/extensions/shape.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <map>

// X.h names a constant CursorShape; the toolkit's enum of the same name wins here.
#undef CursorShape

namespace VKUI {

namespace {

int IgnoreXErrors(Display*, XErrorEvent*) {
    return 0;
}

class X11Platform final : public Platform {
public:
    explicit X11Platform(Display* dpy) : dpy_(dpy) {
        screen_ = DefaultScreen(dpy_);
        root_ = RootWindow(dpy_, screen_);
        XVisualInfo vi;
        if (XMatchVisualInfo(dpy_, screen_, 32, TrueColor, &vi)) {
            visual_ = vi.visual;
            depth_ = 32;
            colormap_ = XCreateColormap(dpy_, root_, visual_, AllocNone);
        } else {
            visual_ = DefaultVisual(dpy_, screen_);
            depth_ = DefaultDepth(dpy_, screen_);
            colormap_ = DefaultColormap(dpy_, screen_);
        }
        XSetErrorHandler(IgnoreXErrors);
        if (pipe(wake_) == 0) {
            fcntl(wake_[0], F_SETFL, O_NONBLOCK);
            fcntl(wake_[1], F_SETFL, O_NONBLOCK);
        }
        int shapeEvent = 0, shapeError = 0;
        shapeOk_ = XShapeQueryExtension(dpy_, &shapeEvent, &shapeError);
        wmDelete_ = XInternAtom(dpy_, "WM_DELETE_WINDOW", False);
        motifHints_ = XInternAtom(dpy_, "_MOTIF_WM_HINTS", False);
        const unsigned shapes[] = {
            XC_left_ptr,          XC_watch, XC_crosshair,     XC_sb_h_double_arrow,
            XC_sb_v_double_arrow, XC_hand2, XC_question_arrow};
        for (unsigned s : shapes)
            cursors_.push_back(XCreateFontCursor(dpy_, s));
    }

    ~X11Platform() override {
        for (HWND h : Windows())
            if (IsWindow(h) && !GetOwner(h))
                DestroyWindow(h);
        for (Cursor c : cursors_)
            XFreeCursor(dpy_, c);
        XCloseDisplay(dpy_);
        close(wake_[0]);
        close(wake_[1]);
    }

    const char* Name() const override { return "x11"; }

    CRect GetWorkArea() const override {
        return {0, 0, DisplayWidth(dpy_, screen_), DisplayHeight(dpy_, screen_)};
    }

    void Wake() override {
        char c = 1;
        [[maybe_unused]] auto n = write(wake_[1], &c, 1);
    }

    void BeginMoveDrag(HWND hwnd) override {
        std::lock_guard lock(mutex_);
        Window* w = Find(hwnd);
        if (!w)
            return;
        moving_ = hwnd;
        moveOffset_ = {cursor_.x - w->rect.left, cursor_.y - w->rect.top};
        XGrabPointer(dpy_, static_cast<::Window>(w->nativeId), False,
                     ButtonReleaseMask | PointerMotionMask, GrabModeAsync, GrabModeAsync, None,
                     cursors_[0], CurrentTime);
    }

protected:
    bool NativeCreate(HWND hwnd, Window& w) override {
        XSetWindowAttributes a{};
        a.colormap = colormap_;
        a.border_pixel = 0;
        a.background_pixel = 0;
        a.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                       EnterWindowMask | LeaveWindowMask | KeyPressMask | KeyReleaseMask |
                       FocusChangeMask | StructureNotifyMask;
        bool popup = (w.exStyle & WS_EX_TOOLWINDOW) || w.owner;
        a.override_redirect = popup ? True : False;
        unsigned long mask =
            CWColormap | CWBorderPixel | CWBackPixel | CWEventMask | CWOverrideRedirect;
        ::Window xw =
            XCreateWindow(dpy_, root_, w.rect.left, w.rect.top, std::max(1, w.rect.Width()),
                          std::max(1, w.rect.Height()), 0, depth_, InputOutput, visual_, mask, &a);
        if (!xw)
            return false;
        w.nativeId = xw;
        byXid_[xw] = hwnd;
        gcs_[xw] = XCreateGC(dpy_, xw, 0, nullptr);
        XSetWMProtocols(dpy_, xw, &wmDelete_, 1);
        // No decorations: the dialogs draw their own frame.
        long hints[5] = {2, 0, 0, 0, 0};
        XChangeProperty(dpy_, xw, motifHints_, motifHints_, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(hints), 5);
        if (w.owner)
            if (Window* o = Find(w.owner))
                XSetTransientForHint(dpy_, xw, static_cast<::Window>(o->nativeId));
        XSizeHints sh{};
        sh.flags = PPosition | USPosition;
        sh.x = w.rect.left;
        sh.y = w.rect.top;
        XSetWMNormalHints(dpy_, xw, &sh);
        NativeSetTitle(hwnd, w);
        XDefineCursor(dpy_, xw, cursors_[0]);
        XFlush(dpy_);
        return true;
    }

    void NativeDestroy(HWND, Window& w) override {
        auto xw = static_cast<::Window>(w.nativeId);
        if (auto it = gcs_.find(xw); it != gcs_.end()) {
            XFreeGC(dpy_, it->second);
            gcs_.erase(it);
        }
        byXid_.erase(xw);
        XDestroyWindow(dpy_, xw);
        XFlush(dpy_);
    }

    void NativeShow(HWND, Window& w, bool show) override {
        auto xw = static_cast<::Window>(w.nativeId);
        if (show)
            XMapRaised(dpy_, xw);
        else
            XUnmapWindow(dpy_, xw);
        XFlush(dpy_);
    }

    void NativeMove(HWND, Window& w) override {
        XMoveResizeWindow(dpy_, static_cast<::Window>(w.nativeId), w.rect.left, w.rect.top,
                          std::max(1, w.rect.Width()), std::max(1, w.rect.Height()));
        XFlush(dpy_);
    }

    void NativeSetTitle(HWND, Window& w) override {
        std::string utf8;
        for (wchar_t c : w.title)
            utf8 += c < 0x80 ? static_cast<char>(c) : '?';
        XStoreName(dpy_, static_cast<::Window>(w.nativeId), utf8.c_str());
    }

    void NativePresent(HWND, Window& w, const CRect& rect) override {
        auto xw = static_cast<::Window>(w.nativeId);
        BackBuffer& b = *w.buffer;
        XImage* img =
            XCreateImage(dpy_, visual_, depth_, ZPixmap, 0, reinterpret_cast<char*>(b.Row(0)),
                         b.Width(), b.Height(), 32, b.Stride());
        if (!img)
            return;
        CRect r = CRect::Intersect(rect, CRect(0, 0, b.Width(), b.Height()));
        XPutImage(dpy_, xw, gcs_[xw], img, r.left, r.top, r.left, r.top, r.Width(), r.Height());
        img->data = nullptr;  // the back buffer owns the pixels
        XDestroyImage(img);
        XFlush(dpy_);
    }

    // The window's bounding shape: a rounded rectangle drawn into a 1-bit mask.
    void NativeSetShape(HWND, Window& w) override {
        if (!shapeOk_)
            return;
        auto xw = static_cast<::Window>(w.nativeId);
        if (w.roundRegion <= 0) {
            XShapeCombineMask(dpy_, xw, ShapeBounding, 0, 0, None, ShapeSet);
            XFlush(dpy_);
            return;
        }
        int width = std::max(1, w.rect.Width()), height = std::max(1, w.rect.Height());
        int d = std::min({w.roundRegion, width, height});
        Pixmap mask = XCreatePixmap(dpy_, xw, width, height, 1);
        GC gc = XCreateGC(dpy_, mask, 0, nullptr);
        XSetForeground(dpy_, gc, 0);
        XFillRectangle(dpy_, mask, gc, 0, 0, width, height);
        XSetForeground(dpy_, gc, 1);
        XFillRectangle(dpy_, mask, gc, d / 2, 0, width - d, height);
        XFillRectangle(dpy_, mask, gc, 0, d / 2, width, height - d);
        // The region is one pixel larger on the right and bottom than the window.
        XFillArc(dpy_, mask, gc, 0, 0, d, d, 0, 360 * 64);
        XFillArc(dpy_, mask, gc, width + 1 - d, 0, d, d, 0, 360 * 64);
        XFillArc(dpy_, mask, gc, 0, height + 1 - d, d, d, 0, 360 * 64);
        XFillArc(dpy_, mask, gc, width + 1 - d, height + 1 - d, d, d, 0, 360 * 64);
        XShapeCombineMask(dpy_, xw, ShapeBounding, 0, 0, mask, ShapeSet);
        XFreeGC(dpy_, gc);
        XFreePixmap(dpy_, mask);
        XFlush(dpy_);
    }

    void NativeSetCapture(HWND hwnd) override {
        if (Window* w = Find(hwnd))
            XGrabPointer(dpy_, static_cast<::Window>(w->nativeId), True,
                         ButtonPressMask | ButtonReleaseMask | PointerMotionMask, GrabModeAsync,
                         GrabModeAsync, None, None, CurrentTime);
    }

    void NativeReleaseCapture() override {
        XUngrabPointer(dpy_, CurrentTime);
        XFlush(dpy_);
    }

    void NativeSetFocus(HWND, Window& w) override {
        XSetInputFocus(dpy_, static_cast<::Window>(w.nativeId), RevertToParent, CurrentTime);
        XFlush(dpy_);
    }

    void NativeSetCursor(CursorShape shape) override {
        Cursor c = cursors_[static_cast<int>(shape)];
        for (auto& [xw, h] : byXid_)
            XDefineCursor(dpy_, xw, c);
        XFlush(dpy_);
    }

    void NativeWait(int timeoutMs) override {
        XFlush(dpy_);
        if (!XPending(dpy_) && timeoutMs != 0) {
            pollfd fds[2] = {{ConnectionNumber(dpy_), POLLIN, 0}, {wake_[0], POLLIN, 0}};
            poll(fds, 2, timeoutMs);
        }
        char buf[64];
        while (read(wake_[0], buf, sizeof buf) > 0) {
        }
        while (XPending(dpy_)) {
            XEvent ev;
            XNextEvent(dpy_, &ev);
            Handle(ev);
        }
    }

private:
    HWND HwndOf(::Window xw) {
        std::lock_guard lock(mutex_);
        auto it = byXid_.find(xw);
        return it == byXid_.end() ? nullptr : it->second;
    }

    void Handle(XEvent& ev) {
        HWND hwnd = HwndOf(ev.xany.window);
        switch (ev.type) {
            case Expose:
                if (hwnd) {
                    CRect r(ev.xexpose.x, ev.xexpose.y, ev.xexpose.x + ev.xexpose.width,
                            ev.xexpose.y + ev.xexpose.height);
                    InvalidateRect(hwnd, &r);
                }
                break;
            case MotionNotify: {
                CPoint p(ev.xmotion.x_root, ev.xmotion.y_root);
                if (moving_) {
                    MoveWindowBy(p);
                    break;
                }
                InputPointerMotion(p);
                break;
            }
            case ButtonPress:
            case ButtonRelease: {
                CPoint p(ev.xbutton.x_root, ev.xbutton.y_root);
                bool down = ev.type == ButtonPress;
                if (moving_) {
                    if (!down) {
                        moving_ = nullptr;
                        XUngrabPointer(dpy_, CurrentTime);
                        std::lock_guard lock(mutex_);
                        keys_[VK_LBUTTON] = false;
                    }
                    break;
                }
                unsigned b = ev.xbutton.button;
                if (b == Button4 || b == Button5) {
                    if (down)
                        InputWheel(b == Button4 ? 120 : -120, p);
                } else if (b >= 1 && b <= 3) {
                    InputButton(b == 1 ? 1 : b == 2 ? 2 : 3, down, p);
                }
                break;
            }
            case LeaveNotify:
                if (hwnd && ev.xcrossing.mode == NotifyNormal)
                    InputPointerLeave(hwnd);
                break;
            case KeyPress:
            case KeyRelease: {
                KeySym ks = XLookupKeysym(&ev.xkey, 0);
                KeySym shifted = ks;
                char tmp[8];
                XLookupString(&ev.xkey, tmp, sizeof tmp, &shifted, nullptr);
                unsigned vk = KeysymToVk(ks);
                if (vk)
                    InputKey(vk, ev.type == KeyPress, KeysymToChar(shifted));
                break;
            }
            case FocusOut:
                if (hwnd && ev.xfocus.detail != NotifyInferior && ev.xfocus.mode == NotifyNormal &&
                    GetActiveWindow() == hwnd) {
                    {
                        std::lock_guard lock(mutex_);
                        active_ = focus_ = nullptr;
                    }
                    SendMessageW(hwnd, WM_NCACTIVATE, 0, 0);
                }
                break;
            case ClientMessage:
                if (hwnd && static_cast<Atom>(ev.xclient.data.l[0]) == wmDelete_)
                    PostMessageW(hwnd, WM_CLOSE, 0, 0);
                break;
            case ConfigureNotify:
                if (hwnd && !ev.xconfigure.override_redirect) {
                    std::lock_guard lock(mutex_);
                    if (Window* w = Find(hwnd); w && ev.xconfigure.send_event)
                        w->rect = CRect(ev.xconfigure.x, ev.xconfigure.y,
                                        ev.xconfigure.x + w->rect.Width(),
                                        ev.xconfigure.y + w->rect.Height());
                }
                break;
            default:
                break;
        }
    }

    void MoveWindowBy(CPoint pointer) {
        CRect r;
        {
            std::lock_guard lock(mutex_);
            cursor_ = pointer;
            Window* w = Find(moving_);
            if (!w) {
                moving_ = nullptr;
                return;
            }
            r = w->rect;
        }
        int x = pointer.x - moveOffset_.x, y = pointer.y - moveOffset_.y;
        MoveWindow(moving_, CRect(x, y, x + r.Width(), y + r.Height()), false);
    }

    Display* dpy_;
    int screen_ = 0;
    ::Window root_ = 0;
    Visual* visual_ = nullptr;
    int depth_ = 24;
    Colormap colormap_ = 0;
    int wake_[2] = {-1, -1};
    Atom wmDelete_ = 0;
    bool shapeOk_ = false;
    Atom motifHints_ = 0;
    std::vector<Cursor> cursors_;
    std::map<::Window, HWND> byXid_;
    std::map<::Window, GC> gcs_;
    HWND moving_ = nullptr;
    CPoint moveOffset_;
};

}  // namespace

std::unique_ptr<Platform> CreateX11Platform() {
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy)
        return nullptr;
    return std::make_unique<X11Platform>(dpy);
}

}  // namespace VKUI
