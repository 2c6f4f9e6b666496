#include "core/DeviceChangeHandler.h"

#include "device/Identification.h"
#include "device/hid/HidTransport.h"

namespace vekora {

bool DeviceChangeHandler::OnDeviceChange(const DeviceChangeEvent& event) {
    const std::wstring name(event.interfaceName.begin(), event.interfaceName.end());
    if (FindHotplugRecord(name, session_.knownDevices) < 0) {
        return false;
    }
    if (event.kind == DeviceChangeKind::Arrival) {
        auto handle = HidOpen(event.path, false);
        const int featureLength = handle ? handle->featureReportLength : 0;
        HidClose(std::move(handle));
        if (!IsArrivalFeatureReportLength(featureLength)) {
            return false;
        }
    }
    scan_.Run();
    return true;
}

}  // namespace vekora
