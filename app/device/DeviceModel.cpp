#include "device/DeviceModel.h"

namespace vekora {

DeviceModel DeviceModelFromCode(int code) {
    for (DeviceModel m : kAllDeviceModels) {
        if (ToCode(m) == code)
            return m;
    }
    return DeviceModel::None;
}

std::string_view DeviceModelName(DeviceModel m) {
    switch (m) {
        case DeviceModel::K61:
            return "K61";
        case DeviceModel::K61Cnc:
            return "K61Cnc";
        case DeviceModel::K64:
            return "K64";
        case DeviceModel::K68:
            return "K68";
        case DeviceModel::K61SingleLight:
            return "K61SingleLight";
        case DeviceModel::K61SE:
            return "K61SE";
        case DeviceModel::K87SingleLight:
            return "K87SingleLight";
        case DeviceModel::K87Rgb:
            return "K87Rgb";
        case DeviceModel::K98Rgb:
            return "K98Rgb";
        case DeviceModel::NewModel:
            return "NewModel";
        case DeviceModel::None:
            break;
    }
    return {};
}

}  // namespace vekora
