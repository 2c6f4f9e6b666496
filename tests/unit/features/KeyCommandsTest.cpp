#include "features/keys/KeyCommands.h"

#include <gtest/gtest.h>

#include <set>

namespace vekora {
namespace {

TEST(KeyCommandsTest, MouseButtonsInMenuOrderCarryTheirOwnCodes) {
    std::vector<int> codes;
    for (const auto& b : MouseButtons()) {
        codes.push_back(ToCode(b.button));
    }
    // Right comes before Middle in the menu, but Right is 652 and Middle 651.
    EXPECT_EQ(codes, (std::vector<int>{650, 652, 651, 653, 654}));
    EXPECT_EQ(FindMouseButton(652)->textId, 83);  // "Right Button"
    EXPECT_EQ(FindMouseButton(651)->textId, 84);  // "Middle Button"
    EXPECT_EQ(FindMouseButton(653)->buttonBit, 0x10);
    EXPECT_EQ(FindMouseButton(654)->buttonBit, 0x08);
}

struct CodeCase {
    const char* name;
    int code;
    std::optional<KeyFunctionType> type;
    int textId;
    friend void PrintTo(const CodeCase& c, std::ostream* os) { *os << c.name; }
};

class CommandCodeTest : public ::testing::TestWithParam<CodeCase> {};

TEST_P(CommandCodeTest, BelongsToItsGroupWithItsText) {
    EXPECT_EQ(CommandFunctionType(GetParam().code), GetParam().type);
    EXPECT_EQ(CommandTextId(GetParam().code), GetParam().textId);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandCodeTest,
    ::testing::Values(CodeCase{"CloseWindow", 610, KeyFunctionType::SystemCommand, 60},
                      CodeCase{"LockPc", 620, KeyFunctionType::SystemCommand, 70},
                      CodeCase{"PlayPause", 630, KeyFunctionType::MultimediaCommand, 75},
                      CodeCase{"Mute", 636, KeyFunctionType::MultimediaCommand, 81},
                      CodeCase{"LeftButton", 650, KeyFunctionType::MouseButton, 82},
                      CodeCase{"Backward", 654, KeyFunctionType::MouseButton, 86},
                      CodeCase{"BelowSystem", 609, std::nullopt, 0},
                      CodeCase{"GapAfterSystem", 621, std::nullopt, 0},
                      CodeCase{"GapAfterMultimedia", 637, std::nullopt, 0},
                      CodeCase{"AfterMouse", 655, std::nullopt, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeyCommandsTest, SystemShortcutsUseALeftModifier) {
    const auto* closeWindow = FindSystemCommand(ToCode(SystemCommand::CloseWindow));
    ASSERT_NE(closeWindow, nullptr);
    EXPECT_EQ(closeWindow->modifierUsage, 226);  // Left Alt
    EXPECT_EQ(closeWindow->keyUsage, 61);        // F4
    const auto* lock = FindSystemCommand(ToCode(SystemCommand::LockPc));
    EXPECT_EQ(lock->modifierUsage, 227);  // Left GUI
    EXPECT_EQ(lock->keyUsage, 15);        // L
    std::set<std::pair<int, int>> shortcuts;
    for (const auto& s : SystemCommands()) {
        EXPECT_GE(s.modifierUsage, 224);
        EXPECT_LE(s.modifierUsage, 231);
        shortcuts.insert({s.modifierUsage, s.keyUsage});
    }
    EXPECT_EQ(shortcuts.size(), SystemCommands().size());
}

TEST(KeyCommandsTest, ConsumerUsagesOfTheMultimediaCommands) {
    EXPECT_EQ(FindMultimediaCommand(ToCode(MultimediaCommand::PlayPause))->consumerUsage, 0xCD);
    EXPECT_EQ(FindMultimediaCommand(ToCode(MultimediaCommand::Previous))->consumerUsage, 0xB6);
    EXPECT_EQ(FindMultimediaCommand(ToCode(MultimediaCommand::VolumeDown))->consumerUsage, 0xEA);
}

TEST(KeyFunctionTypeTest, NamesOnlyTheStoredTypes) {
    EXPECT_EQ(KeyFunctionTypeName(604), "KeyCombination");
    EXPECT_EQ(KeyFunctionTypeName(607), "Disabled");
    EXPECT_TRUE(IsKeyFunctionType(0));
    EXPECT_TRUE(IsKeyFunctionType(606));
    // Lighting entries of the same menu are not key functions.
    for (int code : {605, 608, 609, 1, -1}) {
        EXPECT_FALSE(IsKeyFunctionType(code)) << code;
    }
}

}  // namespace
}  // namespace vekora
