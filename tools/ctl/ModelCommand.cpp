// `vekora-ctl model CODE`: makes CODE the current model as a choice in the window's device
// list does. The choice is kept as "DevType" and holds for later invocations until a known
// keyboard is recognised.
#include "Commands.h"
#include "Context.h"
#include "device/ModelCatalogue.h"
#include "device/ModelNames.h"
#include "store/Settings.h"

namespace vekora::ctl {
namespace {

int Run(Context& ctx, const CommandArgs& args) {
    if (args.positional.size() != 1) {
        return ctx.UsageError("model", "expects one model CODE (see 'vekora-ctl models')");
    }
    const auto code = ParseIntArg(args.positional[0], 1, 1000);
    const DeviceModel model = code ? DeviceModelFromCode(*code) : DeviceModel::None;
    if (model == DeviceModel::None || DatabaseStem(model).empty()) {
        return ctx.UsageError("model", "'" + args.positional[0] +
                                           "' is not the code of a keyboard model (see "
                                           "'vekora-ctl models')");
    }
    if (const int rc = ctx.Open(); rc != kExitOk) {
        return rc;
    }
    if (ctx.session().connected && ctx.session().model != model &&
        !ctx.devices().Connected(model)) {
        return ctx.Fail(kExitRefused, "a " + std::string(KeyboardDescription(ctx.session().model)) +
                                          " keyboard is connected; its model stays current");
    }
    if (!WriteLastModel(model)) {
        return ctx.Fail(kExitFailure,
                        "cannot store the model choice in " + SettingsFile().string());
    }
    if (ctx.json()) {
        Json j = Json::Object();
        j.Set("model", ToCode(model));
        j.Set("model_name", DeviceModelName(model));
        j.Set("keyboard", KeyboardDescription(model));
        j.Set("profile", LoadModelProfile(model));
        ctx.EmitJson(std::move(j));
    } else {
        ctx.Print("model: " + std::to_string(ToCode(model)) + " " +
                  std::string(DeviceModelName(model)) + " (" +
                  std::string(KeyboardDescription(model)) + ")");
    }
    return kExitOk;
}

}  // namespace

const Command& ModelCommand() {
    static const Command c{
        "model",
        "make a keyboard model current (as the window's device list does)",
        "usage: vekora-ctl model CODE [--json]\n"
        "\n"
        "Makes model CODE current, as picking it in the window's device list does. The\n"
        "choice is kept (as \"DevType\") for later invocations until a known keyboard is\n"
        "recognised. While a keyboard of another model is connected its model stays\n"
        "current (exit 4). Codes: see 'vekora-ctl models'.\n",
        {},
        Run};
    return c;
}

}  // namespace vekora::ctl
