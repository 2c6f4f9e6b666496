#include "xml/Utf8Validation.h"

#include <cstdint>

namespace vekora::xml {

bool IsValidUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        const auto b0 = static_cast<uint8_t>(bytes[i]);
        if (b0 < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        char32_t c = 0;
        char32_t minimum = 0;
        if (b0 >= 0xC2 && b0 <= 0xDF) {
            length = 2;
            c = b0 & 0x1F;
            minimum = 0x80;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            length = 3;
            c = b0 & 0x0F;
            minimum = 0x800;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            length = 4;
            c = b0 & 0x07;
            minimum = 0x10000;
        } else {
            return false;
        }
        if (i + static_cast<size_t>(length) > bytes.size()) {
            return false;
        }
        for (int k = 1; k < length; ++k) {
            const auto b = static_cast<uint8_t>(bytes[i + static_cast<size_t>(k)]);
            if ((b & 0xC0) != 0x80) {
                return false;
            }
            c = (c << 6) | (b & 0x3F);
        }
        if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            return false;
        }
        i += static_cast<size_t>(length);
    }
    return true;
}

}  // namespace vekora::xml
