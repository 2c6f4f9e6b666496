// Strict UTF-8 checking for the XML reader. (Conversions between wide text and UTF-8 are
// store/Utf8.h; they never fail, which is right for showing text but not for judging whether
// a file is well-formed.)
#pragma once

#include <string_view>

namespace vekora::xml {

// True when `bytes` is well-formed UTF-8: no stray or missing continuation bytes, no overlong
// forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

}  // namespace vekora::xml
