#include "platform/hotplug/HotplugMonitor.h"

#include <cstdlib>

#include "platform/hotplug/SimHotplugMonitor.h"
#include "platform/hotplug/UdevHotplugMonitor.h"

namespace vekora {

std::unique_ptr<HotplugMonitor> HotplugMonitor::Create() {
    const char* sim = std::getenv("VEKORA_HID_SIM");
    if (sim && *sim) {
        return std::make_unique<SimHotplugMonitor>(sim);
    }
    return std::make_unique<UdevHotplugMonitor>();
}

}  // namespace vekora
