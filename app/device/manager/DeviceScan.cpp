// The device scan of DeviceManager: which HID interfaces become keyboards.
#include <cstdio>

#include "device/Identification.h"
#include "device/manager/DeviceManager.h"

namespace vekora {
namespace {

std::wstring WidenAscii(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

std::wstring ReleaseText(std::uint16_t release) {
    wchar_t text[8];
    std::swprintf(text, 8, L"%x", static_cast<unsigned>(release));
    return text;
}

}  // namespace

void DeviceManager::AddSupported(std::uint16_t vendorId, std::uint16_t productId,
                                 std::wstring productName, std::wstring interfaceTag) {
    supported_.push_back({vendorId, productId, std::move(productName), std::move(interfaceTag)});
}

void DeviceManager::Scan() {
    HidClose(std::move(secondary_));

    auto record = [this](const HidInterfaceInfo& info, std::unique_ptr<HidHandle> handle) {
        auto device = std::make_unique<KeyboardDevice>();
        device->index = static_cast<int>(devices_.size());
        device->vendorId = info.vendorId;
        device->productId = info.productId;
        // A string that cannot be read stays empty: such a keyboard is recorded but matches no
        // known model.
        HidGetManufacturerString(*handle, device->manufacturer);
        HidGetProductString(*handle, device->product);
        device->release = ReleaseText(info.releaseNumber);
        device->transport = std::move(handle);
        devices_.push_back(std::move(device));
    };

    for (const HidInterfaceInfo& info : HidEnumerate()) {
        const SupportedDevice* supported = FindSupported(supported_, info.vendorId, info.productId);
        if (!supported) {
            continue;
        }
        if (!IdentifiedByInterfaceTag(info.vendorId)) {
            if (!IsVendorCollection(info.usagePage, info.usage)) {
                continue;
            }
            auto handle = HidOpen(info.path, false);
            if (!handle) {
                continue;  // an interface that cannot be opened is not recorded
            }
            const InterfaceTraits traits{info.usagePage, info.usage, handle->featureReportLength,
                                         handle->inputReportLength};
            switch (ClassifyVendorInterface(traits)) {
                case VendorInterfaceRole::Keyboard:
                    record(info, std::move(handle));
                    break;
                case VendorInterfaceRole::Secondary:
                    HidClose(std::move(secondary_));
                    secondary_ = std::move(handle);
                    break;
                case VendorInterfaceRole::Ignore:
                    HidClose(std::move(handle));
                    break;
            }
            continue;
        }
        if (!PathHasInterfaceTag(WidenAscii(info.interfaceName), supported->interfaceTag)) {
            continue;
        }
        if (auto handle = HidOpen(info.path, true)) {
            record(info, std::move(handle));
            break;  // one keyboard of such a vendor at most
        }
    }
}

}  // namespace vekora
