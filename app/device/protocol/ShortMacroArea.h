// The short-family macro area (models 1, 5, 6): a directory of 100 four-byte entries, then one
// record per macro with events (2-byte event count, 6 zero bytes, 4-byte events), padded to a
// whole number of 64-byte blocks whose last two bytes are 0xAA, 0x55.
//
// Two limits guard the keyboard's memory. The size rule (4 x stored events + 8 x macros must
// not exceed 2500) decides whether an upload is made at all. Beyond it the area itself must fit:
// at most 100 macros (the directory's entries) and at most 3200 bytes including the 10 ms
// delays inserted between adjacent key and button events; an area that would not fit is not
// built rather than cut.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "device/protocol/ProtocolBuffers.h"

namespace vekora {

inline constexpr int kShortMacroDirectoryEntries = 100;
inline constexpr int kShortMacroDirectorySize = kShortMacroDirectoryEntries * 4;  // 400
inline constexpr int kShortMacroRecordHeader = 8;
inline constexpr int kShortMacroAreaLimit = 3200;
inline constexpr int kShortMacroSizeRuleLimit = 2500;
inline constexpr int kShortMacroInsertedDelayMs = 10;
// The largest block count an area of at most 3200 bytes needs (3200 / 64 + 1).
inline constexpr int kShortMacroMaxBlocks = kShortMacroAreaLimit / 64 + 1;
inline constexpr std::size_t kShortMacroBufferSize = kShortMacroMaxBlocks * kShortBlockSize;
static_assert(kShortMacroBufferSize == 3264);

// Event kinds of the short family (byte 3 of an event).
inline constexpr std::uint8_t kShortEventDelay = 0x50;
inline constexpr std::uint8_t kShortEventKeyDown = 0xB0;
inline constexpr std::uint8_t kShortEventKeyUp = 0x30;
inline constexpr std::uint8_t kShortEventMouseDown = 0x90;
inline constexpr std::uint8_t kShortEventMouseUp = 0x10;

enum class ShortMacroFit {
    Fits,
    SizeRuleExceeded,  // 4 x events + 8 x macros > 2500: no upload
    TooManyMacros,     // more macros than the directory has entries
    AreaTooLong,       // the built area would pass 3200 bytes
};

struct ShortMacroArea {
    ShortMacroFit fit = ShortMacroFit::Fits;
    int length = 0;  // bytes of directory and records, before the padding
    int blocks = 0;  // 64-byte blocks to send (L/64 + 1 when L is a multiple of 64, else L/64 + 2)
    std::array<std::uint8_t, kShortMacroBufferSize> bytes{};
};

// 4 x (all events) + 8 x (macros): the figure the size rule limits.
int ShortMacroSizeFigure(const std::vector<StoredMacro>& macros);

// The number of blocks for an area of `length` bytes.
int ShortMacroBlockCount(int length);

// The events of one macro as the keyboard receives them (4 bytes each), 10 ms delays inserted.
std::vector<std::array<std::uint8_t, 4>> ShortMacroEvents(const std::vector<MacroEvent>& events);

// Builds the area; `fit` says whether it may be sent (bytes are valid only for Fits).
ShortMacroArea BuildShortMacroArea(const std::vector<StoredMacro>& macros);

}  // namespace vekora
