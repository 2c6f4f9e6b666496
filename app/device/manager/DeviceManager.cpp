#include "device/manager/DeviceManager.h"

namespace vekora {
namespace {

DeviceManager* gInstance = nullptr;

}  // namespace

DeviceManager::DeviceManager(Clock& clock) : clock_(clock) {
    if (!gInstance) {
        gInstance = this;
    }
    // Start the HID backend now so that a missing HID layer shows at start-up, not at the
    // first scan.
    CurrentHidBackend();
}

DeviceManager::~DeviceManager() {
    CloseAll();
    devices_.clear();
    secondary_.reset();
    if (gInstance == this) {
        gInstance = nullptr;
        HidShutdown();
    }
}

DeviceManager* DeviceManager::Instance() {
    return gInstance;
}

void DeviceManager::CloseAll() {
    if (!ready_) {
        return;
    }
    ready_ = false;
    for (auto& device : devices_) {
        if (device) {
            HidClose(std::move(device->transport));
        }
    }
    devices_.clear();
    HidClose(std::move(secondary_));
}

int DeviceManager::FindDevice(std::uint16_t vendorId, std::uint16_t productId,
                              const std::wstring& product) const {
    for (std::size_t i = 0; i < devices_.size(); ++i) {
        const KeyboardDevice* d = devices_[i].get();
        if (d && d->vendorId == vendorId && d->productId == productId && d->product == product) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

HidHandle* DeviceManager::Transport(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= devices_.size() || !devices_[index]) {
        return nullptr;
    }
    return devices_[static_cast<std::size_t>(index)]->transport.get();
}

}  // namespace vekora
