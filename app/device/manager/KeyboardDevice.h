// KeyboardDevice: one keyboard recorded by the device scan.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "device/hid/HidTransport.h"

namespace vekora {

struct KeyboardDevice {
    int index = 0;  // position in DeviceManager's device list when recorded
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::wstring manufacturer;
    std::wstring product;  // compared exactly with KnownDevice product names
    std::wstring release;  // release number as lower-case hex without leading zeros ("%x")
    std::unique_ptr<HidHandle> transport;  // the interface the exchange operations use
};

}  // namespace vekora
