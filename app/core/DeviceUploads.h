// DeviceUploads: the points where stored settings are sent to the keyboard. The feature
// logic calls these at the moments the user's actions require an upload; the device
// synchronisation implements them with the report protocols and the device library, and
// tests record the calls.
//
// Every call names the upload family explicitly, because several flows pick a family by
// rules of their own (a label refresh uses the short-report key map upload on every model
// outside 7..10, for example).
#pragma once

#include <optional>

#include "device/DeviceModel.h"

namespace vekora {

enum class UploadFamily {
    ShortReports,   // models 1, 5, 6 (and whatever other model a flow sends to this way)
    LongReports,    // models 7, 8
    DeviceLibrary,  // models 9, 10
};

// The family most flows use: LongReports for 7 and 8, DeviceLibrary for 9 and 10,
// ShortReports for every other code.
UploadFamily DefaultUploadFamily(DeviceModel model);

// The family of the key map upload after an assignment: 1, 5, 6 short, 7, 8 long, 9, 10
// library; no upload for other codes.
std::optional<UploadFamily> KeyMapUploadFamily(DeviceModel model);

class DeviceUploads {
public:
    virtual ~DeviceUploads() = default;

    // Sends the whole stored key map of a profile.
    virtual void UploadKeyMap(UploadFamily family, int profile) = 0;
    // Sends a built-in effect (or a custom-layout effect value) for a profile.
    virtual void UploadEffect(UploadFamily family, int profile, int effectId) = 0;
    // Sends a user light's stored colours into custom slot 1..5.
    virtual void UploadUserLight(UploadFamily family, int profile, int slot, int lightId) = 0;
    // Sends every stored macro.
    virtual void UploadMacros(UploadFamily family) = 0;
    // Tells the keyboard which profile is current (the long-report keyboards number profile 5
    // as 0; the device library takes profile - 1). The long-report family answers with the
    // effect byte of the keyboard's light block, which is stored as the profile's effect as it
    // is (it holds the effect id as written); the other families answer nothing.
    virtual std::optional<int> SelectProfileOnDevice(UploadFamily family, int profile) = 0;
};

}  // namespace vekora
