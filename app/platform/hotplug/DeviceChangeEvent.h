// One device arrival or removal, as the device-change handler receives it.
#pragma once

#include <string>

namespace vekora {

enum class DeviceChangeKind { Arrival, Removal };

struct DeviceChangeEvent {
    DeviceChangeKind kind = DeviceChangeKind::Arrival;
    // The interface name the keyboards' hot-plug rules match (see device/hid/HidInterfaceName.h),
    // e.g. "hid#vid_258a&pid_010c&mi_01#/dev/hidraw3".
    std::string interfaceName;
    // Opens the interface (HidOpen) while it is present.
    std::string path;
};

}  // namespace vekora
