#include "features/macros/MacroRecorder.h"

#include <algorithm>

namespace vekora {

void MacroRecorder::Start(const RecordOptions& options) {
    options_ = options;
    events_.clear();
    items_.clear();
    lastTick_.reset();
    recording_ = true;
    stopClick_ = false;
}

void MacroRecorder::Stop() {
    recording_ = false;
}

void MacroRecorder::Append(MacroEventType type, int value, const std::wstring& desc,
                           RecordItemKind kind) {
    const int count = static_cast<int>(events_.size());
    MacroEvent event{};
    event.type = static_cast<int>(type);
    event.record_index = count;
    event.value = value;
    event.desc = desc;
    events_.push_back(event);
    items_.push_back(
        RecordListItem{MacroStepText(count + 1, event.type, value, desc), count, kind});
}

void MacroRecorder::Record(const RawInputEvent& event, uint32_t nowMs, bool pointerOnRecordButton) {
    if (!recording_ || event.name.empty()) {
        return;
    }
    if (options_.delay) {
        const std::optional<uint32_t> previous = lastTick_;
        lastTick_ = nowMs;
        if (previous && !stopClick_) {
            // Unsigned arithmetic keeps the gap right across a wrap of the tick count.
            const uint32_t gap = nowMs - *previous;
            const int delay = static_cast<int>(
                std::min<uint32_t>(gap, static_cast<uint32_t>(kMaxRecordedDelayMs)));
            Append(MacroEventType::Delay, delay, std::to_wstring(delay), RecordItemKind::Delay);
        }
    }
    const RecordItemKind kind = event.released ? RecordItemKind::Release : RecordItemKind::Press;
    if (event.kind == RawInputKind::Mouse && options_.mouse) {
        if (pointerOnRecordButton) {
            stopClick_ = true;  // the click that stops the recording stays out of the macro
            return;
        }
        Append(event.released ? MacroEventType::MouseUp : MacroEventType::MouseDown, event.code,
               event.name, kind);
    } else if (event.kind == RawInputKind::Keyboard && options_.keyboard) {
        Append(event.released ? MacroEventType::KeyUp : MacroEventType::KeyDown, event.code,
               event.name, kind);
    }
}

void MacroRecorder::LoadEvents(std::vector<MacroEvent> events) {
    events_ = std::move(events);
    items_.clear();
    for (size_t i = 0; i < events_.size(); ++i) {
        const MacroEvent& e = events_[i];
        items_.push_back(
            RecordListItem{MacroStepText(static_cast<int>(i) + 1, e.type, e.value, e.desc),
                           static_cast<int>(i), MacroStepKind(e.type)});
    }
}

}  // namespace vekora
