// `vekora-ctl light ID` (flow D) and `vekora-ctl lights` (the model's built-in effects).
#include "Commands.h"
#include "Context.h"
#include "features/lighting/EffectList.h"
#include "features/text/LocalText.h"
#include "store/Utf8.h"

namespace vekora::ctl {
namespace {

std::string EffectsHelp(DeviceModel model) {
    std::string out;
    for (const EffectEntry& e : EffectListForModel(model)) {
        out += out.empty() ? "" : ", ";
        out += std::to_string(e.effectId) + " " + WideToUtf8(GetLocalText(e.textId));
    }
    return out;
}

int RunLight(Context& ctx, const CommandArgs& args) {
    if (args.positional.size() != 1) {
        return ctx.UsageError("light", "expects one effect ID (see 'vekora-ctl lights')");
    }
    const auto id = ParseIntArg(args.positional[0], 0, 1000);
    if (const int rc = ctx.Open(); rc != kExitOk) {
        return rc;
    }
    const DeviceModel model = ctx.session().model;
    const EffectEntry* effect = id ? FindEffect(model, *id) : nullptr;
    if (!effect) {
        return ctx.UsageError("light", "no effect '" + args.positional[0] + "' on this model; " +
                                           "effects: " + EffectsHelp(model));
    }
    ctx.ChooseLightMode(effect->effectId);
    const std::string name = WideToUtf8(GetLocalText(effect->textId));
    if (ctx.json()) {
        Json j = Json::Object();
        j.Set("profile", ctx.session().profile);
        j.Set("light_mode", effect->effectId);
        j.Set("name", name);
        j.Set("sent", ctx.session().connected);
        ctx.EmitJson(std::move(j));
    } else {
        ctx.Print("light mode: " + std::to_string(effect->effectId) + " (" + name + ")" +
                  (ctx.session().connected ? "" : " stored; no keyboard connected"));
    }
    return ctx.StatusFromMessages();
}

int RunLights(Context& ctx, const CommandArgs& args) {
    if (!args.positional.empty()) {
        return ctx.UsageError("lights", "takes no arguments");
    }
    if (const int rc = ctx.Open(); rc != kExitOk) {
        return rc;
    }
    const int current = ctx.db().GetConfigInt(ctx.session().profile, kLightModeKey);
    Json list = Json::Array();
    for (const EffectEntry& e : EffectListForModel(ctx.session().model)) {
        const std::string name = WideToUtf8(GetLocalText(e.textId));
        if (ctx.json()) {
            Json j = Json::Object();
            j.Set("light_mode", e.effectId);
            j.Set("name", name);
            j.Set("current", e.effectId == current);
            list.Push(std::move(j));
        } else {
            char line[160];
            std::snprintf(line, sizeof line, "%s %3d  %s", e.effectId == current ? "*" : " ",
                          e.effectId, name.c_str());
            ctx.Print(line);
        }
    }
    ctx.EmitJson(Json::Object()
                     .Set("profile", ctx.session().profile)
                     .Set("light_mode", current)
                     .Set("effects", std::move(list)));
    return kExitOk;
}

}  // namespace

const Command& LightCommand() {
    static const Command c{"light",
                           "choose a built-in lighting effect",
                           "usage: vekora-ctl light ID [--json]\n"
                           "\n"
                           "Makes effect ID the current profile's light mode and, with a\n"
                           "keyboard connected, sends it. 'vekora-ctl lights' lists the ids.\n",
                           {},
                           RunLight};
    return c;
}

const Command& LightsCommand() {
    static const Command c{"lights",
                           "list the model's built-in lighting effects",
                           "usage: vekora-ctl lights [--json]\n"
                           "\n"
                           "Lists the effects of the current model; '*' marks the current\n"
                           "profile's light mode.\n",
                           {},
                           RunLights};
    return c;
}

}  // namespace vekora::ctl
