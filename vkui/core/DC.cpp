#include "core/DC.h"

#include <cairo.h>

namespace VKUI {

DC::DC(cairo_surface_t* target, int originX, int originY)
    : target_(cairo_surface_reference(target)), originX_(originX), originY_(originY) {
    width_ = cairo_image_surface_get_width(target);
    height_ = cairo_image_surface_get_height(target);
    cr_ = cairo_create(target_);
    cairo_translate(cr_, -originX_, -originY_);
}

DC::~DC() {
    cairo_destroy(cr_);
    cairo_surface_destroy(target_);
}

std::unique_ptr<DC> DC::CreateImage(int width, int height, int originX, int originY) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width < 1 ? 1 : width,
                                                    height < 1 ? 1 : height);
    auto dc = std::make_unique<DC>(s, originX, originY);
    cairo_surface_destroy(s);
    return dc;
}

void DC::SetOrigin(int originX, int originY) {
    cairo_identity_matrix(cr_);
    originX_ = originX;
    originY_ = originY;
    cairo_translate(cr_, -originX_, -originY_);
}

DCSave::DCSave(HDC dc) : dc_(dc) {
    cairo_save(dc_->Cairo());
}
DCSave::~DCSave() {
    cairo_restore(dc_->Cairo());
}

}  // namespace VKUI
