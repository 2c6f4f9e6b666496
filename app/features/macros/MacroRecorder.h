// MacroRecorder: turns the keyboard and mouse events that arrive while recording into the
// steps of a macro, with a delay step for the time between two events.
//
// Rules: the first event is never preceded by a delay; a gap longer than 31000 ms is stored
// as 31000; delays are only recorded with the Record Delay option, and are counted from every
// event that arrives, also from events of a kind whose option is off (so a click with Record
// Mouse off still adds its delay). The click that stops the recording (a mouse event while
// the pointer is on the record button, with Record Mouse on) is left out, and so is the delay
// after it. Auto-repeat presses are recorded like any other press.
//
// The recorder also owns the event list and the record list of the editor: the events in the
// order they were appended, and one list item per event whose data is the event's index.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "features/macros/MacroEventText.h"
#include "features/macros/RawInputEvent.h"
#include "store/Records.h"

namespace vekora {

struct RecordOptions {
    bool keyboard = true;
    bool mouse = true;
    bool delay = true;
};

class MacroRecorder {
public:
    // Starts a new recording: captures the options and discards the steps recorded so far.
    void Start(const RecordOptions& options);
    // Ends the recording; the steps stay.
    void Stop();
    bool IsRecording() const { return recording_; }

    // Feeds one event. `nowMs` is a millisecond tick count (wrapping like the system's);
    // `pointerOnRecordButton` tells whether the mouse pointer is on the record button and is
    // only consulted for mouse events. Ignored while not recording or when the event has no
    // name.
    void Record(const RawInputEvent& event, uint32_t nowMs, bool pointerOnRecordButton);

    // Replaces the steps with a stored macro's events (in record_index order) and builds
    // their list items, counting positions from 1.
    void LoadEvents(std::vector<MacroEvent> events);

    const std::vector<MacroEvent>& Events() const { return events_; }
    const std::vector<RecordListItem>& Items() const { return items_; }
    // The list items, for an editor that lets the user remove or reorder steps; their data
    // keeps pointing into Events().
    std::vector<RecordListItem>& MutableItems() { return items_; }

    // The tick of the last event accepted for delay counting; empty before the first one and
    // whenever Record Delay is off.
    std::optional<uint32_t> LastEventTick() const { return lastTick_; }
    bool StopClickSeen() const { return stopClick_; }

private:
    void Append(MacroEventType type, int value, const std::wstring& desc, RecordItemKind kind);

    bool recording_ = false;
    RecordOptions options_;
    std::optional<uint32_t> lastTick_;
    bool stopClick_ = false;
    std::vector<MacroEvent> events_;
    std::vector<RecordListItem> items_;
};

}  // namespace vekora
