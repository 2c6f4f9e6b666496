#include "device/protocol/KeyMapEntries.h"

#include <algorithm>

#include "device/KeyCodes.h"

namespace vekora {

namespace {

constexpr std::uint8_t kShortTypeMouse = 1;
constexpr std::uint8_t kShortTypeKey = 2;
constexpr std::uint8_t kShortTypeMultimedia = 3;
constexpr std::uint8_t kShortTypeDisabled = 5;
constexpr std::uint8_t kShortTypeMacro = 6;

constexpr std::uint8_t kLongTypeKey = 0;
constexpr std::uint8_t kLongTypeMouse = 1;
constexpr std::uint8_t kLongTypeMultimedia = 2;
constexpr std::uint8_t kLongTypeMacro = 3;
constexpr std::uint8_t kLongTypeFn = 0x0D;

std::uint8_t Byte(int v) {
    return static_cast<std::uint8_t>(v & 0xFF);
}

// Play counts are stored as 1..255; anything outside is clamped to what a byte carries.
std::uint8_t PlayTimes(const MacroDefinition& m) {
    return static_cast<std::uint8_t>(std::clamp(m.play_times, 0, 255));
}

}  // namespace

std::optional<std::array<std::uint8_t, 2>> SystemShortcut(int value) {
    static constexpr std::array<std::array<std::uint8_t, 2>, 11> kPairs = {{
        {0x04, 0x3D},  // 610 Alt+F4
        {0x04, 0x2B},  // 611 Alt+Tab
        {0x08, 0x07},  // 612 Windows+D
        {0x01, 0x1D},  // 613 Ctrl+Z
        {0x01, 0x04},  // 614 Ctrl+A
        {0x01, 0x09},  // 615 Ctrl+F
        {0x01, 0x11},  // 616 Ctrl+N
        {0x01, 0x13},  // 617 Ctrl+P
        {0x01, 0x16},  // 618 Ctrl+S
        {0x08, 0x15},  // 619 Windows+R
        {0x08, 0x0F},  // 620 Windows+L
    }};
    if (value < 610 || value > 620) {
        return std::nullopt;
    }
    return kPairs[static_cast<std::size_t>(value - 610)];
}

std::optional<std::uint8_t> ConsumerCode(int value) {
    static constexpr std::array<std::uint8_t, 7> kCodes = {0xCD, 0xB7, 0xB6, 0xB5,
                                                           0xE9, 0xEA, 0xE2};
    if (value < 630 || value > 636) {
        return std::nullopt;
    }
    return kCodes[static_cast<std::size_t>(value - 630)];
}

std::optional<std::uint8_t> MouseButtonCode(int value) {
    static constexpr std::array<std::uint8_t, 5> kCodes = {0x01, 0x04, 0x02, 0x10, 0x08};
    if (value < 650 || value > 654) {
        return std::nullopt;
    }
    return kCodes[static_cast<std::size_t>(value - 650)];
}

std::optional<int> MacroPosition(const std::vector<MacroDefinition>& macros, int macroId) {
    for (std::size_t i = 0; i < macros.size(); ++i) {
        if (macros[i].macro_id == macroId) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::optional<KeyMapEntry> ShortKeyMapEntry(const KeyAssignment& a,
                                            const std::vector<MacroDefinition>& macros) {
    switch (a.macro_type) {
        case kFunctionSystem: {
            auto pair = SystemShortcut(a.macro_value);
            if (!pair) {
                return KeyMapEntry{kShortTypeKey, 0, 0, 0};
            }
            return KeyMapEntry{kShortTypeKey, (*pair)[0], (*pair)[1], 0};
        }
        case kFunctionMultimedia:
            return KeyMapEntry{kShortTypeMultimedia, ConsumerCode(a.macro_value).value_or(0), 0, 0};
        case kFunctionMacro: {
            auto position = MacroPosition(macros, a.macro_value);
            if (!position) {
                return std::nullopt;
            }
            const auto times = PlayTimes(macros[static_cast<std::size_t>(*position)]);
            return KeyMapEntry{kShortTypeMacro, Byte(*position),
                               static_cast<std::uint8_t>(times > 1 ? 1 : 0), times};
        }
        case kFunctionMouse: {
            auto button = MouseButtonCode(a.macro_value);
            if (!button) {
                return KeyMapEntry{kShortTypeMouse, 0, 0, 0};
            }
            return KeyMapEntry{kShortTypeMouse, 1, *button, 0};
        }
        case kFunctionKey:
            return KeyMapEntry{kShortTypeKey, Byte(ModifierBit(a.macro_value2)),
                               Byte(ModifierBit(a.macro_value)), 0};
        case kFunctionFnRole:
            return KeyMapEntry{kShortTypeKey, 0, Byte(ModifierBit(a.macro_value)), 0};
        case kFunctionDisabled:
            return KeyMapEntry{kShortTypeDisabled, 3, 0, 0};
        default:
            return std::nullopt;
    }
}

KeyMapEntry LongDefaultEntry(int keyCode) {
    if (IsModifierKey(keyCode)) {
        return KeyMapEntry{0, Byte(ModifierBit(keyCode)), 0, 0};
    }
    if (keyCode == key::Fn) {
        return KeyMapEntry{kLongTypeFn, 0, 0, 0};
    }
    return KeyMapEntry{0, 0, 0, Byte(keyCode)};
}

std::optional<KeyMapEntry> LongKeyMapEntry(const KeyAssignment& a,
                                           const std::vector<MacroDefinition>& macros) {
    switch (a.macro_type) {
        case kFunctionSystem: {
            auto pair = SystemShortcut(a.macro_value);
            if (!pair) {
                return KeyMapEntry{kLongTypeKey, 0, 0, 0};
            }
            return KeyMapEntry{kLongTypeKey, (*pair)[0], 0, (*pair)[1]};
        }
        case kFunctionMultimedia:
            return KeyMapEntry{kLongTypeMultimedia, 0, 0, ConsumerCode(a.macro_value).value_or(0)};
        case kFunctionMacro: {
            auto position = MacroPosition(macros, a.macro_value);
            if (!position) {
                return KeyMapEntry{kLongTypeMacro, 0, 0, 0};
            }
            return KeyMapEntry{kLongTypeMacro, 1,
                               PlayTimes(macros[static_cast<std::size_t>(*position)]),
                               Byte(*position)};
        }
        case kFunctionMouse:
            return KeyMapEntry{kLongTypeMouse, MouseButtonCode(a.macro_value).value_or(0), 0, 0};
        case kFunctionKey:
            return KeyMapEntry{kLongTypeKey, Byte(ModifierBit(a.macro_value2)), 0,
                               Byte(ModifierBit(a.macro_value))};
        case kFunctionFnRole:
            return KeyMapEntry{kLongTypeFn, 0, 0, 0};
        case kFunctionDisabled:
            return KeyMapEntry{0, 0, 0, 0};
        default:
            return std::nullopt;
    }
}

}  // namespace vekora
