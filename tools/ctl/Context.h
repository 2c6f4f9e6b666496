// Context: one invocation's application state over the core: the interface language, the
// current model and profile, the model's settings database, the terminal view, the feature
// objects and the output (text or --json).
//
// Invocations that change settings hold an exclusive lock for their whole run, so that two
// vekora-ctl processes never interleave their reports to a keyboard or their edits of one
// database; the second waits for the first.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "CommandLine.h"
#include "DeviceAccess.h"
#include "Json.h"
#include "TerminalView.h"
#include "core/DeviceUploads.h"
#include "features/FeatureSession.h"
#include "features/keys/KeyFunctions.h"
#include "features/lighting/LightingController.h"
#include "store/ConfigDatabase.h"

namespace vekora::ctl {

// The synchronisation flows and what they run over (the report link, the device library's
// uploads); defined in Context.cpp so that the commands do not depend on them.
struct SyncParts;

class Context {
public:
    Context(std::FILE* out, std::FILE* err, bool json);
    ~Context();

    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;

    bool json() const { return json_; }
    std::FILE* out() const { return out_; }
    std::FILE* err() const { return err_; }

    // Prepares the language, the lock, the model (a recognised keyboard's, else the stored
    // choice), the database and the feature objects. kExitOk, or the exit code after the
    // error has been reported.
    int Open();

    FeatureSession& session() { return session_; }
    DeviceAccess& devices() { return *devices_; }
    ConfigDatabase& db() { return db_; }
    TerminalView& view() { return *view_; }
    DeviceUploads& uploads() { return *uploads_; }
    KeyFunctions& keys() { return *keys_; }
    LightingController& lighting() { return *lighting_; }

    // ---- The flows, over the device when one is connected ----
    // B: the profile becomes current (and stored), the keyboard is told, labels, effect,
    // switches and check marks follow.
    void SelectProfile(int profile);
    // C: false when refused (profile E).
    bool AssignKey(int keyCode, const KeyAssignment& assignment);
    // D.
    void ChooseLightMode(int effectId);
    // E: the user light into the current custom slot.
    void ApplyUserLight(int lightId);
    // F: "disable_win", "disable_alttab" or "disable_altf4".
    void SetLock(const char* key, bool on);
    // G: every stored macro.
    void UploadMacros();
    // H and I: refused with "Please connect the device!" while not connected.
    void ResetCurrentProfile();
    void ResetAllProfiles();
    // J's synchronisation: takes over a profile (and light mode) changed on the keyboard
    // itself, as the window does every 1.5 s while it runs.
    void SyncFromKeyboard();
    // One music frame of the view's key colours.
    void SendMusicFrame();

    // A failure: the message on stderr (and, with --json, {"error": ...} on stdout); returns
    // `code`.
    int Fail(int code, const std::string& message);
    // A usage error of the named command: message and a hint to --help; returns kExitUsage.
    int UsageError(std::string_view command, const std::string& message);
    // Prints the result object with --json (adding "messages"); in text mode prints nothing.
    void EmitJson(Json result);
    // A line of text output (text mode only).
    void Print(const std::string& line);

    // The exit status a flow's messages call for: kExitRefused after "This mode does not
    // support modification!", kExitNoKeyboard after "Please connect the device!", else
    // `otherwise`.
    int StatusFromMessages(int otherwise = kExitOk) const;

private:
    bool TakeLock();
    // The feature session follows the synchronisation state after a flow.
    void TakeSyncState();

    std::FILE* out_;
    std::FILE* err_;
    bool json_;
    int lockFd_ = -1;
    FeatureSession session_;
    ConfigDatabase db_;
    std::unique_ptr<TerminalView> view_;
    std::unique_ptr<DeviceAccess> devices_;
    std::unique_ptr<SyncParts> sync_;
    std::unique_ptr<DeviceUploads> uploads_;
    std::unique_ptr<KeyFunctions> keys_;
    std::unique_ptr<LightingController> lighting_;
};

// "Profile A" .. "Profile E" in the current language, as UTF-8.
std::string ProfileTitle(int profile);
// "#RRGGBB" of a 0x00BBGGRR colour.
std::string ColourText(uint32_t colour);

}  // namespace vekora::ctl
