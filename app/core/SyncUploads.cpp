#include "core/SyncUploads.h"

namespace vekora {

namespace {

SyncFamily PathOf(UploadFamily family) {
    switch (family) {
        case UploadFamily::LongReports:
            return SyncFamily::Long;
        case UploadFamily::DeviceLibrary:
            return SyncFamily::Library;
        case UploadFamily::ShortReports:
            break;
    }
    return SyncFamily::Short;
}

}  // namespace

void SyncUploads::UploadKeyMap(UploadFamily family, int profile) {
    sync_.SendKeyMap(PathOf(family), profile);
}

void SyncUploads::UploadEffect(UploadFamily family, int profile, int effectId) {
    sync_.SendLightMode(PathOf(family), profile, effectId);
}

void SyncUploads::UploadUserLight(UploadFamily family, int profile, int slot, int lightId) {
    sync_.SendUserLight(PathOf(family), profile, slot, lightId);
}

void SyncUploads::UploadMacros(UploadFamily family) {
    sync_.SendMacros(PathOf(family));
}

std::optional<int> SyncUploads::SelectProfileOnDevice(UploadFamily family, int profile) {
    return sync_.SendProfileSelect(PathOf(family), profile);
}

}  // namespace vekora
