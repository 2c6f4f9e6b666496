// Macro data of the device library's protocol: the 6-byte step records new_key_action writes,
// and the macro area SetMacro sends in chunks (tarnexio/PROTOCOL.md).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tarnexio::wire {

inline constexpr std::size_t kStepBytes = 6;
inline constexpr std::size_t kMaxRecordBytes = 128;
inline constexpr std::size_t kMaxMacros = 10;
inline constexpr std::size_t kAreaHeaderBytes = 16;
inline constexpr std::size_t kMaxAreaBytes = kAreaHeaderBytes + kMaxMacros * kMaxRecordBytes;
inline constexpr std::size_t kChunkBytes = 504;

enum class StepKind : std::uint8_t {
    KeyPress = 0x01,
    KeyRelease = 0x02,
    ButtonPress = 0x03,
    ButtonRelease = 0x04,
};

// Mouse button bits of a button step.
inline constexpr std::uint8_t kButtonLeft = 0x01;
inline constexpr std::uint8_t kButtonRight = 0x02;
inline constexpr std::uint8_t kButtonMiddle = 0x04;

struct Step {
    StepKind kind = StepKind::KeyPress;
    std::uint8_t key = 0;  // key code, or button bit
    int delayMs = 0;       // 0..65535
    std::uint8_t modifierBit = 0;

    bool operator==(const Step&) const = default;
};

using StepRecord = std::array<std::uint8_t, kStepBytes>;

// The record of a step; the delay is capped to 0..65535.
StepRecord EncodeStep(const Step& step);

// The step of a record, when its kind and check byte are right.
std::optional<Step> DecodeStep(std::span<const std::uint8_t> record);

// The steps of a macro record (a multiple of 6 bytes, at most 128); nothing when any step is
// invalid.
std::optional<std::vector<Step>> DecodeRecord(std::span<const std::uint8_t> record);

// The macro area of up to ten records (each valid, at most 128 bytes); nothing otherwise.
std::optional<std::vector<std::uint8_t>> BuildMacroArea(
    const std::vector<std::vector<std::uint8_t>>& records);

// The records of an area; nothing when the area does not check out.
std::optional<std::vector<std::vector<std::uint8_t>>> ParseMacroArea(
    std::span<const std::uint8_t> area);

// The area cut into chunks of at most 504 bytes (at least one chunk).
std::vector<std::vector<std::uint8_t>> SplitIntoChunks(std::span<const std::uint8_t> area);

}  // namespace tarnexio::wire
