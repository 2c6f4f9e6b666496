#include "device/libformats/DeviceLightBuffers.h"

#include "device/SlotTables.h"

namespace vekora {
DeviceColourMap BuildDeviceColourMap(DeviceModel model, const std::vector<KeyColour>& colours) {
    DeviceColourMap map{};
    for (const KeyColour& c : colours) {
        const auto slot = PlacedSlotOfKey(model, c.key_code);
        if (!slot) {
            continue;
        }
        const auto bgr = static_cast<std::uint32_t>(c.key_rgb);
        const auto at = static_cast<std::size_t>(*slot) * kLibrarySlotBytes;
        map[at] = BlueOf(bgr);
        map[at + 1] = GreenOf(bgr);
        map[at + 2] = RedOf(bgr);
        map[at + 3] = 0;
    }
    return map;
}

LightSettingsValues BuildLightSettings(int lightMode) {
    return {lightMode, 16, 3, 1, 255, 0, 0, 127, 0, 0};
}

LibraryMusicFrame BuildLibraryMusicFrame(DeviceModel model, std::span<const KeyLight> keys) {
    LibraryMusicFrame frame{};
    for (const KeyLight& k : keys) {
        const auto slot = PlacedSlotOfKey(model, k.keyCode);
        if (!slot) {
            continue;
        }
        const auto at = static_cast<std::size_t>(*slot) * 3;
        frame[at] = RedOf(k.colour);
        frame[at + 1] = GreenOf(k.colour);
        frame[at + 2] = BlueOf(k.colour);
    }
    return frame;
}

}  // namespace vekora
