#include "features/common/NumberText.h"

#include <gtest/gtest.h>

#include <climits>

namespace vekora {
namespace {

struct NumberCase {
    const char* name;
    std::wstring text;
    int value;
    friend void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.name; }
};

class ParseIntLenientTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ParseIntLenientTest, ReadsLikeTheStoredNumbersAreWritten) {
    EXPECT_EQ(ParseIntLenient(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseIntLenientTest,
    ::testing::Values(NumberCase{"Plain", L"42", 42}, NumberCase{"Negative", L"-17", -17},
                      NumberCase{"Plus", L"+5", 5}, NumberCase{"LeadingSpace", L" \t 8", 8},
                      NumberCase{"TrailingJunk", L"12abc", 12}, NumberCase{"Empty", L"", 0},
                      NumberCase{"NoDigits", L"abc", 0}, NumberCase{"SignOnly", L"-", 0},
                      NumberCase{"InnerSpace", L"1 2", 1},
                      NumberCase{"MaxInt", L"2147483647", INT_MAX},
                      NumberCase{"Overflow", L"99999999999999999999", INT_MAX},
                      NumberCase{"MinInt", L"-2147483648", INT_MIN},
                      NumberCase{"Underflow", L"-99999999999999999999", INT_MIN},
                      NumberCase{"FullWidthDigits", L"\uFF11\uFF12", 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vekora
