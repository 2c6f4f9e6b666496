#include "TarnexioKeyboard.h"

#include <map>
#include <mutex>
#include <vector>

namespace tarnexio {
namespace {

constexpr std::uint16_t kVendor = 0x258A;
constexpr std::uint16_t kProduct = 0x010C;
constexpr std::uint16_t kConfigurationPage = 0xFF00;
constexpr std::uint16_t kConfigurationUsage = 1;
constexpr int kConfigurationFeatureLength = 520;

struct BoardInfo {
    Board board;
    const char* codeName;    // spelled in the open code
    const wchar_t* product;  // what the keyboard reports
};
constexpr BoardInfo kBoards[] = {
    {Board::K87, "vekora-k87-rgb", L"VEKORA K87-1980"},
    {Board::K98, "vekora-k98-rgb", L"VEKORA K98-1980"},
};

int Hex(wchar_t c) {
    if (c >= L'0' && c <= L'9') {
        return c - L'0';
    }
    if (c >= L'a' && c <= L'f') {
        return c - L'a' + 10;
    }
    return -1;
}

}  // namespace

std::optional<Board> BoardOfOpenCode(const std::wstring& code) {
    if (code.size() != 30) {
        return std::nullopt;
    }
    std::string text;
    for (std::size_t i = 0; i < code.size(); i += 2) {
        const int hi = Hex(code[i]);
        const int lo = Hex(code[i + 1]);
        if (hi < 0 || lo < 0) {
            return std::nullopt;
        }
        text.push_back(static_cast<char>(hi * 16 + lo));
    }
    for (const BoardInfo& b : kBoards) {
        const std::string name = b.codeName;
        if (text.compare(0, name.size(), name) == 0 && text.size() == name.size() + 1) {
            return b.board;
        }
    }
    return std::nullopt;
}

std::unique_ptr<Keyboard> OpenKeyboard(Board wanted) {
    std::unique_ptr<Keyboard> fallback;
    for (const vekora::HidInterfaceInfo& info : vekora::HidEnumerate()) {
        if (info.vendorId != kVendor || info.productId != kProduct ||
            info.usagePage != kConfigurationPage || info.usage != kConfigurationUsage) {
            continue;
        }
        auto hid = vekora::HidOpen(info.path, false);
        if (!hid || hid->featureReportLength != kConfigurationFeatureLength) {
            continue;
        }
        std::wstring product;
        if (vekora::HidGetProductString(*hid, product) != 0) {
            continue;
        }
        for (const BoardInfo& b : kBoards) {
            if (product != b.product) {
                continue;
            }
            auto keyboard = std::make_unique<Keyboard>();
            keyboard->board = b.board;
            keyboard->hid = std::move(hid);
            if (b.board == wanted) {
                return keyboard;
            }
            if (!fallback) {
                fallback = std::move(keyboard);
            }
            break;
        }
    }
    return fallback;
}

namespace {

std::mutex gRegistryMutex;
std::map<void*, std::unique_ptr<Keyboard>>& Registry() {
    static std::map<void*, std::unique_ptr<Keyboard>> registry;
    return registry;
}

}  // namespace

void* Register(std::unique_ptr<Keyboard> keyboard) {
    std::lock_guard lock(gRegistryMutex);
    void* handle = keyboard.get();
    Registry()[handle] = std::move(keyboard);
    return handle;
}

Keyboard* FromHandle(void* handle) {
    std::lock_guard lock(gRegistryMutex);
    const auto it = Registry().find(handle);
    return it == Registry().end() ? nullptr : it->second.get();
}

bool Unregister(void* handle) {
    std::lock_guard lock(gRegistryMutex);
    return Registry().erase(handle) > 0;
}

}  // namespace tarnexio
