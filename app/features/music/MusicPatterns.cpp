#include "features/music/MusicPatterns.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>

#include "features/music/HsvToColour.h"

namespace vekora {
namespace {

constexpr MusicColour kGreenYellowRed[] = {0x00FF00, 0x00FFFF, 0x0000FF};
constexpr MusicColour kRainbow[] = {0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000, 0xFF00FF};
constexpr MusicColour kRainbowReverse[] = {0xFF00FF, 0xFF0000, 0xFFFF00,
                                           0x00FF00, 0x00FFFF, 0x0000FF};

// Degrees per radian as the colour wheel has always used it (slightly above 180/pi, which
// turns the wheel's seam a hair; kept so that the wheel looks as it always has).
constexpr double kDegreesPerRadian = 57.295827908797776;

// The solid colour of ids 0..7 (id 0 is black).
MusicColour SolidColour(int id) {
    switch (id) {
        case kPatternWhite:
            return 0xFFFFFF;
        case kPatternRed:
            return 0x0000FF;
        case kPatternOrange:
            return 0x0040FF;
        case kPatternYellow:
            return 0x00FFFF;
        case kPatternGreen:
            return 0x00FF00;
        case kPatternCyan:
            return 0xFFFF00;
        case kPatternBlue:
            return 0xFF0000;
        default:
            return 0;
    }
}

// Rows take colour min(k - 1, floor(k - k*y/63)): the last colour at the top, the first at the
// bottom. y is 0..63, so the floor is an integer division of a non-negative numerator.
void FillGradient(std::span<const MusicColour> colours, int factor, MusicImage& image) {
    const int k = static_cast<int>(colours.size());
    for (int y = 0; y < kMusicImageHeight; ++y) {
        const int index = std::min(k - 1, (63 * k - k * y) / 63);
        const MusicColour c = ScaleColour(colours[index], factor);
        auto row = image.begin() + MusicPixelIndex(0, y);
        std::fill(row, row + kMusicImageWidth, c);
    }
}

// The wheel angle of every pixel around column 128, row 32: floor(deg(atan2) + 180) mod 360.
// Computed once; the wheel only turns by adding the current hue.
const std::array<std::int16_t, kMusicImagePixels>& WheelAngles() {
    static const std::array<std::int16_t, kMusicImagePixels> angles = [] {
        std::array<std::int16_t, kMusicImagePixels> a{};
        for (int y = 0; y < kMusicImageHeight; ++y) {
            for (int x = 0; x < kMusicImageWidth; ++x) {
                const double deg =
                    std::atan2(static_cast<double>(y - 32), static_cast<double>(x - 128)) *
                    kDegreesPerRadian;
                const int whole = static_cast<int>(std::floor(deg + 180.0));
                a[MusicPixelIndex(x, y)] = static_cast<std::int16_t>(((whole % 360) + 360) % 360);
            }
        }
        return a;
    }();
    return angles;
}

void FillChromatography(int factor, float hue, MusicImage& image) {
    // HsvToColour only depends on h mod 360: convert each hue once per frame, not per pixel.
    std::array<MusicColour, 360> wheel;
    for (int h = 0; h < 360; ++h)
        wheel[h] = HsvToColour(h, 255, factor);
    const auto& angles = WheelAngles();
    for (int i = 0; i < kMusicImagePixels; ++i) {
        const int h = static_cast<int>(static_cast<float>(angles[i]) + hue);
        image[i] = h < 0 ? 0 : wheel[h % 360];
    }
}

}  // namespace

int BrightnessFactor(int brightnessPercent) {
    const int b = std::clamp(brightnessPercent, 0, 100);
    return static_cast<int>(static_cast<float>(b) * 2.55f);
}

MusicColour ScaleColour(MusicColour colour, int factor) {
    return MakeMusicColour(RedOf(colour) * factor / 256, GreenOf(colour) * factor / 256,
                           BlueOf(colour) * factor / 256);
}

void FillPattern(int id, int brightnessPercent, float hue, MusicImage& image) {
    const int factor = BrightnessFactor(brightnessPercent);
    switch (id) {
        case kPatternGreenYellowRed:
            FillGradient(kGreenYellowRed, factor, image);
            return;
        case kPatternRainbow:
            FillGradient(kRainbow, factor, image);
            return;
        case kPatternRainbowReverse:
            FillGradient(kRainbowReverse, factor, image);
            return;
        case kPatternChromatography:
            FillChromatography(factor, hue, image);
            return;
        case kPatternSpectrumCycle:
            image.fill(HsvToColour(static_cast<int>(std::floor(hue)), 255, factor));
            return;
        default:
            image.fill(ScaleColour(SolidColour(id), factor));
            return;
    }
}

}  // namespace vekora
