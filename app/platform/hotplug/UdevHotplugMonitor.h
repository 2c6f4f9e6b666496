// HotplugMonitor over libudev, subsystem "hidraw".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/hotplug/HotplugMonitor.h"

struct udev;
struct udev_monitor;

namespace vekora {

class UdevHotplugMonitor : public HotplugMonitor {
public:
    // `source` is "udev" or "kernel"; empty picks "udev" when /run/udev exists.
    explicit UdevHotplugMonitor(std::string source = {});
    ~UdevHotplugMonitor() override;

    int Fd() const override;
    std::vector<DeviceChangeEvent> TakeEvents() override;

    const std::string& Source() const { return source_; }

private:
    std::string source_;
    udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
};

// The event for one hidraw uevent (action "add" or "remove", its devpath); empty for other
// actions or paths that are not hidraw nodes.
std::optional<DeviceChangeEvent> HidrawEvent(std::string_view action, std::string_view devpath);

}  // namespace vekora
