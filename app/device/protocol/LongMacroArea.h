// The long-family macro area (models 6, 7, 8): a directory of 4 bytes per macro (offset and
// length, 16 bits each), then per macro one zero byte and a 4-byte event per key event. It is
// sent as 512-byte chunks of command 0x05.
//
// The area holds at most 4000 bytes. Only whole macros are sent: macros are taken in list
// order while directory and data still fit, so a key assigned to an earlier macro keeps its
// position and no macro arrives cut in half.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "device/protocol/LongReports.h"
#include "device/protocol/ProtocolBuffers.h"

namespace vekora {

inline constexpr int kLongMacroAreaLimit = 4000;
inline constexpr int kLongMacroChunkBytes = 512;
inline constexpr int kLongMacroDefaultDelayMs = 10;
inline constexpr std::uint8_t kLongEventPress = 0x00;
inline constexpr std::uint8_t kLongEventRelease = 0x80;

struct LongMacroArea {
    int length = 0;         // bytes used
    int macrosWritten = 0;  // the first macros of the list that fitted whole
    int macrosLeftOut = 0;  // the rest, not sent
    std::array<std::uint8_t, kLongMacroAreaLimit> bytes{};
};

// The key events of one macro (4 bytes each): press/release, the delay of the most recent
// preceding delay event (10 ms when none) big-endian, the key code of the virtual key.
std::vector<std::array<std::uint8_t, 4>> LongMacroEvents(const std::vector<MacroEvent>& events);

LongMacroArea BuildLongMacroArea(const std::vector<StoredMacro>& macros);

// ceil(length / 512).
int LongMacroChunkCount(const LongMacroArea& area);

// Chunk `index` of the area as a 0x05 report.
LongReport BuildLongMacroChunk(const LongMacroArea& area, int index);

}  // namespace vekora
