// DeviceAccess: the keyboards of one invocation: the device manager, the window-side device
// state and the scan, as the window runs them at start-up. (The scan handler, and with it the
// device library's API, stays out of this header, which every command includes.)
#pragma once

#include <memory>
#include <optional>

#include "core/AppView.h"
#include "core/DeviceSession.h"
#include "device/manager/DeviceManager.h"
#include "store/ConfigDatabase.h"

namespace vekora {
class DeviceScanHandler;
}

namespace vekora::ctl {

class DeviceAccess {
public:
    DeviceAccess(AppView& view, ConfigDatabase& db);
    ~DeviceAccess();

    // Scans for keyboards. The model chosen before (`storedChoice`, the "DevType" value read
    // before the scan) stays current when a keyboard of it is among those found, so that a
    // choice between two connected keyboards holds; otherwise the last keyboard recognised
    // is current. Returns the current model, or None when no known keyboard is connected.
    DeviceModel Scan(int storedChoice);

    DeviceManager& manager() { return manager_; }
    DeviceSession& session() { return session_; }
    // The known keyboard record of a model, when one of it is connected.
    const KnownDevice* Connected(DeviceModel model) const;
    // The device index the reports for the current model go to (0 when unknown).
    int CurrentDeviceIndex() const;

private:
    DeviceManager manager_;
    DeviceSession session_;
    std::unique_ptr<DeviceScanHandler> scan_;
};

}  // namespace vekora::ctl
