#include "features/music/ComposeImage.h"

namespace vekora {

void ComposeImage(const MusicImage& foreground, const MusicImage& background,
                  const SpectrumLevels& levels, MusicImage& out) {
    for (int y = 0; y < kMusicImageHeight; ++y) {
        const float threshold = static_cast<float>(kMusicImageHeight - y) / 64.0f;
        const int row = MusicPixelIndex(0, y);
        for (int x = 0; x < kMusicImageWidth; ++x)
            out[row + x] = threshold < levels[x] ? foreground[row + x] : background[row + x];
    }
}

}  // namespace vekora
