#include "features/keys/VirtualKeyNames.h"

#include <array>

namespace vekora {
namespace {

struct Named {
    int virtualKey;
    std::wstring_view name;
};

// Names as the system's key-name text gives them for a US layout, with the program's own
// names for the modifiers and the few keys whose system names are unhelpful.
constexpr std::array<Named, 67> kNamedKeys = {{
    {0x08, L"Backspace"},
    {0x09, L"Tab"},
    {0x0C, L"Clear"},
    {0x0D, L"Enter"},
    {0x10, L"Shift"},
    {0x11, L"Ctrl"},
    {0x12, L"Alt"},
    {0x13, L"Pause"},
    {0x14, L"Caps Lock"},
    {0x1B, L"Esc"},
    {0x20, L"Space"},
    {0x21, L"Page Up"},
    {0x22, L"Page Down"},
    {0x23, L"End"},
    {0x24, L"Home"},
    {0x25, L"Left"},
    {0x26, L"Up"},
    {0x27, L"Right"},
    {0x28, L"Down"},
    {0x2C, L"Print Screen"},
    {0x2D, L"Insert"},
    {0x2E, L"Delete"},
    {0x5B, L"Windows"},
    {0x5C, L"RWindows"},
    {0x5D, L"Application"},
    {0x60, L"Num 0"},
    {0x61, L"Num 1"},
    {0x62, L"Num 2"},
    {0x63, L"Num 3"},
    {0x64, L"Num 4"},
    {0x65, L"Num 5"},
    {0x66, L"Num 6"},
    {0x67, L"Num 7"},
    {0x68, L"Num 8"},
    {0x69, L"Num 9"},
    {0x6A, L"Num *"},
    {0x6B, L"Num +"},
    {0x6D, L"Num -"},
    {0x6E, L"Num Del"},
    {0x6F, L"Num /"},
    {0x90, L"Num Lock"},
    {0x91, L"Scroll Lock"},
    {0xA0, L"Shift"},
    {0xA1, L"RShift"},
    {0xA2, L"Ctrl"},
    {0xA3, L"RCtrl"},
    {0xA4, L"Alt"},
    {0xA5, L"RAlt"},
    {0xAD, L"Mute"},
    {0xAE, L"Volume Down"},
    {0xAF, L"Volume Up"},
    {0xB0, L"Next Track"},
    {0xB1, L"Previous Track"},
    {0xB2, L"Stop"},
    {0xB3, L"Play/Pause"},
    {0xBA, L";"},
    {0xBB, L"="},
    {0xBC, L","},
    {0xBD, L"-"},
    {0xBE, L"."},
    {0xBF, L"/"},
    {0xC0, L"`"},
    {0xDB, L"["},
    {0xDC, L"\\"},
    {0xDD, L"]"},
    {0xDE, L"'"},
    {0xE2, L"\\"},
}};

// "A".."Z", "0".."9" and "F1".."F24" are computed rather than listed.
constexpr std::array<std::wstring_view, 24> kFunctionKeys = {
    L"F1",  L"F2",  L"F3",  L"F4",  L"F5",  L"F6",  L"F7",  L"F8",  L"F9",  L"F10", L"F11", L"F12",
    L"F13", L"F14", L"F15", L"F16", L"F17", L"F18", L"F19", L"F20", L"F21", L"F22", L"F23", L"F24",
};
constexpr std::wstring_view kLettersAndDigits = L"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

}  // namespace

std::wstring_view VirtualKeyName(int virtualKey) {
    if (virtualKey >= 0x30 && virtualKey <= 0x39) {
        return kLettersAndDigits.substr(virtualKey - 0x30, 1);
    }
    if (virtualKey >= 0x41 && virtualKey <= 0x5A) {
        return kLettersAndDigits.substr(10 + virtualKey - 0x41, 1);
    }
    if (virtualKey >= 0x70 && virtualKey <= 0x87) {
        return kFunctionKeys[virtualKey - 0x70];
    }
    for (const auto& entry : kNamedKeys) {
        if (entry.virtualKey == virtualKey) {
            return entry.name;
        }
    }
    return {};
}

}  // namespace vekora
