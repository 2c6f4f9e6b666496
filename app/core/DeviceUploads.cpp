#include "core/DeviceUploads.h"

namespace vekora {

UploadFamily DefaultUploadFamily(DeviceModel model) {
    switch (model) {
        case DeviceModel::K61SE:
        case DeviceModel::K87SingleLight:
            return UploadFamily::LongReports;
        case DeviceModel::K87Rgb:
        case DeviceModel::K98Rgb:
            return UploadFamily::DeviceLibrary;
        default:
            return UploadFamily::ShortReports;
    }
}

std::optional<UploadFamily> KeyMapUploadFamily(DeviceModel model) {
    switch (model) {
        case DeviceModel::K61:
        case DeviceModel::K68:
        case DeviceModel::K61SingleLight:
            return UploadFamily::ShortReports;
        case DeviceModel::K61SE:
        case DeviceModel::K87SingleLight:
            return UploadFamily::LongReports;
        case DeviceModel::K87Rgb:
        case DeviceModel::K98Rgb:
            return UploadFamily::DeviceLibrary;
        default:
            return std::nullopt;
    }
}

}  // namespace vekora
