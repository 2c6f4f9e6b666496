// `vekora-ctl profile [1-5]`: shows the current profile or selects one (flow B).
#include "Commands.h"
#include "Context.h"

namespace vekora::ctl {
namespace {

int Run(Context& ctx, const CommandArgs& args) {
    if (args.positional.size() > 1) {
        return ctx.UsageError("profile", "expects at most one profile number 1..5");
    }
    std::optional<int> wanted;
    if (!args.positional.empty()) {
        wanted = ParseIntArg(args.positional[0], 1, 5);
        if (!wanted) {
            return ctx.UsageError("profile", "no profile '" + args.positional[0] +
                                                 "': profiles are 1..5 (Profile A..E)");
        }
    }
    if (const int rc = ctx.Open(); rc != kExitOk) {
        return rc;
    }
    if (wanted) {
        ctx.SelectProfile(*wanted);
    }
    const int profile = ctx.session().profile;
    if (ctx.json()) {
        Json j = Json::Object();
        j.Set("profile", profile);
        j.Set("profile_title", ProfileTitle(profile));
        j.Set("connected", ctx.session().connected);
        ctx.EmitJson(std::move(j));
    } else {
        ctx.Print("profile: " + std::to_string(profile) + " (" + ProfileTitle(profile) + ")");
    }
    return ctx.StatusFromMessages();
}

}  // namespace

const Command& ProfileCommand() {
    static const Command c{
        "profile",
        "show or select the profile (1..5)",
        "usage: vekora-ctl profile [1-5] [--json]\n"
        "\n"
        "Without an argument shows the current profile. With one, selects that profile as\n"
        "the window's profile menu does: the keyboard is told (where the model takes it),\n"
        "and the profile's key map, light mode and locks are sent.\n"
        "Profiles 1..5 are shown as \"Profile A\" .. \"Profile E\".\n",
        {},
        Run};
    return c;
}

}  // namespace vekora::ctl
