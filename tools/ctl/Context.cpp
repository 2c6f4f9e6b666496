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

#include "OfflineUploads.h"
#include "device/ModelCatalogue.h"
#include "device/ModelNames.h"
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
    uploads_ = std::make_unique<OfflineUploads>();

    db_.Close();
    if (!db_.OpenForModel(session_.model)) {
        return Fail(kExitFailure, "cannot open the settings database of model " +
                                      std::to_string(ToCode(session_.model)) + " below " +
                                      DatabaseFolder().string());
    }
    session_.profile = LoadModelProfile(session_.model);
    session_.currentEffect = db_.GetConfigInt(session_.profile, kLightModeKey);
    view_->SetModel(session_.model);
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

void Context::SelectProfile(int profile) {
    session_.profile = profile;
    WriteProfileSetting(session_.model, profile);
    lighting_->LoadProfileLighting(profile);
}

bool Context::AssignKey(int keyCode, const KeyAssignment& assignment) {
    return keys_->Apply(keyCode, assignment);
}

void Context::ChooseLightMode(int effectId) {
    lighting_->ChooseEffect(effectId);
}

void Context::ApplyUserLight(int lightId) {
    if (session_.connected) {
        uploads_->UploadUserLight(DefaultUploadFamily(session_.model), session_.profile,
                                  session_.currentSlot, lightId);
    }
}

void Context::SetLock(const char* key, bool on) {
    db_.SetConfigInt(session_.profile, key, on ? 1 : 0);
}

void Context::UploadMacros() {
    uploads_->UploadMacros(DefaultUploadFamily(session_.model));
}

void Context::ResetCurrentProfile() {
    if (!session_.connected) {
        view_->ShowMessage(502);
        return;
    }
}

void Context::ResetAllProfiles() {
    if (!session_.connected) {
        view_->ShowMessage(502);
        return;
    }
}

void Context::SendMusicFrame() {}

}  // namespace vekora::ctl
