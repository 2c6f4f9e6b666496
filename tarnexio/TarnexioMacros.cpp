#include "TarnexioMacros.h"

#include <mutex>

#include "device/KeyCodes.h"
#include "device/VirtualKeys.h"

namespace tarnexio {
namespace {

std::mutex gMutex;
std::vector<std::vector<std::uint8_t>>& Staged() {
    static std::vector<std::vector<std::uint8_t>> staged;
    return staged;
}

// Mouse buttons and the generic modifier keys, which the key-code table leaves out.
std::optional<wire::Step> SpecialStep(int vk, bool press) {
    const auto button = press ? wire::StepKind::ButtonPress : wire::StepKind::ButtonRelease;
    const auto keyKind = press ? wire::StepKind::KeyPress : wire::StepKind::KeyRelease;
    switch (vk) {
        case 0x01:
            return wire::Step{button, wire::kButtonLeft, 0, 0};
        case 0x02:
            return wire::Step{button, wire::kButtonRight, 0, 0};
        case 0x04:
            return wire::Step{button, wire::kButtonMiddle, 0, 0};
        case 0x10:
            return wire::Step{keyKind, vekora::key::LeftShift, 0, 0};
        case 0x11:
            return wire::Step{keyKind, vekora::key::LeftCtrl, 0, 0};
        case 0x12:
            return wire::Step{keyKind, vekora::key::LeftAlt, 0, 0};
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<wire::StepRecord> StepForVirtualKey(int virtualKey, bool press, int delayMs) {
    std::optional<wire::Step> step = SpecialStep(virtualKey, press);
    if (!step) {
        const auto code = vekora::FindKeyCodeOfVirtualKey(virtualKey);
        if (!code || *code <= 0 || *code > 0xFF) {
            return std::nullopt;
        }
        step = wire::Step{press ? wire::StepKind::KeyPress : wire::StepKind::KeyRelease,
                          static_cast<std::uint8_t>(*code), 0, 0};
    }
    if (step->kind == wire::StepKind::KeyPress || step->kind == wire::StepKind::KeyRelease) {
        if (vekora::IsModifierKey(step->key)) {
            step->modifierBit = static_cast<std::uint8_t>(vekora::ModifierBit(step->key));
        }
    }
    step->delayMs = delayMs;
    return wire::EncodeStep(*step);
}

void ClearStagedMacros() {
    std::lock_guard lock(gMutex);
    Staged().clear();
}

bool StageMacro(std::span<const std::uint8_t> record) {
    if (!wire::DecodeRecord(record)) {
        return false;
    }
    std::lock_guard lock(gMutex);
    if (Staged().size() >= wire::kMaxMacros) {
        return false;
    }
    Staged().emplace_back(record.begin(), record.end());
    return true;
}

std::vector<std::vector<std::uint8_t>> StagedMacros() {
    std::lock_guard lock(gMutex);
    return Staged();
}

}  // namespace tarnexio
