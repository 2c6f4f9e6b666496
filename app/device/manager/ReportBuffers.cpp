#include "device/manager/ReportBuffers.h"

#include <algorithm>
#include <cstring>

namespace vekora {

ShortWire MakeShortWire(const std::uint8_t* payload, std::size_t size) {
    ShortWire wire{};
    if (payload) {
        std::memcpy(wire.data() + 1, payload,
                    std::min<std::size_t>(size, static_cast<std::size_t>(kShortPayloadSize)));
    }
    return wire;
}

bool IsErrorAnswer(const ShortWire& wire) {
    return wire[1] == kErrorAnswer0 && wire[2] == kErrorAnswer1;
}

}  // namespace vekora
