// Frames of the device library's report protocol (tarnexio/PROTOCOL.md): 520-byte feature
// reports with report id 6, a protocol tag, command, sequence number, two arguments, a payload
// of up to 504 bytes, a status, a checksum and an end marker.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace tarnexio::wire {

inline constexpr std::size_t kFrameSize = 520;
inline constexpr std::uint8_t kReportId = 0x06;
inline constexpr std::uint8_t kTag = 0xA7;
inline constexpr std::size_t kMaxPayload = 504;

inline constexpr std::size_t kTagOffset = 1;
inline constexpr std::size_t kCommandOffset = 2;
inline constexpr std::size_t kSequenceOffset = 3;
inline constexpr std::size_t kArg1Offset = 4;
inline constexpr std::size_t kArg2Offset = 5;
inline constexpr std::size_t kLengthOffset = 6;
inline constexpr std::size_t kPayloadOffset = 8;
inline constexpr std::size_t kStatusOffset = 512;
inline constexpr std::size_t kChecksumOffset = 516;
inline constexpr std::size_t kEndOffset = 518;

static_assert(kPayloadOffset + kMaxPayload == kStatusOffset);
static_assert(kEndOffset + 2 == kFrameSize);

using Frame = std::array<std::uint8_t, kFrameSize>;

enum class Command : std::uint8_t {
    None = 0x00,
    Hello = 0x01,
    HostMode = 0x02,
    LayerCount = 0x03,
    WriteKeyMap = 0x10,
    ReadKeyMap = 0x11,
    WriteKeyColours = 0x12,
    ReadKeyColours = 0x13,
    WriteTable = 0x14,
    ReadTable = 0x15,
    WriteLight = 0x16,
    ReadLight = 0x17,
    MusicFrame = 0x18,
    WriteMacroChunk = 0x20,
};

enum class Status : std::uint8_t {
    Done = 0x00,
    UnknownCommand = 0x01,
    BadArgument = 0x02,
    BadFrame = 0x03,
    Refused = 0x04,
    OutOfOrder = 0x05,
    NoRequest = 0x06,
    BadMacroArea = 0x07,
};

// Payload sizes of the commands that carry data.
inline constexpr std::size_t kKeyMapBytes = 504;
inline constexpr std::size_t kColourMapBytes = 504;
inline constexpr std::size_t kTableBytes = 128;
inline constexpr std::size_t kLightBytes = 40;
inline constexpr std::size_t kMusicFrameBytes = 378;
inline constexpr std::size_t kHelloBytes = 8;

// Sizes of what the keyboard holds.
inline constexpr int kKeyMapProfiles = 4;
inline constexpr int kColourSlots = 5;
inline constexpr int kProfiles = 5;

struct Header {
    Command command = Command::None;
    std::uint8_t sequence = 0;
    std::uint8_t arg1 = 0;
    std::uint8_t arg2 = 0;
};

// Sum of bytes 1..515 modulo 65536.
std::uint16_t Checksum(const Frame& frame);

// A request frame; the payload is cut at 504 bytes.
Frame BuildRequest(const Header& header, std::span<const std::uint8_t> payload = {});

// An answer to `header` with `status` and `payload`.
Frame BuildAnswer(const Header& header, Status status, std::span<const std::uint8_t> payload = {});

// A frame that checks out (size, report id, tag, length, checksum, end marker).
struct ParsedFrame {
    Header header;
    Status status = Status::Done;
    std::span<const std::uint8_t> payload;  // into the parsed bytes
};
std::optional<ParsedFrame> ParseFrame(std::span<const std::uint8_t> bytes);

// True when the bytes start like a frame of this protocol (report id and tag), whether or not
// the rest checks out.
bool LooksLikeFrame(std::span<const std::uint8_t> bytes);

}  // namespace tarnexio::wire
