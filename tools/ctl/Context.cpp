#include "Context.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

#include "TerminalSyncView.h"
#include "core/DeviceLibrarySync.h"
#include "core/DeviceSync.h"
#include "core/ProfileSettings.h"
#include "core/SyncUploads.h"
#include "device/Clock.h"
#include "device/ModelCatalogue.h"
#include "device/ModelNames.h"
#include "device/libcalls/LibraryUploads.h"
#include "device/library/DeviceLibraryBinding.h"
#include "device/sync/ManagerReportLink.h"
#include "features/text/LocalText.h"
#include "store/Folders.h"
#include "store/Settings.h"
#include "store/Utf8.h"

namespace vekora::ctl {
namespace {

// How long a second invocation waits for the first before giving up.
constexpr auto kLockWait = std::chrono::seconds(60);

std::filesystem::path LockFile() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::filesystem::path folder = runtime && *runtime ? std::filesystem::path(runtime)
                                                       : std::filesystem::temp_directory_path();
    // One lock per user and per settings folder, so that tests with their own folders do not
    // wait for each other.
    const std::string settings = SettingsFolder().string();
    const size_t hash = std::hash<std::string>{}(settings);
    return folder /
           ("vekora-ctl-" + std::to_string(getuid()) + "-" + std::to_string(hash) + ".lock");
}

}  // namespace

struct SyncParts {
    SyncParts(TerminalView& view, ConfigDatabase& db, DeviceManager& manager, int deviceIndex)
        : syncView(view),
          link(manager, deviceIndex),
          libraryUploads(DeviceLibraryBinding::Instance(), SystemClock::Instance()),
          library(state, db, libraryUploads),
          flows(state, db, link, syncView, settings, &library) {}

    SyncState state;
    FileProfileSettings settings;
    TerminalSyncView syncView;
    ManagerReportLink link;
    LibraryUploads libraryUploads;
    DeviceLibrarySync library;
    DeviceSync flows;
};

std::string ProfileTitle(int profile) {
    return WideToUtf8(GetLocalText(kProfileTitleFirstTextId + profile - 1));
}

std::string ColourText(uint32_t colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF,
                  (colour >> 16) & 0xFF);
    return text;
}

Context::Context(std::FILE* out, std::FILE* err, bool json)
    : out_(out), err_(err), json_(json), view_(std::make_unique<TerminalView>(out, json)) {}

Context::~Context() {
    lighting_.reset();
    keys_.reset();
    uploads_.reset();
    sync_.reset();
    db_.Close();
    if (lockFd_ >= 0) {
        close(lockFd_);
    }
}

bool Context::TakeLock() {
    const std::filesystem::path path = LockFile();
    lockFd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd_ < 0) {
        return true;  // no lock file possible (read-only runtime folder): run unguarded
    }
    if (flock(lockFd_, LOCK_EX | LOCK_NB) == 0) {
        return true;
    }
    std::fprintf(err_, "vekora-ctl: waiting for another vekora-ctl to finish...\n");
    const auto deadline = std::chrono::steady_clock::now() + kLockWait;
    while (std::chrono::steady_clock::now() < deadline) {
        if (flock(lockFd_, LOCK_EX | LOCK_NB) == 0) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

int Context::Open() {
    SetCurrentLanguage(StartupLanguage());
    CreateFolderPath(DatabaseFolder());
    if (!TakeLock()) {
        return Fail(kExitFailure, "another vekora-ctl is still running (waited 60 s)");
    }
    const int storedChoice = ReadSettingInt(kDeviceTypeSetting);
    devices_ = std::make_unique<DeviceAccess>(*view_, db_);
    const DeviceModel connected = devices_->Scan(storedChoice);
    session_.model = StartupModel(connected, ReadSettingInt(kDeviceTypeSetting));
    session_.connected = connected != DeviceModel::None;

    db_.Close();
    if (!db_.OpenForModel(session_.model)) {
        return Fail(kExitFailure, "cannot open the settings database of model " +
                                      std::to_string(ToCode(session_.model)) + " below " +
                                      DatabaseFolder().string());
    }
    session_.profile = LoadModelProfile(session_.model);
    session_.currentEffect = db_.GetConfigInt(session_.profile, kLightModeKey);
    view_->SetModel(session_.model);

    sync_ = std::make_unique<SyncParts>(*view_, db_, devices_->manager(),
                                        devices_->CurrentDeviceIndex());
    SyncState& state = sync_->state;
    state.model = session_.model;
    state.connected = session_.connected;
    state.profile = session_.profile;
    state.lightMode = session_.currentEffect;
    state.userLight = session_.currentSlot;
    state.revisionFlag = devices_->session().revisionFlag;
    uploads_ = std::make_unique<SyncUploads>(sync_->flows);
    keys_ = std::make_unique<KeyFunctions>(session_, db_, *view_, *uploads_);
    lighting_ = std::make_unique<LightingController>(session_, db_, *view_, *uploads_, *keys_);
    lighting_->ShowEffectList();
    lighting_->LoadUserLights();
    return kExitOk;
}

int Context::Fail(int code, const std::string& message) {
    std::fprintf(err_, "vekora-ctl: %s\n", message.c_str());
    if (json_) {
        Json j = Json::Object();
        j.Set("error", message);
        j.Set("exit_code", code);
        EmitJson(std::move(j));
    }
    return code;
}

int Context::UsageError(std::string_view command, const std::string& message) {
    std::fprintf(err_, "vekora-ctl %.*s: %s\n", static_cast<int>(command.size()), command.data(),
                 message.c_str());
    std::fprintf(err_, "Try 'vekora-ctl %.*s --help'.\n", static_cast<int>(command.size()),
                 command.data());
    if (json_) {
        Json j = Json::Object();
        j.Set("error", message);
        j.Set("exit_code", kExitUsage);
        EmitJson(std::move(j));
    }
    return kExitUsage;
}

void Context::EmitJson(Json result) {
    if (!json_) {
        return;
    }
    Json messages = Json::Array();
    for (const std::string& m : view_->Messages()) {
        messages.Push(m);
    }
    result.Set("messages", std::move(messages));
    std::fprintf(out_, "%s\n", result.Dump().c_str());
    std::fflush(out_);
}

void Context::Print(const std::string& line) {
    if (!json_) {
        std::fprintf(out_, "%s\n", line.c_str());
    }
}

int Context::StatusFromMessages(int otherwise) const {
    if (view_->Shown(kNotModifiableTextId) || view_->Shown(kKeepOneLightTextId)) {
        return kExitRefused;
    }
    if (view_->Shown(502)) {
        return kExitNoKeyboard;
    }
    return otherwise;
}

}  // namespace vekora::ctl

namespace vekora::ctl {

void Context::SyncFromKeyboard() {
    if (session_.connected) {
        sync_->flows.Tick();
        TakeSyncState();
    }
}

void Context::TakeSyncState() {
    session_.profile = sync_->state.profile;
    session_.currentEffect = sync_->state.lightMode;
}

void Context::SelectProfile(int profile) {
    // B, then what the window's profile switch adds: the key labels with the key map, the
    // locks, and the user-light check marks.
    sync_->flows.SelectProfile(profile);
    TakeSyncState();
    keys_->RefreshLabels(profile);
    sync_->flows.UploadGameMode();
    lighting_->RefreshCheckMarks();
}

bool Context::AssignKey(int keyCode, const KeyAssignment& assignment) {
    return keys_->Apply(keyCode, assignment);
}

void Context::ChooseLightMode(int effectId) {
    lighting_->ChooseEffect(effectId);
    sync_->state.lightMode = session_.currentEffect;
}

void Context::ApplyUserLight(int lightId) {
    sync_->state.userLight = session_.currentSlot;
    sync_->flows.ApplyUserLight(session_.currentSlot, lightId);
}

void Context::SetLock(const char* key, bool on) {
    sync_->flows.SetGameModeSwitch(key, on);
}

void Context::UploadMacros() {
    sync_->flows.UploadMacros();
}

void Context::ResetCurrentProfile() {
    sync_->flows.ResetCurrentProfile();
    TakeSyncState();
}

void Context::ResetAllProfiles() {
    sync_->flows.ResetAllProfiles();
    TakeSyncState();
}

void Context::SendMusicFrame() {
    sync_->flows.SendMusicFrame();
}

}  // namespace vekora::ctl
