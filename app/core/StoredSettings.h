// Reading what the uploads send out of the configuration database.
#pragma once

#include <vector>

#include "device/protocol/ProtocolBuffers.h"
#include "store/ConfigDatabase.h"

namespace vekora {

inline constexpr const char* kLightModeKey = "lightmode";
inline constexpr const char* kDisableWinKey = "disable_win";
inline constexpr const char* kDisableAltTabKey = "disable_alttab";
inline constexpr const char* kDisableAltF4Key = "disable_altf4";

std::vector<KeyAssignment> StoredAssignments(ConfigDatabase& db, int profile);
// Every stored macro in list order, each with its events in record order.
std::vector<StoredMacro> StoredMacros(ConfigDatabase& db);
std::vector<MacroDefinition> StoredMacroDefinitions(ConfigDatabase& db);
GameModeSwitches StoredSwitches(ConfigDatabase& db, int profile);
std::vector<KeyColour> StoredKeyColours(ConfigDatabase& db, int lightId);

}  // namespace vekora
