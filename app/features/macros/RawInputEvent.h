// RawInputEvent: one keyboard or mouse event as the input reader hands it to the macro
// recorder, and the decoding of the raw data into it. The desktop reader (XInput2) turns X
// events into Windows virtual-key codes and mouse button flags first, so this decoding and
// everything after it is the same on every desktop and in tests.
#pragma once

#include <cstdint>
#include <string>

namespace vekora {

enum class RawInputKind : int {
    Mouse = 1,
    Keyboard = 2,
    OtherHid = 3,
};

struct RawInputEvent {
    RawInputKind kind = RawInputKind::OtherHid;
    bool released = false;
    int code = 0;       // virtual-key code, or mouse button value (1 left, 2 middle, 3 right,
                        // 7 side press, 8 side release)
    std::wstring name;  // empty: nothing to record
};

// Button flags of a raw mouse report.
namespace mouse_flags {
inline constexpr uint16_t kLeftDown = 0x0001;
inline constexpr uint16_t kLeftUp = 0x0002;
inline constexpr uint16_t kRightDown = 0x0004;
inline constexpr uint16_t kRightUp = 0x0008;
inline constexpr uint16_t kMiddleDown = 0x0010;
inline constexpr uint16_t kMiddleUp = 0x0020;
inline constexpr uint16_t kButton4Down = 0x0040;
inline constexpr uint16_t kButton4Up = 0x0080;
inline constexpr uint16_t kButton5Down = 0x0100;
inline constexpr uint16_t kButton5Up = 0x0200;
}  // namespace mouse_flags

// Keyboard messages carried by raw keyboard data.
namespace key_messages {
inline constexpr int kKeyDown = 0x0100;
inline constexpr int kKeyUp = 0x0101;
inline constexpr int kSysKeyDown = 0x0104;
inline constexpr int kSysKeyUp = 0x0105;
}  // namespace key_messages

// Decodes mouse button flags. The flags are tested in a fixed order and the first one found
// decides; a report with none of them (movement, wheel) gives an empty name.
RawInputEvent ReadMouseEvent(uint16_t buttonFlags);

// Decodes a keyboard event: released for key-up messages, the key's name from the key-name
// table, and the generic Shift, Ctrl and Alt codes stored as their left-hand codes.
RawInputEvent ReadKeyboardEvent(int virtualKey, int message);

// Any other HID device: nothing to record.
RawInputEvent ReadOtherHidEvent();

}  // namespace vekora
