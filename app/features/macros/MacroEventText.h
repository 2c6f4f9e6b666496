// The kinds of recorded macro steps and the texts of the record list ("3  Keyboard Down (A)").
#pragma once

#include <string>

#include "store/Records.h"

namespace vekora {

// `type` of a MacroEvent.
enum class MacroEventType : int {
    Delay = kMacroEventDelay,
    KeyDown = kMacroEventKeyDown,
    KeyUp = kMacroEventKeyUp,
    MouseDown = kMacroEventMouseDown,
    MouseUp = kMacroEventMouseUp,
};

// The picture of a record list item: what the step does.
enum class RecordItemKind : int {
    Press = 0,
    Release = 1,
    Delay = 2,
};

// One line of the record list; `eventIndex` is the index of its event in the event list.
struct RecordListItem {
    std::wstring text;
    int eventIndex = 0;
    RecordItemKind kind = RecordItemKind::Press;

    bool operator==(const RecordListItem&) const = default;
};

// The longest delay a recorded gap is stored as, in milliseconds.
inline constexpr int kMaxRecordedDelayMs = 31000;

// The list text of a step at `position` (counting from 1): "%d  Delay (%d)" with the delay,
// "%d  Keyboard Down (%s)", "%d  Keyboard Up (%s)", "%d  Mouse Down (%s)" or
// "%d  Mouse Up (%s)" with the name. Unknown types give an empty text.
std::wstring MacroStepText(int position, int type, int value, const std::wstring& name);

// The list picture of a step type; delays and unknown types show as delays.
RecordItemKind MacroStepKind(int type);

}  // namespace vekora
