// The one table from Windows virtual-key codes (the codes macros store and the key capture
// reports) to the key names a user sees: "A", "Enter", "Shift", "Ctrl", "Alt", "Windows",
// "RShift", "Num 7", "F5", ... Used by the macro recorder and the key capture alike, so a
// key is called the same in a macro's event list and on a key's label.
#pragma once

#include <string_view>

namespace vekora {

// Windows virtual-key codes that the program treats specially.
namespace vk {
inline constexpr int kShift = 0x10;
inline constexpr int kControl = 0x11;
inline constexpr int kMenu = 0x12;  // Alt
inline constexpr int kPause = 0x13;
inline constexpr int kPrior = 0x21;  // Page Up
inline constexpr int kDown = 0x28;
inline constexpr int kSnapshot = 0x2C;  // Print Screen
inline constexpr int kInsert = 0x2D;
inline constexpr int kDelete = 0x2E;
inline constexpr int kLeftWin = 0x5B;
inline constexpr int kRightWin = 0x5C;
inline constexpr int kApps = 0x5D;
inline constexpr int kNumLock = 0x90;
inline constexpr int kLeftShift = 0xA0;
inline constexpr int kRightShift = 0xA1;
inline constexpr int kLeftControl = 0xA2;
inline constexpr int kRightControl = 0xA3;
inline constexpr int kLeftMenu = 0xA4;
inline constexpr int kRightMenu = 0xA5;
}  // namespace vk

// The name of a virtual key; empty for codes that no key of a keyboard produces.
std::wstring_view VirtualKeyName(int virtualKey);

}  // namespace vekora
