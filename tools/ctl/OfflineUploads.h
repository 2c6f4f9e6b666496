// OfflineUploads: the upload hooks while no keyboard can be reached. Settings are stored as
// usual; nothing is sent, as the window does while no keyboard is connected.
#pragma once

#include "core/DeviceUploads.h"

namespace vekora::ctl {

class OfflineUploads : public DeviceUploads {
public:
    void UploadKeyMap(UploadFamily, int) override {}
    void UploadEffect(UploadFamily, int, int) override {}
    void UploadUserLight(UploadFamily, int, int, int) override {}
    void UploadMacros(UploadFamily) override {}
    std::optional<int> SelectProfileOnDevice(UploadFamily, int) override { return std::nullopt; }
};

}  // namespace vekora::ctl
