#include "store/NumberText.h"

#include <climits>
#include <cstdint>

namespace vekora {

int ParseLenientInt(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' ||
                               text[i] == '\r' || text[i] == '\v' || text[i] == '\f'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > static_cast<std::int64_t>(INT_MAX) + 1)
            magnitude = static_cast<std::int64_t>(INT_MAX) + 1;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > INT_MAX)
        return INT_MAX;
    return static_cast<int>(value);
}

std::string FormatInt(int value) {
    return std::to_string(value);
}

}  // namespace vekora
