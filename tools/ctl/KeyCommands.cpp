// `vekora-ctl key KEY FUNCTION` (flow C) and `vekora-ctl keys` (the profile's assignments).
#include "Commands.h"
#include "Context.h"
#include "KeySyntax.h"
#include "device/KeyLabels.h"
#include "device/KeyboardLayouts.h"
#include "features/keys/KeyAssignments.h"
#include "features/keys/KeyFunctionType.h"
#include "store/Utf8.h"

namespace vekora::ctl {
namespace {

// The label the keyboard view shows for a key of the model, else the general one.
std::string KeyLabelText(DeviceModel model, int keyCode) {
    if (const KeyboardLayout* layout = LayoutOf(model)) {
        for (const LayoutKey& key : layout->keys) {
            if (key.code == keyCode) {
                return WideToUtf8(key.label);
            }
        }
    }
    const std::wstring_view label = KeyLabelOf(keyCode);
    return label.empty() ? "code:" + std::to_string(keyCode) : WideToUtf8(label);
}

Json AssignmentJson(DeviceModel model, const KeyAssignment& a) {
    Json j = Json::Object();
    j.Set("profile", a.profile);
    j.Set("key_code", a.key_code);
    j.Set("key_label", KeyLabelText(model, a.key_code));
    j.Set("macro_type", a.macro_type);
    j.Set("macro_type_name", KeyFunctionTypeName(a.macro_type));
    j.Set("macro_value", a.macro_value);
    j.Set("macro_value2", a.macro_value2);
    j.Set("macro_value3", a.macro_value3);
    j.Set("macro_desc", a.macro_desc);
    return j;
}

int RunKey(Context& ctx, const CommandArgs& args) {
    if (args.positional.size() != 2) {
        return ctx.UsageError("key", "expects KEY and FUNCTION");
    }
    std::string error;
    const auto function = ParseFunction(args.positional[1], error);
    if (!function) {
        return ctx.UsageError("key", error);
    }
    if (const int rc = ctx.Open(); rc != kExitOk) {
        return rc;
    }
    const auto keyCode = ParseKey(ctx.session().model, args.positional[0], error);
    if (!keyCode) {
        return ctx.UsageError("key", error);
    }
    KeyAssignment assignment;
    if (function->macroId) {
        MacroDefinition macro;
        if (!ctx.db().GetMacro(*function->macroId, macro)) {
            return ctx.Fail(kExitFailure, "no macro with id " + std::to_string(*function->macroId) +
                                              " (see 'vekora-ctl macro list')");
        }
        assignment = MakeMacroAssignment(macro);
    } else {
        assignment = *function->assignment;
    }
    const bool applied = ctx.AssignKey(*keyCode, assignment);
    assignment.key_code = *keyCode;
    assignment.profile = ctx.session().profile;
    if (ctx.json()) {
        Json j = AssignmentJson(ctx.session().model, assignment);
        j.Set("applied", applied);
        ctx.EmitJson(std::move(j));
    }
    return applied ? ctx.StatusFromMessages() : ctx.StatusFromMessages(kExitFailure);
}

int RunKeys(Context& ctx, const CommandArgs& args) {
    if (!args.positional.empty()) {
        return ctx.UsageError("keys", "takes no arguments");
    }
    if (const int rc = ctx.Open(); rc != kExitOk) {
        return rc;
    }
    const int profile = ctx.session().profile;
    std::vector<KeyAssignment> list;
    ctx.db().LoadKeyAssignments(profile, list);
    if (ctx.json()) {
        Json keys = Json::Array();
        for (const KeyAssignment& a : list) {
            keys.Push(AssignmentJson(ctx.session().model, a));
        }
        ctx.EmitJson(Json::Object().Set("profile", profile).Set("keys", std::move(keys)));
        return kExitOk;
    }
    ctx.Print(ProfileTitle(profile) + ": " + std::to_string(list.size()) +
              (list.size() == 1 ? " key assigned" : " keys assigned"));
    for (const KeyAssignment& a : list) {
        char line[256];
        std::snprintf(line, sizeof line, "  %-10s code %-3d  %-18s %s",
                      KeyLabelText(ctx.session().model, a.key_code).c_str(), a.key_code,
                      std::string(KeyFunctionTypeName(a.macro_type)).c_str(),
                      WideToUtf8(a.macro_desc).c_str());
        ctx.Print(line);
    }
    return kExitOk;
}

}  // namespace

const Command& KeyCommand() {
    static const std::string usage =
        "usage: vekora-ctl key KEY FUNCTION [--json]\n"
        "\n"
        "Assigns FUNCTION to KEY in the current profile and sends the profile's key map,\n"
        "as the key menu of the window does. Profile E cannot be changed (exit 4).\n"
        "\n"
        "KEY: a label of the keyboard view (\"A\", \"Esc\", \"F1\", \"Space\", \"Caps\"), a key\n"
        "     name (\"Num 7\", \"RShift\", \"Page Up\"), or code:N (the key code).\n"
        "FUNCTION:\n"
        "  default            the key's own function\n"
        "  fn                 the Fn role\n"
        "  disable            no function\n"
        "  system:N|NAME      a system command\n"
        "  media:N|NAME       a multimedia command\n"
        "  mouse:N|NAME       a mouse button\n"
        "  key:[MOD+]KEY      a key or combination (key:ctrl+z, key:f5, key:shift+num 7)\n"
        "  macro:ID           a stored macro (see 'vekora-ctl macro list')\n"
        "\n" +
        CommandNamesHelp() + "\n";
    static const Command c{
        "key", "assign a function to a key (current profile)", usage, {}, RunKey};
    return c;
}

const Command& KeysCommand() {
    static const Command c{"keys",
                           "list the current profile's key assignments",
                           "usage: vekora-ctl keys [--json]\n"
                           "\n"
                           "Lists the keys of the current profile that do something other than\n"
                           "their own function. JSON fields per key: key_code, key_label,\n"
                           "macro_type, macro_value, macro_value2, macro_value3, macro_desc.\n",
                           {},
                           RunKeys};
    return c;
}

}  // namespace vekora::ctl
