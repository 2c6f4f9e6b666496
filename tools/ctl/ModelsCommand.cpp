#include "ModelsCommand.h"

#include <string>

#include "device/DeviceModel.h"
#include "device/DeviceRecords.h"
#include "device/KeyboardLayouts.h"
#include "device/ModelCatalogue.h"
#include "device/ModelNames.h"

namespace vekora::ctl {
namespace {

std::string Text(std::string_view s, std::string_view ifEmpty = "-") {
    return std::string(s.empty() ? ifEmpty : s);
}

// How the scan recognises the model: ids and the product string, or "-" when no keyboard of
// this model is detected.
std::string Detection(DeviceModel m) {
    for (const KnownDevice& k : StartupKnownDevices()) {
        if (k.model != m)
            continue;
        char ids[16];
        std::snprintf(ids, sizeof ids, "%04x:%04x", k.vendorId, k.productId);
        std::string name;
        for (wchar_t c : k.productName)
            name += static_cast<char>(c < 0x80 ? c : '?');
        return std::string(ids) + " \"" + name + "\"";
    }
    return "-";
}

std::string LayoutText(DeviceModel m) {
    const KeyboardLayout* layout = LayoutOf(m);
    return layout ? std::string(layout->name) : "-";
}

}  // namespace

int ListModels(std::FILE* out) {
    std::fprintf(out, "%4s  %-15s %-28s %-21s %-15s %-22s %s\n", "code", "model", "keyboard",
                 "view layout", "driven by", "database", "detected as");
    for (DeviceModel m : kAllDeviceModels) {
        std::fprintf(out, "%4d  %-15s %-28s %-21s %-15s %-22s %s\n", ToCode(m),
                     Text(DeviceModelName(m)).c_str(), Text(KeyboardDescription(m)).c_str(),
                     LayoutText(m).c_str(), Text(DrivePathName(DrivePathOf(m))).c_str(),
                     Text(DatabaseStem(m)).c_str(), Detection(m).c_str());
    }
    return 0;
}

}  // namespace vekora::ctl
