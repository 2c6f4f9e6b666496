// From the visualizer's picture to the keyboard: sampling the picture at the model's grid
// (ShowMusicFrame) and the bytes of a music frame for each keyboard family.
//
// ShowMusicFrame runs on the main window's 33 ms timer while the music page is shown. It
// samples the read picture once per grid key and hands the key colours to a hook. The hook's
// owner (the application core) sets those colours on the keyboard view, repaints it once, and
// sends the view's colours as one music frame built by BuildShortMusicFrame,
// BuildLongMusicFrame or BuildLibraryMusicFrame, per MusicFrameFamilyOf(model).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>

#include "device/DeviceModel.h"
#include "features/music/MusicImage.h"

namespace vekora {

class Visualizer;

struct MusicKeyColour {
    int keyCode = 0;
    MusicColour colour = 0;  // 0x00BBGGRR
};

// Enough for the largest grid (6 x 20).
inline constexpr int kMaxMusicKeys = 120;

// The key colours of one sampled picture; a fixed array, so the timer allocates nothing.
struct MusicKeyColours {
    std::array<MusicKeyColour, kMaxMusicKeys> keys{};
    int count = 0;
    std::span<const MusicKeyColour> view() const { return {keys.data(), std::size_t(count)}; }
};

// Samples the read picture at every grid cell that holds a key, row by row. Returns false and
// leaves `out` empty for a model without a sampling grid.
bool SampleMusicKeyColours(DeviceModel m, const Visualizer& visualizer, MusicKeyColours& out);

// Receives the sampled key colours of one frame.
using MusicFrameHook = std::function<void(std::span<const MusicKeyColour>)>;

// Samples the picture and hands the colours to `hook`. A model without a sampling grid gets no
// frame: the hook is not called and the result is false.
bool ShowMusicFrame(DeviceModel m, const Visualizer& visualizer, const MusicFrameHook& hook);

enum class MusicFrameFamily {
    None,     // no music frames
    Short,    // models 1 and 5: 512-byte frame after short command 0x20
    Long,     // models 7 and 8: 126-slot on/off map with long command 0x08
    Library,  // models 9 and 10: 378-byte frame for the device library's SendMusicData
};

MusicFrameFamily MusicFrameFamilyOf(DeviceModel m);

inline constexpr std::size_t kShortMusicFrameSize = 512;
inline constexpr std::size_t kLongMusicFrameSize = 126;
inline constexpr std::size_t kLibraryMusicFrameSize = 378;
using ShortMusicFrame = std::array<std::uint8_t, kShortMusicFrameSize>;
using LongMusicFrame = std::array<std::uint8_t, kLongMusicFrameSize>;
using LibraryMusicFrame = std::array<std::uint8_t, kLibraryMusicFrameSize>;

// The frames are built from the colours the keyboard view shows for its keys (`keys`: every key
// of the view with its colour). Keys the model's table does not place are left out.

// Models 1 and 5: the key with light matrix index i fills bytes 4i..4i+3 with i, red, green,
// blue. `revisionFlag` chooses model 1's light table.
ShortMusicFrame BuildShortMusicFrame(DeviceModel m, bool revisionFlag,
                                     std::span<const MusicKeyColour> keys);

// Models 7 and 8: 0xFF in the slot of every key whose colour is not black.
LongMusicFrame BuildLongMusicFrame(DeviceModel m, std::span<const MusicKeyColour> keys);

// Models 9 and 10: red, green, blue in bytes 3s..3s+2 for the key in slot s.
LibraryMusicFrame BuildLibraryMusicFrame(DeviceModel m, std::span<const MusicKeyColour> keys);

}  // namespace vekora
