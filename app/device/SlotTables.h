// Key-map slot tables of the models whose on-board key map is addressed by slot: the 61-key
// single-colour models (6 and 7), the 87-key single-colour model (8), and the two RGB models
// driven through the device library (9 and 10). A device key map has 126 slots of 4 bytes.
//
// Each model has a default table (slot -> the key that sits there when nothing is assigned)
// and a lookup table (key code -> the slot an assignment for the key is written to). A slot or
// code that a table does not list yields 0; so does every model without slot tables.
#pragma once

#include <optional>

#include "device/DeviceModel.h"

namespace vekora {

inline constexpr int kKeyMapSlotCount = 126;

// True for the models 6, 7, 8, 9 and 10.
bool HasSlotTables(DeviceModel m);

// The key code in `slot` of the model's default key map, 0 for an empty or unknown slot.
int DefaultKeyOfSlot(DeviceModel m, int slot);

// The slot where an assignment for `keyCode` is written, 0 when the table does not list it.
// Esc (41) is not listed for models 8, 9 and 10 and so resolves to slot 0, where their default
// tables put it.
int SlotOfKey(DeviceModel m, int keyCode);

// The slot that really holds `keyCode` in a per-slot buffer (key map, colour map, on/off map,
// music frame), or nothing. Slot 0 is also what the lookup gives for a key it does not list;
// it counts only where the default table puts that very key there (Esc on the 87- and 98-key
// boards), so an unlisted key never paints over Esc.
std::optional<int> PlacedSlotOfKey(DeviceModel m, int keyCode);

}  // namespace vekora
