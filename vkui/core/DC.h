// Drawing target handed to controls: a Cairo context on a surface, addressed in client
// coordinates of the hosting window whatever the surface (back buffer, control cache).
#pragma once

#include <memory>

#include "platform/Types.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

namespace VKUI {

class DC {
public:
    // Draws on `target`; client point (originX, originY) lands on surface pixel (0, 0).
    DC(cairo_surface_t* target, int originX, int originY);
    ~DC();
    DC(const DC&) = delete;
    DC& operator=(const DC&) = delete;

    // A new ARGB image surface of w x h covering client rect (originX, originY, +w, +h).
    static std::unique_ptr<DC> CreateImage(int width, int height, int originX, int originY);

    cairo_t* Cairo() const { return cr_; }
    cairo_surface_t* Target() const { return target_; }
    int OriginX() const { return originX_; }
    int OriginY() const { return originY_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The client rect the surface covers.
    CRect Bounds() const { return {originX_, originY_, originX_ + width_, originY_ + height_}; }
    // Moves the client origin (the surface stays).
    void SetOrigin(int originX, int originY);

private:
    cairo_surface_t* target_;
    cairo_t* cr_;
    int originX_, originY_;
    int width_, height_;
};

using HDC = DC*;

// Saves the Cairo state on construction and restores it on destruction.
class DCSave {
public:
    explicit DCSave(HDC dc);
    ~DCSave();
    DCSave(const DCSave&) = delete;
    DCSave& operator=(const DCSave&) = delete;

private:
    HDC dc_;
};

}  // namespace VKUI
