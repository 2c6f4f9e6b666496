// Short-family data areas of fixed size: the key map (576 bytes, 9 blocks), the per-key colours
// of a user light (576 bytes, 9 blocks; the same layout the keyboard returns to 0xF5) and the
// music frame (512 bytes, no end marker). Keys are placed by their matrix index i at bytes
// 4i..4i+3; a key without an index (0) is left out.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "device/DeviceModel.h"
#include "device/protocol/ProtocolBuffers.h"
#include "store/Records.h"

namespace vekora {

inline constexpr std::size_t kShortAreaSize = 576;
using ShortKeyMapArea = std::array<std::uint8_t, kShortAreaSize>;
using ShortColourArea = std::array<std::uint8_t, kShortAreaSize>;
static_assert(kShortAreaSize == 9 * kShortBlockSize);
inline constexpr std::size_t kShortAreaEndOffset = kShortAreaSize - 2;  // 0xAA, 0x55

// The key map of one profile: each written entry at the key's key-map matrix index (by the
// revision flag), later assignments winning where two keys share an index.
ShortKeyMapArea BuildShortKeyMapArea(const std::vector<KeyAssignment>& assignments,
                                     const std::vector<MacroDefinition>& macros, bool revisionFlag);

// The colours of a user light (models 1 and 5): index, red, green, blue per key. Rows whose
// colour is 0 are left out, as they are when stored.
ShortColourArea BuildShortColourArea(DeviceModel model, bool revisionFlag,
                                     const std::vector<KeyColour>& colours);

// The all-zero colour area that clears a user light (still ending in 0xAA, 0x55).
ShortColourArea EmptyShortColourArea();

// A music frame of the view's colours: index, red, green, blue per key of the view.
FramePayload BuildShortMusicFrame(DeviceModel model, bool revisionFlag,
                                  std::span<const KeyLight> keys);

// The colour of each view key in a colour area read back with 0xF5; keys without an index
// are left out.
std::vector<KeyLight> ColoursFromShortArea(DeviceModel model, bool revisionFlag,
                                           std::span<const std::uint8_t, kShortAreaSize> area,
                                           std::span<const int> viewKeys);

}  // namespace vekora
