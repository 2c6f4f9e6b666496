// DeviceLibrarySync: the device-library path of the synchronisation flows (models 9 and 10).
// Each step reads what it sends from the store (assignments, macros, user-light colours) and
// hands it to LibraryUploads, which drives libTarnexio.so.
#pragma once

#include <optional>
#include <span>

#include "core/LibrarySync.h"
#include "core/SyncState.h"
#include "device/libcalls/LibraryUploads.h"
#include "store/ConfigDatabase.h"

namespace vekora {

class DeviceLibrarySync : public LibrarySync {
public:
    // `state` gives the current model; `db` is the model's store.
    DeviceLibrarySync(const SyncState& state, ConfigDatabase& db, LibraryUploads& uploads)
        : state_(state), db_(db), uploads_(uploads) {}

    void SelectProfile(int profile) override;
    void SendKeyMap(int profile) override;
    void SendDefaultKeyMaps() override;
    void SendLightMode(int lightMode) override;
    void SendUserLight(int profile, int slot, int lightId) override;
    void ClearUserLights() override;
    void SendGameMode(GameModeSwitches switches) override;
    void SendMacros(int profile) override;
    void SendMusicFrame(std::span<const KeyLight> keys) override;
    std::optional<int> ReadProfile() override;

private:
    const SyncState& state_;
    ConfigDatabase& db_;
    LibraryUploads& uploads_;
};

}  // namespace vekora
