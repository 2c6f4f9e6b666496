// One entry of a window's image cache: a picture and how it splits into frames.
#pragma once

#include <memory>

#include "core/Image.h"
#include "platform/Types.h"

namespace VKUI {

struct ImgResInfo {
    std::shared_ptr<Image> image;
    int frameWidth = 0;   // image width / frame count
    int frameHeight = 0;  // image height
    int frameCount = 1;
    CString path;
    unsigned resId = 0;
};

// A private font registered under a face name: the family name fontconfig knows it by.
struct FontFamily {
    CString face;
    std::string family;  // UTF-8, as Pango wants it
    std::string file;
};

}  // namespace VKUI
