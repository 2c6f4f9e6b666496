// Short-family command reports (models 1, 5, 6): 64-byte payloads with 0x04 in byte 0, the
// command code in byte 1, an argument in byte 2 and, where data blocks follow, their count in
// byte 8. Also the one-block light settings and game-mode packets and the answers read back.
#pragma once

#include <cstdint>
#include <optional>

#include "device/protocol/ProtocolBuffers.h"

namespace vekora {

enum class ShortCommand : std::uint8_t {
    Commit = 0x02,
    KeyMap = 0x11,         // byte 2 profile, 9 blocks follow
    LightSettings = 0x13,  // byte 2 profile, 1 block follows
    MacroArea = 0x15,      // n blocks follow
    GameMode = 0x17,       // byte 2 profile, 1 block follows
    BeginConfig = 0x18,
    BeginMacro = 0x19,
    MusicFrame = 0x20,        // 8 blocks follow
    UserLightColours = 0x23,  // byte 2 0x80 + user light 1..5, 9 blocks follow
    ReadProfile = 0x30,
    ReadBattery = 0x61,
    EndTransaction = 0xF0,
    ReadKeyColours = 0xF5,
};

inline constexpr int kShortTagOffset = 0;
inline constexpr int kShortCommandOffset = 1;
inline constexpr int kShortArgumentOffset = 2;
inline constexpr int kShortBlockCountOffset = 8;
inline constexpr std::uint8_t kShortTag = 0x04;

inline constexpr int kShortKeyMapBlocks = 9;
inline constexpr int kShortColourBlocks = 9;
inline constexpr int kShortMusicFrameBlocks = 8;
inline constexpr std::uint8_t kUserLightSelectorBase = 0x80;

// Answer fields.
inline constexpr int kShortAnswerStatusOffset = 3;
inline constexpr int kShortAnswerBatteryOffset = 3;
inline constexpr int kShortAnswerProfileValidOffset = 8;
inline constexpr int kShortAnswerProfileOffset = 9;

// A command report: tag, code, argument, block count; every other byte 0.
ShortPayload BuildShortCommand(ShortCommand command, std::uint8_t argument = 0,
                               std::uint8_t blocks = 0);

ShortPayload BuildKeyMapCommand(int profile);
ShortPayload BuildLightSettingsCommand(int profile);
ShortPayload BuildGameModeCommand(int profile);
ShortPayload BuildMacroAreaCommand(int blocks);
ShortPayload BuildMusicFrameCommand();
// `userLight` is 1..5 and is sent as 0x80 + userLight.
ShortPayload BuildUserLightColoursCommand(int userLight);

// The block after 0x13: the light mode, then the fixed parameter bytes, 0xAA, 0x55 at 14..15
// and 62..63.
ShortPayload BuildLightSettingsPacket(int lightMode);
inline constexpr int kLightPacketModeOffset = 0;

// The block after 0x17: 0x80 | switch bits in byte 0, 0xAA, 0x55 at 62..63.
ShortPayload BuildGameModePacket(GameModeSwitches switches);

// The keyboard's own profile from an answer to 0x30: byte 9 when byte 8 is non-zero.
std::optional<int> ProfileFromShortAnswer(const ShortPayload& answer);

// The battery level from an answer to 0x61.
int BatteryFromShortAnswer(const ShortPayload& answer);

}  // namespace vekora
