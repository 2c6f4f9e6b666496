// A decoded picture (premultiplied ARGB), shared through the image cache.
#pragma once

#include <memory>
#include <string>

typedef struct _cairo_surface cairo_surface_t;

namespace VKUI {

class Image {
public:
    // Takes ownership of one reference to `surface`.
    explicit Image(cairo_surface_t* surface);
    ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    // Null when the file is missing or not a PNG.
    static std::unique_ptr<Image> FromFile(const std::string& path);
    static std::unique_ptr<Image> FromPngBytes(const unsigned char* data, std::size_t size);
    static std::unique_ptr<Image> Create(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    cairo_surface_t* Surface() const { return surface_; }

private:
    cairo_surface_t* surface_;
    int width_;
    int height_;
};

using GpImage = Image;
using HBITMAP = Image*;

}  // namespace VKUI
