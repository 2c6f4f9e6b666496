#include "core/DeviceScanHandler.h"

#include "device/Identification.h"
#include "device/ModelCatalogue.h"
#include "store/Settings.h"

namespace vekora {
namespace {

constexpr int kTextDeviceConnected = 500;
constexpr int kTextDeviceNotConnected = 501;
constexpr int kLibraryRetryPauseMs = 1000;

}  // namespace

DeviceScanHandler::DeviceScanHandler(DeviceManager& manager, DeviceSession& session,
                                     ConfigDatabase& database, AppView& view,
                                     DeviceLibraryBinding& binding, Clock& clock)
    : manager_(manager),
      session_(session),
      database_(database),
      view_(view),
      binding_(binding),
      clock_(clock) {}

void DeviceScanHandler::Run() {
    manager_.SetBusy(true);
    manager_.CloseAll();
    manager_.Scan();
    manager_.SetReady(true);
    // Cleared right after the scan so that an exchange refused meanwhile can be repeated.
    manager_.SetBusy(false);

    for (KnownDevice& record : session_.knownDevices) {
        record.deviceIndex =
            manager_.FindDevice(record.vendorId, record.productId, record.productName);
        if (record.deviceIndex == -1) {
            if (record.model == session_.currentModel && record.online) {
                Disconnect(record);
            }
        } else if (!record.online || record.model != session_.currentModel) {
            Connect(record);
        }
    }
    if (const auto entry = DeviceListEntryOf(session_.currentModel)) {
        view_.MarkDeviceListEntry(*entry);
    }
}

void DeviceScanHandler::Disconnect(KnownDevice& record) {
    record.online = false;
    session_.connected = false;
    view_.ShowUsbConnected(false);
    if (database_.opened()) {
        database_.Close();
    }
    if (session_.initialised) {
        view_.ShowMessage(kTextDeviceNotConnected);
    }
    session_.currentModel = DeviceModel::None;
}

void DeviceScanHandler::Connect(KnownDevice& record) {
    session_.currentModel = record.model;
    session_.connected = true;
    record.online = true;
    view_.ShowUsbConnected(true);
    database_.OpenForModel(record.model);
    session_.revisionFlag = session_.revisionFlag || SetsRevisionFlag(record);
    if (DrivenByDeviceLibrary(record.model)) {
        const std::wstring code(OpenCode(record.model));
        if (!binding_.Open(record.vendorId, record.productId, code, session_.window)) {
            clock_.SleepFor(kLibraryRetryPauseMs);
            binding_.Open(record.vendorId, record.productId, code, session_.window);
        }
    }
    WriteLastModel(record.model);
    if (applyModel_) {
        applyModel_();
    }
    if (session_.initialised) {
        view_.ShowMessage(kTextDeviceConnected);
    }
}

}  // namespace vekora
