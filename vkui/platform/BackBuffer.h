// The per-window off-screen bitmap every paint goes through.
#pragma once

#include <cstdint>

typedef struct _cairo_surface cairo_surface_t;

namespace VKUI {

// A 32-bit premultiplied ARGB image (Cairo's ARGB32 layout, native endian). The platform owns
// one per window, sized to the client area; the paint manager draws into it and the backend
// presents the painted rectangle.
class BackBuffer {
public:
    BackBuffer(int width, int height);
    ~BackBuffer();
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Stride() const { return stride_; }
    std::uint32_t* Row(int y);
    const std::uint32_t* Row(int y) const;
    cairo_surface_t* Surface() const { return surface_; }
    // Flushes pending Cairo drawing before the pixels are read directly.
    void Flush();
    // Marks direct pixel writes so Cairo re-reads them.
    void MarkDirty();

private:
    int width_;
    int height_;
    int stride_ = 0;
    cairo_surface_t* surface_ = nullptr;
};

}  // namespace VKUI
