#include "device/libformats/DeviceTable.h"

namespace vekora {

bool SetTableProfile(DeviceTable& table, int profile) {
    if (profile < 1 || profile > 5) {
        return false;
    }
    table[kTableProfileOffset] = static_cast<std::uint8_t>(profile - 1);
    return true;
}

void SetTableGameMode(DeviceTable& table, bool windowsKeyDisabled, bool altTabDisabled,
                      bool altF4Disabled) {
    table[kTableWindowsKeyOffset] = windowsKeyDisabled ? 1 : 0;
    table[kTableAltTabOffset] = altTabDisabled ? 1 : 0;
    table[kTableAltF4Offset] = altF4Disabled ? 1 : 0;
}

std::optional<int> TableProfile(const DeviceTable& table) {
    const int profile = table[kTableProfileOffset] + 1;
    if (profile < 1 || profile > 5) {
        return std::nullopt;
    }
    return profile;
}

}  // namespace vekora
