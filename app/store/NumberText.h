// Numbers kept as text (configuration values, settings): written with "%d", read leniently.
#pragma once

#include <string>
#include <string_view>

namespace vekora {

// Optional leading blanks, an optional sign, then decimal digits up to the first other
// character. No digits at all reads as 0; values beyond the int range saturate.
int ParseLenientInt(std::string_view text);

std::string FormatInt(int value);

}  // namespace vekora
