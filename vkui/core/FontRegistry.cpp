#include "core/FontRegistry.h"

#include <fontconfig/fontconfig.h>

#include <map>
#include <mutex>

#include "core/TextUtil.h"

namespace VKUI {

namespace {
std::mutex g_lock;
std::map<CString, std::string>& Faces() {
    static std::map<CString, std::string> m;
    return m;
}
}  // namespace

std::string RegisterFontFile(const std::string& path) {
    std::lock_guard lock(g_lock);
    FcConfig* config = FcConfigGetCurrent();
    const auto* file = reinterpret_cast<const FcChar8*>(path.c_str());
    if (!FcConfigAppFontAddFile(config, file))
        return {};
    // Find the family of the file just added among the application fonts.
    std::string family;
    if (FcFontSet* set = FcConfigGetFonts(config, FcSetApplication)) {
        for (int i = 0; i < set->nfont && family.empty(); ++i) {
            FcChar8* f = nullptr;
            FcChar8* fam = nullptr;
            if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &f) == FcResultMatch &&
                path == reinterpret_cast<const char*>(f) &&
                FcPatternGetString(set->fonts[i], FC_FAMILY, 0, &fam) == FcResultMatch)
                family = reinterpret_cast<const char*>(fam);
        }
    }
    return family;
}

void MapFontFace(const CString& face, const std::string& family) {
    std::lock_guard lock(g_lock);
    Faces()[face] = family;
}

void UnmapFontFace(const CString& face) {
    std::lock_guard lock(g_lock);
    Faces().erase(face);
}

std::string ResolveFontFamily(const CString& face) {
    std::lock_guard lock(g_lock);
    auto it = Faces().find(face);
    return it != Faces().end() ? it->second : ToUtf8(face);
}

}  // namespace VKUI
