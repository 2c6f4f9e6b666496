// The 4-byte key-map entries of the own-report families: how a stored KeyAssignment is encoded
// for the short family (models 1, 5, 6) and the long family (models 7, 8).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "device/protocol/ProtocolBuffers.h"
#include "store/Records.h"

namespace vekora {

using KeyMapEntry = std::array<std::uint8_t, 4>;

// Stored function types (macro_type) that reach the key map.
inline constexpr int kFunctionSystem = 600;
inline constexpr int kFunctionMultimedia = 601;
inline constexpr int kFunctionMacro = 602;
inline constexpr int kFunctionMouse = 603;
inline constexpr int kFunctionKey = 604;
inline constexpr int kFunctionFnRole = 606;
inline constexpr int kFunctionDisabled = 607;

// (modifier, key) of a system shortcut 610..620.
std::optional<std::array<std::uint8_t, 2>> SystemShortcut(int value);
// Consumer code of a multimedia command 630..636.
std::optional<std::uint8_t> ConsumerCode(int value);
// Button code of a mouse function 650..654.
std::optional<std::uint8_t> MouseButtonCode(int value);

// The 0-based position in `macros` of the macro whose id is `macroId`.
std::optional<int> MacroPosition(const std::vector<MacroDefinition>& macros, int macroId);

// The short-family entry of an assignment; nothing when the entry is not written (default
// function, type 605 or unknown, a macro that is not stored).
std::optional<KeyMapEntry> ShortKeyMapEntry(const KeyAssignment& assignment,
                                            const std::vector<MacroDefinition>& macros);

// The long-family entry of a slot holding `keyCode` with nothing assigned.
KeyMapEntry LongDefaultEntry(int keyCode);

// The long-family entry of an assignment; nothing when the slot keeps its default.
std::optional<KeyMapEntry> LongKeyMapEntry(const KeyAssignment& assignment,
                                           const std::vector<MacroDefinition>& macros);

}  // namespace vekora
