// The rules that identify a connected keyboard, as pure functions. The device scan and the
// hot-plug handler apply them to what the HID layer enumerates; nothing here touches a device.
//
// Order of use during a scan:
//   1. FindSupported: is the interface's (vendor, product) pair admitted at all?
//   2. vendor kVendorPrimary: IsVendorCollection before opening, ClassifyVendorInterface after
//      reading the report lengths;
//      any other vendor: PathHasInterfaceTag with the tag of the FindSupported entry;
//   3. after the scan: FindKeyboardFor per KnownDevice record, then SetsRevisionFlag for a
//      record that became connected.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "device/DeviceRecords.h"

namespace vekora {

inline constexpr std::uint16_t kVendorUsagePage = 0xFF00;
inline constexpr std::uint16_t kVendorUsage = 1;
inline constexpr int kLongFeatureReportLength = 520;   // long-report family and RGB keyboards
inline constexpr int kShortFeatureReportLength = 65;   // short-report family
inline constexpr int kSecondaryInputReportLength = 4;  // the keyboard's event interface

// Report lengths and top-level collection of one opened HID interface.
struct InterfaceTraits {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    int featureReportLength = 0;
    int inputReportLength = 0;
};

// What the scan does with an interface of vendor kVendorPrimary.
enum class VendorInterfaceRole {
    Ignore,     // close it again
    Keyboard,   // record a KeyboardDevice for it
    Secondary,  // keep it as the input-report interface
};

// The first supported entry with these ids, or null: only such interfaces are candidates.
const SupportedDevice* FindSupported(std::span<const SupportedDevice> supported,
                                     std::uint16_t vendorId, std::uint16_t productId);

// True when the interface reports the vendor collection (usage page 0xFF00, usage 1); the
// scan opens only such interfaces of vendor kVendorPrimary.
bool IsVendorCollection(std::uint16_t usagePage, std::uint16_t usage);

// Role of an interface of vendor kVendorPrimary: a vendor collection with 520-byte feature
// reports is a keyboard, one with 4-byte input reports the secondary interface.
VendorInterfaceRole ClassifyVendorInterface(const InterfaceTraits& traits);

// True for vendors whose interfaces are identified by their tag in the device path.
bool IdentifiedByInterfaceTag(std::uint16_t vendorId);

// True when the device path contains the tag, compared case-sensitively as stored.
bool PathHasInterfaceTag(std::wstring_view devicePath, std::wstring_view interfaceTag);

// What the scan recorded about one keyboard: ids and the product string it reported.
struct KeyboardIdentity {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::wstring_view product;
};

// True when the keyboard is the record's model: same ids and exactly (case-sensitively) the
// record's product name.
bool MatchesKnownDevice(const KnownDevice& record, const KeyboardIdentity& keyboard);

// Position of the first recorded keyboard that matches the record, or -1.
int FindKeyboardFor(const KnownDevice& record, std::span<const KeyboardIdentity> keyboards);

// True when a hot-plug interface name belongs to the record: the upper-cased name contains
// the record's vendor id and product id as four upper-case hex digits each, and its tag.
bool HotplugNameMatches(std::wstring_view interfaceName, const KnownDevice& record);

// Position of the first record whose hot-plug match accepts the name, or -1.
int FindHotplugRecord(std::wstring_view interfaceName, std::span<const KnownDevice> records);

// On arrival, only an interface with one of the two families' feature report lengths (520 or
// 65 bytes) triggers a scan.
bool IsArrivalFeatureReportLength(int featureReportLength);

// True when connecting the record's keyboard sets the window's revision flag, which picks the
// revised 61-key matrix tables. The flag is never cleared by a connection: the caller ORs
// this into it, and only a new window starts with it clear.
bool SetsRevisionFlag(const KnownDevice& record);

}  // namespace vekora
