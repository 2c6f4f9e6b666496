// The lighting buffers of the device library: the per-key colour map of a user light
// (SetKeyColor), the light settings record of a light mode (SetLED) and the music frame
// (SendMusicData).
#pragma once

#include <span>
#include <vector>

#include "device/DeviceModel.h"
#include "device/KeyLight.h"
#include "device/libformats/LibraryBuffers.h"
#include "store/Records.h"

namespace vekora {

// Slot s of the map holds the colour of the key in that slot as blue, green, red, 0; keys are
// placed with the model's lookup table. Slots without a stored colour stay 0.
DeviceColourMap BuildDeviceColourMap(DeviceModel model, const std::vector<KeyColour>& colours);

// The ten values of a light mode: mode, 16, 3, 1, 255, 0, 0, 127, 0, 0.
LightSettingsValues BuildLightSettings(int lightMode);

// Red, green, blue of each view key's colour in its slot; keys the model does not place are
// left out.
LibraryMusicFrame BuildLibraryMusicFrame(DeviceModel model, std::span<const KeyLight> keys);

}  // namespace vekora
