#include "features/macros/RawInputEvent.h"

#include <array>

#include "features/keys/VirtualKeyNames.h"

namespace vekora {
namespace {

struct MouseFlagRule {
    uint16_t flag;
    const wchar_t* name;
    int code;
    bool released;
};

constexpr std::array<MouseFlagRule, 10> kMouseRules = {{
    {mouse_flags::kLeftDown, L"mouse_left", 1, false},
    {mouse_flags::kMiddleDown, L"mouse_middle", 2, false},
    {mouse_flags::kRightDown, L"mouse_right", 3, false},
    {mouse_flags::kLeftUp, L"mouse_left", 1, true},
    {mouse_flags::kMiddleUp, L"mouse_middle", 2, true},
    {mouse_flags::kRightUp, L"mouse_right", 3, true},
    {mouse_flags::kButton4Down, L"mouse_button4", 7, false},
    {mouse_flags::kButton4Up, L"mouse_button4", 8, true},
    {mouse_flags::kButton5Down, L"mouse_button5", 7, false},
    {mouse_flags::kButton5Up, L"mouse_button5", 8, true},
}};

}  // namespace

RawInputEvent ReadMouseEvent(uint16_t buttonFlags) {
    RawInputEvent event;
    event.kind = RawInputKind::Mouse;
    for (const auto& rule : kMouseRules) {
        if (buttonFlags & rule.flag) {
            event.name = rule.name;
            event.code = rule.code;
            event.released = rule.released;
            break;
        }
    }
    return event;
}

RawInputEvent ReadKeyboardEvent(int virtualKey, int message) {
    RawInputEvent event;
    event.kind = RawInputKind::Keyboard;
    event.released = message == key_messages::kKeyUp || message == key_messages::kSysKeyUp;
    event.code = virtualKey;
    event.name = std::wstring(VirtualKeyName(virtualKey));
    // The generic modifier codes do not say which side was pressed; they are stored as the
    // left-hand keys, which is what the keyboard plays back.
    switch (virtualKey) {
        case vk::kShift:
            event.code = vk::kLeftShift;
            break;
        case vk::kControl:
            event.code = vk::kLeftControl;
            break;
        case vk::kMenu:
            event.code = vk::kLeftMenu;
            break;
        default:
            break;
    }
    return event;
}

RawInputEvent ReadOtherHidEvent() {
    return RawInputEvent{};
}

}  // namespace vekora
