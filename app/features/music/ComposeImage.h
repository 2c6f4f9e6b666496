// Composes the bar picture: each column is a bar as high as its level, foreground under the
// bar, background above it.
#pragma once

#include "features/music/MusicImage.h"

namespace vekora {

// Pixel (x, y) of `out` is the foreground's when (64 - y) / 64 < levels[x], else the
// background's. Bars grow from the bottom row; row 0 lights only above a level of 1.
void ComposeImage(const MusicImage& foreground, const MusicImage& background,
                  const SpectrumLevels& levels, MusicImage& out);

}  // namespace vekora
