#include "platform/BackBuffer.h"

#include <cairo.h>

#include <algorithm>

namespace VKUI {

BackBuffer::BackBuffer(int width, int height)
    : width_(std::max(1, width)), height_(std::max(1, height)) {
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width_, height_);
    stride_ = cairo_image_surface_get_stride(surface_);
}

BackBuffer::~BackBuffer() {
    cairo_surface_destroy(surface_);
}

std::uint32_t* BackBuffer::Row(int y) {
    return reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface_) + y * stride_);
}

const std::uint32_t* BackBuffer::Row(int y) const {
    return reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(surface_) +
                                                  y * stride_);
}

void BackBuffer::Flush() {
    cairo_surface_flush(surface_);
}
void BackBuffer::MarkDirty() {
    cairo_surface_mark_dirty(surface_);
}

}  // namespace VKUI
