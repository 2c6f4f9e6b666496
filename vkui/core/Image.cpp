#include "core/Image.h"

#include <cairo.h>

#include <cstring>

namespace VKUI {

Image::Image(cairo_surface_t* surface)
    : surface_(surface),
      width_(cairo_image_surface_get_width(surface)),
      height_(cairo_image_surface_get_height(surface)) {}

Image::~Image() {
    cairo_surface_destroy(surface_);
}

std::unique_ptr<Image> Image::FromFile(const std::string& path) {
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return nullptr;
    }
    return std::make_unique<Image>(s);
}

namespace {
struct ByteReader {
    const unsigned char* data;
    std::size_t size;
    std::size_t pos;
};
cairo_status_t ReadBytes(void* closure, unsigned char* out, unsigned int length) {
    auto* r = static_cast<ByteReader*>(closure);
    if (r->size - r->pos < length)
        return CAIRO_STATUS_READ_ERROR;
    std::memcpy(out, r->data + r->pos, length);
    r->pos += length;
    return CAIRO_STATUS_SUCCESS;
}
}  // namespace

std::unique_ptr<Image> Image::FromPngBytes(const unsigned char* data, std::size_t size) {
    if (!data || size == 0)
        return nullptr;
    ByteReader reader{data, size, 0};
    cairo_surface_t* s = cairo_image_surface_create_from_png_stream(ReadBytes, &reader);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return nullptr;
    }
    return std::make_unique<Image>(s);
}

std::unique_ptr<Image> Image::Create(int width, int height) {
    return std::make_unique<Image>(cairo_image_surface_create(
        CAIRO_FORMAT_ARGB32, width < 1 ? 1 : width, height < 1 ? 1 : height));
}

}  // namespace VKUI
