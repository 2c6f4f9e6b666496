#include "xml/Utf8Validation.h"

#include <gtest/gtest.h>

namespace vekora::xml {
namespace {

struct Utf8Case {
    const char* name;
    std::string bytes;
    bool valid;
    friend void PrintTo(const Utf8Case& c, std::ostream* os) { *os << c.name; }
};

class IsValidUtf8Test : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(IsValidUtf8Test, JudgesStrictly) {
    EXPECT_EQ(IsValidUtf8(GetParam().bytes), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Cases, IsValidUtf8Test,
                         ::testing::Values(Utf8Case{"Ascii", "Profile A", true},
                                           Utf8Case{"Empty", "", true},
                                           Utf8Case{"Chinese", "\xE6\xA8\xA1\xE5\xBC\x8F A", true},
                                           Utf8Case{"Astral", "\xF0\x9F\x98\x80", true},
                                           Utf8Case{"LargestScalar", "\xF4\x8F\xBF\xBF", true},
                                           Utf8Case{"StrayContinuation", "a\x80z", false},
                                           Utf8Case{"OverlongSlash", "\xC0\xAF", false},
                                           Utf8Case{"OverlongThreeByte", "\xE0\x80\xAF", false},
                                           Utf8Case{"Surrogate", "\xED\xA0\x80", false},
                                           Utf8Case{"AboveUnicode", "\xF4\x90\x80\x80", false},
                                           Utf8Case{"TruncatedAtEnd", "ab\xE6\xA8", false},
                                           Utf8Case{"TruncatedBeforeAscii", "\xE6\xA8z", false},
                                           Utf8Case{"Latin1Byte", "caf\xE9", false},
                                           Utf8Case{"InvalidLeadByte", "\xFF", false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vekora::xml
