#include "device/SlotTables.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>

#include "device/KeyCodes.h"

namespace vekora {
namespace {

// ---- Single entries, edge cases first ------------------------------------------------------

struct SlotCase {
    const char* name;
    int model;
    int keyCode;
    int slot;       // SlotOfKey(model, keyCode)
    int keyInSlot;  // DefaultKeyOfSlot(model, slot)
};

class SlotLookup : public ::testing::TestWithParam<SlotCase> {};

TEST_P(SlotLookup, FindsTheSlotAndWhatSitsThereByDefault) {
    const SlotCase& c = GetParam();
    const DeviceModel m = DeviceModelFromCode(c.model);
    EXPECT_EQ(SlotOfKey(m, c.keyCode), c.slot);
    EXPECT_EQ(DefaultKeyOfSlot(m, c.slot), c.keyInSlot);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, SlotLookup,
    ::testing::Values(
        // Esc is not listed by the 87- and 98-key lookups and falls on slot 0, where it sits.
        SlotCase{"EscOn87SingleLight", 8, key::Esc, 0, key::Esc},
        SlotCase{"EscOn87Rgb", 9, key::Esc, 0, key::Esc},
        SlotCase{"EscOn98Rgb", 10, key::Esc, 0, key::Esc},
        SlotCase{"EscOn61SingleLight", 6, key::Esc, 1, key::Esc},
        SlotCase{"EscOn61SE", 7, key::Esc, 1, key::Esc},
        // Application key: slot 65 (empty by default) on the 87 RGB, slot 71 on the 87 single.
        SlotCase{"AppOn87RgbLandsInEmptySlot65", 9, key::Application, 65, 0},
        SlotCase{"AppOn87SingleLight", 8, key::Application, 71, key::Application},
        SlotCase{"AppUnlistedOn98Rgb", 10, key::Application, 0, key::Esc},
        // The right-hand modifiers and Fn that move on the 87 RGB.
        SlotCase{"FnOn87Rgb", 9, key::Fn, 59, key::Fn},
        SlotCase{"FnOn87SingleLight", 8, key::Fn, 65, key::Fn},
        SlotCase{"RightAltOn87Rgb", 9, key::RightAlt, 53, key::RightAlt},
        SlotCase{"RightShiftOn87Rgb", 9, key::RightShift, 82, key::RightShift},
        SlotCase{"RightCtrlOn87Rgb", 9, key::RightCtrl, 83, key::RightCtrl},
        SlotCase{"RightCtrlOn87SingleLight", 8, key::RightCtrl, 77, key::RightCtrl},
        // Keypad codes of the 61-key single-colour lookup land on other keys' or empty slots.
        SlotCase{"NumLockOn61OverwritesT", 6, key::NumLock, 32, 23},
        SlotCase{"KeypadSlashOn61OverwritesG", 7, key::KeypadSlash, 33, 10},
        SlotCase{"KeypadStarOn61OverwritesB", 6, key::KeypadStar, 34, 5},
        SlotCase{"KeypadMinusOn61EmptySlot", 6, key::KeypadMinus, 122, 0},
        SlotCase{"Keypad4On61OverwritesBracket", 6, 92, 68, key::LeftBracket},
        SlotCase{"KeypadPeriodOn61EmptySlot", 6, key::KeypadPeriod, 105, 0},
        // No F-key entries on the 61-key single-colour models.
        SlotCase{"F1On61SingleLightUnlisted", 7, key::F1, 0, 0},
        SlotCase{"F12On61SingleLightUnlisted", 6, key::F12, 0, 0},
        SlotCase{"FnOn61SingleLightEmptySlot", 7, key::Fn, 77, 0},
        SlotCase{"NonUsHashOn61SharesMinusSlot", 6, key::NonUsHash, 67, key::Minus},
        SlotCase{"KeypadEnterOn98", 10, key::KeypadEnter, 112, key::KeypadEnter},
        SlotCase{"Keypad0On98", 10, key::Keypad0, 101, key::Keypad0},
        // Models without slot tables and codes outside every table.
        SlotCase{"K61HasNoSlots", 1, key::A, 0, 0}, SlotCase{"K68HasNoSlots", 5, key::A, 0, 0},
        SlotCase{"NewModelHasNoSlots", 100, key::Esc, 0, 0},
        SlotCase{"NegativeCode", 10, -1, 0, key::Esc},
        SlotCase{"CodeBeyondTable", 10, 400, 0, key::Esc}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SlotTables, SlotsOutsideTheMapAreEmpty) {
    for (DeviceModel m : kAllDeviceModels) {
        EXPECT_EQ(DefaultKeyOfSlot(m, -1), 0) << DeviceModelName(m);
        EXPECT_EQ(DefaultKeyOfSlot(m, kKeyMapSlotCount), 0) << DeviceModelName(m);
    }
}

// ---- Whole-table properties ----------------------------------------------------------------

std::map<int, int> DefaultMap(DeviceModel m) {
    std::map<int, int> out;
    for (int s = 0; s < kKeyMapSlotCount; ++s) {
        if (int code = DefaultKeyOfSlot(m, s))
            out[s] = code;
    }
    return out;
}

struct TableCase {
    int model;
    std::size_t defaultEntries;
    std::set<int> lookupExceptions;  // codes whose slot is not where the default table has them
};

class WholeTable : public ::testing::TestWithParam<TableCase> {};

TEST_P(WholeTable, DefaultsAreDistinctAndLookupInvertsThem) {
    const DeviceModel m = DeviceModelFromCode(GetParam().model);
    ASSERT_TRUE(HasSlotTables(m));
    const auto defaults = DefaultMap(m);
    EXPECT_EQ(defaults.size(), GetParam().defaultEntries);
    std::set<int> codes;
    for (const auto& [slot, code] : defaults) {
        EXPECT_TRUE(codes.insert(code).second) << "code " << code << " sits in two slots";
        if (GetParam().lookupExceptions.count(code))
            continue;
        EXPECT_EQ(SlotOfKey(m, code), slot) << "code " << code;
    }
    // Every code the lookup sends somewhere other than slot 0 comes back to itself.
    for (int code = 0; code < 256; ++code) {
        const int slot = SlotOfKey(m, code);
        if (slot == 0 || GetParam().lookupExceptions.count(code))
            continue;
        EXPECT_EQ(DefaultKeyOfSlot(m, slot), code) << "code " << code;
    }
}

INSTANTIATE_TEST_SUITE_P(Models, WholeTable,
                         ::testing::Values(TableCase{8, 87, {}},
                                           TableCase{9, 87, {key::Application}},
                                           TableCase{10, 98, {}}),
                         [](const auto& info) {
                             return "code" + std::to_string(info.param.model);
                         });

TEST(SlotTables, SingleLight61TablesHaveTheirDocumentedSizes) {
    for (DeviceModel m : {DeviceModel::K61SingleLight, DeviceModel::K61SE}) {
        EXPECT_EQ(DefaultMap(m).size(), 73u);
        int listed = 0;
        for (int code = 1; code < 256; ++code)
            listed += SlotOfKey(m, code) != 0;
        EXPECT_EQ(listed, 99);
    }
}

TEST(SlotTables, Rgb87DiffersFromSingleLight87OnlyWhereTheRightHandKeysMove) {
    const std::map<int, std::pair<int, int>> expected = {
        // slot: {single-colour 87, RGB 87}
        {53, {0, key::RightAlt}},   {59, {key::RightAlt, key::Fn}}, {65, {key::Fn, 0}},
        {76, {key::RightShift, 0}}, {77, {key::RightCtrl, 0}},      {82, {0, key::RightShift}},
        {83, {0, key::RightCtrl}},
    };
    std::map<int, std::pair<int, int>> differences;
    for (int s = 0; s < kKeyMapSlotCount; ++s) {
        const int single = DefaultKeyOfSlot(DeviceModel::K87SingleLight, s);
        const int rgb = DefaultKeyOfSlot(DeviceModel::K87Rgb, s);
        if (single != rgb)
            differences[s] = {single, rgb};
    }
    EXPECT_EQ(differences, expected);
}

TEST(SlotTables, KeypadCodesOn61SingleLightNeverLandOnTheirOwnDefaultSlot) {
    for (int code = key::NumLock; code <= key::KeypadPeriod; ++code) {
        const int slot = SlotOfKey(DeviceModel::K61SE, code);
        EXPECT_NE(slot, 0) << "code " << code;
        EXPECT_NE(DefaultKeyOfSlot(DeviceModel::K61SE, slot), code) << "code " << code;
    }
}

TEST(SlotTables, SixAndSevenShareTheirTables) {
    for (int s = 0; s < kKeyMapSlotCount; ++s)
        EXPECT_EQ(DefaultKeyOfSlot(DeviceModel::K61SingleLight, s),
                  DefaultKeyOfSlot(DeviceModel::K61SE, s));
    for (int code = 0; code < 256; ++code)
        EXPECT_EQ(SlotOfKey(DeviceModel::K61SingleLight, code),
                  SlotOfKey(DeviceModel::K61SE, code));
}

// ---- Slots that really hold a key ---------------------------------------------------------

struct PlacedCase {
    const char* name;
    DeviceModel model;
    int keyCode;
    std::optional<int> slot;
};

class PlacedSlots : public ::testing::TestWithParam<PlacedCase> {};

TEST_P(PlacedSlots, OnlyKeysTheTablesPlaceGetASlot) {
    EXPECT_EQ(PlacedSlotOfKey(GetParam().model, GetParam().keyCode), GetParam().slot);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlacedSlots,
    ::testing::Values(PlacedCase{"K61SELetterA", DeviceModel::K61SE, 4, 9},
                      PlacedCase{"K61SEF1NotPlaced", DeviceModel::K61SE, 58, std::nullopt},
                      PlacedCase{"K61SEEscOnSlot1", DeviceModel::K61SE, 41, 1},
                      PlacedCase{"K87EscOnSlot0", DeviceModel::K87SingleLight, 41, 0},
                      PlacedCase{"K87KeypadNotPlaced", DeviceModel::K87SingleLight, 89,
                                 std::nullopt},
                      PlacedCase{"K87RgbApplicationOnSlot65", DeviceModel::K87Rgb, 101, 65},
                      PlacedCase{"K98EscOnSlot0", DeviceModel::K98Rgb, 41, 0},
                      // Key 100 sits in the 98-key music grid but has no slot: it must not land
                      // on Esc's slot 0.
                      PlacedCase{"K98Key100NotPlaced", DeviceModel::K98Rgb, 100, std::nullopt},
                      PlacedCase{"ModelWithoutTables", DeviceModel::K61, 4, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vekora
