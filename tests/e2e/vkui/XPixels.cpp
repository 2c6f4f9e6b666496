#include "XPixels.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

bool ReadWindowPixel(std::uint64_t window, int x, int y, unsigned long& pixel, int& depth) {
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy)
        return false;
    bool ok = false;
    XWindowAttributes attrs;
    if (XGetWindowAttributes(dpy, static_cast<Window>(window), &attrs)) {
        depth = attrs.depth;
        if (XImage* img =
                XGetImage(dpy, static_cast<Window>(window), x, y, 1, 1, AllPlanes, ZPixmap)) {
            pixel = XGetPixel(img, 0, 0);
            XDestroyImage(img);
            ok = true;
        }
    }
    XCloseDisplay(dpy);
    return ok;
}
