// The list of skin pictures: name (relative to skins/theme1/), size, frame count and style.
#pragma once

#include <string>
#include <vector>

namespace skingen {

struct SkinEntry {
    std::string name;
    int width = 0;  // whole strip
    int height = 0;
    int frames = 1;
    std::string style;
    int line = 0;
};

// Parses the manifest text; malformed lines are reported in `errors` and skipped.
std::vector<SkinEntry> ParseManifest(const std::string& text, std::vector<std::string>& errors);

}  // namespace skingen
