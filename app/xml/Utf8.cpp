#include "xml/Utf8.h"

#include <cstdint>

namespace vekora::xml {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsScalarValue(char32_t c) {
    return c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}

void Append(std::string& out, char32_t c) {
    if (!IsScalarValue(c)) {
        c = kReplacement;
    }
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Decodes one sequence starting at bytes[i]; returns the code point (U+FFFD when malformed)
// and advances i past the bytes consumed (at least one).
char32_t DecodeOne(std::string_view bytes, size_t& i, bool& ok) {
    const auto b0 = static_cast<uint8_t>(bytes[i]);
    ok = true;
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int length = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
        c = b0 & 0x1F;
        minimum = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        c = b0 & 0x0F;
        minimum = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        c = b0 & 0x07;
        minimum = 0x10000;
    } else {
        ++i;
        ok = false;
        return kReplacement;
    }
    size_t j = i + 1;
    for (int k = 1; k < length; ++k, ++j) {
        if (j >= bytes.size() || (static_cast<uint8_t>(bytes[j]) & 0xC0) != 0x80) {
            i = j;
            ok = false;
            return kReplacement;
        }
        c = (c << 6) | (static_cast<uint8_t>(bytes[j]) & 0x3F);
    }
    i = j;
    if (c < minimum || !IsScalarValue(c)) {
        ok = false;
        return kReplacement;
    }
    return c;
}

}  // namespace

std::string ToUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t w : text) {
        Append(out, static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(w)));
    }
    return out;
}

std::wstring FromUtf8(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    size_t i = 0;
    bool ok = true;
    while (i < bytes.size()) {
        out.push_back(static_cast<wchar_t>(DecodeOne(bytes, i, ok)));
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    size_t i = 0;
    bool ok = true;
    while (i < bytes.size()) {
        DecodeOne(bytes, i, ok);
        if (!ok) {
            return false;
        }
    }
    return true;
}

}  // namespace vekora::xml
