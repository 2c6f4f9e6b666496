// DeviceSync: the flows that bring stored settings to the keyboard and take the keyboard's own
// changes back (applying a model, selecting a profile, key map, light mode, user light, game
// mode, macros, the two resets, and the periodic work of the 33 ms tick).
//
// Every flow dispatches on the current model: the short-report family (1, 5, 6), the long-report
// family (7, 8) or the device library (9, 10, through LibrarySync; without one nothing is sent
// for them). All reports go to one keyboard through a ReportLink, and every pause runs on its
// clock, so tests run the flows instantly and the simulator runs them in real time. A failing
// report never stops a flow; the success texts are shown regardless, as the keyboard gives no
// reliable answer to most writes.
#pragma once

#include <optional>

#include "core/LibrarySync.h"
#include "core/ProfileSettings.h"
#include "core/SyncFamily.h"
#include "core/SyncState.h"
#include "core/SyncView.h"
#include "device/protocol/ShortMacroArea.h"
#include "device/sync/ReportLink.h"
#include "store/ConfigDatabase.h"

namespace vekora {

inline constexpr int kDeviceConnectTextId = 502;  // "Please connect the device!"
inline constexpr int kResetSuccessfulTextId = 503;
inline constexpr int kSetDoneTextId = 505;      // "Set Successful!"
inline constexpr int kNotModifiableText = 510;  // "This mode does not support modification!"

inline constexpr int kResetStepPauseMs = 100;
inline constexpr int kFactoryResetPauseMs = 500;
inline constexpr int kSyncIntervalMs = 1500;
inline constexpr int kTickIntervalMs = 33;
inline constexpr int kResetLightMode = 10;  // the light mode a reset leaves on 6..10
inline constexpr int kShortResetLightMode = 1;

class DeviceSync {
public:
    DeviceSync(SyncState& state, ConfigDatabase& db, ReportLink& link, SyncView& view,
               ProfileSettings& settings, LibrarySync* library = nullptr);

    // A: after the model is laid out: read its profile (0 or less becomes 1 and is stored),
    // show it and, with a model set, select it (B).
    void ApplyModel();

    // B: profile p becomes current and is stored; the long family tells the keyboard and keeps
    // the keyboard's light mode for it; the library sets its profile table; then labels, the
    // stored light mode (sent by the short family), switches and pages follow.
    void SelectProfile(int profile);

    // C: stores the assignment for the current profile and sends the profile's key map.
    // Refused with text 510 on profile 5. True when it was stored and sent.
    bool AssignKey(const KeyAssignment& assignment);
    // The key-map upload of the current profile alone (step 3 of C).
    void UploadKeyMap();

    // D: stores the light mode for the current profile; sends it while connected.
    void ChooseLightMode(int lightMode);
    // The light-mode upload alone (also for custom-layout values).
    void UploadLightMode(int lightMode);

    // E: sends user light `lightId`'s colours into custom slot `slot` (1..5).
    void ApplyUserLight(int slot, int lightId);

    // F: stores one lock switch ("disable_win", "disable_alttab" or "disable_altf4") for the
    // current profile and sends all three.
    void SetGameModeSwitch(const char* key, bool on);
    void UploadGameMode();

    // G: sends every stored macro. For the short family the result says whether the area fit;
    // an area that does not fit is not sent and a diagnostic line is written.
    ShortMacroFit UploadMacros();

    // H and I. Refused with text 502 while not connected; both end with text 503.
    void ResetCurrentProfile();
    void ResetAllProfiles();

    // J: the work of one 33 ms tick: live colour preview, one music frame, and at most every
    // 1500 ms the keyboard's own profile (and light mode).
    void Tick();

    // One music frame of the view's colours by the model's path.
    void SendMusicFrame();

    // ---- Uploads on an explicitly named path (the feature logic's upload hooks) ----
    void SendKeyMap(SyncFamily family, int profile);
    void SendLightMode(SyncFamily family, int profile, int lightMode);
    void SendUserLight(SyncFamily family, int profile, int slot, int lightId);
    ShortMacroFit SendMacros(SyncFamily family);
    // The long family answers with the light mode byte of the selected profile's light block.
    std::optional<int> SendProfileSelect(SyncFamily family, int profile);

private:
    SyncFamily Family() const { return FamilyOf(state_.model); }
    // Labels, stored light mode, switches and pages of `profile`; the short family also gets
    // the light mode unless `sendLight` is false.
    void ShowProfileState(int profile, bool sendLight = true);
    void AdoptProfile(int profile);
    void SyncFromKeyboard();
    void SendLongResetSequence();
    void SendLibraryResetSequence();

    SyncState& state_;
    ConfigDatabase& db_;
    ReportLink& link_;
    SyncView& view_;
    ProfileSettings& settings_;
    LibrarySync* library_;
};

}  // namespace vekora
