// The two identification lists the program starts with: the HID interfaces the device scan may
// admit (SupportedDevice, owned by the device manager) and the keyboards the main window can
// report as connected (KnownDevice, owned by the window, read by the scan).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "device/DeviceModel.h"

namespace vekora {

// Vendor of the RGB and long-report keyboards; its interfaces are identified by usage page,
// usage and report length.
inline constexpr std::uint16_t kVendorPrimary = 0x258A;
inline constexpr std::uint16_t kProductPrimary = 0x010C;
// Vendor of the short-report keyboards; its interface is identified by the interface tag in
// the device path.
inline constexpr std::uint16_t kVendorShortFamily = 0x0C45;
inline constexpr std::uint16_t kProductShortFamily = 0x8075;

// One HID interface the scan may admit.
struct SupportedDevice {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::wstring productName;
    std::wstring interfaceTag;  // searched in the device path, case as stored ("mi_01")

    friend bool operator==(const SupportedDevice&, const SupportedDevice&) = default;
};

// One keyboard model the window can report as connected.
struct KnownDevice {
    std::wstring productName;  // compared exactly with the product string the keyboard reports
    DeviceModel model = DeviceModel::None;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::wstring interfaceTag;  // matched in upper-cased hot-plug names ("MI_01")
    bool online = false;
    int deviceIndex = -1;  // position of the matching keyboard in the manager's device list

    friend bool operator==(const KnownDevice&, const KnownDevice&) = default;
};

// The supported interfaces, in the order the scan tries them.
std::vector<SupportedDevice> StartupSupportedDevices();

// The known keyboards, in the order the scan matches them; all offline, index -1.
std::vector<KnownDevice> StartupKnownDevices();

}  // namespace vekora
