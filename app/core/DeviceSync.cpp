#include "core/DeviceSync.h"

#include <cstdio>
#include <string>

#include "core/StoredSettings.h"
#include "device/protocol/ShortAreas.h"
#include "device/sync/LongTransactions.h"
#include "device/sync/ShortTransactions.h"

namespace vekora {

namespace {

bool IsProfile(int p) {
    return p >= 1 && p <= 5;
}

const char* FitText(ShortMacroFit fit) {
    switch (fit) {
        case ShortMacroFit::SizeRuleExceeded:
            return "the macros exceed the keyboard's macro memory (4 x events + 8 x macros > 2500)";
        case ShortMacroFit::TooManyMacros:
            return "more than 100 macros are stored";
        case ShortMacroFit::AreaTooLong:
            return "the macro area with its inserted delays would pass 3200 bytes";
        case ShortMacroFit::Fits:
            break;
    }
    return "";
}

}  // namespace

DeviceSync::DeviceSync(SyncState& state, ConfigDatabase& db, ReportLink& link, SyncView& view,
                       ProfileSettings& settings, LibrarySync* library)
    : state_(state), db_(db), link_(link), view_(view), settings_(settings), library_(library) {}

// ---- A and B ----------------------------------------------------------------------------

void DeviceSync::ApplyModel() {
    const int profile = settings_.Load(state_.model);
    state_.profile = IsProfile(profile) ? profile : 1;
    view_.ShowProfile(state_.profile);
    if (state_.model != DeviceModel::None) {
        SelectProfile(state_.profile);
    }
}

void DeviceSync::SelectProfile(int profile) {
    if (!IsProfile(profile)) {
        return;
    }
    state_.profile = profile;
    settings_.Store(state_.model, profile);
    // The long-family keyboard keeps a light mode per profile; the one it reports becomes the
    // profile's stored mode, exactly as it is written into the block.
    if (auto mode = SendProfileSelect(Family(), profile)) {
        db_.SetConfigInt(profile, kLightModeKey, *mode);
    }
    ShowProfileState(profile);
}

std::optional<int> DeviceSync::SendProfileSelect(SyncFamily family, int profile) {
    switch (family) {
        case SyncFamily::Long:
            return SelectLongProfile(link_, profile);
        case SyncFamily::Library:
            if (library_ != nullptr) {
                library_->SelectProfile(profile);
            }
            break;
        case SyncFamily::Short:
            break;
    }
    return std::nullopt;
}

void DeviceSync::ShowProfileState(int profile, bool sendLight) {
    view_.ShowProfile(profile);
    const int mode = db_.GetConfigInt(profile, kLightModeKey);
    state_.lightMode = mode;
    view_.ShowLightMode(mode);
    if (sendLight && IsShortModel(state_.model)) {
        SendShortLightMode(link_, profile, mode);
    }
    view_.ShowGameMode(StoredSwitches(db_, profile));
}

// ---- C ----------------------------------------------------------------------------------

bool DeviceSync::AssignKey(const KeyAssignment& assignment) {
    if (state_.profile == 5) {
        view_.ShowMessage(kNotModifiableText);
        return false;
    }
    KeyAssignment stored = assignment;
    stored.profile = state_.profile;
    db_.SaveKeyAssignment(stored);
    UploadKeyMap();
    view_.ShowMessage(kSetDoneTextId);
    return true;
}

void DeviceSync::UploadKeyMap() {
    // Models without a key map of their own (2, 3, 100) get none.
    if (Family() != SyncFamily::Short || IsShortModel(state_.model)) {
        SendKeyMap(Family(), state_.profile);
    }
}

void DeviceSync::SendKeyMap(SyncFamily family, int profile) {
    switch (family) {
        case SyncFamily::Long:
            SendLongKeyMap(link_, state_.model, StoredAssignments(db_, profile),
                           StoredMacroDefinitions(db_));
            break;
        case SyncFamily::Library:
            if (library_ != nullptr) {
                library_->SendKeyMap(profile);
            }
            break;
        case SyncFamily::Short:
            SendShortKeyMap(link_, profile,
                            BuildShortKeyMapArea(StoredAssignments(db_, profile),
                                                 StoredMacroDefinitions(db_), state_.revisionFlag));
            break;
    }
}

// ---- D and E ----------------------------------------------------------------------------

void DeviceSync::ChooseLightMode(int lightMode) {
    db_.SetConfigInt(state_.profile, kLightModeKey, lightMode);
    state_.lightMode = lightMode;
    if (state_.connected) {
        UploadLightMode(lightMode);
    }
}

void DeviceSync::UploadLightMode(int lightMode) {
    SendLightMode(Family(), state_.profile, lightMode);
}

void DeviceSync::SendLightMode(SyncFamily family, int profile, int lightMode) {
    switch (family) {
        case SyncFamily::Long:
            SendLongLightMode(link_, lightMode);
            break;
        case SyncFamily::Library:
            if (library_ != nullptr) {
                library_->SendLightMode(lightMode);
            }
            break;
        case SyncFamily::Short:
            SendShortLightMode(link_, profile, lightMode);
            break;
    }
}

void DeviceSync::ApplyUserLight(int slot, int lightId) {
    if (slot < 1 || slot > 5) {
        return;
    }
    state_.userLight = slot;
    SendUserLight(Family(), state_.profile, slot, lightId);
}

void DeviceSync::SendUserLight(SyncFamily family, int profile, int slot, int lightId) {
    if (slot < 1 || slot > 5) {
        return;
    }
    switch (family) {
        case SyncFamily::Long:
            SendLongUserLight(link_, state_.model, slot - 1, StoredKeyColours(db_, lightId));
            break;
        case SyncFamily::Library:
            if (library_ != nullptr) {
                library_->SendUserLight(profile, slot, lightId);
            }
            break;
        case SyncFamily::Short:
            SendShortUserLight(link_, slot,
                               BuildShortColourArea(state_.model, state_.revisionFlag,
                                                    StoredKeyColours(db_, lightId)));
            break;
    }
}

// ---- F and G ----------------------------------------------------------------------------

void DeviceSync::SetGameModeSwitch(const char* key, bool on) {
    db_.SetConfigInt(state_.profile, key, on ? 1 : 0);
    UploadGameMode();
}

void DeviceSync::UploadGameMode() {
    const auto switches = StoredSwitches(db_, state_.profile);
    switch (Family()) {
        case SyncFamily::Long:
            SendLongGameMode(link_, switches);
            break;
        case SyncFamily::Library:
            if (library_ != nullptr) {
                library_->SendGameMode(switches);
            }
            break;
        case SyncFamily::Short:
            SendShortGameMode(link_, state_.profile, switches);
            break;
    }
}

ShortMacroFit DeviceSync::UploadMacros() {
    return SendMacros(Family());
}

ShortMacroFit DeviceSync::SendMacros(SyncFamily family) {
    switch (family) {
        case SyncFamily::Long: {
            const auto area = SendLongMacros(link_, StoredMacros(db_));
            if (area.macrosLeftOut > 0) {
                std::fprintf(stderr,
                             "vekora: %d macro(s) at the end of the list do not fit into the "
                             "keyboard's 4000-byte macro area and were not sent\n",
                             area.macrosLeftOut);
            }
            return ShortMacroFit::Fits;
        }
        case SyncFamily::Library:
            if (library_ != nullptr) {
                library_->SendMacros(state_.profile);
            }
            return ShortMacroFit::Fits;
        case SyncFamily::Short:
            break;
    }
    const auto fit = SendShortMacros(link_, StoredMacros(db_));
    if (fit != ShortMacroFit::Fits) {
        std::fprintf(stderr, "vekora: macros not sent to the keyboard: %s\n", FitText(fit));
    }
    return fit;
}

// ---- H and I ----------------------------------------------------------------------------

void DeviceSync::ResetCurrentProfile() {
    if (!state_.connected) {
        view_.ShowMessage(kDeviceConnectTextId);
        return;
    }
    const int profile = state_.profile;
    db_.ClearProfile(profile);
    switch (state_.model) {
        case DeviceModel::K61:
        case DeviceModel::K68:
            db_.SetConfigInt(profile, kLightModeKey, kShortResetLightMode);
            SelectProfile(profile);
            // The keyboard gets the emptied key map too, so that it does not keep the old
            // assignments while the window shows the defaults.
            UploadKeyMap();
            break;
        case DeviceModel::K61SingleLight:
        case DeviceModel::K61SE:
        case DeviceModel::K87SingleLight:
            SendLongResetSequence();
            break;
        case DeviceModel::K87Rgb:
        case DeviceModel::K98Rgb:
            SendLibraryResetSequence();
            break;
        default:
            view_.ShowProfile(profile);
            break;
    }
    view_.ShowMessage(kResetSuccessfulTextId);
}

void DeviceSync::SendLongResetSequence() {
    const int profile = state_.profile;
    view_.ShowProfile(profile);
    link_.Pause(kResetStepPauseMs);
    SelectProfile(profile);
    link_.Pause(kResetStepPauseMs);
    SendLongMacros(link_, StoredMacros(db_));
    link_.Pause(kResetStepPauseMs);
    SendLongKeyMap(link_, state_.model, StoredAssignments(db_, profile),
                   StoredMacroDefinitions(db_));
    link_.Pause(kResetStepPauseMs);
    SendLongGameMode(link_, StoredSwitches(db_, profile));
    link_.Pause(kResetStepPauseMs);
    db_.SetConfigInt(profile, kLightModeKey, kResetLightMode);
    state_.lightMode = kResetLightMode;
    view_.ShowLightMode(kResetLightMode);
    SendLongLightMode(link_, kResetLightMode);
    if (state_.page == kMusicPage) {
        state_.musicRunning = true;
    }
}

void DeviceSync::SendLibraryResetSequence() {
    const int profile = state_.profile;
    view_.ShowProfile(profile);
    link_.Pause(kResetStepPauseMs);
    SelectProfile(profile);
    link_.Pause(kResetStepPauseMs);
    if (library_ != nullptr) {
        library_->SendKeyMap(profile);
    }
    link_.Pause(kResetStepPauseMs);
    if (library_ != nullptr) {
        library_->SendMacros(profile);
    }
    link_.Pause(kResetStepPauseMs);
    UploadGameMode();
    link_.Pause(kResetStepPauseMs);
    db_.SetConfigInt(profile, kLightModeKey, kResetLightMode);
    state_.lightMode = kResetLightMode;
    view_.ShowLightMode(kResetLightMode);
    if (library_ != nullptr) {
        library_->SendLightMode(kResetLightMode);
    }
    if (state_.page == kMusicPage) {
        state_.musicRunning = true;
    }
}

void DeviceSync::ResetAllProfiles() {
    if (!state_.connected) {
        view_.ShowMessage(kDeviceConnectTextId);
        return;
    }
    db_.ClearAll();
    for (int p = 1; p <= 5; ++p) {
        db_.ClearProfile(p);
    }
    state_.profile = 1;
    settings_.Store(state_.model, 1);
    view_.ShowProfile(1);
    switch (state_.model) {
        case DeviceModel::K61:
        case DeviceModel::K68:
            for (int p = 1; p <= 5; ++p) {
                db_.SetConfigInt(p, kLightModeKey, kShortResetLightMode);
            }
            ClearShortUserLights(link_);
            // These keyboards have no factory reset command: the emptied key maps of every
            // profile and the empty macro area are sent so the keyboard matches the store.
            for (int p = 1; p <= 5; ++p) {
                SendShortKeyMap(link_, p, BuildShortKeyMapArea({}, {}, state_.revisionFlag));
            }
            SendShortMacros(link_, {});
            SelectProfile(1);
            break;
        case DeviceModel::K61SingleLight:
        case DeviceModel::K61SE:
        case DeviceModel::K87SingleLight:
            SendLongFactoryReset(link_);
            link_.Pause(kFactoryResetPauseMs);
            link_.Pause(kResetStepPauseMs);
            // The factory reset already set the keyboard's light (also on model 6, which
            // otherwise takes its light mode by the short transaction): only the window follows.
            ShowProfileState(1, false);
            for (int i = 0; i < 4; ++i) {
                link_.Pause(kResetStepPauseMs);
            }
            db_.SetConfigInt(1, kLightModeKey, kResetLightMode);
            state_.lightMode = kResetLightMode;
            view_.ShowLightMode(kResetLightMode);
            break;
        case DeviceModel::K87Rgb:
        case DeviceModel::K98Rgb:
            link_.Pause(kFactoryResetPauseMs);
            if (library_ != nullptr) {
                library_->ClearUserLights();
            }
            link_.Pause(kResetStepPauseMs);
            view_.ShowProfile(1);
            link_.Pause(kResetStepPauseMs);
            ShowProfileState(1);
            // These keyboards have no factory reset: profile A is selected on the keyboard too,
            // or the next synchronisation would bring back the profile it still had.
            if (library_ != nullptr) {
                library_->SelectProfile(1);
            }
            link_.Pause(kResetStepPauseMs);
            if (library_ != nullptr) {
                library_->SendDefaultKeyMaps();
            }
            link_.Pause(kResetStepPauseMs);
            if (library_ != nullptr) {
                library_->SendMacros(1);
            }
            link_.Pause(kResetStepPauseMs);
            UploadGameMode();
            link_.Pause(kResetStepPauseMs);
            db_.SetConfigInt(1, kLightModeKey, kResetLightMode);
            state_.lightMode = kResetLightMode;
            view_.ShowLightMode(kResetLightMode);
            if (library_ != nullptr) {
                library_->SendLightMode(kResetLightMode);
            }
            break;
        default:
            break;
    }
    view_.ShowMessage(kResetSuccessfulTextId);
}

// ---- J ----------------------------------------------------------------------------------

void DeviceSync::Tick() {
    if (state_.model == DeviceModel::None) {
        return;
    }
    if (state_.page == kLightingPage && state_.colourPreview && HasShortColours(state_.model)) {
        const auto keys = view_.ViewKeys();
        if (auto colours = ReadShortKeyColours(link_, state_.model, state_.revisionFlag, keys)) {
            view_.ShowKeyColours(*colours);
        }
    }
    if (state_.page == kMusicPage && state_.musicRunning) {
        SendMusicFrame();
    }
    const auto now = link_.NowMs();
    if (!state_.lastSyncMs || now - *state_.lastSyncMs >= kSyncIntervalMs) {
        state_.lastSyncMs = now;
        SyncFromKeyboard();
    }
}

void DeviceSync::SendMusicFrame() {
    const auto keys = view_.ViewColours();
    switch (Family()) {
        case SyncFamily::Long:
            SendLongMusicFrame(link_, state_.model, keys);
            break;
        case SyncFamily::Library:
            if (library_ != nullptr) {
                library_->SendMusicFrame(keys);
            }
            break;
        case SyncFamily::Short:
            if (HasShortColours(state_.model)) {
                SendShortMusicFrame(link_,
                                    BuildShortMusicFrame(state_.model, state_.revisionFlag, keys));
            }
            break;
    }
}

void DeviceSync::AdoptProfile(int profile) {
    state_.profile = profile;
    settings_.Store(state_.model, profile);
    ShowProfileState(profile);
}

void DeviceSync::SyncFromKeyboard() {
    switch (Family()) {
        case SyncFamily::Short:
            if (IsShortModel(state_.model)) {
                if (auto profile = QueryShortProfile(link_, state_.profile)) {
                    AdoptProfile(*profile);
                }
                SendShortCommit(link_);
            }
            break;
        case SyncFamily::Long:
            if (auto change = PollLongDeviceChange(link_)) {
                if (IsProfile(change->profile) && change->profile != state_.profile) {
                    AdoptProfile(change->profile);
                }
                if (change->lightMode != 0 && change->lightMode != state_.lightMode) {
                    state_.lightMode = change->lightMode;
                    db_.SetConfigInt(state_.profile, kLightModeKey, change->lightMode);
                    view_.ShowLightMode(change->lightMode);
                }
            }
            break;
        case SyncFamily::Library:
            if (library_ != nullptr && view_.WindowShown()) {
                auto profile = library_->ReadProfile();
                if (profile && IsProfile(*profile) && *profile != state_.profile) {
                    AdoptProfile(*profile);
                }
            }
            break;
    }
}

}  // namespace vekora
