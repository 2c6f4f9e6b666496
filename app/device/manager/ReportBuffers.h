// The report shapes of the exchange operations. Short reports are 65 bytes on the wire: report
// id 0 followed by a 64-byte payload; callers see only the payload. Long reports are 520 bytes
// on the wire and callers build all of them, report id first.
#pragma once

#include <array>
#include <cstdint>

namespace vekora {

inline constexpr int kShortPayloadSize = 64;
inline constexpr int kShortWireSize = 65;
inline constexpr int kLongReportSize = 520;
inline constexpr int kFramePayloadSize = 512;  // eight short payloads
inline constexpr int kSeriesRounds = 9;
inline constexpr int kInputReportSize = 64;

using ShortPayload = std::array<std::uint8_t, kShortPayloadSize>;
using ShortWire = std::array<std::uint8_t, kShortWireSize>;
using LongReport = std::array<std::uint8_t, kLongReportSize>;
using FramePayload = std::array<std::uint8_t, kFramePayloadSize>;
using SeriesBuffer = std::array<std::uint8_t, kSeriesRounds * kShortPayloadSize>;
using InputReport = std::array<std::uint8_t, kInputReportSize>;

// Payload offsets that the exchange operations themselves look at.
inline constexpr int kStatusOffset = 3;           // 1 accepted, 0xFF not ready
inline constexpr int kSeriesFirstFlagOffset = 2;  // 1 in the first request of a series
inline constexpr std::uint8_t kStatusAccepted = 0x01;
inline constexpr std::uint8_t kStatusNotReady = 0xFF;
inline constexpr std::uint8_t kErrorAnswer0 = 0x04;  // an answer starting 0x04, 0xF5 is an error
inline constexpr std::uint8_t kErrorAnswer1 = 0xF5;

static_assert(kShortWireSize == kShortPayloadSize + 1);
static_assert(kFramePayloadSize == 8 * kShortPayloadSize);

// Report id 0 followed by the first min(size, 64) payload bytes, zero-padded.
ShortWire MakeShortWire(const std::uint8_t* payload, std::size_t size);

// Whether a short answer payload (wire bytes 1..) is an error answer.
bool IsErrorAnswer(const ShortWire& wire);

}  // namespace vekora
