// `vekora-ctl lock win|alttab|altf4 on|off`: the game-mode switches (flow F).
#include "Commands.h"
#include "Context.h"

namespace vekora::ctl {
namespace {

int Run(Context& ctx, const CommandArgs& args) {
    const auto& p = args.positional;
    if (p.size() != 2) {
        return ctx.UsageError("lock", "expects win|alttab|altf4 and on|off");
    }
    const char* key = p[0] == "win"      ? "disable_win"
                      : p[0] == "alttab" ? "disable_alttab"
                      : p[0] == "altf4"  ? "disable_altf4"
                                         : nullptr;
    if (!key) {
        return ctx.UsageError("lock", "no lock '" + p[0] + "' (win, alttab, altf4)");
    }
    if (p[1] != "on" && p[1] != "off") {
        return ctx.UsageError("lock", "expected on or off, got '" + p[1] + "'");
    }
    if (const int rc = ctx.Open(); rc != kExitOk) {
        return rc;
    }
    const bool on = p[1] == "on";
    ctx.SetLock(key, on);
    if (ctx.json()) {
        Json j = Json::Object();
        j.Set("profile", ctx.session().profile);
        for (const char* k : {"disable_win", "disable_alttab", "disable_altf4"}) {
            j.Set(k, ctx.db().GetConfigInt(ctx.session().profile, k));
        }
        j.Set("sent", ctx.session().connected);
        ctx.EmitJson(std::move(j));
    } else {
        ctx.Print(p[0] + " lock " + p[1] +
                  (ctx.session().connected ? "" : " (stored; no keyboard connected)"));
    }
    return ctx.StatusFromMessages();
}

}  // namespace

const Command& LockCommand() {
    static const Command c{"lock",
                           "lock the Windows key, Alt+Tab or Alt+F4 (game mode)",
                           "usage: vekora-ctl lock win|alttab|altf4 on|off [--json]\n"
                           "\n"
                           "Turns one game-mode lock of the current profile on or off and sends\n"
                           "all three to the keyboard.\n",
                           {},
                           Run};
    return c;
}

}  // namespace vekora::ctl
