// Buffer sizes and small value types shared by the report builders. Short payloads are the 64
// bytes after the report id 0; long reports are the whole 520 bytes, report id first.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "device/KeyLight.h"
#include "device/manager/ReportBuffers.h"
#include "store/Records.h"

namespace vekora {

// ShortPayload, LongReport, FramePayload and InputReport are the exchange operations' shapes.
inline constexpr std::size_t kShortBlockSize = kShortPayloadSize;
inline constexpr std::size_t kLongWireSize = kLongReportSize;
inline constexpr std::size_t kMusicFrameSize = kFramePayloadSize;

// Data areas end their last block with these two bytes.
inline constexpr std::uint8_t kAreaEnd0 = 0xAA;
inline constexpr std::uint8_t kAreaEnd1 = 0x55;

// The three game-mode switches ("disable_win", "disable_alttab", "disable_altf4").
struct GameModeSwitches {
    bool windowsKey = false;
    bool altTab = false;
    bool altF4 = false;

    // Bit 0 Windows key, bit 1 Alt+Tab, bit 2 Alt+F4.
    constexpr std::uint8_t Bits() const {
        return static_cast<std::uint8_t>((windowsKey ? 1 : 0) | (altTab ? 2 : 0) | (altF4 ? 4 : 0));
    }
};

// A stored macro with its events in record order, as the macro areas are built from them.
struct StoredMacro {
    MacroDefinition definition;
    std::vector<MacroEvent> events;
};

constexpr std::uint8_t LowByte(int v) {
    return static_cast<std::uint8_t>(v & 0xFF);
}
constexpr std::uint8_t HighByte(int v) {
    return static_cast<std::uint8_t>((v >> 8) & 0xFF);
}

}  // namespace vekora
