// DeviceScanHandler: turns a device scan into the connected state, the current model and the
// connect and disconnect messages. Runs at start-up, on every matching device notification
// and whenever a rescan is asked for.
//
// For each known keyboard record, in order:
// - gone while it was the connected current model: offline, not connected, USB indicator off,
//   the model's database closed, "Device not connected!" (501) once initialised, and the
//   current model becomes 0;
// - present and (offline or not the current model): it becomes the current model, connected,
//   online, USB indicator on, its database opened, the revision flag updated; RGB models are
//   opened through the device library (once more after 1000 ms if that fails); "DevType"
//   records the model; the model is applied; "Device connected!" (500) once initialised.
// Finally the device-list entry of the current model is marked.
#pragma once

#include <functional>

#include "core/AppView.h"
#include "core/DeviceSession.h"
#include "device/Clock.h"
#include "device/library/DeviceLibraryBinding.h"
#include "device/manager/DeviceManager.h"
#include "store/ConfigDatabase.h"

namespace vekora {

class DeviceScanHandler {
public:
    DeviceScanHandler(DeviceManager& manager, DeviceSession& session, ConfigDatabase& database,
                      AppView& view, DeviceLibraryBinding& binding, Clock& clock);

    // Applying the current model to the window and the keyboard (layout, profile, profile
    // selection) belongs to the synchronisation flows; their owner installs it here. It runs
    // after a keyboard has been recognised.
    void SetModelApplier(std::function<void()> apply) { applyModel_ = std::move(apply); }

    void Run();

private:
    void Disconnect(KnownDevice& record);
    void Connect(KnownDevice& record);

    DeviceManager& manager_;
    DeviceSession& session_;
    ConfigDatabase& database_;
    AppView& view_;
    DeviceLibraryBinding& binding_;
    Clock& clock_;
    std::function<void()> applyModel_;
};

}  // namespace vekora
