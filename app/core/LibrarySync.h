// LibrarySync: the device-library path of the synchronisation flows (models 9 and 10). The
// flows call these steps at the same points as the report families and add the pauses around
// them; an implementation drives the device library. Without one, those models send nothing.
#pragma once

#include <optional>
#include <span>

#include "device/protocol/ProtocolBuffers.h"

namespace vekora {

class LibrarySync {
public:
    virtual ~LibrarySync() = default;

    // Profile table byte 30 = profile - 1.
    virtual void SelectProfile(int profile) = 0;
    // The stored key map of a profile (profiles 1..4).
    virtual void SendKeyMap(int profile) = 0;
    // The default key maps of profile indexes 0..3.
    virtual void SendDefaultKeyMaps() = 0;
    virtual void SendLightMode(int lightMode) = 0;
    // A user light's colours into custom slot 1..5 (profiles 1..4).
    virtual void SendUserLight(int profile, int slot, int lightId) = 0;
    virtual void ClearUserLights() = 0;
    virtual void SendGameMode(GameModeSwitches switches) = 0;
    virtual void SendMacros(int profile) = 0;
    virtual void SendMusicFrame(std::span<const KeyLight> keys) = 0;
    // The keyboard's own profile (table byte 30 + 1), when it could be read.
    virtual std::optional<int> ReadProfile() = 0;
};

}  // namespace vekora
