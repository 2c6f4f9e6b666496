// `vekora-ctl devices`: the keyboards the device scan finds, with the known model each is.
#include "Commands.h"
#include "Context.h"
#include "device/ModelCatalogue.h"
#include "device/ModelNames.h"
#include "store/Utf8.h"

namespace vekora::ctl {
namespace {

int Run(Context& ctx, const CommandArgs& args) {
    if (!args.positional.empty()) {
        return ctx.UsageError("devices", "takes no arguments");
    }
    if (const int rc = ctx.Open(); rc != kExitOk) {
        return rc;
    }
    DeviceAccess& devices = ctx.devices();
    Json list = Json::Array();
    const auto& found = devices.manager().Devices();
    for (size_t i = 0; i < found.size(); ++i) {
        const KeyboardDevice& d = *found[i];
        DeviceModel model = DeviceModel::None;
        for (const KnownDevice& k : devices.session().knownDevices) {
            if (k.deviceIndex == static_cast<int>(i)) {
                model = k.model;
            }
        }
        const bool current = model != DeviceModel::None && model == ctx.session().model;
        char ids[16];
        std::snprintf(ids, sizeof ids, "%04x:%04x", d.vendorId, d.productId);
        list.Push(Json::Object()
                      .Set("index", static_cast<int>(i))
                      .Set("vendor_id", d.vendorId)
                      .Set("product_id", d.productId)
                      .Set("manufacturer", d.manufacturer)
                      .Set("product", d.product)
                      .Set("release", d.release)
                      .Set("model", ToCode(model))
                      .Set("model_name", DeviceModelName(model))
                      .Set("current", current));
        char line[320];
        std::snprintf(line, sizeof line, "%c %d  %s  %-14s %-22s rel %-5s %s", current ? '*' : ' ',
                      static_cast<int>(i), ids, WideToUtf8(d.manufacturer).c_str(),
                      WideToUtf8(d.product).c_str(), WideToUtf8(d.release).c_str(),
                      model == DeviceModel::None ? "(not a known keyboard)"
                                                 : ("model " + std::to_string(ToCode(model)) + " " +
                                                    std::string(DeviceModelName(model)) + " (" +
                                                    std::string(KeyboardDescription(model)) + ")")
                                                       .c_str());
        ctx.Print(line);
    }
    if (found.empty()) {
        ctx.Print("no keyboard found (see 'vekora-ctl doctor')");
    }
    ctx.EmitJson(Json::Object().Set("devices", std::move(list)));
    return found.empty() ? kExitNoKeyboard : kExitOk;
}

}  // namespace

const Command& DevicesCommand() {
    static const Command c{"devices",
                           "list the keyboards the scan finds",
                           "usage: vekora-ctl devices [--json]\n"
                           "\n"
                           "Scans for keyboards and lists each: index, vendor and product ids,\n"
                           "manufacturer, product, release, and the known model it is ('*'\n"
                           "marks the current one). Exit 3 when none is found.\n",
                           {},
                           Run};
    return c;
}

}  // namespace vekora::ctl
