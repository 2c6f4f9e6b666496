// ProfileSettings: the per-model profile value of the settings file, behind an interface so the
// flows can be run against a stand-in.
#pragma once

#include "device/DeviceModel.h"

namespace vekora {

class ProfileSettings {
public:
    virtual ~ProfileSettings() = default;
    // The model's profile 1..5 (a stored value outside the range becomes 1 and is written back).
    virtual int Load(DeviceModel model) = 0;
    virtual void Store(DeviceModel model, int profile) = 0;
};

// The settings file of the user (store/Settings.h).
class FileProfileSettings : public ProfileSettings {
public:
    int Load(DeviceModel model) override;
    void Store(DeviceModel model, int profile) override;
};

}  // namespace vekora
