#include "device/protocol/ShortCommands.h"

#include <gtest/gtest.h>

#include <functional>

#include "ByteMatchers.h"

namespace vekora {
namespace {

using testing::ByteMap;
using testing::NonZeroBytes;

struct CommandCase {
    std::string name;
    std::function<ShortPayload()> build;
    ByteMap expected;
};

class ShortCommandGolden : public ::testing::TestWithParam<CommandCase> {};

TEST_P(ShortCommandGolden, CarriesExactlyItsBytes) {
    EXPECT_EQ(NonZeroBytes(GetParam().build()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    AllCommands, ShortCommandGolden,
    ::testing::Values(CommandCase{"BeginConfig",
                                  [] { return BuildShortCommand(ShortCommand::BeginConfig); },
                                  {{0, 0x04}, {1, 0x18}}},
                      CommandCase{"BeginMacro",
                                  [] { return BuildShortCommand(ShortCommand::BeginMacro); },
                                  {{0, 0x04}, {1, 0x19}}},
                      CommandCase{"Commit",
                                  [] { return BuildShortCommand(ShortCommand::Commit); },
                                  {{0, 0x04}, {1, 0x02}}},
                      CommandCase{"EndTransaction",
                                  [] { return BuildShortCommand(ShortCommand::EndTransaction); },
                                  {{0, 0x04}, {1, 0xF0}}},
                      CommandCase{"ReadProfile",
                                  [] { return BuildShortCommand(ShortCommand::ReadProfile); },
                                  {{0, 0x04}, {1, 0x30}}},
                      CommandCase{"ReadBattery",
                                  [] { return BuildShortCommand(ShortCommand::ReadBattery); },
                                  {{0, 0x04}, {1, 0x61}}},
                      CommandCase{"ReadKeyColoursFirst",
                                  [] { return BuildShortCommand(ShortCommand::ReadKeyColours, 1); },
                                  {{0, 0x04}, {1, 0xF5}, {2, 1}}},
                      CommandCase{"KeyMapProfile2",
                                  [] { return BuildKeyMapCommand(2); },
                                  {{0, 0x04}, {1, 0x11}, {2, 2}, {8, 9}}},
                      CommandCase{"KeyMapProfile5SentAs5",
                                  [] { return BuildKeyMapCommand(5); },
                                  {{0, 0x04}, {1, 0x11}, {2, 5}, {8, 9}}},
                      CommandCase{"LightSettingsProfile3",
                                  [] { return BuildLightSettingsCommand(3); },
                                  {{0, 0x04}, {1, 0x13}, {2, 3}, {8, 1}}},
                      CommandCase{"GameModeProfile1",
                                  [] { return BuildGameModeCommand(1); },
                                  {{0, 0x04}, {1, 0x17}, {2, 1}, {8, 1}}},
                      CommandCase{"MacroArea12Blocks",
                                  [] { return BuildMacroAreaCommand(12); },
                                  {{0, 0x04}, {1, 0x15}, {8, 12}}},
                      CommandCase{"MusicFrame",
                                  [] { return BuildMusicFrameCommand(); },
                                  {{0, 0x04}, {1, 0x20}, {8, 8}}},
                      CommandCase{"UserLight1Is0x81",
                                  [] { return BuildUserLightColoursCommand(1); },
                                  {{0, 0x04}, {1, 0x23}, {2, 0x81}, {8, 9}}},
                      CommandCase{"UserLight5Is0x85",
                                  [] { return BuildUserLightColoursCommand(5); },
                                  {{0, 0x04}, {1, 0x23}, {2, 0x85}, {8, 9}}},
                      CommandCase{"LightPacketMode7",
                                  [] { return BuildLightSettingsPacket(7); },
                                  {{0, 7},
                                   {3, 0xFF},
                                   {4, 0xFF},
                                   {6, 0x0F},
                                   {7, 0x07},
                                   {8, 0x01},
                                   {9, 0x0F},
                                   {10, 0x0F},
                                   {14, 0xAA},
                                   {15, 0x55},
                                   {62, 0xAA},
                                   {63, 0x55}}},
                      CommandCase{"GameModeNoSwitches",
                                  [] { return BuildGameModePacket({}); },
                                  {{0, 0x80}, {62, 0xAA}, {63, 0x55}}},
                      CommandCase{"GameModeWinAndAltF4",
                                  [] {
                                      return BuildGameModePacket({true, false, true});
                                  },
                                  {{0, 0x85}, {62, 0xAA}, {63, 0x55}}},
                      CommandCase{"GameModeAltTabOnly",
                                  [] {
                                      return BuildGameModePacket({false, true, false});
                                  },
                                  {{0, 0x82}, {62, 0xAA}, {63, 0x55}}}),
    [](const auto& info) { return info.param.name; });

TEST(ShortAnswers, ProfileIsTakenOnlyWhenMarkedValid) {
    ShortPayload answer{};
    answer[9] = 3;
    EXPECT_EQ(ProfileFromShortAnswer(answer), std::nullopt);
    answer[8] = 1;
    EXPECT_EQ(ProfileFromShortAnswer(answer), 3);
}

TEST(ShortAnswers, BatteryIsByte3) {
    ShortPayload answer{};
    answer[3] = 87;
    EXPECT_EQ(BatteryFromShortAnswer(answer), 87);
}

}  // namespace
}  // namespace vekora
