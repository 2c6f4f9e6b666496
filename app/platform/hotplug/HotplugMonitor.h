// HotplugMonitor: arrivals and removals of HID interfaces, delivered to the event loop.
//
// Create() picks the source the transport uses: the keyboard simulator's plug/unplug events
// when VEKORA_HID_SIM is set, otherwise a libudev monitor on the "hidraw" subsystem (udev
// events, or the kernel's own events when no udev daemon runs, i.e. /run/udev is absent).
// The owner polls Fd() for readability in its loop and then calls TakeEvents().
#pragma once

#include <memory>
#include <vector>

#include "platform/hotplug/DeviceChangeEvent.h"

namespace vekora {

class HotplugMonitor {
public:
    virtual ~HotplugMonitor() = default;

    // A descriptor that becomes readable when events are waiting; -1 when monitoring failed.
    virtual int Fd() const = 0;

    // The events that arrived, without blocking.
    virtual std::vector<DeviceChangeEvent> TakeEvents() = 0;

    static std::unique_ptr<HotplugMonitor> Create();
};

}  // namespace vekora
