#include "device/hid/HidInterfaceName.h"

#include <cctype>
#include <cstdio>
#include <vector>

#include "device/hid/HexDigit.h"

namespace vekora {
namespace {

std::optional<unsigned long> ParseHex(std::string_view text) {
    if (text.empty() || text.size() > 8) {
        return std::nullopt;
    }
    unsigned long value = 0;
    for (char c : text) {
        const int d = HexDigitValue(c);
        if (d < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<unsigned long>(d);
    }
    return value;
}

std::vector<std::string_view> SplitPath(std::string_view path) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t slash = path.find('/', start);
        const std::size_t end = slash == std::string_view::npos ? path.size() : slash;
        if (end > start) {
            parts.push_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return parts;
}

// "0003:258A:010C.0004" → ids.
bool ParseHidDeviceElement(std::string_view part, std::uint16_t& vid, std::uint16_t& pid) {
    if (part.size() < 15 || part[4] != ':' || part[9] != ':' || part[14] != '.') {
        return false;
    }
    const auto bus = ParseHex(part.substr(0, 4));
    const auto v = ParseHex(part.substr(5, 4));
    const auto p = ParseHex(part.substr(10, 4));
    if (!bus || !v || !p || !ParseHex(part.substr(15))) {
        return false;
    }
    vid = static_cast<std::uint16_t>(*v);
    pid = static_cast<std::uint16_t>(*p);
    return true;
}

// "1-1.4:1.2" → 2; anything without the "config.interface" tail after a ':' → -1.
int UsbInterfaceFromElement(std::string_view part) {
    const std::size_t colon = part.find(':');
    if (colon == std::string_view::npos || part.find(':', colon + 1) != std::string_view::npos) {
        return -1;
    }
    const std::string_view tail = part.substr(colon + 1);
    const std::size_t dot = tail.find('.');
    if (dot == std::string_view::npos) {
        return -1;
    }
    const auto config = ParseHex(tail.substr(0, dot));
    const auto iface = ParseHex(tail.substr(dot + 1));
    // Only decimal digits appear in USB sysfs names; a config must precede the interface.
    for (char c : tail.substr(dot + 1)) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return -1;
        }
    }
    if (!config || !iface) {
        return -1;
    }
    int number = 0;
    for (char c : tail.substr(dot + 1)) {
        number = number * 10 + (c - '0');
    }
    return number;
}

}  // namespace

std::string BuildInterfaceName(std::uint16_t vendorId, std::uint16_t productId, int interfaceNumber,
                               int collection, std::string_view node) {
    char ids[64];
    int n = std::snprintf(ids, sizeof ids, "hid#vid_%04x&pid_%04x", vendorId, productId);
    if (interfaceNumber >= 0) {
        n += std::snprintf(ids + n, sizeof ids - static_cast<std::size_t>(n), "&mi_%02x",
                           static_cast<unsigned>(interfaceNumber) & 0xFF);
    }
    if (collection > 0) {
        std::snprintf(ids + n, sizeof ids - static_cast<std::size_t>(n), "&col%02d",
                      collection % 100);
    }
    return std::string(ids) + "#" + std::string(node);
}

CollectionPath SplitCollectionPath(std::string_view path) {
    const std::size_t at = path.rfind("&col");
    if (at != std::string_view::npos && at + 6 == path.size() &&
        std::isdigit(static_cast<unsigned char>(path[at + 4])) &&
        std::isdigit(static_cast<unsigned char>(path[at + 5]))) {
        const int collection = (path[at + 4] - '0') * 10 + (path[at + 5] - '0');
        if (collection > 0) {
            return {std::string(path.substr(0, at)), collection};
        }
    }
    return {std::string(path), 0};
}

std::string JoinCollectionPath(std::string_view node, int collection) {
    if (collection <= 0) {
        return std::string(node);
    }
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, "&col%02d", collection % 100);
    return std::string(node) + suffix;
}

int InterfaceNumberFromName(std::string_view name) {
    const std::string upper = ToUpperAscii(name);
    const std::size_t at = upper.find("&MI_");
    if (at == std::string::npos) {
        return -1;
    }
    int value = 0;
    std::size_t i = at + 4;
    int digits = 0;
    for (; i < upper.size() && HexDigitValue(upper[i]) >= 0 && digits < 4; ++i, ++digits) {
        value = value * 16 + HexDigitValue(upper[i]);
    }
    return digits == 0 ? -1 : value;
}

std::optional<SysfsHidrawIdentity> ParseHidrawDevpath(std::string_view devpath) {
    const std::vector<std::string_view> parts = SplitPath(devpath);
    // .../<hid device>/hidraw/hidrawN
    if (parts.size() < 3 || parts[parts.size() - 2] != "hidraw" ||
        parts.back().substr(0, 6) != "hidraw") {
        return std::nullopt;
    }
    SysfsHidrawIdentity id;
    id.node = std::string(parts.back());
    if (!ParseHidDeviceElement(parts[parts.size() - 3], id.vendorId, id.productId)) {
        return std::nullopt;
    }
    if (parts.size() >= 4) {
        id.interfaceNumber = UsbInterfaceFromElement(parts[parts.size() - 4]);
    }
    return id;
}

std::string ToUpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return out;
}

}  // namespace vekora
