#include "device/libformats/MacroSteps.h"

#include <algorithm>
#include <optional>

namespace vekora {
namespace {

constexpr int kMaxDelayMs = 31000;

std::optional<int> MouseVirtualKey(int button) {
    switch (button) {
        case 1:
            return 0x01;  // left
        case 2:
            return 0x04;  // middle
        case 3:
            return 0x02;  // right
        default:
            return std::nullopt;
    }
}

}  // namespace

std::vector<MacroStep> PlanMacroSteps(const std::vector<MacroEvent>& events) {
    std::vector<MacroStep> steps;
    int delay = kDefaultMacroStepDelayMs;
    std::optional<MacroStep> pending;
    for (const MacroEvent& e : events) {
        std::optional<MacroStep> step;
        switch (e.type) {
            case kMacroEventDelay:
                delay = std::clamp(e.value, 0, kMaxDelayMs);
                break;
            case kMacroEventKeyDown:
            case kMacroEventKeyUp:
                step = MacroStep{e.value, e.type == kMacroEventKeyDown, 0};
                break;
            case kMacroEventMouseDown:
            case kMacroEventMouseUp:
                if (const auto vk = MouseVirtualKey(e.value)) {
                    step = MacroStep{*vk, e.type == kMacroEventMouseDown, 0};
                }
                break;
            default:
                break;
        }
        if (!step) {
            continue;
        }
        if (pending) {
            pending->delayMs = delay;
            steps.push_back(*pending);
        }
        pending = step;
    }
    if (pending) {
        pending->delayMs = delay;
        steps.push_back(*pending);
    }
    return steps;
}

MacroRecord BuildMacroRecord(const std::vector<MacroStep>& steps,
                             const NewKeyActionFn& newKeyAction) {
    MacroRecord record;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const MacroStep& s = steps[i];
        std::array<std::uint8_t, kLibraryStepBufferBytes> out{};
        const int written = newKeyAction(s.virtualKey, s.press ? 1 : 0, s.delayMs, out.data(),
                                         static_cast<int>(out.size()));
        if (written <= 0) {
            continue;
        }
        const auto n = std::min(static_cast<std::size_t>(written), out.size());
        if (record.length + n > record.bytes.size()) {
            record.droppedSteps = steps.size() - i;
            break;
        }
        std::copy_n(out.begin(), n,
                    record.bytes.begin() + static_cast<std::ptrdiff_t>(record.length));
        record.length += n;
    }
    return record;
}

}  // namespace vekora
