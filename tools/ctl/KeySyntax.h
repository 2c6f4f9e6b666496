// The command line's names for keys, key functions and macro steps:
//   KEY       a key label as the keyboard view shows it ("A", "Esc", "F1", "Space", "Caps"),
//             a key name as key capture and macros show it ("Num 7", "RShift", "Page Up"),
//             or code:N (the key code itself);
//   FUNCTION  default | fn | disable | system:N|NAME | media:N|NAME | mouse:N|NAME |
//             key:[MOD+]KEY | macro:ID
//   EVENT     down:KEY | up:KEY | mdown:left|middle|right | mup:... | delay:MS
// Names are matched without regard to case, spaces, '-' and '_'.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "device/DeviceModel.h"
#include "store/Records.h"

namespace vekora::ctl {

// The key code of KEY on the model's keyboard view (a label shown on two keys means the
// first, left or upper one). Keys given by name or code:N need not be on the view.
std::optional<int> ParseKey(DeviceModel model, std::string_view text, std::string& error);

// The Windows virtual-key code of a key name ("z", "F5", "Enter", "Num 7", "RShift", ...).
std::optional<int> ParseVirtualKey(std::string_view text);

// The command-line name of a system, multimedia or mouse command code ("close-window",
// "play-pause", "right-button"); empty for other codes.
std::string_view CommandName(int code);

// What FUNCTION asks for: an assignment ready to apply, or a macro to attach by id.
struct ParsedFunction {
    std::optional<KeyAssignment> assignment;
    std::optional<int> macroId;
};
std::optional<ParsedFunction> ParseFunction(std::string_view text, std::string& error);

// One macro step from EVENT.
std::optional<MacroEvent> ParseMacroEvent(std::string_view text, std::string& error);

// The names accepted by system:, media: and mouse:, for help and error texts.
std::string CommandNamesHelp();

}  // namespace vekora::ctl
