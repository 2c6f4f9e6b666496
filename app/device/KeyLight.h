// Key colours as the program passes them around: 0x00BBGGRR values (red in the low byte), and
// a key of the keyboard view with the colour it shows. Every device buffer that carries colours
// takes its channels apart with these helpers.
#pragma once

#include <cstdint>

namespace vekora {

// A key of the keyboard view with its colour (0x00BBGGRR; black counts as unlit).
struct KeyLight {
    int keyCode = 0;
    std::uint32_t colour = 0;
};

constexpr std::uint8_t RedOf(std::uint32_t bgr) {
    return static_cast<std::uint8_t>(bgr & 0xFF);
}
constexpr std::uint8_t GreenOf(std::uint32_t bgr) {
    return static_cast<std::uint8_t>((bgr >> 8) & 0xFF);
}
constexpr std::uint8_t BlueOf(std::uint32_t bgr) {
    return static_cast<std::uint8_t>((bgr >> 16) & 0xFF);
}
constexpr std::uint32_t ColourOf(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
           (static_cast<std::uint32_t>(b) << 16);
}
// The top byte is not part of the colour.
constexpr bool IsLit(std::uint32_t bgr) {
    return (bgr & 0xFFFFFFu) != 0;
}

}  // namespace vekora
