#include "device/DeviceRecords.h"

namespace vekora {

// The two RGB keyboards come first, unchanged. The entries after them make every model that
// has a settings database detectable, so that each can be used end to end:
//  - the short-report keyboards (61 RGB, 68, first 61 single-colour) present one vendor
//    interface of 0x0C45:0x8075, reached through the tag-in-path test and opened identify-only
//    (65-byte feature reports); one supported entry covers all three;
//  - the long-report keyboards (61 SE, 87 single-colour) share the RGB keyboards' ids and their
//    520-byte interface, so the two RGB entries already admit them.
// In both groups the product string the keyboard reports tells the models apart.
std::vector<SupportedDevice> StartupSupportedDevices() {
    return {
        {kVendorPrimary, kProductPrimary, L"VEKORA K87-1980", L"mi_01"},
        {kVendorPrimary, kProductPrimary, L"VEKORA K98-1980", L"mi_01"},
        // Addition: the short-report keyboards.
        {kVendorShortFamily, kProductShortFamily, L"VEKORA K61", L"mi_01"},
    };
}

std::vector<KnownDevice> StartupKnownDevices() {
    return {
        {L"VEKORA K87-1980", DeviceModel::K87Rgb, kVendorPrimary, kProductPrimary, L"MI_01"},
        {L"VEKORA K98-1980", DeviceModel::K98Rgb, kVendorPrimary, kProductPrimary, L"MI_01"},
        // Additions: every further model with a database, short-report keyboards first.
        {L"VEKORA K61", DeviceModel::K61, kVendorShortFamily, kProductShortFamily, L"MI_01"},
        {L"VEKORA K68", DeviceModel::K68, kVendorShortFamily, kProductShortFamily, L"MI_01"},
        {L"VEKORA K61 SL", DeviceModel::K61SingleLight, kVendorShortFamily, kProductShortFamily,
         L"MI_01"},
        {L"VEKORA K61SE", DeviceModel::K61SE, kVendorPrimary, kProductPrimary, L"MI_01"},
        {L"VEKORA K87 SL", DeviceModel::K87SingleLight, kVendorPrimary, kProductPrimary, L"MI_01"},
    };
}

}  // namespace vekora
