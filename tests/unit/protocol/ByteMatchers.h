// Golden-byte helpers: a buffer is compared as the list of its non-zero bytes, so a case names
// exactly the bytes a command carries and every other byte is checked to be 0.
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>

namespace vekora::testing {

using ByteMap = std::map<int, int>;

inline ByteMap NonZeroBytes(std::span<const std::uint8_t> bytes) {
    ByteMap out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != 0) {
            out[static_cast<int>(i)] = bytes[i];
        }
    }
    return out;
}

// Test-name friendly: letters, digits and underscores only.
inline std::string SafeName(std::string s) {
    for (auto& c : s) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            c = '_';
        }
    }
    return s;
}

}  // namespace vekora::testing
