#include "DeviceAccess.h"

#include "core/DeviceScanHandler.h"
#include "device/Clock.h"
#include "device/DeviceRecords.h"
#include "device/library/DeviceLibraryBinding.h"
#include "store/Settings.h"

namespace vekora::ctl {

DeviceAccess::DeviceAccess(AppView& view, ConfigDatabase& db) : manager_(SystemClock::Instance()) {
    DeviceLibraryBinding& binding = DeviceLibraryBinding::Instance();
    scan_ = std::make_unique<DeviceScanHandler>(manager_, session_, db, view, binding,
                                                SystemClock::Instance());
    for (const SupportedDevice& s : StartupSupportedDevices()) {
        manager_.AddSupported(s.vendorId, s.productId, s.productName, s.interfaceTag);
    }
    binding.SetView(&view);
}

DeviceAccess::~DeviceAccess() = default;

DeviceModel DeviceAccess::Scan(int storedChoice) {
    // Nothing is shown before the scan: the scan alone decides the model.
    session_.currentModel = DeviceModel::None;
    scan_->Run();
    if (!session_.connected) {
        return DeviceModel::None;
    }
    const DeviceModel chosen = DeviceModelFromCode(storedChoice);
    if (chosen != session_.currentModel && Connected(chosen)) {
        session_.currentModel = chosen;
        WriteLastModel(chosen);
    }
    return session_.currentModel;
}

const KnownDevice* DeviceAccess::Connected(DeviceModel model) const {
    if (model == DeviceModel::None) {
        return nullptr;
    }
    for (const KnownDevice& k : session_.knownDevices) {
        if (k.model == model && k.online && k.deviceIndex >= 0) {
            return &k;
        }
    }
    return nullptr;
}

int DeviceAccess::CurrentDeviceIndex() const {
    const KnownDevice* k = Connected(session_.currentModel);
    return k ? k->deviceIndex : 0;
}

}  // namespace vekora::ctl
