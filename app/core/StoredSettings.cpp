#include "core/StoredSettings.h"

namespace vekora {

std::vector<KeyAssignment> StoredAssignments(ConfigDatabase& db, int profile) {
    std::vector<KeyAssignment> list;
    db.LoadKeyAssignments(profile, list);
    return list;
}

std::vector<MacroDefinition> StoredMacroDefinitions(ConfigDatabase& db) {
    std::vector<MacroDefinition> list;
    db.LoadMacros(list);
    return list;
}

std::vector<StoredMacro> StoredMacros(ConfigDatabase& db) {
    std::vector<StoredMacro> out;
    for (auto& definition : StoredMacroDefinitions(db)) {
        StoredMacro m;
        m.definition = std::move(definition);
        db.LoadMacroEvents(m.definition.macro_id, m.events);
        out.push_back(std::move(m));
    }
    return out;
}

GameModeSwitches StoredSwitches(ConfigDatabase& db, int profile) {
    GameModeSwitches s;
    s.windowsKey = db.GetConfigInt(profile, kDisableWinKey) == 1;
    s.altTab = db.GetConfigInt(profile, kDisableAltTabKey) == 1;
    s.altF4 = db.GetConfigInt(profile, kDisableAltF4Key) == 1;
    return s;
}

std::vector<KeyColour> StoredKeyColours(ConfigDatabase& db, int lightId) {
    std::vector<KeyColour> list;
    db.LoadKeyColours(lightId, list);
    return list;
}

}  // namespace vekora
