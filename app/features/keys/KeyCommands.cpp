#include "features/keys/KeyCommands.h"

#include <array>

namespace vekora {
namespace {

// HID keyboard usages used by the shortcuts.
constexpr int kLeftCtrl = 224;
constexpr int kLeftAlt = 226;
constexpr int kLeftGui = 227;

constexpr std::array<SystemCommandInfo, 11> kSystemCommands = {{
    {SystemCommand::CloseWindow, 60, kLeftAlt, 61},   // F4
    {SystemCommand::ToggleWindow, 61, kLeftAlt, 43},  // Tab
    {SystemCommand::ShowDesktop, 62, kLeftGui, 7},    // D
    {SystemCommand::Undo, 63, kLeftCtrl, 29},         // Z
    {SystemCommand::SelectAll, 64, kLeftCtrl, 4},     // A
    {SystemCommand::Find, 65, kLeftCtrl, 9},          // F
    {SystemCommand::New, 66, kLeftCtrl, 17},          // N
    {SystemCommand::Print, 67, kLeftCtrl, 19},        // P
    {SystemCommand::Save, 68, kLeftCtrl, 22},         // S
    {SystemCommand::Run, 69, kLeftGui, 21},           // R
    {SystemCommand::LockPc, 70, kLeftGui, 15},        // L
}};

constexpr std::array<MultimediaCommandInfo, 7> kMultimediaCommands = {{
    {MultimediaCommand::PlayPause, 75, 0xCD},
    {MultimediaCommand::Stop, 76, 0xB7},
    {MultimediaCommand::Previous, 77, 0xB6},
    {MultimediaCommand::Next, 78, 0xB5},
    {MultimediaCommand::VolumeUp, 79, 0xE9},
    {MultimediaCommand::VolumeDown, 80, 0xEA},
    {MultimediaCommand::Mute, 81, 0xE2},
}};

constexpr std::array<MouseButtonInfo, 5> kMouseButtons = {{
    {MouseButtonCode::Left, 82, 0x01},
    {MouseButtonCode::Right, 83, 0x02},
    {MouseButtonCode::Middle, 84, 0x04},
    {MouseButtonCode::Forward, 85, 0x10},
    {MouseButtonCode::Backward, 86, 0x08},
}};

template <typename Table, typename Field>
auto Find(const Table& table, int code, Field field) -> decltype(&table[0]) {
    for (const auto& entry : table) {
        if (static_cast<int>(entry.*field) == code) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace

std::span<const SystemCommandInfo> SystemCommands() {
    return kSystemCommands;
}
std::span<const MultimediaCommandInfo> MultimediaCommands() {
    return kMultimediaCommands;
}
std::span<const MouseButtonInfo> MouseButtons() {
    return kMouseButtons;
}

const SystemCommandInfo* FindSystemCommand(int code) {
    return Find(kSystemCommands, code, &SystemCommandInfo::command);
}
const MultimediaCommandInfo* FindMultimediaCommand(int code) {
    return Find(kMultimediaCommands, code, &MultimediaCommandInfo::command);
}
const MouseButtonInfo* FindMouseButton(int code) {
    return Find(kMouseButtons, code, &MouseButtonInfo::button);
}

std::optional<KeyFunctionType> CommandFunctionType(int code) {
    if (FindSystemCommand(code)) {
        return KeyFunctionType::SystemCommand;
    }
    if (FindMultimediaCommand(code)) {
        return KeyFunctionType::MultimediaCommand;
    }
    if (FindMouseButton(code)) {
        return KeyFunctionType::MouseButton;
    }
    return std::nullopt;
}

int CommandTextId(int code) {
    if (const auto* s = FindSystemCommand(code)) {
        return s->textId;
    }
    if (const auto* m = FindMultimediaCommand(code)) {
        return m->textId;
    }
    if (const auto* b = FindMouseButton(code)) {
        return b->textId;
    }
    return 0;
}

}  // namespace vekora
