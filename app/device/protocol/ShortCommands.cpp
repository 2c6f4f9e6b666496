#include "device/protocol/ShortCommands.h"

namespace vekora {

namespace {

std::uint8_t ProfileByte(int profile) {
    return static_cast<std::uint8_t>(profile & 0xFF);
}

void SetAreaEnd(ShortPayload& block, int offset) {
    block[static_cast<std::size_t>(offset)] = kAreaEnd0;
    block[static_cast<std::size_t>(offset + 1)] = kAreaEnd1;
}

}  // namespace

ShortPayload BuildShortCommand(ShortCommand command, std::uint8_t argument, std::uint8_t blocks) {
    ShortPayload p{};
    p[kShortTagOffset] = kShortTag;
    p[kShortCommandOffset] = static_cast<std::uint8_t>(command);
    p[kShortArgumentOffset] = argument;
    p[kShortBlockCountOffset] = blocks;
    return p;
}

ShortPayload BuildKeyMapCommand(int profile) {
    return BuildShortCommand(ShortCommand::KeyMap, ProfileByte(profile), kShortKeyMapBlocks);
}

ShortPayload BuildLightSettingsCommand(int profile) {
    return BuildShortCommand(ShortCommand::LightSettings, ProfileByte(profile), 1);
}

ShortPayload BuildGameModeCommand(int profile) {
    return BuildShortCommand(ShortCommand::GameMode, ProfileByte(profile), 1);
}

ShortPayload BuildMacroAreaCommand(int blocks) {
    return BuildShortCommand(ShortCommand::MacroArea, 0, static_cast<std::uint8_t>(blocks));
}

ShortPayload BuildMusicFrameCommand() {
    return BuildShortCommand(ShortCommand::MusicFrame, 0, kShortMusicFrameBlocks);
}

ShortPayload BuildUserLightColoursCommand(int userLight) {
    return BuildShortCommand(ShortCommand::UserLightColours,
                             static_cast<std::uint8_t>(kUserLightSelectorBase + userLight),
                             kShortColourBlocks);
}

ShortPayload BuildLightSettingsPacket(int lightMode) {
    // The parameter bytes after the mode are sent exactly so; the keyboard reads its effect
    // speed, brightness and direction from them.
    static constexpr std::uint8_t kParameters[] = {0x00, 0x00, 0xFF, 0xFF, 0x00, 0x0F, 0x07,
                                                   0x01, 0x0F, 0x0F, 0x00, 0x00, 0x00};
    ShortPayload p{};
    p[kLightPacketModeOffset] = static_cast<std::uint8_t>(lightMode & 0xFF);
    for (std::size_t i = 0; i < sizeof(kParameters); ++i) {
        p[1 + i] = kParameters[i];
    }
    SetAreaEnd(p, 14);
    SetAreaEnd(p, 62);
    return p;
}

ShortPayload BuildGameModePacket(GameModeSwitches switches) {
    ShortPayload p{};
    p[0] = static_cast<std::uint8_t>(0x80 | switches.Bits());
    SetAreaEnd(p, 62);
    return p;
}

std::optional<int> ProfileFromShortAnswer(const ShortPayload& answer) {
    if (answer[kShortAnswerProfileValidOffset] == 0) {
        return std::nullopt;
    }
    return answer[kShortAnswerProfileOffset];
}

int BatteryFromShortAnswer(const ShortPayload& answer) {
    return answer[kShortAnswerBatteryOffset];
}

}  // namespace vekora
