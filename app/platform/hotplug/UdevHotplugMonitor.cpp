#include "platform/hotplug/UdevHotplugMonitor.h"

#include <libudev.h>
#include <unistd.h>

#include <cstdio>

#include "device/hid/HidInterfaceName.h"

namespace vekora {

std::optional<DeviceChangeEvent> HidrawEvent(std::string_view action, std::string_view devpath) {
    DeviceChangeKind kind;
    if (action == "add") {
        kind = DeviceChangeKind::Arrival;
    } else if (action == "remove") {
        kind = DeviceChangeKind::Removal;
    } else {
        return std::nullopt;
    }
    // The sysfs path alone identifies the interface: a removed node's attributes are gone.
    const auto id = ParseHidrawDevpath(devpath);
    if (!id) {
        return std::nullopt;
    }
    DeviceChangeEvent event;
    event.kind = kind;
    event.path = "/dev/" + id->node;
    event.interfaceName =
        BuildInterfaceName(id->vendorId, id->productId, id->interfaceNumber, 0, event.path);
    return event;
}

UdevHotplugMonitor::UdevHotplugMonitor(std::string source) : source_(std::move(source)) {
    if (source_.empty()) {
        // Without a udev daemon nothing is ever sent on the "udev" source.
        source_ = access("/run/udev", F_OK) == 0 ? "udev" : "kernel";
    }
    udev_ = udev_new();
    if (!udev_) {
        std::fprintf(stderr, "Vekora: hot-plug monitoring is unavailable (libudev)\n");
        return;
    }
    monitor_ = udev_monitor_new_from_netlink(udev_, source_.c_str());
    if (!monitor_ ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor_, "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor_) < 0) {
        std::fprintf(stderr, "Vekora: hot-plug monitoring is unavailable (%s events)\n",
                     source_.c_str());
        if (monitor_) {
            udev_monitor_unref(monitor_);
            monitor_ = nullptr;
        }
    }
}

UdevHotplugMonitor::~UdevHotplugMonitor() {
    if (monitor_) {
        udev_monitor_unref(monitor_);
    }
    if (udev_) {
        udev_unref(udev_);
    }
}

int UdevHotplugMonitor::Fd() const {
    return monitor_ ? udev_monitor_get_fd(monitor_) : -1;
}

std::vector<DeviceChangeEvent> UdevHotplugMonitor::TakeEvents() {
    std::vector<DeviceChangeEvent> events;
    if (!monitor_) {
        return events;
    }
    // The monitor's socket is non-blocking: receive until it is drained.
    while (udev_device* device = udev_monitor_receive_device(monitor_)) {
        const char* action = udev_device_get_action(device);
        const char* devpath = udev_device_get_devpath(device);
        if (action && devpath) {
            if (auto event = HidrawEvent(action, devpath)) {
                events.push_back(std::move(*event));
            }
        }
        udev_device_unref(device);
    }
    return events;
}

}  // namespace vekora
