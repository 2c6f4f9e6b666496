// DeviceChangeHandler: decides which device notifications rescan.
//
// The interface name of an arrival or removal is matched against the known keyboard records
// in order (vendor and product id as "%04X" and the record's interface tag, upper-cased). For
// the first record that matches: a removal runs the scan handler; an arrival opens the
// interface first and runs it only when its feature report length is 520 or 65 bytes. Other
// names are ignored.
#pragma once

#include "core/DeviceScanHandler.h"
#include "core/DeviceSession.h"
#include "platform/hotplug/DeviceChangeEvent.h"

namespace vekora {

class DeviceChangeHandler {
public:
    DeviceChangeHandler(DeviceSession& session, DeviceScanHandler& scan)
        : session_(session), scan_(scan) {}

    // True when the event ran the scan handler.
    bool OnDeviceChange(const DeviceChangeEvent& event);

private:
    DeviceSession& session_;
    DeviceScanHandler& scan_;
};

}  // namespace vekora
