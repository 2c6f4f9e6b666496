// Draws one skin picture in the toolkit's look: a light, flat theme with one blue accent.
#pragma once

#include <string>

#include "SkinManifest.h"

namespace skingen {

enum class PaintResult { Written, Pending, UnknownStyle, WriteFailed };

// Renders `entry` and writes it as PNG to `path`.
PaintResult PaintEntry(const SkinEntry& entry, const std::string& path);

}  // namespace skingen
