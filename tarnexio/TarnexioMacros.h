// Macros inside the library: step records for new_key_action and the list ClearMacro and
// AddMacro stage for SetMacro (those two take no device handle, so the list is the library's).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "tarnexio/wire/TxMacro.h"

namespace tarnexio {

// The step record of a recorded virtual key; nothing for a virtual key without a key code.
std::optional<wire::StepRecord> StepForVirtualKey(int virtualKey, bool press, int delayMs);

// The staged list.
void ClearStagedMacros();
// False (nothing staged) when the list is full or the record is not valid.
bool StageMacro(std::span<const std::uint8_t> record);
std::vector<std::vector<std::uint8_t>> StagedMacros();

}  // namespace tarnexio
