// KeyFunctions: applying an assignment to a key and refreshing the key labels of a profile,
// with the uploads those actions trigger.
#pragma once

#include "core/AppView.h"
#include "core/DeviceUploads.h"
#include "features/FeatureSession.h"
#include "store/ConfigDatabase.h"
#include "store/Records.h"

namespace vekora {

class KeyFunctions {
public:
    KeyFunctions(FeatureSession& session, ConfigDatabase& db, AppView& view,
                 DeviceUploads& uploads);

    // Applies `assignment` to the key `keyCode` in the current profile: refused with
    // "This mode does not support modification!" on profile 5; otherwise stored (a default
    // assignment, or any whose two values are 0, removes the key's row), the key's label set,
    // the profile's key map uploaded by the model's family, and "Set Successful!" shown
    // whatever the outcome of the store and the upload. Returns false when refused.
    bool Apply(int keyCode, KeyAssignment assignment);

    // Clears all labels, labels every key with a stored function in `profile`, redraws, and
    // on models other than 7..10 uploads the profile's key map with the short reports.
    void RefreshLabels(int profile);

private:
    FeatureSession& session_;
    ConfigDatabase& db_;
    AppView& view_;
    DeviceUploads& uploads_;
};

}  // namespace vekora
