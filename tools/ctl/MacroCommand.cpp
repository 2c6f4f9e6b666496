// `vekora-ctl macro list|show ID|add NAME ...|delete ID`: stored macros, as the macro page
// and the macro editor keep them; saving and deleting send the macros (flow G).
#include "Commands.h"
#include "Context.h"
#include "KeySyntax.h"
#include "features/macros/MacroActions.h"
#include "features/macros/MacroEditorModel.h"
#include "features/macros/MacroEventText.h"
#include "store/Utf8.h"

namespace vekora::ctl {
namespace {

constexpr OptionSpec kOptions[] = {{"--times", true}, {"--delay", true}};

Json MacroJson(const MacroDefinition& m) {
    return Json::Object()
        .Set("macro_id", m.macro_id)
        .Set("name", m.name)
        .Set("play_times", m.play_times)
        .Set("delay_type", m.delay_type)
        .Set("delay_time", m.delay_time);
}

int List(Context& ctx) {
    std::vector<MacroDefinition> macros;
    ctx.db().LoadMacros(macros);
    Json list = Json::Array();
    for (const MacroDefinition& m : macros) {
        std::vector<MacroEvent> events;
        ctx.db().LoadMacroEvents(m.macro_id, events);
        list.Push(MacroJson(m).Set("events", static_cast<int>(events.size())));
        char line[256];
        std::snprintf(line, sizeof line, "%4d  %-24s x%d, delay %d ms, %zu steps", m.macro_id,
                      WideToUtf8(m.name).c_str(), m.play_times, m.delay_time, events.size());
        ctx.Print(line);
    }
    ctx.EmitJson(Json::Object().Set("macros", std::move(list)));
    return kExitOk;
}

int Show(Context& ctx, int id) {
    MacroDefinition m;
    if (!ctx.db().GetMacro(id, m)) {
        return ctx.Fail(kExitFailure, "no macro with id " + std::to_string(id));
    }
    std::vector<MacroEvent> events;
    ctx.db().LoadMacroEvents(id, events);
    ctx.Print(std::to_string(m.macro_id) + "  " + WideToUtf8(m.name) + ": x" +
              std::to_string(m.play_times) + ", delay " + std::to_string(m.delay_time) + " ms");
    Json list = Json::Array();
    for (size_t i = 0; i < events.size(); ++i) {
        const MacroEvent& e = events[i];
        const std::string text =
            WideToUtf8(MacroStepText(static_cast<int>(i) + 1, e.type, e.value, e.desc));
        ctx.Print("  " + text);
        list.Push(Json::Object()
                      .Set("record_index", e.record_index)
                      .Set("type", e.type)
                      .Set("value", e.value)
                      .Set("desc", e.desc)
                      .Set("text", text));
    }
    ctx.EmitJson(MacroJson(m).Set("events", std::move(list)));
    return kExitOk;
}

int Add(Context& ctx, const CommandArgs& args) {
    const auto& p = args.positional;
    const std::wstring name = Utf8ToWide(p[1]);
    if (name.size() > kMaxMacroNameLength) {
        return ctx.UsageError("macro", "the name is longer than " +
                                           std::to_string(kMaxMacroNameLength) + " characters");
    }
    int times = 1;
    if (const auto text = args.Value("--times")) {
        const auto value = ParseIntArg(*text, kMinPlayTimes, kMaxPlayTimes);
        if (!value) {
            return ctx.UsageError("macro", "--times takes 1..255, got '" + *text + "'");
        }
        times = *value;
    }
    int delay = 0;
    if (const auto text = args.Value("--delay")) {
        const auto value = ParseIntArg(*text, 0, kMaxRepeatDelayMs);
        if (!value) {
            return ctx.UsageError("macro", "--delay takes 0..99999 ms, got '" + *text + "'");
        }
        delay = *value;
    }
    std::vector<MacroEvent> events;
    for (size_t i = 2; i < p.size(); ++i) {
        std::string error;
        auto event = ParseMacroEvent(p[i], error);
        if (!event) {
            return ctx.UsageError("macro", error);
        }
        event->record_index = static_cast<int>(events.size());
        events.push_back(*event);
    }
    if (events.empty()) {
        return ctx.UsageError("macro", "a macro needs at least one EVENT");
    }
    if (const int rc = ctx.Open(); rc != kExitOk) {
        return rc;
    }
    MacroEditorModel editor(ctx.db(), ctx.uploads(), ctx.session().model);
    editor.setName(name);
    editor.setTimesText(std::to_wstring(times));
    editor.setDelayText(std::to_wstring(delay));
    editor.recorder().LoadEvents(events);
    if (!ctx.json()) {
        std::fprintf(ctx.err(), "saving macro and sending the macros...\n");
    }
    if (editor.Save() == MacroSaveResult::NameEmpty) {
        ctx.view().ShowMessage(kMacroNameEmptyTextId);
        return ctx.UsageError("macro", "the macro name is empty");
    }
    if (editor.macroId() < 1) {
        return ctx.Fail(kExitFailure, "the macro could not be stored");
    }
    ctx.Print("macro " + std::to_string(editor.macroId()) + " saved: " + p[1] + ", " +
              std::to_string(events.size()) + " steps");
    MacroDefinition stored;
    ctx.db().GetMacro(editor.macroId(), stored);
    ctx.EmitJson(MacroJson(stored).Set("events", static_cast<int>(events.size())));
    return kExitOk;
}

int Run(Context& ctx, const CommandArgs& args) {
    const auto& p = args.positional;
    if (p.empty()) {
        return ctx.UsageError("macro", "expects a subcommand: list, show, add or delete");
    }
    const std::string& sub = p[0];
    if (sub == "add") {
        if (p.size() < 2) {
            return ctx.UsageError("macro", "add expects NAME and at least one EVENT");
        }
        return Add(ctx, args);
    }
    if ((args.Has("--times") || args.Has("--delay"))) {
        return ctx.UsageError("macro", "--times and --delay belong to 'macro add'");
    }
    if (sub == "list" && p.size() == 1) {
        if (const int rc = ctx.Open(); rc != kExitOk) {
            return rc;
        }
        return List(ctx);
    }
    if ((sub == "show" || sub == "delete") && p.size() == 2) {
        const auto id = ParseIntArg(p[1], 1, 1 << 30);
        if (!id) {
            return ctx.UsageError("macro", "bad macro id '" + p[1] + "'");
        }
        if (const int rc = ctx.Open(); rc != kExitOk) {
            return rc;
        }
        if (sub == "show") {
            return Show(ctx, *id);
        }
        MacroDefinition m;
        if (!ctx.db().GetMacro(*id, m)) {
            return ctx.Fail(kExitFailure, "no macro with id " + std::to_string(*id));
        }
        DeleteMacroAndUpload(ctx.db(), ctx.uploads(), ctx.session().model, *id);
        ctx.Print("deleted macro " + std::to_string(*id));
        ctx.EmitJson(Json::Object().Set("macro_id", *id).Set("deleted", true));
        return kExitOk;
    }
    return ctx.UsageError("macro", "bad subcommand or arguments: '" + sub + "'");
}

}  // namespace

const Command& MacroCommand() {
    static const Command c{
        "macro", "macros: list, show, add, delete",
        "usage: vekora-ctl macro list [--json]\n"
        "       vekora-ctl macro show ID [--json]\n"
        "       vekora-ctl macro add NAME [--times N] [--delay MS] EVENT... [--json]\n"
        "       vekora-ctl macro delete ID [--json]\n"
        "\n"
        "add stores a macro and sends every macro to the keyboard, as the macro editor's\n"
        "Save does. --times: how often it plays (1..255, default 1); --delay: the pause\n"
        "between repetitions in ms (0..99999, default 0).\n"
        "EVENT: down:KEY, up:KEY (key names as in 'key:' of 'vekora-ctl key --help'),\n"
        "       mdown:left|middle|right, mup:left|middle|right, delay:MS (0..31000).\n"
        "Attach a macro to a key with 'vekora-ctl key KEY macro:ID'. Deleting a macro\n"
        "leaves the keys that name it as they are.\n",
        kOptions, Run};
    return c;
}

}  // namespace vekora::ctl
