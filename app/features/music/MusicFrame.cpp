#include "features/music/MusicFrame.h"

#include "features/music/SamplingGrid.h"
#include "features/music/Visualizer.h"

namespace vekora {
bool SampleMusicKeyColours(DeviceModel m, const Visualizer& visualizer, MusicKeyColours& out) {
    out.count = 0;
    const SamplingGrid* grid = SamplingGridOf(m);
    if (grid == nullptr)
        return false;
    std::array<MusicPoint, kMaxMusicKeys> points;
    for (int r = 0; r < grid->rows; ++r) {
        for (int c = 0; c < grid->columns; ++c) {
            const int key = grid->KeyAt(r, c);
            if (key == 0 || out.count >= kMaxMusicKeys)
                continue;
            points[out.count] = {grid->imageColumns[c], grid->imageRows[r]};
            out.keys[out.count].keyCode = key;
            ++out.count;
        }
    }
    // One read of the picture for all keys, so that they all show the same frame.
    std::array<MusicColour, kMaxMusicKeys> colours;
    visualizer.ReadPixels(std::span(points.data(), out.count),
                          std::span(colours.data(), out.count));
    for (int i = 0; i < out.count; ++i)
        out.keys[i].colour = colours[i];
    return true;
}

bool ShowMusicFrame(DeviceModel m, const Visualizer& visualizer, const MusicFrameHook& hook) {
    MusicKeyColours colours;
    if (!SampleMusicKeyColours(m, visualizer, colours))
        return false;
    if (hook)
        hook(colours.view());
    return true;
}

}  // namespace vekora
