#include "tarnexio/TarnexioMacros.h"

#include <gtest/gtest.h>

namespace tarnexio {
namespace {

struct StepCase {
    const char* name;
    int virtualKey;
    bool press;
    wire::Step step;
};

class VirtualKeySteps : public ::testing::TestWithParam<StepCase> {};

TEST_P(VirtualKeySteps, BecomeKeyUsagesOrButtons) {
    const StepCase& c = GetParam();
    const auto record = StepForVirtualKey(c.virtualKey, c.press, 120);
    ASSERT_TRUE(record);
    wire::Step expected = c.step;
    expected.delayMs = 120;
    EXPECT_EQ(wire::DecodeStep(*record), expected);
}

using K = wire::StepKind;
INSTANTIATE_TEST_SUITE_P(
    Keys, VirtualKeySteps,
    ::testing::Values(StepCase{"LetterA", 0x41, true, {K::KeyPress, 4, 0, 0}},
                      StepCase{"LetterARelease", 0x41, false, {K::KeyRelease, 4, 0, 0}},
                      StepCase{"LeftShift", 0xA0, true, {K::KeyPress, 225, 0, 0x02}},
                      StepCase{"RightCtrl", 0xA3, true, {K::KeyPress, 228, 0, 0x10}},
                      StepCase{"GenericShift", 0x10, false, {K::KeyRelease, 225, 0, 0x02}},
                      StepCase{"GenericAlt", 0x12, true, {K::KeyPress, 226, 0, 0x04}},
                      StepCase{"Fn", 254, true, {K::KeyPress, 175, 0, 0}},
                      StepCase{"F13", 124, true, {K::KeyPress, 104, 0, 0}},
                      StepCase{"LeftButton", 0x01, true, {K::ButtonPress, 0x01, 0, 0}},
                      StepCase{"RightButton", 0x02, false, {K::ButtonRelease, 0x02, 0, 0}},
                      StepCase{"MiddleButton", 0x04, true, {K::ButtonPress, 0x04, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VirtualKeySteps, KeysWithoutAKeyCodeGiveNoStep) {
    for (int vk : {0, 0x03, 0x07, 0xFF, 0x100, -1}) {
        EXPECT_FALSE(StepForVirtualKey(vk, true, 10)) << vk;
    }
}

TEST(StagedMacros, TenValidRecordsAtMost) {
    ClearStagedMacros();
    const auto step = *StepForVirtualKey(0x41, true, 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(StageMacro(step)) << i;
    }
    EXPECT_FALSE(StageMacro(step));
    EXPECT_EQ(StagedMacros().size(), 10u);
    ClearStagedMacros();
    EXPECT_TRUE(StagedMacros().empty());
    auto broken = step;
    broken[5] ^= 0xFF;
    EXPECT_FALSE(StageMacro(broken));
    EXPECT_TRUE(StageMacro({}));  // a macro without steps
}

}  // namespace
}  // namespace tarnexio
