// DeviceSession: the window-side state of the device handling, shared by the scan handler,
// the device-change handler and the flows that upload settings.
#pragma once

#include <vector>

#include "device/DeviceModel.h"
#include "device/DeviceRecords.h"

namespace vekora {

struct DeviceSession {
    // The model the window shows; K98Rgb until a scan or a device-list choice changes it.
    DeviceModel currentModel = DeviceModel::K98Rgb;
    bool connected = false;
    // Set once the window has finished initialising: connect and disconnect messages are shown
    // only from then on.
    bool initialised = false;
    // Picks the revised 61-key tables; set by connections, cleared only with a new window.
    bool revisionFlag = false;
    // Handed to the device library when an RGB keyboard is opened.
    void* window = nullptr;
    std::vector<KnownDevice> knownDevices = StartupKnownDevices();
};

}  // namespace vekora
