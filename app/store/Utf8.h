// Conversion between the program's wide strings and UTF-8 (database, settings and XML files).
// Invalid input never fails: each malformed sequence becomes U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace vekora {

std::string WideToUtf8(std::wstring_view text);
std::wstring Utf8ToWide(std::string_view text);

}  // namespace vekora
