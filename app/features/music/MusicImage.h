// The visualizer's picture: 256 columns (one per spectrum level) by 64 rows, row 0 at the top.
// Colours are 0x00BBGGRR values, the layout the rest of the program uses for key colours.
#pragma once

#include <array>
#include <cstdint>

#include "device/KeyLight.h"

namespace vekora {

using MusicColour = std::uint32_t;

inline constexpr int kMusicImageWidth = 256;
inline constexpr int kMusicImageHeight = 64;
inline constexpr int kMusicImagePixels = kMusicImageWidth * kMusicImageHeight;

// Pixel (x, y) is element x + 256 * y.
using MusicImage = std::array<MusicColour, kMusicImagePixels>;

// One spectrum level per image column.
inline constexpr int kSpectrumColumns = kMusicImageWidth;
using SpectrumLevels = std::array<float, kSpectrumColumns>;

constexpr int MusicPixelIndex(int x, int y) {
    return x + kMusicImageWidth * y;
}

constexpr MusicColour MakeMusicColour(int red, int green, int blue) {
    return static_cast<MusicColour>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
}  // namespace vekora
