// The value of one hexadecimal digit, for the texts that carry ids and bytes in hex (interface
// names, the simulator's wire, colours typed as #RRGGBB).
#pragma once

namespace vekora {

// 0..15, or -1 for a character that is not a hex digit (either case).
constexpr int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace vekora
