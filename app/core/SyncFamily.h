// Which of the three device paths a model's flows take: the short-report family (1, 5, 6), the
// long-report family (7, 8) or the device library (9, 10). Models without a path of their own
// (2, 3, 100) go the short way where a flow sends something regardless of the model.
#pragma once

#include "device/DeviceModel.h"

namespace vekora {

enum class SyncFamily { Short, Long, Library };

constexpr SyncFamily FamilyOf(DeviceModel model) {
    switch (model) {
        case DeviceModel::K61SE:
        case DeviceModel::K87SingleLight:
            return SyncFamily::Long;
        case DeviceModel::K87Rgb:
        case DeviceModel::K98Rgb:
            return SyncFamily::Library;
        default:
            return SyncFamily::Short;
    }
}

// The models that really speak the short family (the key map, profile query and macro area).
constexpr bool IsShortModel(DeviceModel model) {
    return model == DeviceModel::K61 || model == DeviceModel::K68 ||
           model == DeviceModel::K61SingleLight;
}

// The short-family models with per-key colours (user lights, preview, music frames).
constexpr bool HasShortColours(DeviceModel model) {
    return model == DeviceModel::K61 || model == DeviceModel::K68;
}

}  // namespace vekora
