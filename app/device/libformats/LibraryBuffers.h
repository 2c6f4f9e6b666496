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

static_assert(sizeof(DeviceKeyMap) == 504);
static_assert(sizeof(DeviceColourMap) == 504);
static_assert(sizeof(DeviceTable) == 128);
static_assert(sizeof(LightSettingsValues) == 40);

// A key of the keyboard view with the colour it shows (0x00BBGGRR), for music frames.
struct ViewKeyColour {
    int keyCode = 0;
    std::uint32_t colour = 0;
};

}  // namespace vekora
