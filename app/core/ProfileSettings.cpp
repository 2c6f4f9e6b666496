#include "core/ProfileSettings.h"

#include "store/Settings.h"

namespace vekora {

int FileProfileSettings::Load(DeviceModel model) {
    return LoadModelProfile(model);
}

void FileProfileSettings::Store(DeviceModel model, int profile) {
    WriteProfileSetting(model, profile);
}

}  // namespace vekora
