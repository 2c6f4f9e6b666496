// `vekora-ctl language 2052|1033` and `vekora-ctl autorun on|off`: the settings menu's
// interface language and start-at-login switch.
#include "Commands.h"
#include "Context.h"
#include "features/text/LocalText.h"
#include "store/Autostart.h"
#include "store/Settings.h"

namespace vekora::ctl {
namespace {

std::string LanguageName(int id) {
    return id == kLanguageChinese ? "Chinese" : "English";
}

int RunLanguage(Context& ctx, const CommandArgs& args) {
    if (args.positional.size() > 1) {
        return ctx.UsageError("language", "expects 2052 (Chinese) or 1033 (English)");
    }
    int language = StartupLanguage();
    if (args.positional.size() == 1) {
        const auto id = ParseIntArg(args.positional[0], 0, 99999);
        if (!id || (*id != kLanguageChinese && *id != kLanguageEnglish)) {
            return ctx.UsageError("language", "no language '" + args.positional[0] +
                                                  "' (2052 Chinese, 1033 English)");
        }
        if (!WriteSettingInt(kLanguageSetting, *id)) {
            return ctx.Fail(kExitFailure, "cannot write " + SettingsFile().string());
        }
        language = *id;
    }
    SetCurrentLanguage(language);
    ctx.Print("language: " + std::to_string(language) + " (" + LanguageName(language) + ")");
    ctx.EmitJson(Json::Object().Set("language", language).Set("name", LanguageName(language)));
    return kExitOk;
}

int RunAutorun(Context& ctx, const CommandArgs& args) {
    const auto& p = args.positional;
    if (p.size() > 1 || (p.size() == 1 && p[0] != "on" && p[0] != "off")) {
        return ctx.UsageError("autorun", "expects on or off");
    }
    if (p.size() == 1) {
        const bool ok = p[0] == "on" ? EnableAutostart() : DisableAutostart();
        if (!ok) {
            return ctx.Fail(kExitFailure, "cannot change " + AutostartEntryFile().string());
        }
    }
    const bool on = IsAutostartEnabled();
    ctx.Print(std::string("autorun: ") +
              (on ? "on (" + AutostartEntryFile().string() + ")" : "off"));
    ctx.EmitJson(Json::Object().Set("autorun", on).Set("path", AutostartEntryFile().string()));
    return kExitOk;
}

}  // namespace

const Command& LanguageCommand() {
    static const Command c{"language",
                           "show or set the interface language (2052 or 1033)",
                           "usage: vekora-ctl language [2052|1033] [--json]\n"
                           "\n"
                           "2052 is Simplified Chinese, 1033 English. The window and this tool\n"
                           "show their texts in it from their next start.\n",
                           {},
                           RunLanguage};
    return c;
}

const Command& AutorunCommand() {
    static const Command c{"autorun",
                           "show or set whether the program starts at login",
                           "usage: vekora-ctl autorun [on|off] [--json]\n"
                           "\n"
                           "Adds or removes the desktop's autostart entry for Vekora Control\n"
                           "Hub ($XDG_CONFIG_HOME/autostart/vekora-control-hub.desktop).\n",
                           {},
                           RunAutorun};
    return c;
}

}  // namespace vekora::ctl
