// DeviceModel: the small integer that keys every per-keyboard table of the program.
#pragma once

#include <array>
#include <string_view>

namespace vekora {

// Persisted in decimal text as the setting "DevType"; 0 means no model.
enum class DeviceModel : int {
    None = 0,
    K61 = 1,
    K61Cnc = 2,
    K64 = 3,
    K68 = 5,
    K61SingleLight = 6,
    K61SE = 7,
    K87SingleLight = 8,
    K87Rgb = 9,
    K98Rgb = 10,
    NewModel = 100,
};

// Every code that names a model, in code order.
inline constexpr std::array<DeviceModel, 10> kAllDeviceModels = {
    DeviceModel::K61,
    DeviceModel::K61Cnc,
    DeviceModel::K64,
    DeviceModel::K68,
    DeviceModel::K61SingleLight,
    DeviceModel::K61SE,
    DeviceModel::K87SingleLight,
    DeviceModel::K87Rgb,
    DeviceModel::K98Rgb,
    DeviceModel::NewModel,
};

constexpr int ToCode(DeviceModel m) {
    return static_cast<int>(m);
}

// The model for a stored code; unknown codes give DeviceModel::None.
DeviceModel DeviceModelFromCode(int code);

// The identifier of the model ("K61", "K87Rgb", ...); empty for unknown codes.
std::string_view DeviceModelName(DeviceModel m);

}  // namespace vekora
