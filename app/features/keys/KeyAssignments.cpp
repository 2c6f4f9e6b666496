#include "features/keys/KeyAssignments.h"

#include "device/VirtualKeys.h"
#include "features/keys/KeyCommands.h"
#include "features/keys/KeyFunctionType.h"
#include "features/keys/VirtualKeyNames.h"

namespace vekora {
namespace {

KeyAssignment Make(KeyFunctionType type, int value, int value2, std::wstring label) {
    KeyAssignment a{};
    a.macro_type = ToCode(type);
    a.macro_value = value;
    a.macro_value2 = value2;
    a.macro_desc = std::move(label);
    return a;
}

// The key capture may report the generic modifier codes; they stand for the left-hand keys.
int SidedVirtualKey(int virtualKey) {
    switch (virtualKey) {
        case vk::kShift:
            return vk::kLeftShift;
        case vk::kControl:
            return vk::kLeftControl;
        case vk::kMenu:
            return vk::kLeftMenu;
        default:
            return virtualKey;
    }
}

int UsageOfVirtualKey(int virtualKey) {
    if (virtualKey == 0) {
        return 0;
    }
    return FindKeyCodeOfVirtualKey(SidedVirtualKey(virtualKey)).value_or(0);
}

}  // namespace

KeyAssignment MakeDefaultAssignment() {
    return KeyAssignment{};
}

KeyAssignment MakeFnAssignment() {
    return Make(KeyFunctionType::KeyCombination, kFnUsage, 0, L"Fn");
}

KeyAssignment MakeDisabledAssignment() {
    return Make(KeyFunctionType::Disabled, kDisabledValue, 0, L"Disable");
}

std::optional<KeyAssignment> MakeCommandAssignment(int code, const TextLookup& text) {
    const std::optional<KeyFunctionType> type = CommandFunctionType(code);
    if (!type) {
        return std::nullopt;
    }
    return Make(*type, code, 0, text(CommandTextId(code)));
}

KeyAssignment MakeKeyAssignment(int mainVirtualKey, int modifierVirtualKey) {
    const std::wstring mainName(VirtualKeyName(SidedVirtualKey(mainVirtualKey)));
    std::wstring label = mainName;
    if (modifierVirtualKey != 0) {
        label = std::wstring(VirtualKeyName(SidedVirtualKey(modifierVirtualKey))) + L"+" + mainName;
    }
    return Make(KeyFunctionType::KeyCombination, UsageOfVirtualKey(mainVirtualKey),
                UsageOfVirtualKey(modifierVirtualKey), std::move(label));
}

KeyAssignment MakeMacroAssignment(const MacroDefinition& macro) {
    return Make(KeyFunctionType::Macro, macro.macro_id, 0, macro.name);
}

}  // namespace vekora
