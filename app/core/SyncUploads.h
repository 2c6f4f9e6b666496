// SyncUploads: the feature logic's upload hooks (DeviceUploads) carried out by the
// synchronisation flows on the path each call names.
#pragma once

#include "core/DeviceSync.h"
#include "core/DeviceUploads.h"

namespace vekora {

class SyncUploads : public DeviceUploads {
public:
    explicit SyncUploads(DeviceSync& sync) : sync_(sync) {}

    void UploadKeyMap(UploadFamily family, int profile) override;
    void UploadEffect(UploadFamily family, int profile, int effectId) override;
    void UploadUserLight(UploadFamily family, int profile, int slot, int lightId) override;
    void UploadMacros(UploadFamily family) override;
    std::optional<int> SelectProfileOnDevice(UploadFamily family, int profile) override;

private:
    DeviceSync& sync_;
};

}  // namespace vekora
