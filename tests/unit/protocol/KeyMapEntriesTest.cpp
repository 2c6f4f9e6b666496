#include "device/protocol/KeyMapEntries.h"

#include <gtest/gtest.h>

namespace vekora {
namespace {

using Entry = std::optional<KeyMapEntry>;

struct EntryCase {
    std::string name;
    int type;
    int value;
    int value2;
    Entry shortEntry;
    Entry longEntry;
};

// Two stored macros: id 7 at position 0 (played once), id 9 at position 1 (played 3 times).
std::vector<MacroDefinition> Macros() {
    MacroDefinition a;
    a.macro_id = 7;
    a.play_times = 1;
    MacroDefinition b;
    b.macro_id = 9;
    b.play_times = 3;
    return {a, b};
}

class KeyMapEntryGolden : public ::testing::TestWithParam<EntryCase> {};

TEST_P(KeyMapEntryGolden, ShortFamily) {
    KeyAssignment a;
    a.key_code = 4;
    a.macro_type = GetParam().type;
    a.macro_value = GetParam().value;
    a.macro_value2 = GetParam().value2;
    EXPECT_EQ(ShortKeyMapEntry(a, Macros()), GetParam().shortEntry);
}

TEST_P(KeyMapEntryGolden, LongFamily) {
    KeyAssignment a;
    a.key_code = 4;
    a.macro_type = GetParam().type;
    a.macro_value = GetParam().value;
    a.macro_value2 = GetParam().value2;
    EXPECT_EQ(LongKeyMapEntry(a, Macros()), GetParam().longEntry);
}

INSTANTIATE_TEST_SUITE_P(
    AllTypes, KeyMapEntryGolden,
    ::testing::Values(
        EntryCase{"SystemAltF4", 600, 610, 0, KeyMapEntry{2, 0x04, 0x3D, 0},
                  KeyMapEntry{0, 0x04, 0, 0x3D}},
        EntryCase{"SystemWindowsL", 600, 620, 0, KeyMapEntry{2, 0x08, 0x0F, 0},
                  KeyMapEntry{0, 0x08, 0, 0x0F}},
        EntryCase{"SystemUnknownValue", 600, 699, 0, KeyMapEntry{2, 0, 0, 0},
                  KeyMapEntry{0, 0, 0, 0}},
        EntryCase{"MultimediaPlayPause", 601, 630, 0, KeyMapEntry{3, 0xCD, 0, 0},
                  KeyMapEntry{2, 0, 0, 0xCD}},
        EntryCase{"MultimediaMute", 601, 636, 0, KeyMapEntry{3, 0xE2, 0, 0},
                  KeyMapEntry{2, 0, 0, 0xE2}},
        EntryCase{"MultimediaUnknown", 601, 640, 0, KeyMapEntry{3, 0, 0, 0},
                  KeyMapEntry{2, 0, 0, 0}},
        EntryCase{"MacroPlayedOnce", 602, 7, 0, KeyMapEntry{6, 0, 0, 1}, KeyMapEntry{3, 1, 1, 0}},
        EntryCase{"MacroPlayedThrice", 602, 9, 0, KeyMapEntry{6, 1, 1, 3}, KeyMapEntry{3, 1, 3, 1}},
        EntryCase{"MacroNotStored", 602, 42, 0, std::nullopt, KeyMapEntry{3, 0, 0, 0}},
        EntryCase{"MouseLeft", 603, 650, 0, KeyMapEntry{1, 1, 0x01, 0}, KeyMapEntry{1, 0x01, 0, 0}},
        EntryCase{"MouseButton5", 603, 654, 0, KeyMapEntry{1, 1, 0x08, 0},
                  KeyMapEntry{1, 0x08, 0, 0}},
        EntryCase{"MouseUnknown", 603, 660, 0, KeyMapEntry{1, 0, 0, 0}, KeyMapEntry{1, 0, 0, 0}},
        EntryCase{"KeyPlain", 604, 5, 0, KeyMapEntry{2, 0, 5, 0}, KeyMapEntry{0, 0, 0, 5}},
        EntryCase{"KeyWithCtrl", 604, 6, 224, KeyMapEntry{2, 0x01, 6, 0},
                  KeyMapEntry{0, 0x01, 0, 6}},
        EntryCase{"KeyIsModifier", 604, 230, 0, KeyMapEntry{2, 0, 0x40, 0},
                  KeyMapEntry{0, 0, 0, 0x40}},
        EntryCase{"FnRole", 606, 250, 0, KeyMapEntry{2, 0, 250, 0}, KeyMapEntry{0x0D, 0, 0, 0}},
        EntryCase{"Disabled", 607, 1, 0, KeyMapEntry{5, 3, 0, 0}, KeyMapEntry{0, 0, 0, 0}},
        EntryCase{"Type605", 605, 1, 0, std::nullopt, std::nullopt},
        EntryCase{"Default", 0, 0, 0, std::nullopt, std::nullopt}),
    [](const auto& info) { return info.param.name; });

struct DefaultCase {
    std::string name;
    int code;
    KeyMapEntry entry;
};

class LongDefaultEntryGolden : public ::testing::TestWithParam<DefaultCase> {};

TEST_P(LongDefaultEntryGolden, Encodes) {
    EXPECT_EQ(LongDefaultEntry(GetParam().code), GetParam().entry);
}

INSTANTIATE_TEST_SUITE_P(Slots, LongDefaultEntryGolden,
                         ::testing::Values(DefaultCase{"LeftShiftIsBit", 225, {0, 0x02, 0, 0}},
                                           DefaultCase{"RightCtrlIsBit", 228, {0, 0x10, 0, 0}},
                                           DefaultCase{"FnIs0x0D", 175, {0x0D, 0, 0, 0}},
                                           DefaultCase{"LetterIsCode", 4, {0, 0, 0, 4}},
                                           DefaultCase{"EscIsCode", 41, {0, 0, 0, 41}}),
                         [](const auto& info) { return info.param.name; });

TEST(MacroPosition, IsTheListIndexOfTheId) {
    EXPECT_EQ(MacroPosition(Macros(), 9), 1);
    EXPECT_EQ(MacroPosition(Macros(), 8), std::nullopt);
}

}  // namespace
}  // namespace vekora
