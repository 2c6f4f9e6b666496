#include "features/files/ExportFileName.h"

#include <chrono>
#include <system_error>

#include "store/Utf8.h"

namespace vekora {
namespace {

constexpr size_t kMaxNameBytes = 200;

bool IsUnsafe(wchar_t c) {
    if (c < 0x20 || c == 0x7F) {
        return true;
    }
    switch (c) {
        case L'/':
        case L'\\':
        case L':':
        case L'*':
        case L'?':
        case L'"':
        case L'<':
        case L'>':
        case L'|':
            return true;
        default:
            return false;
    }
}

}  // namespace

uint32_t SystemTickCount() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

std::wstring SafeFileNamePart(std::wstring_view name) {
    std::wstring safe;
    size_t bytes = 0;
    for (wchar_t c : name) {
        const wchar_t out = IsUnsafe(c) || (safe.empty() && c == L'.') ? L'_' : c;
        const size_t width = WideToUtf8(std::wstring_view(&out, 1)).size();
        if (bytes + width > kMaxNameBytes) {
            break;
        }
        safe.push_back(out);
        bytes += width;
    }
    if (safe.empty()) {
        safe = L"_";
    }
    return safe;
}

std::filesystem::path ExportFilePath(const std::filesystem::path& folder, std::wstring_view name,
                                     uint32_t tick) {
    const std::string base = WideToUtf8(SafeFileNamePart(name));
    std::error_code ec;
    for (uint32_t t = tick;; ++t) {
        std::filesystem::path path = folder / (base + "-" + std::to_string(t) + ".xml");
        if (!std::filesystem::exists(path, ec) || t == tick - 1) {
            return path;
        }
    }
}

}  // namespace vekora
