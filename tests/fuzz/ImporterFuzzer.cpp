// libFuzzer entry for the profile and light file parsers. Besides "no crash, no sanitizer
// report", it checks a property: whatever a parser accepts, written out again by our own
// writer and parsed back, gives the same contents.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "features/files/LightFile.h"
#include "features/files/ProfileFile.h"

namespace {

// The writer replaces what XML cannot carry; a parsed text may hold such characters when the
// file wrote them as character references.
std::wstring AsWritten(const std::wstring& text) {
    std::wstring out;
    for (wchar_t c : text) {
        const bool forbidden =
            (c < 0x20 && c != L'\t' && c != L'\n' && c != L'\r') || c == 0xFFFE || c == 0xFFFF;
        out.push_back(forbidden ? static_cast<wchar_t>(0xFFFD) : c);
    }
    return out;
}

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckProfileRoundTrip(const vekora::ProfileFileContents& first) {
    const int profile = first.profile.value_or(1);
    const std::string bytes =
        vekora::BuildProfileDocument(first.name, profile, first.items).ToString();
    const auto second = vekora::ParseProfileFile(bytes);
    Check(second.has_value());
    Check(second->name == AsWritten(first.name));
    Check(second->profile == profile);
    Check(second->items.size() == first.items.size());
    for (size_t i = 0; i < first.items.size(); ++i) {
        const auto& a = first.items[i];
        const auto& b = second->items[i];
        Check(a.profile == b.profile && a.key_code == b.key_code && a.macro_type == b.macro_type &&
              a.macro_value == b.macro_value && a.macro_value2 == b.macro_value2 &&
              a.macro_value3 == b.macro_value3);
        Check(AsWritten(a.macro_desc) == b.macro_desc);
    }
}

void CheckLightRoundTrip(const vekora::LightFileContents& first) {
    std::vector<vekora::KeyColour> rows;
    for (const auto& c : first.colours) {
        vekora::KeyColour row{};
        row.profile = 1;
        row.key_code = c.keyCode;
        row.key_rgb = c.rgb;
        rows.push_back(row);
    }
    const std::string bytes = vekora::BuildLightDocument(first.name, rows).ToString();
    const auto second = vekora::ParseLightFile(bytes);
    Check(second.has_value() && second->isLightFile);
    Check(second->name == AsWritten(first.name));
    Check(second->colours == first.colours);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto profile = vekora::ParseProfileFile(bytes)) {
        CheckProfileRoundTrip(*profile);
    }
    if (const auto light = vekora::ParseLightFile(bytes); light && light->isLightFile) {
        CheckLightRoundTrip(*light);
    }
    return 0;
}
