// Matrix indexes of the short-report keyboards (models 1, 5 and 6). They number their keys on a
// grid of 18 columns: index = 18 * row + column + 1, rows from the top. Key maps use the index
// for models 1, 5 and 6; per-key colours and music frames for models 1 and 5.
//
// One base table (key code -> index) and five variants of it are in use. A code a table does
// not list yields 0.
#pragma once

#include <optional>

#include "device/DeviceModel.h"

namespace vekora {

inline constexpr int kMatrixColumns = 18;

enum class MatrixVariant {
    KeyMapRevision,  // key map upload while the revision flag is set
    KeyMapPlain,     // key map upload while it is clear (the base table)
    LightRevision,   // model 1 with the revision flag: per-key colours and music frames
    LightPlain,      // model 1 without the flag
    Light68,         // model 5 (the same entries as LightPlain)
};

// The index of `keyCode` in one variant, 0 when not listed.
int MatrixIndex(MatrixVariant variant, int keyCode);

// The key-map index of `keyCode`, chosen by the window's revision flag.
int KeyMapMatrixIndex(int keyCode, bool revisionFlag);

// The light variant of a model: models 1 (by the revision flag) and 5; nothing for others.
std::optional<MatrixVariant> LightMatrixVariant(DeviceModel m, bool revisionFlag);

// The light index of `keyCode` on the model, 0 for models without light indexes.
int LightMatrixIndex(DeviceModel m, bool revisionFlag, int keyCode);

}  // namespace vekora
