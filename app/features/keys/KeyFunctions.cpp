#include "features/keys/KeyFunctions.h"

#include <vector>

namespace vekora {

KeyFunctions::KeyFunctions(FeatureSession& session, ConfigDatabase& db, AppView& view,
                           DeviceUploads& uploads)
    : session_(session), db_(db), view_(view), uploads_(uploads) {}

bool KeyFunctions::Apply(int keyCode, KeyAssignment assignment) {
    if (session_.profile == kReadOnlyProfile) {
        view_.ShowMessage(kNotModifiableTextId);
        return false;
    }
    assignment.profile = session_.profile;
    assignment.key_code = keyCode;
    // A failed write is not reported: the label, the upload and the message follow anyway.
    db_.SaveKeyAssignment(assignment);
    view_.SetKeyLabel(keyCode, assignment.macro_desc);
    view_.RedrawKeyboard();
    if (const auto family = KeyMapUploadFamily(session_.model)) {
        uploads_.UploadKeyMap(*family, session_.profile);
    }
    view_.ShowMessage(kSetSuccessfulTextId);
    return true;
}

void KeyFunctions::RefreshLabels(int profile) {
    view_.ClearKeyLabels();
    std::vector<KeyAssignment> rows;
    db_.LoadKeyAssignments(profile, rows);
    for (const KeyAssignment& row : rows) {
        if (row.macro_type != 0) {
            view_.SetKeyLabel(row.key_code, row.macro_desc);
        }
    }
    view_.RedrawKeyboard();
    const int code = ToCode(session_.model);
    if (code < 7 || code > 10) {
        uploads_.UploadKeyMap(UploadFamily::ShortReports, profile);
    }
}

}  // namespace vekora
