#include "device/libformats/DeviceLightBuffers.h"

#include "device/SlotTables.h"

namespace vekora {
namespace {

std::uint8_t Red(std::uint32_t bgr) {
    return static_cast<std::uint8_t>(bgr & 0xFF);
}
std::uint8_t Green(std::uint32_t bgr) {
    return static_cast<std::uint8_t>((bgr >> 8) & 0xFF);
}
std::uint8_t Blue(std::uint32_t bgr) {
    return static_cast<std::uint8_t>((bgr >> 16) & 0xFF);
}

bool ValidSlot(int slot) {
    return slot >= 0 && slot < static_cast<int>(kLibrarySlotCount);
}

}  // namespace

DeviceColourMap BuildDeviceColourMap(DeviceModel model, const std::vector<KeyColour>& colours) {
    DeviceColourMap map{};
    for (const KeyColour& c : colours) {
        const int slot = SlotOfKey(model, c.key_code);
        if (!ValidSlot(slot)) {
            continue;
        }
        const auto bgr = static_cast<std::uint32_t>(c.key_rgb);
        const auto at = static_cast<std::size_t>(slot) * kLibrarySlotBytes;
        map[at] = Blue(bgr);
        map[at + 1] = Green(bgr);
        map[at + 2] = Red(bgr);
        map[at + 3] = 0;
    }
    return map;
}

LightSettingsValues BuildLightSettings(int lightMode) {
    return {lightMode, 16, 3, 1, 255, 0, 0, 127, 0, 0};
}

}  // namespace vekora
