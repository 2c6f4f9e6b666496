#include "features/music/MusicFrame.h"

#include "device/MatrixIndex.h"
#include "device/SlotTables.h"
#include "features/music/SamplingGrid.h"
#include "features/music/Visualizer.h"

namespace vekora {
namespace {

// The slot a key's colour goes to, or -1 when the model's table does not place the key. A key
// the lookup does not list resolves to slot 0, but slot 0 belongs only to the key that sits
// there by default (Esc on the 87- and 98-key boards); any other key would paint over it.
int MusicSlotOfKey(DeviceModel m, int keyCode) {
    const int slot = SlotOfKey(m, keyCode);
    if (slot == 0 && DefaultKeyOfSlot(m, 0) != keyCode)
        return -1;
    return slot >= 0 && slot < kKeyMapSlotCount ? slot : -1;
}

}  // namespace

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

MusicFrameFamily MusicFrameFamilyOf(DeviceModel m) {
    switch (m) {
        case DeviceModel::K61:
        case DeviceModel::K68:
            return MusicFrameFamily::Short;
        case DeviceModel::K61SE:
        case DeviceModel::K87SingleLight:
            return MusicFrameFamily::Long;
        case DeviceModel::K87Rgb:
        case DeviceModel::K98Rgb:
            return MusicFrameFamily::Library;
        default:
            return MusicFrameFamily::None;
    }
}

ShortMusicFrame BuildShortMusicFrame(DeviceModel m, bool revisionFlag,
                                     std::span<const MusicKeyColour> keys) {
    ShortMusicFrame frame{};
    for (const MusicKeyColour& k : keys) {
        const int index = LightMatrixIndex(m, revisionFlag, k.keyCode);
        const std::size_t offset = 4 * static_cast<std::size_t>(index);
        if (index <= 0 || offset + 3 >= frame.size())
            continue;
        frame[offset] = static_cast<std::uint8_t>(index);
        frame[offset + 1] = static_cast<std::uint8_t>(RedOf(k.colour));
        frame[offset + 2] = static_cast<std::uint8_t>(GreenOf(k.colour));
        frame[offset + 3] = static_cast<std::uint8_t>(BlueOf(k.colour));
    }
    return frame;
}

LongMusicFrame BuildLongMusicFrame(DeviceModel m, std::span<const MusicKeyColour> keys) {
    LongMusicFrame frame{};
    for (const MusicKeyColour& k : keys) {
        const int slot = MusicSlotOfKey(m, k.keyCode);
        if (slot >= 0 && (k.colour & 0xFFFFFF) != 0)
            frame[slot] = 0xFF;
    }
    return frame;
}

LibraryMusicFrame BuildLibraryMusicFrame(DeviceModel m, std::span<const MusicKeyColour> keys) {
    LibraryMusicFrame frame{};
    for (const MusicKeyColour& k : keys) {
        const int slot = MusicSlotOfKey(m, k.keyCode);
        if (slot < 0)
            continue;
        frame[3 * slot] = static_cast<std::uint8_t>(RedOf(k.colour));
        frame[3 * slot + 1] = static_cast<std::uint8_t>(GreenOf(k.colour));
        frame[3 * slot + 2] = static_cast<std::uint8_t>(BlueOf(k.colour));
    }
    return frame;
}

}  // namespace vekora
