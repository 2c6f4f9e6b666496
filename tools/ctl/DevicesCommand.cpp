// `vekora-ctl devices`: the keyboards the device scan finds.
#include "Commands.h"
#include "Context.h"

namespace vekora::ctl {
namespace {

int Run(Context& ctx, const CommandArgs& args) {
    if (!args.positional.empty()) {
        return ctx.UsageError("devices", "takes no arguments");
    }
    return ctx.Fail(kExitFailure, "this build of vekora-ctl has no HID device access");
}

}  // namespace

const Command& DevicesCommand() {
    static const Command c{"devices",
                           "list the keyboards the scan finds",
                           "usage: vekora-ctl devices [--json]\n",
                           {},
                           Run};
    return c;
}

}  // namespace vekora::ctl
