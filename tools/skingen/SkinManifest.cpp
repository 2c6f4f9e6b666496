#include "SkinManifest.h"

#include <sstream>

namespace skingen {

std::vector<SkinEntry> ParseManifest(const std::string& text, std::vector<std::string>& errors) {
    std::vector<SkinEntry> out;
    std::istringstream in(text);
    std::string line;
    int n = 0;
    while (std::getline(in, line)) {
        ++n;
        auto hash = line.find('#');
        if (hash != std::string::npos)
            line.resize(hash);
        std::istringstream fields(line);
        SkinEntry e;
        if (!(fields >> e.name))
            continue;  // blank or comment
        e.line = n;
        std::string extra;
        if (!(fields >> e.width >> e.height >> e.frames >> e.style) || (fields >> extra) ||
            e.width <= 0 || e.height <= 0 || e.frames <= 0 || e.width % e.frames != 0 ||
            e.name.find("..") != std::string::npos || e.name.front() == '/') {
            errors.push_back("line " + std::to_string(n) + ": malformed entry");
            continue;
        }
        out.push_back(e);
    }
    return out;
}

}  // namespace skingen
