#include "xml/Utf8.h"

#include <gtest/gtest.h>

namespace vekora::xml {
namespace {

TEST(Utf8Test, RoundTripsChineseAndAstralText) {
    const std::wstring text = L"模式 A \U0001F600 é";
    const std::string bytes = ToUtf8(text);
    EXPECT_EQ(bytes, "\xE6\xA8\xA1\xE5\xBC\x8F A \xF0\x9F\x98\x80 \xC3\xA9");
    EXPECT_TRUE(IsValidUtf8(bytes));
    EXPECT_EQ(FromUtf8(bytes), text);
}

TEST(Utf8Test, NonScalarWideValuesEncodeAsReplacement) {
    std::wstring text = L"a";
    text.push_back(static_cast<wchar_t>(0xD800));
    text.push_back(static_cast<wchar_t>(0x110000));
    EXPECT_EQ(ToUtf8(text), "a\xEF\xBF\xBD\xEF\xBF\xBD");
}

struct MalformedCase {
    const char* name;
    std::string bytes;
    std::wstring decoded;

    friend void PrintTo(const MalformedCase& c, std::ostream* os) { *os << c.name; }
};

class Utf8MalformedTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(Utf8MalformedTest, IsRejectedAndDecodesWithReplacement) {
    EXPECT_FALSE(IsValidUtf8(GetParam().bytes));
    EXPECT_EQ(FromUtf8(GetParam().bytes), GetParam().decoded);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf8MalformedTest,
    ::testing::Values(MalformedCase{"StrayContinuation", "a\x80z", L"a\uFFFDz"},
                      MalformedCase{"OverlongSlash", "\xC0\xAF", L"\uFFFD\uFFFD"},
                      MalformedCase{"OverlongThreeByte", "\xE0\x80\xAF", L"\uFFFD"},
                      MalformedCase{"Surrogate", "\xED\xA0\x80", L"\uFFFD"},
                      MalformedCase{"AboveUnicode", "\xF4\x90\x80\x80", L"\uFFFD"},
                      MalformedCase{"TruncatedAtEnd", "ab\xE6\xA8", L"ab\uFFFD"},
                      MalformedCase{"TruncatedBeforeAscii", "\xE6\xA8z", L"\uFFFDz"},
                      MalformedCase{"Latin1Byte", "caf\xE9", L"caf\uFFFD"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vekora::xml
