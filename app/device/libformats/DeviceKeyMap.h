// The device key map of the RGB keyboards (argument of the library's SetKey): 126 slots of
// 4 bytes; slot s holds the entry of the key the model's slot tables put there.
//
// Entries: a slot's default is (0, bit, 0, 0) for a modifier key and (0, 0, 0, vk) for any
// other key, vk being the key's virtual key. Stored assignments (types 600..607) overwrite the
// entry of the key's slot; types the library map cannot express keep the default.
#pragma once

#include <optional>
#include <vector>

#include "device/DeviceModel.h"
#include "device/libformats/LibraryBuffers.h"
#include "store/Records.h"

namespace vekora {

// The entry of a slot holding `keyCode` with nothing assigned; all zero for code 0.
DeviceKeyMapEntry DefaultDeviceKeyMapEntry(int keyCode);

// The entry an assignment writes over `defaultEntry` (the default of the key's slot); nothing
// when the slot keeps its default (type 0, 605, 606 or unknown, a macro that is not in
// `macros`, a command code outside its list).
std::optional<DeviceKeyMapEntry> DeviceKeyMapEntryFor(const KeyAssignment& assignment,
                                                      const DeviceKeyMapEntry& defaultEntry,
                                                      const std::vector<MacroDefinition>& macros);

// The map with every slot at its default (the model's default slot table).
DeviceKeyMap BuildDefaultDeviceKeyMap(DeviceModel model);

// The defaults, then each assignment written to its key's slot (the model's lookup table), in
// the order given, so a later assignment for the same slot wins.
DeviceKeyMap BuildDeviceKeyMap(DeviceModel model, const std::vector<KeyAssignment>& assignments,
                               const std::vector<MacroDefinition>& macros);

}  // namespace vekora
