#include "platform/hotplug/SimHotplugMonitor.h"

#include <cstdio>
#include <cstdlib>

#include "device/hid/HidInterfaceName.h"

namespace vekora {

SimHotplugMonitor::SimHotplugMonitor(std::string socketPath) {
    std::string error;
    if (!socket_.Connect(socketPath, error) || !socket_.WriteLine("watch") ||
        socket_.ReadLine(5000) != std::optional<std::string>("ok")) {
        std::fprintf(stderr, "Vekora: hot-plug monitoring is unavailable: %s\n", error.c_str());
        socket_.Close();
    }
}

std::optional<DeviceChangeEvent> SimHotplugMonitor::ParseLine(const std::string& line) {
    const auto w = SplitWords(line);
    if (w.size() != 5 || (w[0] != "arrival" && w[0] != "removal")) {
        return std::nullopt;
    }
    char* end1 = nullptr;
    char* end2 = nullptr;
    char* end3 = nullptr;
    const unsigned long vid = std::strtoul(w[2].c_str(), &end1, 16);
    const unsigned long pid = std::strtoul(w[3].c_str(), &end2, 16);
    const long mi = std::strtol(w[4].c_str(), &end3, 10);
    if (*end1 || *end2 || *end3 || vid > 0xFFFF || pid > 0xFFFF) {
        return std::nullopt;
    }
    DeviceChangeEvent event;
    event.kind = w[0] == "arrival" ? DeviceChangeKind::Arrival : DeviceChangeKind::Removal;
    event.path = w[1];
    event.interfaceName =
        BuildInterfaceName(static_cast<std::uint16_t>(vid), static_cast<std::uint16_t>(pid),
                           static_cast<int>(mi), 0, event.path);
    return event;
}

std::vector<DeviceChangeEvent> SimHotplugMonitor::TakeEvents() {
    std::vector<DeviceChangeEvent> events;
    while (socket_.IsOpen()) {
        auto line = socket_.ReadLine(0);
        if (!line) {
            if (socket_.AtEnd()) {
                socket_.Close();  // the simulator is gone: no more events
            }
            break;
        }
        if (auto event = ParseLine(*line)) {
            events.push_back(std::move(*event));
        }
    }
    return events;
}

}  // namespace vekora
