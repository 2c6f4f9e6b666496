// The macro actions of the main window: deleting a stored macro and attaching one to a key.
#pragma once

#include "core/DeviceUploads.h"
#include "device/DeviceModel.h"
#include "features/keys/KeyFunctions.h"
#include "store/ConfigDatabase.h"

namespace vekora {

// Deletes the macro and its steps, then uploads the remaining macros. Key assignments that
// name the macro stay as they are.
void DeleteMacroAndUpload(ConfigDatabase& db, DeviceUploads& uploads, DeviceModel model,
                          int macroId);

// Reads the macro and applies it to the key like any other key function. False when the
// macro does not exist or the assignment is refused.
bool AttachMacroToKey(ConfigDatabase& db, KeyFunctions& keys, int macroId, int keyCode);

}  // namespace vekora
