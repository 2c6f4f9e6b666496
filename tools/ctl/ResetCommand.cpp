// `vekora-ctl reset current` (flow H) and `vekora-ctl reset all --yes` (flow I).
#include "Commands.h"
#include "Context.h"

namespace vekora::ctl {
namespace {

constexpr OptionSpec kOptions[] = {{"--yes", false}};

int Run(Context& ctx, const CommandArgs& args) {
    const auto& p = args.positional;
    if (p.size() != 1 || (p[0] != "current" && p[0] != "all")) {
        return ctx.UsageError("reset", "expects 'current' or 'all'");
    }
    const bool all = p[0] == "all";
    if (all && !args.Has("--yes")) {
        return ctx.UsageError("reset",
                              "resetting all five profiles erases every key assignment, "
                              "macro and user light; confirm with --yes");
    }
    if (const int rc = ctx.Open(); rc != kExitOk) {
        return rc;
    }
    if (!ctx.session().connected) {
        ctx.ResetCurrentProfile();  // shows "Please connect the device!"
        ctx.EmitJson(Json::Object().Set("reset", false));
        return kExitNoKeyboard;
    }
    if (!ctx.json()) {
        std::fprintf(ctx.err(), "resetting %s...\n", all ? "all profiles" : "the current profile");
    }
    if (all) {
        ctx.ResetAllProfiles();
    } else {
        ctx.ResetCurrentProfile();
    }
    ctx.EmitJson(
        Json::Object().Set("reset", all ? "all" : "current").Set("profile", ctx.session().profile));
    return ctx.StatusFromMessages();
}

}  // namespace

const Command& ResetCommand() {
    static const Command c{
        "reset", "reset the current profile, or all profiles (--yes)",
        "usage: vekora-ctl reset current [--json]\n"
        "       vekora-ctl reset all --yes [--json]\n"
        "\n"
        "'current' resets the current profile's key assignments and light mode, on the\n"
        "keyboard too. 'all' resets all five profiles and erases every macro and user light\n"
        "(the window asks for confirmation; here --yes gives it). Both need a connected\n"
        "keyboard (exit 3 without one).\n",
        kOptions, Run};
    return c;
}

}  // namespace vekora::ctl
