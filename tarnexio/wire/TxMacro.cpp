#include "tarnexio/wire/TxMacro.h"

#include <algorithm>

namespace tarnexio::wire {
namespace {

constexpr std::uint8_t kCheckSeed = 0x5A;

std::uint8_t CheckByte(std::span<const std::uint8_t> first5) {
    std::uint8_t x = kCheckSeed;
    for (std::size_t i = 0; i < 5; ++i) {
        x ^= first5[i];
    }
    return x;
}

bool ValidKind(std::uint8_t k) {
    return k >= static_cast<std::uint8_t>(StepKind::KeyPress) &&
           k <= static_cast<std::uint8_t>(StepKind::ButtonRelease);
}

}  // namespace

StepRecord EncodeStep(const Step& step) {
    const int delay = std::clamp(step.delayMs, 0, 0xFFFF);
    StepRecord r{};
    r[0] = static_cast<std::uint8_t>(step.kind);
    r[1] = step.key;
    r[2] = static_cast<std::uint8_t>(delay & 0xFF);
    r[3] = static_cast<std::uint8_t>(delay >> 8);
    r[4] = step.modifierBit;
    r[5] = CheckByte(r);
    return r;
}

std::optional<Step> DecodeStep(std::span<const std::uint8_t> record) {
    if (record.size() < kStepBytes || !ValidKind(record[0]) ||
        record[5] != CheckByte(record.first(5))) {
        return std::nullopt;
    }
    Step s;
    s.kind = static_cast<StepKind>(record[0]);
    s.key = record[1];
    s.delayMs = record[2] | (record[3] << 8);
    s.modifierBit = record[4];
    return s;
}

std::optional<std::vector<Step>> DecodeRecord(std::span<const std::uint8_t> record) {
    if (record.size() > kMaxRecordBytes || record.size() % kStepBytes != 0) {
        return std::nullopt;
    }
    std::vector<Step> steps;
    for (std::size_t at = 0; at < record.size(); at += kStepBytes) {
        const auto s = DecodeStep(record.subspan(at, kStepBytes));
        if (!s) {
            return std::nullopt;
        }
        steps.push_back(*s);
    }
    return steps;
}

std::optional<std::vector<std::uint8_t>> BuildMacroArea(
    const std::vector<std::vector<std::uint8_t>>& records) {
    if (records.size() > kMaxMacros) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> area(kAreaHeaderBytes, 0);
    area[0] = static_cast<std::uint8_t>(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!DecodeRecord(records[i])) {
            return std::nullopt;
        }
        area[1 + i] = static_cast<std::uint8_t>(records[i].size());
    }
    for (const auto& r : records) {
        area.insert(area.end(), r.begin(), r.end());
    }
    return area;
}

std::optional<std::vector<std::vector<std::uint8_t>>> ParseMacroArea(
    std::span<const std::uint8_t> area) {
    if (area.size() < kAreaHeaderBytes || area[0] > kMaxMacros) {
        return std::nullopt;
    }
    const std::size_t count = area[0];
    for (std::size_t i = 1 + count; i < kAreaHeaderBytes; ++i) {
        if (area[i] != 0) {
            return std::nullopt;
        }
    }
    std::vector<std::vector<std::uint8_t>> records;
    std::size_t at = kAreaHeaderBytes;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t length = area[1 + i];
        if (at + length > area.size()) {
            return std::nullopt;
        }
        const auto record = area.subspan(at, length);
        if (!DecodeRecord(record)) {
            return std::nullopt;
        }
        records.emplace_back(record.begin(), record.end());
        at += length;
    }
    if (at != area.size()) {
        return std::nullopt;
    }
    return records;
}

std::vector<std::vector<std::uint8_t>> SplitIntoChunks(std::span<const std::uint8_t> area) {
    std::vector<std::vector<std::uint8_t>> chunks;
    for (std::size_t at = 0; at < area.size(); at += kChunkBytes) {
        const std::size_t n = std::min(kChunkBytes, area.size() - at);
        chunks.emplace_back(area.begin() + static_cast<std::ptrdiff_t>(at),
                            area.begin() + static_cast<std::ptrdiff_t>(at + n));
    }
    if (chunks.empty()) {
        chunks.emplace_back();
    }
    return chunks;
}

}  // namespace tarnexio::wire
