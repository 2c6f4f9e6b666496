// The 128-byte table the device library reads with GetTable and writes back with SetTable.
// The program changes single bytes and writes every other byte back as it was read.
#pragma once

#include <optional>

#include "device/libformats/LibraryBuffers.h"

namespace vekora {

inline constexpr std::size_t kTableWindowsKeyOffset = 15;  // 1: Windows key disabled
inline constexpr std::size_t kTableProfileOffset = 30;     // current profile - 1 (0..4)
inline constexpr std::size_t kTableAltTabOffset = 31;      // 1: Alt+Tab disabled
inline constexpr std::size_t kTableAltF4Offset = 32;       // 1: Alt+F4 disabled

// Selects profile 1..5 (byte 30 = profile - 1). A profile outside 1..5 leaves the table alone
// and returns false, so a bad value never reaches the keyboard.
bool SetTableProfile(DeviceTable& table, int profile);

// Bytes 15, 31 and 32 from the three game-mode switches.
void SetTableGameMode(DeviceTable& table, bool windowsKeyDisabled, bool altTabDisabled,
                      bool altF4Disabled);

// The profile the table names (byte 30 + 1) when it is 1..5.
std::optional<int> TableProfile(const DeviceTable& table);

}  // namespace vekora
