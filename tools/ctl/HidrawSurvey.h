// HidrawSurvey: what the system shows of Vekora keyboards below /sys/class/hidraw, without
// opening anything: each hidraw node of a Vekora vendor and product id, its USB interface
// number and whether this user may read and write it. `vekora-ctl doctor` explains the
// results.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vekora::ctl {

struct HidrawNode {
    std::string node;  // "/dev/hidraw3"
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::string name;         // HID_NAME
    int interface = -1;       // USB interface number; -1 when unknown
    bool exists = false;      // the /dev node exists
    bool accessible = false;  // read-write for this user
};

// The Vekora nodes below `sysRoot` ("/sys/class/hidraw"), with their /dev nodes below `devRoot`.
std::vector<HidrawNode> SurveyHidraw(const std::filesystem::path& sysRoot = "/sys/class/hidraw",
                                     const std::filesystem::path& devRoot = "/dev");

// True for the vendor and product ids of Vekora keyboards.
bool IsVekoraId(std::uint16_t vendorId, std::uint16_t productId);

// The interface carrying the feature reports; interface 0 carries the keystrokes.
inline constexpr int kConfigurationInterface = 1;

}  // namespace vekora::ctl
