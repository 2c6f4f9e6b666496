// Numbers kept as text (file attributes, edit fields) are read leniently: leading white
// space, an optional sign, then as many decimal digits as follow; anything else ends the
// number, and text without digits reads as 0. Values beyond the int range saturate instead
// of wrapping.
#pragma once

#include <string_view>

namespace vekora {

int ParseIntLenient(std::wstring_view text);

}  // namespace vekora
