#include "KeySyntax.h"

#include <array>
#include <cctype>
#include <cwctype>

#include "CommandLine.h"
#include "device/KeyboardLayouts.h"
#include "device/VirtualKeys.h"
#include "features/keys/KeyAssignments.h"
#include "features/keys/KeyCommands.h"
#include "features/keys/VirtualKeyNames.h"
#include "features/macros/MacroEventText.h"
#include "features/macros/RawInputEvent.h"
#include "store/Utf8.h"

namespace vekora::ctl {
namespace {

// Lower case without spaces, '-' and '_': "Page Up", "page-up" and "PAGEUP" are one name.
// A name made only of such characters ("-", "_") is kept as it is.
std::wstring Normalised(std::wstring_view text) {
    std::wstring out;
    for (wchar_t c : text) {
        if (c == L' ' || c == L'-' || c == L'_') {
            continue;
        }
        out += static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    }
    if (out.empty()) {
        out = text;
    }
    return out;
}

std::wstring Normalised(std::string_view text) {
    return Normalised(std::wstring_view(Utf8ToWide(text)));
}

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

struct Alias {
    std::wstring_view name;
    int virtualKey;
};

// Names people type that the key-name table spells differently.
constexpr std::array<Alias, 22> kAliases = {{
    {L"escape", 0x1B},   {L"return", 0x0D},    {L"win", 0x5B},   {L"lwin", 0x5B},
    {L"rwin", 0x5C},     {L"del", 0x2E},       {L"ins", 0x2D},   {L"pgup", 0x21},
    {L"pgdn", 0x22},     {L"pagedn", 0x22},    {L"caps", 0x14},  {L"prtsc", 0x2C},
    {L"printscr", 0x2C}, {L"lshift", 0xA0},    {L"lctrl", 0xA2}, {L"lalt", 0xA4},
    {L"control", 0x11},  {L"menu", 0x5D},      {L"app", 0x5D},   {L"backspace", 0x08},
    {L"grave", 0xC0},    {L"backslash", 0xDC},
}};

struct CommandNameEntry {
    int code;
    std::string_view name;
};

constexpr std::array<CommandNameEntry, 23> kCommandNames = {{
    {610, "close-window"}, {611, "toggle-window"}, {612, "show-desktop"}, {613, "undo"},
    {614, "select-all"},   {615, "find"},          {616, "new"},          {617, "print"},
    {618, "save"},         {619, "run"},           {620, "lock-pc"},      {630, "play-pause"},
    {631, "stop"},         {632, "previous"},      {633, "next"},         {634, "volume-up"},
    {635, "volume-down"},  {636, "mute"},          {650, "left-button"},  {651, "middle-button"},
    {652, "right-button"}, {653, "forward"},       {654, "backward"},
}};

enum class CommandGroup { System, Media, Mouse };

bool InGroup(int code, CommandGroup group) {
    switch (group) {
        case CommandGroup::System:
            return FindSystemCommand(code) != nullptr;
        case CommandGroup::Media:
            return FindMultimediaCommand(code) != nullptr;
        case CommandGroup::Mouse:
            return FindMouseButton(code) != nullptr;
    }
    return false;
}

std::optional<int> ParseCommandCode(std::string_view text, CommandGroup group) {
    if (const auto code = ParseIntArg(text, 600, 700)) {
        return InGroup(*code, group) ? code : std::nullopt;
    }
    const std::wstring wanted = Normalised(text);
    for (const CommandNameEntry& e : kCommandNames) {
        if (Normalised(e.name) == wanted && InGroup(e.code, group)) {
            return e.code;
        }
    }
    // The short mouse names macros use ("left", "right", ...) name the buttons too.
    if (group == CommandGroup::Mouse) {
        for (const CommandNameEntry& e : kCommandNames) {
            if (InGroup(e.code, group) && Normalised(e.name) == wanted + L"button") {
                return e.code;
            }
        }
    }
    return std::nullopt;
}

std::string GroupNames(CommandGroup group) {
    std::string out;
    for (const CommandNameEntry& e : kCommandNames) {
        if (InGroup(e.code, group)) {
            out += out.empty() ? "" : ", ";
            out += std::string(e.name) + " (" + std::to_string(e.code) + ")";
        }
    }
    return out;
}

}  // namespace

std::optional<int> ParseVirtualKey(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    const std::wstring wanted = Normalised(text);
    for (const Alias& a : kAliases) {
        if (a.name == wanted) {
            return a.virtualKey;
        }
    }
    for (int vk = 1; vk < 256; ++vk) {
        const std::wstring_view name = VirtualKeyName(vk);
        if (!name.empty() && Normalised(name) == wanted) {
            return vk;
        }
    }
    return std::nullopt;
}

std::optional<int> ParseKey(DeviceModel model, std::string_view text, std::string& error) {
    if (text.substr(0, 5) == "code:") {
        if (const auto code = ParseIntArg(text.substr(5), 1, 255)) {
            return code;
        }
        error = "bad key code '" + std::string(text.substr(5)) + "' (expected 1..255)";
        return std::nullopt;
    }
    const std::wstring wanted = Normalised(text);
    if (const KeyboardLayout* layout = LayoutOf(model)) {
        for (const LayoutKey& key : layout->keys) {
            if (Normalised(key.label) == wanted) {
                return key.code;
            }
        }
    }
    if (const auto vk = ParseVirtualKey(text)) {
        if (const auto code = FindKeyCodeOfVirtualKey(*vk)) {
            return code;
        }
    }
    error = "unknown key '" + std::string(text) +
            "' (use a label of the keyboard view, a key name such as \"Num 7\", or code:N)";
    return std::nullopt;
}

std::string_view CommandName(int code) {
    for (const CommandNameEntry& e : kCommandNames) {
        if (e.code == code) {
            return e.name;
        }
    }
    return {};
}

std::string CommandNamesHelp() {
    return "system: " + GroupNames(CommandGroup::System) +
           "\nmedia: " + GroupNames(CommandGroup::Media) +
           "\nmouse: " + GroupNames(CommandGroup::Mouse);
}

std::optional<ParsedFunction> ParseFunction(std::string_view text, std::string& error) {
    const std::string lower = Lower(text);
    ParsedFunction result;
    if (lower == "default") {
        result.assignment = MakeDefaultAssignment();
        return result;
    }
    if (lower == "fn") {
        result.assignment = MakeFnAssignment();
        return result;
    }
    if (lower == "disable") {
        result.assignment = MakeDisabledAssignment();
        return result;
    }
    const size_t colon = text.find(':');
    const std::string kind = colon == std::string_view::npos ? lower : lower.substr(0, colon);
    const std::string_view value = colon == std::string_view::npos ? "" : text.substr(colon + 1);
    const auto command = [&](CommandGroup group) -> std::optional<ParsedFunction> {
        const auto code = ParseCommandCode(value, group);
        if (!code) {
            error = "unknown function '" + std::string(text) + "' (" + kind + ": takes one of " +
                    GroupNames(group) + ")";
            return std::nullopt;
        }
        result.assignment = MakeCommandAssignment(*code);
        return result;
    };
    if (colon != std::string_view::npos) {
        if (kind == "system")
            return command(CommandGroup::System);
        if (kind == "media")
            return command(CommandGroup::Media);
        if (kind == "mouse")
            return command(CommandGroup::Mouse);
        if (kind == "macro") {
            if (const auto id = ParseIntArg(value, 1, 1 << 30)) {
                result.macroId = *id;
                return result;
            }
            error = "bad macro id '" + std::string(value) + "'";
            return std::nullopt;
        }
        if (kind == "key") {
            // [MOD+]KEY; a trailing '+' is the plus key itself ("key:ctrl++").
            std::string_view main = value;
            std::optional<int> modifier;
            const size_t plus = value.find('+');
            if (plus != std::string_view::npos && plus + 1 < value.size()) {
                const auto mod = ParseVirtualKey(value.substr(0, plus));
                const bool isModifier =
                    mod && (*mod == 0x10 || *mod == 0x11 || *mod == 0x12 || *mod == 0x5B ||
                            *mod == 0x5C || (*mod >= 0xA0 && *mod <= 0xA5));
                if (!isModifier) {
                    error = "unknown modifier '" + std::string(value.substr(0, plus)) +
                            "' (ctrl, shift, alt, win, rctrl, rshift, ralt, rwin)";
                    return std::nullopt;
                }
                modifier = mod;
                main = value.substr(plus + 1);
            }
            const auto vk = ParseVirtualKey(main);
            if (!vk || !FindKeyCodeOfVirtualKey(*vk)) {
                error = "unknown key '" + std::string(main) + "' in '" + std::string(text) + "'";
                return std::nullopt;
            }
            result.assignment = MakeKeyAssignment(*vk, modifier.value_or(0));
            return result;
        }
    }
    error = "unknown function '" + std::string(text) +
            "' (default, fn, disable, system:NAME, media:NAME, mouse:NAME, key:[MOD+]KEY, "
            "macro:ID)";
    return std::nullopt;
}

std::optional<MacroEvent> ParseMacroEvent(std::string_view text, std::string& error) {
    const size_t colon = text.find(':');
    const std::string kind = Lower(text.substr(0, colon));
    const std::string_view value = colon == std::string_view::npos ? "" : text.substr(colon + 1);
    MacroEvent event;
    if (colon != std::string_view::npos && (kind == "down" || kind == "up")) {
        const auto vk = ParseVirtualKey(value);
        if (!vk) {
            error = "unknown key '" + std::string(value) + "' in macro step '" + std::string(text) +
                    "'";
            return std::nullopt;
        }
        const RawInputEvent raw =
            ReadKeyboardEvent(*vk, kind == "down" ? key_messages::kKeyDown : key_messages::kKeyUp);
        event.type =
            static_cast<int>(kind == "down" ? MacroEventType::KeyDown : MacroEventType::KeyUp);
        event.value = raw.code;
        event.desc = raw.name;
        return event;
    }
    if (colon != std::string_view::npos && (kind == "mdown" || kind == "mup")) {
        const bool down = kind == "mdown";
        const std::string button = Lower(value);
        uint16_t flags = 0;
        if (button == "left")
            flags = down ? mouse_flags::kLeftDown : mouse_flags::kLeftUp;
        if (button == "middle")
            flags = down ? mouse_flags::kMiddleDown : mouse_flags::kMiddleUp;
        if (button == "right")
            flags = down ? mouse_flags::kRightDown : mouse_flags::kRightUp;
        if (!flags) {
            error = "unknown mouse button '" + std::string(value) + "' (left, middle, right)";
            return std::nullopt;
        }
        const RawInputEvent raw = ReadMouseEvent(flags);
        event.type = static_cast<int>(down ? MacroEventType::MouseDown : MacroEventType::MouseUp);
        event.value = raw.code;
        event.desc = raw.name;
        return event;
    }
    if (colon != std::string_view::npos && kind == "delay") {
        const auto ms = ParseIntArg(value, 0, kMaxRecordedDelayMs);
        if (!ms) {
            error = "bad delay '" + std::string(value) + "' (0.." +
                    std::to_string(kMaxRecordedDelayMs) + " ms)";
            return std::nullopt;
        }
        event.type = static_cast<int>(MacroEventType::Delay);
        event.value = *ms;
        event.desc = std::to_wstring(*ms);
        return event;
    }
    error = "bad macro step '" + std::string(text) +
            "' (down:KEY, up:KEY, mdown:BUTTON, mup:BUTTON, delay:MS)";
    return std::nullopt;
}

}  // namespace vekora::ctl
