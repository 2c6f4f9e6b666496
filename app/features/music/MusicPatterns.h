// The pictures the visualizer paints under and above its bars. Pattern ids are the values the
// music presets store (foremode, backmode) and the music page's lists carry as item data.
#pragma once

#include "features/music/MusicImage.h"

namespace vekora {

enum MusicPatternId : int {
    kPatternNone = 0,
    kPatternWhite = 1,
    kPatternRed = 2,
    kPatternOrange = 3,
    kPatternYellow = 4,
    kPatternGreen = 5,
    kPatternCyan = 6,
    kPatternBlue = 7,
    kPatternGreenYellowRed = 9,
    kPatternRainbow = 13,
    kPatternRainbowReverse = 14,
    kPatternChromatography = 17,
    kPatternSpectrumCycle = 19,
};

// The channel factor of a brightness percentage: b * 2.55 in single precision, truncated
// (100 % gives 255). Brightness is clamped to 0..100 first so that stored nonsense can never
// push a channel past 255 into its neighbour.
int BrightnessFactor(int brightnessPercent);

// Each channel * factor / 256, in integers.
MusicColour ScaleColour(MusicColour colour, int factor);

// Paints pattern `id` at `brightnessPercent` into `image`. `hue` (degrees) turns the moving
// patterns (Chromatography, Spectrum Cycle). Ids without a picture of their own paint black,
// like "None". Allocates nothing.
void FillPattern(int id, int brightnessPercent, float hue, MusicImage& image);

}  // namespace vekora
