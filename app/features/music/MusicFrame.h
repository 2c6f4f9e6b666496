// From the visualizer's picture to the keyboard: sampling the picture at the model's grid.
//
// ShowMusicFrame runs on the main window's 33 ms timer while the music page is shown. It
// samples the read picture once per grid key and hands the key colours to a hook. The hook's
// owner (the application core) sets those colours on the keyboard view, repaints it once, and
// sends the view's colours as one music frame of the keyboard's family (the frame bytes are
// built in device/protocol and device/libformats).
#pragma once

#include <array>
#include <functional>
#include <span>

#include "device/DeviceModel.h"
#include "device/KeyLight.h"
#include "features/music/MusicImage.h"

namespace vekora {

class Visualizer;

// Enough for the largest grid (6 x 20).
inline constexpr int kMaxMusicKeys = 120;

// The key colours of one sampled picture; a fixed array, so the timer allocates nothing.
struct MusicKeyColours {
    std::array<KeyLight, kMaxMusicKeys> keys{};
    int count = 0;
    std::span<const KeyLight> view() const { return {keys.data(), std::size_t(count)}; }
};

// Samples the read picture at every grid cell that holds a key, row by row. Returns false and
// leaves `out` empty for a model without a sampling grid.
bool SampleMusicKeyColours(DeviceModel m, const Visualizer& visualizer, MusicKeyColours& out);

// Receives the sampled key colours of one frame.
using MusicFrameHook = std::function<void(std::span<const KeyLight>)>;

// Samples the picture and hands the colours to `hook`. A model without a sampling grid gets no
// frame: the hook is not called and the result is false.
bool ShowMusicFrame(DeviceModel m, const Visualizer& visualizer, const MusicFrameHook& hook);

}  // namespace vekora
