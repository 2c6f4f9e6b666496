#include "device/protocol/LongMacroArea.h"

#include <algorithm>

#include "device/VirtualKeys.h"

namespace vekora {

std::vector<std::array<std::uint8_t, 4>> LongMacroEvents(const std::vector<MacroEvent>& events) {
    std::vector<std::array<std::uint8_t, 4>> out;
    int delay = kLongMacroDefaultDelayMs;
    for (const auto& e : events) {
        if (e.type == kMacroEventDelay) {
            delay = std::clamp(e.value, 0, 0xFFFF);
            continue;
        }
        if (e.type != kMacroEventKeyDown && e.type != kMacroEventKeyUp) {
            continue;  // mouse events are not played by these keyboards
        }
        out.push_back({e.type == kMacroEventKeyDown ? kLongEventPress : kLongEventRelease,
                       HighByte(delay), LowByte(delay),
                       static_cast<std::uint8_t>(KeyCodeOfVirtualKey(e.value) & 0xFF)});
    }
    return out;
}

LongMacroArea BuildLongMacroArea(const std::vector<StoredMacro>& macros) {
    LongMacroArea area;
    std::vector<std::vector<std::array<std::uint8_t, 4>>> encoded;
    int dataBytes = 0;
    for (const auto& m : macros) {
        auto events = LongMacroEvents(m.events);
        const int length = 1 + 4 * static_cast<int>(events.size());
        const int directory = 4 * (static_cast<int>(encoded.size()) + 1);
        if (directory + dataBytes + length > kLongMacroAreaLimit) {
            break;
        }
        dataBytes += length;
        encoded.push_back(std::move(events));
    }
    const int count = static_cast<int>(encoded.size());
    int offset = 4 * count;
    for (int i = 0; i < count; ++i) {
        const auto& events = encoded[static_cast<std::size_t>(i)];
        const int length = 1 + 4 * static_cast<int>(events.size());
        const auto dir = static_cast<std::size_t>(i) * 4;
        area.bytes[dir] = LowByte(offset);
        area.bytes[dir + 1] = HighByte(offset);
        area.bytes[dir + 2] = LowByte(length);
        area.bytes[dir + 3] = HighByte(length);
        auto at = static_cast<std::size_t>(offset) + 1;  // the leading zero byte
        for (const auto& ev : events) {
            std::copy(ev.begin(), ev.end(), area.bytes.begin() + static_cast<std::ptrdiff_t>(at));
            at += 4;
        }
        offset += length;
    }
    area.length = offset;
    area.macrosWritten = count;
    area.macrosLeftOut = static_cast<int>(macros.size()) - count;
    return area;
}

int LongMacroChunkCount(const LongMacroArea& area) {
    return (area.length + kLongMacroChunkBytes - 1) / kLongMacroChunkBytes;
}

LongReport BuildLongMacroChunk(const LongMacroArea& area, int index) {
    const int start = index * kLongMacroChunkBytes;
    const int bytes = std::clamp(area.length - start, 0, kLongMacroChunkBytes);
    LongReport r = BuildLongReport(LongCommand::WriteMacroChunk, 0,
                                   static_cast<std::uint8_t>(LongMacroChunkCount(area)),
                                   static_cast<std::uint8_t>(index), bytes);
    std::copy_n(area.bytes.begin() + start, bytes, r.begin() + kLongDataOffset);
    return r;
}

}  // namespace vekora
