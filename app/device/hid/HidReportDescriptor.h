// Reads what the transport needs from a HID report descriptor: the usage page and usage of the
// first top-level (application) collection, whether the interface numbers its reports, and the
// input, output and feature report lengths.
//
// Lengths are counted the way the keyboards' protocol expects them: the longest report of each
// kind in bytes plus one byte for the report id, which is present on the wire (as 0) even when
// the interface does not number its reports. A 64-byte feature report without report ids is
// therefore 65 bytes long, a report id 6 followed by 519 data bytes is 520, and a kind the
// interface does not have is 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vekora {

// One top-level (application) collection and the reports declared inside it.
struct HidCollectionInfo {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    int inputReportLength = 0;
    int outputReportLength = 0;
    int featureReportLength = 0;
};

struct HidDescriptorInfo {
    bool valid = false;           // false: the descriptor is malformed or empty
    std::uint16_t usagePage = 0;  // of the first top-level collection
    std::uint16_t usage = 0;
    bool numberedReports = false;  // at least one Report ID item
    // Over the whole descriptor: what the device node exchanges.
    int inputReportLength = 0;
    int outputReportLength = 0;
    int featureReportLength = 0;
    // Each top-level collection on its own, in descriptor order (at least one when valid).
    std::vector<HidCollectionInfo> collections;
};

HidDescriptorInfo ParseReportDescriptor(std::span<const std::uint8_t> descriptor);

}  // namespace vekora
