// The built-in lighting effects each model family offers, in list order.
#pragma once

#include <span>
#include <string_view>

#include "device/DeviceModel.h"

namespace vekora {

struct EffectEntry {
    int effectId;           // what the keyboard receives and "lightmode" stores
    int textId;             // the effect's display name
    std::string_view icon;  // picture below the skin folder
};

// The effects offered for a model: 16 for models 1..6, 17 for 7 and 8 (the last one "OFF",
// id 0), 15 for 9 and 10; none for other codes.
std::span<const EffectEntry> EffectListForModel(DeviceModel model);

// The entry with an effect id in a model's list, or nullptr.
const EffectEntry* FindEffect(DeviceModel model, int effectId);

// The effect value the uploads expect while a per-key colour layout is shown: 128 for models
// 1..6, 32 for 7 and 8, 1 for 9 and 10; 0 for other codes.
int CustomLayoutEffect(DeviceModel model);

// The icon of user-light list entries.
inline constexpr std::string_view kUserLightIcon = "icon/icon_userlight.png";

}  // namespace vekora
