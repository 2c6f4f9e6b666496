#include "features/macros/MacroEditorModel.h"

#include <algorithm>

#include "store/NumberText.h"
#include "store/Utf8.h"

namespace vekora {

int ParsePlayTimes(const std::wstring& text) {
    const int value = text.empty() ? 1 : ParseLenientInt(WideToUtf8(text));
    return std::clamp(value, kMinPlayTimes, kMaxPlayTimes);
}

int ParseRepeatDelay(const std::wstring& text) {
    const int value = text.empty() ? 1 : ParseLenientInt(WideToUtf8(text));
    return std::clamp(value, 0, kMaxRepeatDelayMs);
}

MacroEditorModel::MacroEditorModel(ConfigDatabase& db, DeviceUploads& uploads, DeviceModel model)
    : db_(db), uploads_(uploads), model_(model) {}

bool MacroEditorModel::Load(int macroId) {
    if (macroId <= 0) {
        return false;
    }
    MacroDefinition definition{};
    if (!db_.GetMacro(macroId, definition)) {
        return false;
    }
    macroId_ = definition.macro_id;
    name_ = definition.name;
    timesText_ = std::to_wstring(definition.play_times);
    delayText_ = std::to_wstring(definition.delay_time);
    std::vector<MacroEvent> events;
    db_.LoadMacroEvents(macroId, events);
    recorder_.LoadEvents(std::move(events));
    return true;
}

MacroSaveResult MacroEditorModel::Save() {
    if (recorder_.IsRecording()) {
        recorder_.Stop();
    }
    if (name_.empty()) {
        return MacroSaveResult::NameEmpty;
    }
    if (name_.size() > kMaxMacroNameLength) {
        name_.resize(kMaxMacroNameLength);
    }
    MacroDefinition definition{};
    definition.name = name_;
    definition.play_times = ParsePlayTimes(timesText_);
    definition.delay_type = 1;
    definition.delay_time = ParseRepeatDelay(delayText_);

    if (macroId_ < 1) {
        macroId_ = db_.InsertMacro(definition);
        if (macroId_ < 1) {
            macroId_ = -1;
        }
    }
    if (macroId_ > 0) {
        definition.macro_id = macroId_;
        db_.UpdateMacroOptions(definition);
        db_.RenameMacro(macroId_, name_);
        db_.DeleteMacroEvents(macroId_);
        const auto& events = recorder_.Events();
        int position = 0;
        for (const RecordListItem& item : recorder_.Items()) {
            if (item.eventIndex < 0 || item.eventIndex >= static_cast<int>(events.size())) {
                continue;
            }
            MacroEvent event = events[static_cast<size_t>(item.eventIndex)];
            event.macro_id = macroId_;
            event.record_index = position++;
            db_.AddMacroEvent(event);
        }
    }
    uploads_.UploadMacros(DefaultUploadFamily(model_));
    saved_ = true;
    return MacroSaveResult::Saved;
}

}  // namespace vekora
