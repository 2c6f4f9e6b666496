#include "device/libformats/DeviceKeyMap.h"

#include "device/KeyCodes.h"
#include "device/SlotTables.h"
#include "device/VirtualKeys.h"

namespace vekora {
namespace {

constexpr int kSystemCommand = 600;
constexpr int kMultimedia = 601;
constexpr int kMacro = 602;
constexpr int kMouse = 603;
constexpr int kKey = 604;
constexpr int kDisabled = 607;

// Entry byte 0 of the assignment kinds the library map distinguishes.
constexpr std::uint8_t kKindMultimedia = 1;
constexpr std::uint8_t kKindMacro = 2;
constexpr std::uint8_t kKindMouse = 3;

std::uint8_t Byte(int v) {
    return static_cast<std::uint8_t>(v & 0xFF);
}

struct ShortcutPair {
    int command;
    std::uint8_t modifier;
    int keyCode;
};

// The system commands 610..620 as a modifier bit and a key.
constexpr ShortcutPair kShortcuts[] = {
    {610, 0x04, 0x3D}, {611, 0x04, 0x2B}, {612, 0x08, 0x07}, {613, 0x01, 0x1D},
    {614, 0x01, 0x04}, {615, 0x01, 0x09}, {616, 0x01, 0x11}, {617, 0x01, 0x13},
    {618, 0x01, 0x16}, {619, 0x08, 0x15}, {620, 0x08, 0x0F},
};

// Multimedia commands 630..636 (play/pause, stop, previous, next, volume up, volume down,
// mute) as the library map's codes.
constexpr int kFirstMultimedia = 630;
constexpr std::uint8_t kMultimediaCodes[] = {0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28};

// Mouse functions 650..654 as the library map's button codes.
constexpr int kFirstMouse = 650;
constexpr std::uint8_t kMouseCodes[] = {0, 2, 1, 4, 3};

std::optional<int> PositionOfMacro(const std::vector<MacroDefinition>& macros, int macroId) {
    for (std::size_t i = 0; i < macros.size(); ++i) {
        if (macros[i].macro_id == macroId) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

template <std::size_t N>
std::optional<std::uint8_t> CodeAt(const std::uint8_t (&codes)[N], int first, int value) {
    const int i = value - first;
    if (i < 0 || i >= static_cast<int>(N)) {
        return std::nullopt;
    }
    return codes[i];
}

DeviceKeyMapEntry KeyEntry(int keyCode, int modifierCode) {
    if (keyCode == key::FnRole) {
        // The Fn role carries its second value through unconverted.
        return {0, Byte(modifierCode), 0, Byte(key::FnRole)};
    }
    if (modifierCode == 0 && IsModifierKey(keyCode)) {
        return {0, Byte(ModifierBit(keyCode)), 0, Byte(VirtualKeyOfKeyCode(keyCode))};
    }
    return {0, Byte(ModifierBit(modifierCode)), 0, Byte(VirtualKeyOfKeyCode(keyCode))};
}

}  // namespace

DeviceKeyMapEntry DefaultDeviceKeyMapEntry(int keyCode) {
    if (keyCode == 0) {
        return {};
    }
    if (IsModifierKey(keyCode)) {
        return {0, Byte(ModifierBit(keyCode)), 0, 0};
    }
    return {0, 0, 0, Byte(VirtualKeyOfKeyCode(keyCode))};
}

std::optional<DeviceKeyMapEntry> DeviceKeyMapEntryFor(const KeyAssignment& a,
                                                      const DeviceKeyMapEntry& defaultEntry,
                                                      const std::vector<MacroDefinition>& macros) {
    switch (a.macro_type) {
        case kSystemCommand:
            for (const ShortcutPair& s : kShortcuts) {
                if (s.command == a.macro_value) {
                    return DeviceKeyMapEntry{0, s.modifier, 0,
                                             Byte(VirtualKeyOfKeyCode(s.keyCode))};
                }
            }
            return std::nullopt;
        case kMultimedia: {
            const auto code = CodeAt(kMultimediaCodes, kFirstMultimedia, a.macro_value);
            if (!code) {
                return std::nullopt;
            }
            DeviceKeyMapEntry e = defaultEntry;
            e[0] = kKindMultimedia;
            e[2] = *code;
            return e;
        }
        case kMacro: {
            const auto position = PositionOfMacro(macros, a.macro_value);
            if (!position) {
                return std::nullopt;
            }
            const int playTimes = macros[static_cast<std::size_t>(*position)].play_times;
            return DeviceKeyMapEntry{kKindMacro, Byte(*position), 1, Byte(playTimes)};
        }
        case kMouse: {
            const auto code = CodeAt(kMouseCodes, kFirstMouse, a.macro_value);
            if (!code) {
                return std::nullopt;
            }
            DeviceKeyMapEntry e = defaultEntry;
            e[0] = kKindMouse;
            e[1] = *code;
            return e;
        }
        case kKey:
            return KeyEntry(a.macro_value, a.macro_value2);
        case kDisabled:
            return DeviceKeyMapEntry{0, 0, 0, 1};
        default:
            return std::nullopt;
    }
}

DeviceKeyMap BuildDefaultDeviceKeyMap(DeviceModel model) {
    DeviceKeyMap map{};
    for (int slot = 0; slot < static_cast<int>(kLibrarySlotCount); ++slot) {
        const DeviceKeyMapEntry e = DefaultDeviceKeyMapEntry(DefaultKeyOfSlot(model, slot));
        const auto at = static_cast<std::size_t>(slot) * kLibrarySlotBytes;
        for (std::size_t i = 0; i < kLibrarySlotBytes; ++i) {
            map[at + i] = e[i];
        }
    }
    return map;
}

DeviceKeyMap BuildDeviceKeyMap(DeviceModel model, const std::vector<KeyAssignment>& assignments,
                               const std::vector<MacroDefinition>& macros) {
    DeviceKeyMap map = BuildDefaultDeviceKeyMap(model);
    for (const KeyAssignment& a : assignments) {
        const int slot = SlotOfKey(model, a.key_code);
        if (slot < 0 || slot >= static_cast<int>(kLibrarySlotCount)) {
            continue;
        }
        const auto at = static_cast<std::size_t>(slot) * kLibrarySlotBytes;
        // Bytes an assignment keeps come from the slot's default, not from an earlier
        // assignment to the same slot.
        const DeviceKeyMapEntry def = DefaultDeviceKeyMapEntry(DefaultKeyOfSlot(model, slot));
        if (const auto e = DeviceKeyMapEntryFor(a, def, macros)) {
            for (std::size_t i = 0; i < kLibrarySlotBytes; ++i) {
                map[at + i] = (*e)[i];
            }
        }
    }
    return map;
}

}  // namespace vekora
