// Macros for the device library: which key steps a stored macro turns into, and the macro
// record built from the step records the library's new_key_action returns.
//
// Each key step goes out with the delay recorded after it: a delay event sets the current
// delay (10 ms until the first one), and a press or release waits as the pending step until
// the next press or release (or the end of the macro) sends it with the current delay. The
// last step of a macro is sent too, so a recorded key release is never lost.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "device/libformats/LibraryBuffers.h"
#include "store/Records.h"

namespace vekora {

inline constexpr int kDefaultMacroStepDelayMs = 10;

struct MacroStep {
    int virtualKey = 0;  // the recorded virtual key (mouse buttons as their virtual keys)
    bool press = false;
    int delayMs = 0;

    bool operator==(const MacroStep&) const = default;
};

// The steps of a macro's events (in record order). Mouse buttons 1 (left), 2 (middle) and
// 3 (right) become the virtual keys 0x01, 0x04 and 0x02; the side buttons (7, 8) have no step
// and are left out.
std::vector<MacroStep> PlanMacroSteps(const std::vector<MacroEvent>& events);

// new_key_action as the record builder calls it: (key, 1 press / 0 release, delay, output
// buffer, its length) -> number of bytes written.
using NewKeyActionFn = std::function<int(int, int, int, std::uint8_t*, int)>;

struct MacroRecord {
    std::array<std::uint8_t, kLibraryMacroRecordBytes> bytes{};
    std::size_t length = 0;
    std::size_t droppedSteps = 0;  // steps that did not fit into the record
};

// Calls `newKeyAction` for each step and appends what it wrote. A step whose bytes would pass
// the record's 128 bytes is dropped with every later step (the record keeps whole steps);
// a call that writes nothing adds nothing.
MacroRecord BuildMacroRecord(const std::vector<MacroStep>& steps,
                             const NewKeyActionFn& newKeyAction);

}  // namespace vekora
