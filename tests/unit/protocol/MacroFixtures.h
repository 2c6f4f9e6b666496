// Stored macros for the macro-area tests: events as the store keeps them.
#pragma once

#include <utility>
#include <vector>

#include "device/protocol/ProtocolBuffers.h"

namespace vekora::testing {

inline MacroEvent Ev(int type, int value) {
    MacroEvent e;
    e.type = type;
    e.value = value;
    return e;
}

// A macro played once, with its events in record order.
inline StoredMacro Macro(int id, std::vector<MacroEvent> events) {
    StoredMacro m;
    m.definition.macro_id = id;
    m.definition.play_times = 1;
    m.events = std::move(events);
    return m;
}

}  // namespace vekora::testing
