// DeviceManagerTestApi: lets tests put keyboards into a DeviceManager without a scan. Not for
// product code.
#pragma once

#include <memory>
#include <string>

#include "device/manager/DeviceManager.h"

namespace vekora {

class DeviceManagerTestApi {
public:
    explicit DeviceManagerTestApi(DeviceManager& manager) : m_(manager) {}

    KeyboardDevice& AddDevice(std::unique_ptr<HidHandle> transport, std::uint16_t vendorId,
                              std::uint16_t productId, std::wstring product) {
        auto device = std::make_unique<KeyboardDevice>();
        device->index = static_cast<int>(m_.devices_.size());
        device->vendorId = vendorId;
        device->productId = productId;
        device->product = std::move(product);
        device->transport = std::move(transport);
        m_.devices_.push_back(std::move(device));
        return *m_.devices_.back();
    }

    void SetSecondary(std::unique_ptr<HidHandle> handle) { m_.secondary_ = std::move(handle); }

private:
    DeviceManager& m_;
};

}  // namespace vekora
