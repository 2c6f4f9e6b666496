#include "features/macros/MacroActions.h"

#include "features/keys/KeyAssignments.h"

namespace vekora {

void DeleteMacroAndUpload(ConfigDatabase& db, DeviceUploads& uploads, DeviceModel model,
                          int macroId) {
    db.DeleteMacro(macroId);
    uploads.UploadMacros(DefaultUploadFamily(model));
}

bool AttachMacroToKey(ConfigDatabase& db, KeyFunctions& keys, int macroId, int keyCode) {
    if (macroId == 0) {
        return false;
    }
    MacroDefinition macro{};
    if (!db.GetMacro(macroId, macro)) {
        return false;
    }
    return keys.Apply(keyCode, MakeMacroAssignment(macro));
}

}  // namespace vekora
