// skingen: draws the skin pictures listed in the manifest into a skin folder.
//
//   skingen --manifest FILE --out DIR [--list]
//
// --list prints every entry (name, size, frames, style) instead of drawing. Exit status 0
// when every drawable entry was written, 1 on a bad manifest or a failed write, 2 on usage.
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "SkinManifest.h"
#include "SkinPainter.h"

namespace {

bool MakeDirs(const std::string& path) {
    for (std::size_t i = 1; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '/') {
            std::string part = path.substr(0, i);
            if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST)
                return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::string manifest, out;
    bool list = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--manifest") && i + 1 < argc)
            manifest = argv[++i];
        else if (!std::strcmp(argv[i], "--out") && i + 1 < argc)
            out = argv[++i];
        else if (!std::strcmp(argv[i], "--list"))
            list = true;
        else {
            std::fprintf(stderr, "usage: skingen --manifest FILE --out DIR [--list]\n");
            return 2;
        }
    }
    if (manifest.empty() || (out.empty() && !list)) {
        std::fprintf(stderr, "usage: skingen --manifest FILE --out DIR [--list]\n");
        return 2;
    }
    std::ifstream f(manifest);
    if (!f) {
        std::fprintf(stderr, "skingen: cannot read %s\n", manifest.c_str());
        return 1;
    }
    std::stringstream text;
    text << f.rdbuf();
    std::vector<std::string> errors;
    auto entries = skingen::ParseManifest(text.str(), errors);
    for (const auto& e : errors)
        std::fprintf(stderr, "skingen: %s: %s\n", manifest.c_str(), e.c_str());
    if (!errors.empty())
        return 1;
    if (list) {
        for (const auto& e : entries)
            std::printf("%-40s %5d x %-4d frames %d  %s\n", e.name.c_str(), e.width, e.height,
                        e.frames, e.style.c_str());
        return 0;
    }
    int written = 0, pending = 0, failed = 0;
    for (const auto& e : entries) {
        std::string path = out + "/" + e.name;
        if (!MakeDirs(path.substr(0, path.rfind('/')))) {
            std::fprintf(stderr, "skingen: cannot create folder for %s\n", path.c_str());
            ++failed;
            continue;
        }
        switch (skingen::PaintEntry(e, path)) {
            case skingen::PaintResult::Written:
                ++written;
                break;
            case skingen::PaintResult::Pending:
                ++pending;
                break;
            case skingen::PaintResult::UnknownStyle:
                std::fprintf(stderr, "skingen: line %d: unknown style %s\n", e.line,
                             e.style.c_str());
                ++failed;
                break;
            case skingen::PaintResult::WriteFailed:
                std::fprintf(stderr, "skingen: cannot write %s\n", path.c_str());
                ++failed;
                break;
        }
    }
    std::printf("skingen: %d pictures written, %d left to their controls, %d failed\n", written,
                pending, failed);
    return failed ? 1 : 0;
}
