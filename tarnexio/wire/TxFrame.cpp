#include "tarnexio/wire/TxFrame.h"

#include <algorithm>

namespace tarnexio::wire {
namespace {

Frame Build(const Header& header, Status status, std::span<const std::uint8_t> payload) {
    Frame f{};
    const std::size_t n = std::min(payload.size(), kMaxPayload);
    f[0] = kReportId;
    f[kTagOffset] = kTag;
    f[kCommandOffset] = static_cast<std::uint8_t>(header.command);
    f[kSequenceOffset] = header.sequence;
    f[kArg1Offset] = header.arg1;
    f[kArg2Offset] = header.arg2;
    f[kLengthOffset] = static_cast<std::uint8_t>(n & 0xFF);
    f[kLengthOffset + 1] = static_cast<std::uint8_t>(n >> 8);
    std::copy_n(payload.begin(), n, f.begin() + kPayloadOffset);
    f[kStatusOffset] = static_cast<std::uint8_t>(status);
    const std::uint16_t sum = Checksum(f);
    f[kChecksumOffset] = static_cast<std::uint8_t>(sum & 0xFF);
    f[kChecksumOffset + 1] = static_cast<std::uint8_t>(sum >> 8);
    f[kEndOffset] = 0xAA;
    f[kEndOffset + 1] = 0x55;
    return f;
}

}  // namespace

std::uint16_t Checksum(const Frame& frame) {
    unsigned sum = 0;
    for (std::size_t i = 1; i < kChecksumOffset; ++i) {
        sum += frame[i];
    }
    return static_cast<std::uint16_t>(sum & 0xFFFF);
}

Frame BuildRequest(const Header& header, std::span<const std::uint8_t> payload) {
    return Build(header, Status::Done, payload);
}

Frame BuildAnswer(const Header& header, Status status, std::span<const std::uint8_t> payload) {
    return Build(header, status, payload);
}

bool LooksLikeFrame(std::span<const std::uint8_t> bytes) {
    return bytes.size() > kTagOffset && bytes[0] == kReportId && bytes[kTagOffset] == kTag;
}

std::optional<ParsedFrame> ParseFrame(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != kFrameSize || !LooksLikeFrame(bytes)) {
        return std::nullopt;
    }
    Frame f{};
    std::copy(bytes.begin(), bytes.end(), f.begin());
    const std::size_t length = f[kLengthOffset] | (f[kLengthOffset + 1] << 8);
    const std::uint16_t sum =
        static_cast<std::uint16_t>(f[kChecksumOffset] | (f[kChecksumOffset + 1] << 8));
    if (length > kMaxPayload || sum != Checksum(f) || f[kEndOffset] != 0xAA ||
        f[kEndOffset + 1] != 0x55) {
        return std::nullopt;
    }
    ParsedFrame p;
    p.header.command = static_cast<Command>(f[kCommandOffset]);
    p.header.sequence = f[kSequenceOffset];
    p.header.arg1 = f[kArg1Offset];
    p.header.arg2 = f[kArg2Offset];
    p.status = static_cast<Status>(f[kStatusOffset]);
    p.payload = bytes.subspan(kPayloadOffset, length);
    return p;
}

}  // namespace tarnexio::wire
