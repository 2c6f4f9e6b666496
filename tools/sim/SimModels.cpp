#include "SimModels.h"

#include "device/DeviceRecords.h"
#include "store/Utf8.h"

namespace vekora::sim {
namespace {

// What every simulated keyboard reports besides the catalogue's ids and product string.
constexpr const char* kManufacturer = "Vekora";
constexpr std::uint16_t kRelease = 0x0105;

}  // namespace

std::optional<Family> FamilyOfModel(int model) {
    switch (DeviceModelFromCode(model)) {
        case DeviceModel::K61:
        case DeviceModel::K68:
        case DeviceModel::K61SingleLight:
            return Family::Short;
        case DeviceModel::K61SE:
        case DeviceModel::K87SingleLight:
            return Family::Long;
        case DeviceModel::K87Rgb:
        case DeviceModel::K98Rgb:
            return Family::Rgb;
        default:
            return std::nullopt;
    }
}

std::optional<SimIdentity> IdentityOfModel(int model) {
    const auto family = FamilyOfModel(model);
    if (!family) {
        return std::nullopt;
    }
    // The keyboard of a model is the one the program's known-device list describes.
    for (const KnownDevice& record : StartupKnownDevices()) {
        if (ToCode(record.model) == model) {
            SimIdentity id;
            id.model = model;
            id.vendorId = record.vendorId;
            id.productId = record.productId;
            id.release = kRelease;
            id.manufacturer = kManufacturer;
            id.product = WideToUtf8(record.productName);
            id.family = *family;
            return id;
        }
    }
    return std::nullopt;
}

}  // namespace vekora::sim
