#include <gtest/gtest.h>

#include <string>

#include "store/NumberText.h"
#include "store/Utf8.h"

namespace vekora {
namespace {

struct Utf8Case {
    const char* name;
    std::string utf8;
    std::wstring wide;
};

class Utf8RoundTrip : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8RoundTrip, ConvertsBothWays) {
    EXPECT_EQ(Utf8ToWide(GetParam().utf8), GetParam().wide);
    EXPECT_EQ(WideToUtf8(GetParam().wide), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf8RoundTrip,
    ::testing::Values(Utf8Case{"Empty", "", L""}, Utf8Case{"Ascii", "Profile A", L"Profile A"},
                      Utf8Case{"TwoByte", "\xc3\xa9", L"\u00e9"},
                      Utf8Case{"Chinese", "\xe6\xa8\xa1\xe5\xbc\x8f A", L"\u6a21\u5f0f A"},
                      Utf8Case{"FourByte", "\xf0\x9f\x8e\xb9", L"\U0001F3B9"}),
    [](const ::testing::TestParamInfo<Utf8Case>& info) { return std::string(info.param.name); });

struct MalformedCase {
    const char* name;
    std::string utf8;
    std::wstring wide;
};

class Utf8Malformed : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(Utf8Malformed, BecomesReplacementCharacters) {
    EXPECT_EQ(Utf8ToWide(GetParam().utf8), GetParam().wide);
}

INSTANTIATE_TEST_SUITE_P(Bytes, Utf8Malformed,
                         ::testing::Values(MalformedCase{"LoneContinuation", "a\x80z", L"a\uFFFDz"},
                                           MalformedCase{"TruncatedAtEnd", "a\xe6\xa8", L"a\uFFFD"},
                                           MalformedCase{"TruncatedBeforeAscii", "\xe6\xa8z",
                                                         L"\uFFFDz"},
                                           MalformedCase{"Overlong", "\xc0\xaf", L"\uFFFD"},
                                           MalformedCase{"Surrogate", "\xed\xa0\x80", L"\uFFFD"},
                                           MalformedCase{"InvalidLead", "\xff", L"\uFFFD"}),
                         [](const ::testing::TestParamInfo<MalformedCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(Utf8, WideValuesOutsideUnicodeBecomeReplacement) {
    std::wstring bad;
    bad.push_back(static_cast<wchar_t>(0xD800));
    bad.push_back(static_cast<wchar_t>(0x110000));
    EXPECT_EQ(WideToUtf8(bad), "\xef\xbf\xbd\xef\xbf\xbd");
}

struct NumberCase {
    const char* name;
    const char* text;
    int value;
};

class LenientNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(LenientNumber, Parses) {
    EXPECT_EQ(ParseLenientInt(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LenientNumber,
    ::testing::Values(NumberCase{"Plain", "2052", 2052}, NumberCase{"Negative", "-3", -3},
                      NumberCase{"Plus", "+7", 7}, NumberCase{"LeadingBlanks", "  \t12", 12},
                      NumberCase{"TrailingJunk", "17abc", 17}, NumberCase{"Empty", "", 0},
                      NumberCase{"Junk", "abc", 0}, NumberCase{"SignOnly", "-", 0},
                      NumberCase{"InnerBlank", "1 2", 1},
                      NumberCase{"TooLarge", "99999999999", 2147483647},
                      NumberCase{"TooSmall", "-99999999999", -2147483647 - 1}),
    [](const ::testing::TestParamInfo<NumberCase>& info) { return std::string(info.param.name); });

TEST(NumberText, FormatsLikePercentD) {
    EXPECT_EQ(FormatInt(0), "0");
    EXPECT_EQ(FormatInt(-2147483647 - 1), "-2147483648");
    EXPECT_EQ(FormatInt(1033), "1033");
}

}  // namespace
}  // namespace vekora
