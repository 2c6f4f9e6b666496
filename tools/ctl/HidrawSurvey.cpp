#include "HidrawSurvey.h"

#include <unistd.h>

#include <fstream>
#include <system_error>

#include "device/DeviceRecords.h"

namespace vekora::ctl {
namespace {

namespace fs = std::filesystem;

std::string ReadLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

// HID_ID=0003:0000258A:0000010C and HID_NAME=... of a hidraw node's HID device.
bool ReadIds(const fs::path& uevent, HidrawNode& node) {
    std::ifstream in(uevent);
    std::string line;
    bool found = false;
    while (std::getline(in, line)) {
        if (line.rfind("HID_ID=", 0) == 0) {
            unsigned bus = 0, vendor = 0, product = 0;
            if (std::sscanf(line.c_str() + 7, "%x:%x:%x", &bus, &vendor, &product) == 3) {
                node.vendorId = static_cast<std::uint16_t>(vendor);
                node.productId = static_cast<std::uint16_t>(product);
                found = true;
            }
        } else if (line.rfind("HID_NAME=", 0) == 0) {
            node.name = line.substr(9);
        }
    }
    return found;
}

}  // namespace

bool IsVekoraId(std::uint16_t vendorId, std::uint16_t productId) {
    return (vendorId == kVendorPrimary && productId == kProductPrimary) ||
           (vendorId == kVendorShortFamily && productId == kProductShortFamily);
}

std::vector<HidrawNode> SurveyHidraw(const fs::path& sysRoot, const fs::path& devRoot) {
    std::vector<HidrawNode> nodes;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(sysRoot, ec)) {
        HidrawNode node;
        const fs::path device = entry.path() / "device";
        if (!ReadIds(device / "uevent", node) || !IsVekoraId(node.vendorId, node.productId)) {
            continue;
        }
        // The HID device sits below its USB interface, which knows its number.
        std::error_code ignored;
        const fs::path hid = fs::canonical(device, ignored);
        const std::string number = ReadLine(hid.parent_path() / "bInterfaceNumber");
        if (!number.empty()) {
            node.interface = static_cast<int>(std::strtol(number.c_str(), nullptr, 16));
        }
        node.node = (devRoot / entry.path().filename()).string();
        node.exists = fs::exists(node.node, ignored);
        node.accessible = node.exists && access(node.node.c_str(), R_OK | W_OK) == 0;
        nodes.push_back(node);
    }
    return nodes;
}

}  // namespace vekora::ctl
