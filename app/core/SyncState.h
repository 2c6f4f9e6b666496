// The window state that every synchronisation flow reads and changes (model, connection,
// profile, light mode, selected user light, page, music, revision flag) and the time of the
// last synchronisation from the keyboard.
#pragma once

#include <cstdint>
#include <optional>

#include "core/DeviceSession.h"
#include "device/DeviceModel.h"

namespace vekora {

inline constexpr int kKeyPage = 1;
inline constexpr int kLightingPage = 2;
inline constexpr int kFunctionPage = 3;
inline constexpr int kMusicPage = 5;

struct SyncState {
    DeviceModel model = DeviceModel::None;
    bool connected = false;
    int profile = 1;    // 1..5
    int lightMode = 0;  // current effect id (or the custom-layout value)
    int userLight = 1;  // custom slot 1..5 of the selected user light
    int page = kKeyPage;
    bool musicRunning = false;
    bool colourPreview = false;  // the lighting page shows the built-in list's live preview
    bool revisionFlag = false;
    std::optional<std::int64_t> lastSyncMs;  // time of the last synchronisation, if any
};

// Takes the device handling's model, connection and revision flag into the flows' state; the
// owner of both runs it before applying a model (DeviceScanHandler::SetModelApplier), e.g.
// `scan.SetModelApplier([&] { TakeDeviceSession(state, session); sync.ApplyModel(); });`.
inline void TakeDeviceSession(SyncState& state, const DeviceSession& session) {
    state.model = session.currentModel;
    state.connected = session.connected;
    state.revisionFlag = session.revisionFlag;
}

}  // namespace vekora
