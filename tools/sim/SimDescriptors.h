// Report descriptors the simulated keyboards present, byte for byte what a keyboard would send.
#pragma once

#include <cstdint>
#include <vector>

namespace vekora::sim {

// Long family and RGB models, USB interface 1: the configuration collection (vendor page
// 0xFF00, usage 1, feature report id 6 of 520 bytes) followed by the notification collection
// (same page and usage, input report id 3 of 4 bytes).
const std::vector<std::uint8_t>& LongConfigurationDescriptor();

// Short family, USB interface 1: vendor page 0xFF00, usage 1, a 64-byte feature report
// without report ids (65 bytes on the wire).
const std::vector<std::uint8_t>& ShortConfigurationDescriptor();

// USB interface 0 of every model: a normal boot keyboard (keystrokes; never admitted).
const std::vector<std::uint8_t>& BootKeyboardDescriptor();

}  // namespace vekora::sim
