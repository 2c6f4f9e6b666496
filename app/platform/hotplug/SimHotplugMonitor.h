// HotplugMonitor fed by the keyboard simulator's plug and unplug events.
#pragma once

#include <string>

#include "device/hid/SimWire.h"
#include "platform/hotplug/HotplugMonitor.h"

namespace vekora {

class SimHotplugMonitor : public HotplugMonitor {
public:
    explicit SimHotplugMonitor(std::string socketPath);

    int Fd() const override { return socket_.Fd(); }
    std::vector<DeviceChangeEvent> TakeEvents() override;

    // The event for one line of the simulator ("arrival sim/0/1 258a 010c 1"); empty for
    // anything else.
    static std::optional<DeviceChangeEvent> ParseLine(const std::string& line);

private:
    LineSocket socket_;
};

}  // namespace vekora
