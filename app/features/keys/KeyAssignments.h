// Building the KeyAssignment of each function the key menu offers. Labels are taken in the
// language active at the moment the assignment is made and are stored with it, so a later
// language change does not alter existing labels.
#pragma once

#include <optional>

#include "features/FeatureSession.h"
#include "store/Records.h"

namespace vekora {

// Type Default, values 0, empty label: the key does its own function (stored as no row).
KeyAssignment MakeDefaultAssignment();

// The Fn role: KeyCombination with kFnUsage, label "Fn" in every language.
KeyAssignment MakeFnAssignment();

// Disabled, value 1, label "Disable" in every language (only the menu entry is translated).
KeyAssignment MakeDisabledAssignment();

// A system (610..620), multimedia (630..636) or mouse (650..654) command with its label in
// the current language (looked up through `text`); empty for other codes.
std::optional<KeyAssignment> MakeCommandAssignment(int code,
                                                   const TextLookup& text = CurrentLanguageTexts());

// A key or key combination from the captured Windows virtual keys (0 for none): the usages of
// the main key and the modifier, and the label "Main", "Modifier+Main" or "Modifier+" with
// the names of the key capture. A virtual key without a usage gives usage 0. The generic
// Shift, Ctrl and Alt codes count as the left-hand keys.
KeyAssignment MakeKeyAssignment(int mainVirtualKey, int modifierVirtualKey);

// A macro: its id and, as label, its name at this moment.
KeyAssignment MakeMacroAssignment(const MacroDefinition& macro);

}  // namespace vekora
