#include "device/libformats/DeviceKeyMap.h"

#include <gtest/gtest.h>

#include "device/KeyCodes.h"
#include "device/SlotTables.h"

namespace vekora {
namespace {

DeviceKeyMapEntry SlotEntry(const DeviceKeyMap& map, int slot) {
    const auto at = static_cast<std::size_t>(slot) * 4;
    return {map[at], map[at + 1], map[at + 2], map[at + 3]};
}

// ---- Defaults per slot -----------------------------------------------------------------------

struct DefaultCase {
    const char* name;
    int model;
    int slot;
    DeviceKeyMapEntry entry;
};

class DefaultSlot : public ::testing::TestWithParam<DefaultCase> {};

TEST_P(DefaultSlot, HoldsTheDefaultEntryOfItsKey) {
    const DefaultCase& c = GetParam();
    const DeviceKeyMap map = BuildDefaultDeviceKeyMap(DeviceModelFromCode(c.model));
    EXPECT_EQ(SlotEntry(map, c.slot), c.entry);
}

INSTANTIATE_TEST_SUITE_P(
    Slots, DefaultSlot,
    ::testing::Values(DefaultCase{"EscIn87RgbSlot0", 9, 0, {0, 0, 0, 27}},
                      DefaultCase{"LeftShiftIsItsBit", 9, 4, {0, 0x02, 0, 0}},
                      DefaultCase{"RightAltIsItsBit", 9, 53, {0, 0x40, 0, 0}},
                      DefaultCase{"RightCtrlIn87RgbSlot83", 9, 83, {0, 0x10, 0, 0}},
                      DefaultCase{"FnIsVirtualKey254", 9, 59, {0, 0, 0, 254}},
                      DefaultCase{"EmptySlot65Of87RgbStaysZero", 9, 65, {0, 0, 0, 0}},
                      DefaultCase{"ApplicationKeyIn87RgbSlot71", 9, 71, {0, 0, 0, 93}},
                      DefaultCase{"F1In87Rgb", 9, 12, {0, 0, 0, 112}},
                      DefaultCase{"UnusedSlot125", 9, 125, {0, 0, 0, 0}},
                      DefaultCase{"F1In98Rgb", 10, 6, {0, 0, 0, 112}},
                      DefaultCase{"KeypadEnterIn98Rgb", 10, 112, {0, 0, 0, 253}},
                      DefaultCase{"KeypadZeroIn98Rgb", 10, 101, {0, 0, 0, 96}},
                      DefaultCase{"EmptySlot23Of98Rgb", 10, 23, {0, 0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DefaultDeviceKeyMap, EverySlotFollowsTheDefaultTable) {
    for (const DeviceModel m : {DeviceModel::K87Rgb, DeviceModel::K98Rgb}) {
        const DeviceKeyMap map = BuildDefaultDeviceKeyMap(m);
        for (int slot = 0; slot < 126; ++slot) {
            EXPECT_EQ(SlotEntry(map, slot), DefaultDeviceKeyMapEntry(DefaultKeyOfSlot(m, slot)))
                << "model " << ToCode(m) << " slot " << slot;
        }
    }
}

// ---- Assignments -----------------------------------------------------------------------------

struct AssignCase {
    const char* name;
    int keyCode;
    int type;
    int value;
    int value2;
    int slot;  // where the entry lands on the 87-key RGB
    DeviceKeyMapEntry entry;
};

class Assignment : public ::testing::TestWithParam<AssignCase> {};

MacroDefinition Macro(int id, int playTimes) {
    MacroDefinition m;
    m.macro_id = id;
    m.play_times = playTimes;
    return m;
}

std::vector<MacroDefinition> StoredMacros() {
    return {Macro(4, 1), Macro(7, 3)};
}

KeyAssignment Assign(int keyCode, int type, int value, int value2 = 0) {
    KeyAssignment a;
    a.profile = 1;
    a.key_code = keyCode;
    a.macro_type = type;
    a.macro_value = value;
    a.macro_value2 = value2;
    return a;
}

TEST_P(Assignment, WritesItsEntryToTheKeysSlot) {
    const AssignCase& c = GetParam();
    const DeviceKeyMap map = BuildDeviceKeyMap(
        DeviceModel::K87Rgb, {Assign(c.keyCode, c.type, c.value, c.value2)}, StoredMacros());
    EXPECT_EQ(SlotEntry(map, c.slot), c.entry);
    // Nothing else changes.
    const DeviceKeyMap defaults = BuildDefaultDeviceKeyMap(DeviceModel::K87Rgb);
    for (int s = 0; s < 126; ++s) {
        if (s != c.slot) {
            EXPECT_EQ(SlotEntry(map, s), SlotEntry(defaults, s)) << "slot " << s;
        }
    }
}

constexpr int A = key::A;  // slot 9, default entry 0, 0, 0, 65
constexpr int kB = 5;
constexpr int kC = 6;
constexpr int kD = 7;
constexpr int kLShift = key::LeftShift;  // slot 4, default entry 0, 2, 0, 0

INSTANTIATE_TEST_SUITE_P(
    Types, Assignment,
    ::testing::Values(
        AssignCase{"DefaultType0", A, 0, 0, 0, 9, {0, 0, 0, 65}},
        AssignCase{"SystemAltF4", A, 600, 610, 0, 9, {0, 0x04, 0, 115}},
        AssignCase{"SystemAltTab", A, 600, 611, 0, 9, {0, 0x04, 0, 9}},
        AssignCase{"SystemWinL", A, 600, 620, 0, 9, {0, 0x08, 0, 76}},
        AssignCase{"SystemCtrlZ", A, 600, 613, 0, 9, {0, 0x01, 0, 90}},
        AssignCase{"SystemUnknownKeepsDefault", A, 600, 621, 0, 9, {0, 0, 0, 65}},
        AssignCase{"MultimediaPlayPause", A, 601, 630, 0, 9, {1, 0, 0x22, 65}},
        AssignCase{"MultimediaMuteOverModifier", kLShift, 601, 636, 0, 4, {1, 0x02, 0x28, 0}},
        AssignCase{"MultimediaUnknownKeepsDefault", A, 601, 637, 0, 9, {0, 0, 0, 65}},
        AssignCase{"MacroSecondInList", A, 602, 7, 0, 9, {2, 1, 1, 3}},
        AssignCase{"MacroFirstInList", A, 602, 4, 0, 9, {2, 0, 1, 1}},
        AssignCase{"MacroNotStoredKeepsDefault", A, 602, 99, 0, 9, {0, 0, 0, 65}},
        AssignCase{"MouseLeft", A, 603, 650, 0, 9, {3, 0, 0, 65}},
        AssignCase{"MouseRight", A, 603, 651, 0, 9, {3, 2, 0, 65}},
        AssignCase{"MouseMiddle", A, 603, 652, 0, 9, {3, 1, 0, 65}},
        AssignCase{"MouseForward", A, 603, 653, 0, 9, {3, 4, 0, 65}},
        AssignCase{"MouseBackOverModifier", kLShift, 603, 654, 0, 4, {3, 3, 0, 0}},
        AssignCase{"KeyPlain", A, 604, key::Z, 0, 9, {0, 0, 0, 90}},
        AssignCase{"KeyWithCtrl", A, 604, kB, key::LeftCtrl, 9, {0, 0x01, 0, 66}},
        AssignCase{"KeyWithRightAlt", A, 604, key::F1, key::RightAlt, 9, {0, 0x40, 0, 112}},
        AssignCase{"ModifierAlone", A, 604, key::LeftShift, 0, 9, {0, 0x02, 0, 16}},
        AssignCase{"RightWinAlone", A, 604, key::RightWin, 0, 9, {0, 0x80, 0, 92}},
        AssignCase{"NonModifierSecondValueGoesAsIs", A, 604, kC, kD, 9, {0, 7, 0, 67}},
        AssignCase{
            "FnRoleKeepsSecondValueUnconverted", A, 604, 250, key::LeftCtrl, 9, {0, 224, 0, 250}},
        AssignCase{"FnRoleAlone", A, 604, 250, 0, 9, {0, 0, 0, 250}},
        AssignCase{"SingleKey606KeepsDefault", A, 606, kB, 0, 9, {0, 0, 0, 65}},
        AssignCase{"LightEntry605KeepsDefault", A, 605, 1, 0, 9, {0, 0, 0, 65}},
        AssignCase{"Disabled", A, 607, 1, 0, 9, {0, 0, 0, 1}},
        // The Application key of the 87-key RGB is written to slot 65, empty by default;
        // slot 71, where the key sits, keeps its default.
        AssignCase{
            "ApplicationKeyDisabledLandsInSlot65", key::Application, 607, 1, 0, 65, {0, 0, 0, 1}},
        AssignCase{"ApplicationKeyMultimediaOverEmptyDefault",
                   key::Application,
                   601,
                   634,
                   0,
                   65,
                   {1, 0, 0x26, 0}},
        AssignCase{"EscFallsOnSlot0", key::Esc, 604, key::Grave, 0, 0, {0, 0, 0, 192}},
        AssignCase{"FnKey", key::Fn, 607, 1, 0, 59, {0, 0, 0, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeviceKeyMap, PartialEntriesKeepTheSlotDefaultNotAnEarlierAssignment) {
    const DeviceKeyMap map =
        BuildDeviceKeyMap(DeviceModel::K87Rgb,
                          {Assign(key::A, 604, kB, key::LeftCtrl), Assign(key::A, 601, 630)}, {});
    EXPECT_EQ(SlotEntry(map, 9), (DeviceKeyMapEntry{1, 0, 0x22, 65}));
}

TEST(DeviceKeyMap, The98RgbUsesItsOwnSlots) {
    const DeviceKeyMap map =
        BuildDeviceKeyMap(DeviceModel::K98Rgb, {Assign(key::Space, 607, 1)}, {});
    EXPECT_EQ(SlotEntry(map, 35), (DeviceKeyMapEntry{0, 0, 0, 1}));
    EXPECT_EQ(SlotEntry(map, 0), (DeviceKeyMapEntry{0, 0, 0, 27}));
}

}  // namespace
}  // namespace vekora
