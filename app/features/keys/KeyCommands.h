// The command tables of the key function menu: for every system, multimedia and mouse
// code its menu text and what the keyboard produces when the key is pressed (what the
// key-map uploads encode).
#pragma once

#include <optional>
#include <span>

#include "features/keys/KeyFunctionType.h"

namespace vekora {

// A system command is a shortcut: one modifier usage (224..231) with one key usage.
struct SystemCommandInfo {
    SystemCommand command;
    int textId;         // menu text and label
    int modifierUsage;  // HID keyboard usage of the modifier
    int keyUsage;       // HID keyboard usage of the key
};

struct MultimediaCommandInfo {
    MultimediaCommand command;
    int textId;
    int consumerUsage;  // usage on the HID Consumer page
};

struct MouseButtonInfo {
    MouseButtonCode button;
    int textId;
    int buttonBit;  // bit in a mouse report's button byte
};

// Group headings of the menu.
inline constexpr int kSystemCommandsTextId = 50;
inline constexpr int kMultimediaTextId = 51;
inline constexpr int kMacroTextId = 52;
inline constexpr int kMouseFunctionTextId = 53;
inline constexpr int kKeyCommandsTextId = 54;
inline constexpr int kDefaultTextId = 56;
inline constexpr int kSetAsFnTextId = 57;
inline constexpr int kDisableTextId = 58;

// In menu order.
std::span<const SystemCommandInfo> SystemCommands();
std::span<const MultimediaCommandInfo> MultimediaCommands();
std::span<const MouseButtonInfo> MouseButtons();

const SystemCommandInfo* FindSystemCommand(int code);
const MultimediaCommandInfo* FindMultimediaCommand(int code);
const MouseButtonInfo* FindMouseButton(int code);

// The function type of a command code 610..620, 630..636 or 650..654.
std::optional<KeyFunctionType> CommandFunctionType(int code);
// The text id of a command code; 0 for unknown codes.
int CommandTextId(int code);

}  // namespace vekora
