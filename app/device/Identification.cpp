#include "device/Identification.h"

#include <cstdio>
#include <cwctype>
#include <string>

namespace vekora {
namespace {

std::wstring Hex4(std::uint16_t value) {
    wchar_t buf[8];
    std::swprintf(buf, 8, L"%04X", static_cast<unsigned>(value));
    return buf;
}

std::wstring UpperAscii(std::wstring_view text) {
    std::wstring out(text);
    for (wchar_t& c : out) {
        if (c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - L'a' + L'A');
    }
    return out;
}

}  // namespace

const SupportedDevice* FindSupported(std::span<const SupportedDevice> supported,
                                     std::uint16_t vendorId, std::uint16_t productId) {
    for (const SupportedDevice& s : supported) {
        if (s.vendorId == vendorId && s.productId == productId)
            return &s;
    }
    return nullptr;
}

bool IsVendorCollection(std::uint16_t usagePage, std::uint16_t usage) {
    return usagePage == kVendorUsagePage && usage == kVendorUsage;
}

VendorInterfaceRole ClassifyVendorInterface(const InterfaceTraits& traits) {
    if (!IsVendorCollection(traits.usagePage, traits.usage))
        return VendorInterfaceRole::Ignore;
    if (traits.featureReportLength == kLongFeatureReportLength)
        return VendorInterfaceRole::Keyboard;
    if (traits.inputReportLength == kSecondaryInputReportLength)
        return VendorInterfaceRole::Secondary;
    return VendorInterfaceRole::Ignore;
}

bool IdentifiedByInterfaceTag(std::uint16_t vendorId) {
    return vendorId != kVendorPrimary;
}

bool PathHasInterfaceTag(std::wstring_view devicePath, std::wstring_view interfaceTag) {
    // An empty tag would admit every interface of the vendor; the lists never hold one.
    if (interfaceTag.empty())
        return false;
    return devicePath.find(interfaceTag) != std::wstring_view::npos;
}

bool MatchesKnownDevice(const KnownDevice& record, const KeyboardIdentity& keyboard) {
    return record.vendorId == keyboard.vendorId && record.productId == keyboard.productId &&
           record.productName == keyboard.product;
}

int FindKeyboardFor(const KnownDevice& record, std::span<const KeyboardIdentity> keyboards) {
    for (std::size_t i = 0; i < keyboards.size(); ++i) {
        if (MatchesKnownDevice(record, keyboards[i]))
            return static_cast<int>(i);
    }
    return -1;
}

bool HotplugNameMatches(std::wstring_view interfaceName, const KnownDevice& record) {
    // Device interface names are ASCII; upper-casing only ASCII letters keeps the test
    // independent of the process locale.
    const std::wstring name = UpperAscii(interfaceName);
    return name.find(Hex4(record.vendorId)) != std::wstring::npos &&
           name.find(Hex4(record.productId)) != std::wstring::npos &&
           !record.interfaceTag.empty() && name.find(record.interfaceTag) != std::wstring::npos;
}

int FindHotplugRecord(std::wstring_view interfaceName, std::span<const KnownDevice> records) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (HotplugNameMatches(interfaceName, records[i]))
            return static_cast<int>(i);
    }
    return -1;
}

bool IsArrivalFeatureReportLength(int featureReportLength) {
    return featureReportLength == kLongFeatureReportLength ||
           featureReportLength == kShortFeatureReportLength;
}

bool SetsRevisionFlag(const KnownDevice& record) {
    switch (record.model) {
        case DeviceModel::K61:
            return record.vendorId == kVendorShortFamily && record.productId == kProductShortFamily;
        case DeviceModel::K61SingleLight:
        case DeviceModel::K61SE:
        case DeviceModel::K87SingleLight:
        case DeviceModel::K87Rgb:
        case DeviceModel::K98Rgb:
            return true;
        default:
            return false;
    }
}

}  // namespace vekora
