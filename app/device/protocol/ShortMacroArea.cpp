#include "device/protocol/ShortMacroArea.h"

#include <algorithm>

#include "device/VirtualKeys.h"

namespace vekora {

namespace {

using Event = std::array<std::uint8_t, 4>;

std::uint8_t ShortMouseCode(int button) {
    switch (button) {
        case 1:
            return 0x01;
        case 2:
            return 0x04;
        case 3:
            return 0x02;
        default:
            return 0;  // the side buttons are not played by the keyboard
    }
}

Event DelayEvent(int ms) {
    const int clamped = std::clamp(ms, 0, 0xFFFF);
    return Event{LowByte(clamped), HighByte(clamped), 0, kShortEventDelay};
}

}  // namespace

int ShortMacroSizeFigure(const std::vector<StoredMacro>& macros) {
    int events = 0;
    for (const auto& m : macros) {
        events += static_cast<int>(m.events.size());
    }
    return 4 * events + 8 * static_cast<int>(macros.size());
}

int ShortMacroBlockCount(int length) {
    return length % 64 == 0 ? length / 64 + 1 : length / 64 + 2;
}

std::vector<Event> ShortMacroEvents(const std::vector<MacroEvent>& events) {
    std::vector<Event> out;
    bool previousWasAction = false;
    for (const auto& e : events) {
        Event ev{};
        switch (e.type) {
            case kMacroEventDelay:
                out.push_back(DelayEvent(e.value));
                previousWasAction = false;
                continue;
            case kMacroEventKeyDown:
            case kMacroEventKeyUp:
                ev = Event{0, 0, static_cast<std::uint8_t>(KeyCodeOfVirtualKey(e.value) & 0xFF),
                           e.type == kMacroEventKeyDown ? kShortEventKeyDown : kShortEventKeyUp};
                break;
            case kMacroEventMouseDown:
            case kMacroEventMouseUp:
                ev = Event{
                    0, 0, ShortMouseCode(e.value),
                    e.type == kMacroEventMouseDown ? kShortEventMouseDown : kShortEventMouseUp};
                break;
            default:
                continue;  // not a recorded kind: nothing to play
        }
        if (previousWasAction && !out.empty()) {
            out.push_back(DelayEvent(kShortMacroInsertedDelayMs));
        }
        out.push_back(ev);
        previousWasAction = true;
    }
    return out;
}

ShortMacroArea BuildShortMacroArea(const std::vector<StoredMacro>& macros) {
    ShortMacroArea area;
    if (ShortMacroSizeFigure(macros) > kShortMacroSizeRuleLimit) {
        area.fit = ShortMacroFit::SizeRuleExceeded;
        return area;
    }
    if (static_cast<int>(macros.size()) > kShortMacroDirectoryEntries) {
        area.fit = ShortMacroFit::TooManyMacros;
        return area;
    }
    int offset = kShortMacroDirectorySize;
    for (std::size_t m = 0; m < macros.size(); ++m) {
        const auto dir = m * 4;
        if (macros[m].events.empty()) {
            std::fill_n(area.bytes.begin() + static_cast<std::ptrdiff_t>(dir), 4, 0xFF);
            continue;
        }
        const auto events = ShortMacroEvents(macros[m].events);
        const int recordSize = kShortMacroRecordHeader + 4 * static_cast<int>(events.size());
        if (offset + recordSize > kShortMacroAreaLimit) {
            area = ShortMacroArea{};
            area.fit = ShortMacroFit::AreaTooLong;
            return area;
        }
        area.bytes[dir] = LowByte(offset);
        area.bytes[dir + 1] = HighByte(offset);
        const auto count = static_cast<int>(events.size());
        area.bytes[static_cast<std::size_t>(offset)] = LowByte(count);
        area.bytes[static_cast<std::size_t>(offset) + 1] = HighByte(count);
        auto at = static_cast<std::size_t>(offset + kShortMacroRecordHeader);
        for (const auto& ev : events) {
            std::copy(ev.begin(), ev.end(), area.bytes.begin() + static_cast<std::ptrdiff_t>(at));
            at += 4;
        }
        offset += recordSize;
    }
    area.length = offset;
    area.blocks = ShortMacroBlockCount(offset);
    const auto end = static_cast<std::size_t>(area.blocks) * kShortBlockSize;
    area.bytes[end - 2] = kAreaEnd0;
    area.bytes[end - 1] = kAreaEnd1;
    return area;
}

}  // namespace vekora
