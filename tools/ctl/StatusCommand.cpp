// `vekora-ctl status`: model, connection, profile, light mode and locks.
#include "Commands.h"
#include "Context.h"
#include "device/ModelCatalogue.h"
#include "device/ModelNames.h"
#include "features/lighting/EffectList.h"
#include "features/text/LocalText.h"
#include "store/Utf8.h"

namespace vekora::ctl {
namespace {

constexpr const char* kLockKeys[] = {"disable_win", "disable_alttab", "disable_altf4"};

std::string EffectName(DeviceModel model, int effectId) {
    if (const EffectEntry* e = FindEffect(model, effectId)) {
        return WideToUtf8(GetLocalText(e->textId));
    }
    return effectId == CustomLayoutEffect(model) && effectId != 0 ? "user light" : "";
}

int Run(Context& ctx, const CommandArgs& args) {
    if (!args.positional.empty()) {
        return ctx.UsageError("status", "takes no arguments");
    }
    if (const int rc = ctx.Open(); rc != kExitOk) {
        return rc;
    }
    ctx.SyncFromKeyboard();
    const FeatureSession& s = ctx.session();
    const int lightMode = ctx.db().GetConfigInt(s.profile, kLightModeKey);
    const std::string effect = EffectName(s.model, lightMode);
    int locks[3];
    for (int i = 0; i < 3; ++i) {
        locks[i] = ctx.db().GetConfigInt(s.profile, kLockKeys[i]);
    }
    if (ctx.json()) {
        Json j = Json::Object();
        j.Set("model", ToCode(s.model));
        j.Set("model_name", DeviceModelName(s.model));
        j.Set("keyboard", KeyboardDescription(s.model));
        j.Set("connected", s.connected);
        j.Set("profile", s.profile);
        j.Set("profile_title", ProfileTitle(s.profile));
        j.Set("light_mode", lightMode);
        j.Set("light_mode_name", effect);
        for (int i = 0; i < 3; ++i) {
            j.Set(kLockKeys[i], locks[i]);
        }
        ctx.EmitJson(std::move(j));
        return kExitOk;
    }
    ctx.Print("model:      " + std::to_string(ToCode(s.model)) + " " +
              std::string(DeviceModelName(s.model)) + " (" +
              std::string(KeyboardDescription(s.model)) + ")");
    ctx.Print(std::string("connected:  ") + (s.connected ? "yes" : "no"));
    ctx.Print("profile:    " + std::to_string(s.profile) + " (" + ProfileTitle(s.profile) + ")");
    ctx.Print("light mode: " + std::to_string(lightMode) +
              (effect.empty() ? "" : " (" + effect + ")"));
    ctx.Print(std::string("locks:      win ") + (locks[0] ? "on" : "off") + ", alttab " +
              (locks[1] ? "on" : "off") + ", altf4 " + (locks[2] ? "on" : "off"));
    return kExitOk;
}

}  // namespace

const Command& StatusCommand() {
    static const Command c{"status",
                           "model, connection, profile, light mode and locks",
                           "usage: vekora-ctl status [--json]\n"
                           "\n"
                           "Shows the current keyboard model and whether a keyboard of it is\n"
                           "connected, the current profile, its light mode and the three locks.\n"
                           "JSON fields: model, model_name, keyboard, connected, profile,\n"
                           "profile_title, light_mode, light_mode_name, disable_win,\n"
                           "disable_alttab, disable_altf4.\n",
                           {},
                           Run};
    return c;
}

}  // namespace vekora::ctl
