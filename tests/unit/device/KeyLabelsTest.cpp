#include "device/KeyLabels.h"

#include <gtest/gtest.h>

#include <string>

namespace vekora {
namespace {

struct LabelCase {
    int code;
    const wchar_t* label;
};

class Labels : public ::testing::TestWithParam<LabelCase> {};

TEST_P(Labels, GivesTheViewText) {
    EXPECT_EQ(KeyLabelOf(GetParam().code), GetParam().label);
    EXPECT_EQ(IsKeyLabel(GetParam().label), *GetParam().label != L'\0');
}

INSTANTIATE_TEST_SUITE_P(
    Codes, Labels,
    ::testing::Values(LabelCase{4, L"A"}, LabelCase{29, L"Z"}, LabelCase{30, L"1"},
                      LabelCase{39, L"0"}, LabelCase{41, L"Esc"}, LabelCase{49, L"||"},
                      LabelCase{53, L"`~"}, LabelCase{54, L",<"}, LabelCase{56, L"/?"},
                      LabelCase{57, L"Caps"}, LabelCase{69, L"F12"}, LabelCase{70, L"PrtSc"},
                      LabelCase{71, L"ScrLk"}, LabelCase{83, L"Num"}, LabelCase{86, L"-"},
                      LabelCase{87, L"+"}, LabelCase{88, L"Enter"}, LabelCase{98, L"0"},
                      LabelCase{99, L"."}, LabelCase{101, L"App"}, LabelCase{175, L"Fn"},
                      LabelCase{224, L"Ctrl"}, LabelCase{229, L"Shift"}, LabelCase{227, L"Win"},
                      // Codes no layout shows.
                      LabelCase{0, L""}, LabelCase{50, L""}, LabelCase{100, L""},
                      LabelCase{250, L""}, LabelCase{300, L""}, LabelCase{-1, L""}),
    [](const auto& info) {
        const int c = info.param.code;
        return c < 0 ? "minus" + std::to_string(-c) : "code" + std::to_string(c);
    });

}  // namespace
}  // namespace vekora
