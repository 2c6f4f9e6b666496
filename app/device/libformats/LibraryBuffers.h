// Buffer shapes of the device library calls. Every buffer is a plain fixed-size array, zeroed
// first and filled by the free functions of this folder.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vekora {

// Device key map and colour map: 126 slots of 4 bytes.
inline constexpr std::size_t kLibrarySlotCount = 126;
inline constexpr std::size_t kLibrarySlotBytes = 4;
inline constexpr std::size_t kLibraryKeyMapBytes = kLibrarySlotCount * kLibrarySlotBytes;
inline constexpr std::size_t kLibraryColourMapBytes = kLibrarySlotCount * kLibrarySlotBytes;
// The table read with GetTable and written back with SetTable.
inline constexpr std::size_t kLibraryTableBytes = 128;
// The light settings record: ten 32-bit integers.
inline constexpr std::size_t kLibraryLightInts = 10;
// A macro record and the buffer one macro step is written into.
inline constexpr std::size_t kLibraryMacroRecordBytes = 128;
inline constexpr std::size_t kLibraryStepBufferBytes = 6;
// The library keeps at most this many macros (ten records of 128 bytes).
inline constexpr std::size_t kLibraryMaxMacros = 10;

using DeviceKeyMapEntry = std::array<std::uint8_t, kLibrarySlotBytes>;
using DeviceKeyMap = std::array<std::uint8_t, kLibraryKeyMapBytes>;
using DeviceColourMap = std::array<std::uint8_t, kLibraryColourMapBytes>;
using DeviceTable = std::array<std::uint8_t, kLibraryTableBytes>;
using LightSettingsValues = std::array<std::int32_t, kLibraryLightInts>;
// A music frame: red, green, blue of the key in slot s at bytes 3s..3s+2.
inline constexpr std::size_t kLibraryMusicFrameBytes = kLibrarySlotCount * 3;
using LibraryMusicFrame = std::array<std::uint8_t, kLibraryMusicFrameBytes>;

static_assert(sizeof(DeviceKeyMap) == 504);
static_assert(sizeof(DeviceColourMap) == 504);
static_assert(sizeof(DeviceTable) == 128);
static_assert(sizeof(LightSettingsValues) == 40);
static_assert(sizeof(LibraryMusicFrame) == 378);

}  // namespace vekora
