// `vekora-ctl userlight ...`: the user lights (named per-key colour layouts) and the
// keyboard's five custom slots, as the lighting page's user-light list and colour picker.
#include <map>
#include <set>

#include "Commands.h"
#include "Context.h"
#include "KeySyntax.h"
#include "device/KeyLabels.h"
#include "device/hid/HexDigit.h"
#include "store/Utf8.h"

namespace vekora::ctl {
namespace {

std::optional<uint32_t> ParseColour(std::string_view text) {
    if (text == "none" || text == "off") {
        return 0u;
    }
    if (!text.empty() && text[0] == '#') {
        text.remove_prefix(1);
    }
    if (text.size() != 6) {
        return std::nullopt;
    }
    uint32_t rgb = 0;
    for (char c : text) {
        const int digit = HexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        rgb = rgb * 16 + static_cast<uint32_t>(digit);
    }
    // 0xRRGGBB as typed, 0x00BBGGRR as stored.
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

// The list index of user light `id`, or -1.
int IndexOf(LightingController& lighting, int id) {
    const auto& lights = lighting.UserLights();
    for (size_t i = 0; i < lights.size(); ++i) {
        if (lights[i].lightId == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::vector<int> SlotsOf(ConfigDatabase& db, int id) {
    std::vector<int> slots;
    for (int slot = 1; slot <= 5; ++slot) {
        std::string value;
        if (db.GetConfig(slot, kUserLightKey, value) &&
            db.GetConfigInt(slot, kUserLightKey) == id) {
            slots.push_back(slot);
        }
    }
    return slots;
}

Json LightJson(Context& ctx, const UserLightListItem& item) {
    Json slots = Json::Array();
    for (int s : SlotsOf(ctx.db(), item.lightId)) {
        slots.Push(s);
    }
    return Json::Object()
        .Set("light_id", item.lightId)
        .Set("name", item.name)
        .Set("slots", std::move(slots));
}

std::string LightLine(Context& ctx, const UserLightListItem& item) {
    std::string slots;
    for (int s : SlotsOf(ctx.db(), item.lightId)) {
        slots += slots.empty() ? "  slot " : ", ";
        slots += std::to_string(s);
    }
    char line[256];
    std::snprintf(line, sizeof line, "%4d  %s%s", item.lightId, WideToUtf8(item.name).c_str(),
                  slots.c_str());
    return line;
}

int List(Context& ctx) {
    Json list = Json::Array();
    for (const UserLightListItem& item : ctx.lighting().UserLights()) {
        list.Push(LightJson(ctx, item));
        ctx.Print(LightLine(ctx, item));
    }
    ctx.EmitJson(Json::Object().Set("user_lights", std::move(list)));
    return kExitOk;
}

int Show(Context& ctx, int id, int index) {
    const UserLightListItem item = ctx.lighting().UserLights()[static_cast<size_t>(index)];
    std::vector<KeyColour> colours;
    ctx.db().LoadKeyColours(id, colours);
    Json keys = Json::Array();
    ctx.Print(LightLine(ctx, item));
    for (const KeyColour& c : colours) {
        const std::wstring_view label = KeyLabelOf(c.key_code);
        const std::string colour = ColourText(static_cast<uint32_t>(c.key_rgb));
        keys.Push(Json::Object()
                      .Set("key_code", c.key_code)
                      .Set("key_label", WideToUtf8(label))
                      .Set("key_rgb", c.key_rgb)
                      .Set("colour", colour));
        char line[96];
        std::snprintf(line, sizeof line, "  %-10s code %-3d %s", WideToUtf8(label).c_str(),
                      c.key_code, colour.c_str());
        ctx.Print(line);
    }
    Json j = LightJson(ctx, item);
    j.Set("keys", std::move(keys));
    ctx.EmitJson(std::move(j));
    return kExitOk;
}

int Paint(Context& ctx, int index, const std::vector<std::string>& pairs, bool clear) {
    // Every pair is checked before anything is changed.
    std::vector<std::pair<int, uint32_t>> paints;
    for (const std::string& pair : pairs) {
        const size_t eq = pair.rfind('=');
        if (eq == std::string::npos || eq == 0) {
            return ctx.UsageError("userlight", "expected KEY=#RRGGBB, got '" + pair + "'");
        }
        std::string error;
        const auto code = ParseKey(ctx.session().model, pair.substr(0, eq), error);
        if (!code) {
            return ctx.UsageError("userlight", error);
        }
        if (!ctx.view().HasKey(*code)) {
            return ctx.UsageError("userlight", "the keyboard view of this model has no key '" +
                                                   pair.substr(0, eq) + "'");
        }
        const auto colour = ParseColour(std::string_view(pair).substr(eq + 1));
        if (!colour) {
            return ctx.UsageError("userlight",
                                  "bad colour '" + pair.substr(eq + 1) + "' (#RRGGBB or none)");
        }
        paints.emplace_back(*code, *colour);
    }
    LightingController& lighting = ctx.lighting();
    lighting.SelectUserLight(index);
    if (lighting.RefuseReadOnlyEdit()) {
        return kExitRefused;
    }
    // The view takes every colour; one colour-picker action then stores the whole layout and
    // sends it once.
    if (clear) {
        ctx.view().ClearKeyColours();
    }
    std::set<int> last;
    uint32_t lastColour = 0;
    for (const auto& [code, colour] : paints) {
        ctx.view().SetKeyColour(code, colour);
        last = {code};
        lastColour = colour;
    }
    ctx.view().SelectKeys(last);
    if (!lighting.ColourSelectedKeys(lastColour)) {
        return ctx.StatusFromMessages(kExitFailure);
    }
    return ctx.StatusFromMessages();
}

int Run(Context& ctx, const CommandArgs& args) {
    const auto& p = args.positional;
    if (p.empty()) {
        return ctx.UsageError("userlight", "expects a subcommand");
    }
    const std::string& sub = p[0];
    const auto needs = [&](size_t count) { return p.size() == count; };
    const bool known = (sub == "list" && needs(1)) || (sub == "add" && p.size() <= 2) ||
                       (sub == "rename" && needs(3)) || (sub == "delete" && needs(2)) ||
                       (sub == "show" && needs(2)) || (sub == "paint" && p.size() >= 3) ||
                       (sub == "clear" && p.size() >= 2) || (sub == "select" && needs(2)) ||
                       (sub == "save-slot" && needs(3));
    if (!known) {
        return ctx.UsageError("userlight", "bad subcommand or arguments: '" + sub + "'");
    }
    std::optional<int> id;
    if (sub != "list" && sub != "add") {
        id = ParseIntArg(p[1], 1, 1 << 30);
        if (!id) {
            return ctx.UsageError("userlight", "bad user light id '" + p[1] + "'");
        }
    }
    std::optional<int> slot;
    if (sub == "save-slot") {
        slot = ParseIntArg(p[2], 1, 5);
        if (!slot) {
            return ctx.UsageError("userlight", "no slot '" + p[2] + "': slots are 1..5");
        }
    }
    if (sub == "rename" && p[2].empty()) {
        return ctx.UsageError("userlight", "the new name is empty");
    }
    if (const int rc = ctx.Open(); rc != kExitOk) {
        return rc;
    }
    LightingController& lighting = ctx.lighting();
    if (sub == "list") {
        return List(ctx);
    }
    if (sub == "add") {
        if (!lighting.AddUserLight()) {
            return ctx.StatusFromMessages(ctx.Fail(kExitFailure, "the user light was not added"));
        }
        const int index = lighting.SelectedIndex();
        if (p.size() == 2 && !p[1].empty()) {
            lighting.RenameUserLight(index, Utf8ToWide(p[1]));
        }
        const UserLightListItem item = lighting.UserLights()[static_cast<size_t>(index)];
        ctx.Print(LightLine(ctx, item));
        ctx.EmitJson(LightJson(ctx, item));
        return kExitOk;
    }
    const int index = IndexOf(lighting, *id);
    if (index < 0) {
        return ctx.Fail(kExitFailure, "no user light with id " + std::to_string(*id) +
                                          " (see 'vekora-ctl userlight list')");
    }
    if (sub == "show") {
        return Show(ctx, *id, index);
    }
    if (sub == "rename") {
        if (!lighting.RenameUserLight(index, Utf8ToWide(p[2]))) {
            return ctx.StatusFromMessages(kExitFailure);
        }
        const UserLightListItem item = lighting.UserLights()[static_cast<size_t>(index)];
        ctx.Print(LightLine(ctx, item));
        ctx.EmitJson(LightJson(ctx, item));
        return kExitOk;
    }
    if (sub == "delete") {
        if (!lighting.DeleteUserLight(index)) {
            return ctx.StatusFromMessages(kExitFailure);
        }
        ctx.Print("deleted user light " + std::to_string(*id));
        ctx.EmitJson(Json::Object().Set("light_id", *id).Set("deleted", true));
        return kExitOk;
    }
    if (sub == "paint" || sub == "clear") {
        const std::vector<std::string> pairs(p.begin() + 2, p.end());
        const int rc = Paint(ctx, index, pairs, sub == "clear");
        if (rc == kExitOk) {
            ctx.Print(sub == "clear" ? "cleared user light " + std::to_string(*id)
                                     : "painted " + std::to_string(pairs.size()) +
                                           (pairs.size() == 1 ? " key" : " keys"));
            ctx.EmitJson(LightJson(ctx, lighting.UserLights()[static_cast<size_t>(index)]));
        }
        return rc;
    }
    if (sub == "select") {
        lighting.SelectUserLight(index);
        ctx.ApplyUserLight(*id);
        ctx.Print("user light " + std::to_string(*id) + " shown in slot " +
                  std::to_string(ctx.session().currentSlot));
        ctx.EmitJson(LightJson(ctx, lighting.UserLights()[static_cast<size_t>(index)])
                         .Set("slot", ctx.session().currentSlot));
        return ctx.StatusFromMessages();
    }
    // save-slot
    lighting.SelectUserLight(index);
    if (!lighting.SaveToSlot(*slot)) {
        return ctx.StatusFromMessages(kExitFailure);
    }
    ctx.Print("user light " + std::to_string(*id) + " saved in slot " + std::to_string(*slot));
    ctx.EmitJson(LightJson(ctx, lighting.UserLights()[static_cast<size_t>(index)]));
    return ctx.StatusFromMessages();
}

}  // namespace

const Command& UserLightCommand() {
    static const Command c{
        "userlight",
        "user lights: list, add, rename, delete, show, paint, clear, select, save",
        "usage: vekora-ctl userlight SUBCOMMAND [--json]\n"
        "\n"
        "  list                         the user lights, with the slots that hold them\n"
        "  add [NAME]                   a new, empty user light (\"Light N\" unless named)\n"
        "  rename ID NAME               renames user light ID\n"
        "  delete ID                    deletes it (the last one is kept)\n"
        "  show ID                      its coloured keys\n"
        "  paint ID KEY=#RRGGBB...      colours keys (none: unlit) and sends the layout\n"
        "  clear ID [KEY=#RRGGBB...]    unlights every key (then paints the given ones)\n"
        "  select ID                    shows it on the keyboard in the current slot\n"
        "  save-slot ID SLOT            stores it in custom slot 1..5 and sends it there\n"
        "\n"
        "KEY as for 'vekora-ctl key'. On the single-colour 61-key SE and 87-key keyboards\n"
        "Profile E refuses changes (exit 4).\n",
        {},
        Run};
    return c;
}

}  // namespace vekora::ctl
