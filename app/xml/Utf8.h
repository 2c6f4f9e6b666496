// UTF-8 <-> wide text for the XML files. The program's texts are std::wstring (UTF-32 on
// Linux); the files are UTF-8. Conversions never fail: anything that cannot be represented
// becomes U+FFFD, so a damaged name still round-trips to something readable.
#pragma once

#include <string>
#include <string_view>

namespace vekora::xml {

// Encodes wide text as UTF-8. Code points that are not Unicode scalar values (surrogates,
// values above U+10FFFF) are written as U+FFFD.
std::string ToUtf8(std::wstring_view text);

// Decodes UTF-8; every malformed sequence (overlong forms, surrogates, truncated or stray
// bytes) decodes as one U+FFFD.
std::wstring FromUtf8(std::string_view bytes);

// True when `bytes` is strictly well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

}  // namespace vekora::xml
