#include "device/libformats/MacroSteps.h"

#include <gtest/gtest.h>

namespace vekora {
namespace {

MacroEvent Event(int type, int value) {
    MacroEvent e;
    e.type = type;
    e.value = value;
    return e;
}
MacroEvent Delay(int ms) {
    return Event(1, ms);
}
MacroEvent Down(int vk) {
    return Event(2, vk);
}
MacroEvent Up(int vk) {
    return Event(3, vk);
}
MacroEvent MouseDown(int button) {
    return Event(4, button);
}
MacroEvent MouseUp(int button) {
    return Event(5, button);
}
MacroStep Press(int vk, int ms) {
    return {vk, true, ms};
}
MacroStep Release(int vk, int ms) {
    return {vk, false, ms};
}

constexpr int kA = 0x41;
constexpr int kB = 0x42;

struct PlanCase {
    const char* name;
    std::vector<MacroEvent> events;
    std::vector<MacroStep> steps;
};

class MacroPlan : public ::testing::TestWithParam<PlanCase> {};

TEST_P(MacroPlan, EmitsEachKeyEventOnceWithTheDelayRecordedAfterIt) {
    EXPECT_EQ(PlanMacroSteps(GetParam().events), GetParam().steps);
}

INSTANTIATE_TEST_SUITE_P(
    Events, MacroPlan,
    ::testing::Values(
        PlanCase{"Empty", {}, {}}, PlanCase{"OnlyDelays", {Delay(5), Delay(6)}, {}},
        // A recorded key stroke: the release at the end is sent too.
        PlanCase{"PressDelayRelease",
                 {Down(kA), Delay(100), Up(kA)},
                 {Press(kA, 100), Release(kA, 100)}},
        PlanCase{
            "NoDelaysUseTenMilliseconds", {Down(kA), Up(kA)}, {Press(kA, 10), Release(kA, 10)}},
        PlanCase{"SingleKeyEvent", {Down(kA)}, {Press(kA, 10)}},
        PlanCase{"LeadingDelayIsOverriddenBeforeTheFirstKeyGoes",
                 {Delay(50), Down(kA), Delay(30), Up(kA)},
                 {Press(kA, 30), Release(kA, 30)}},
        PlanCase{"TrailingDelayGoesWithTheLastKey",
                 {Down(kA), Delay(20), Up(kA), Delay(40)},
                 {Press(kA, 20), Release(kA, 40)}},
        PlanCase{"TwoKeys",
                 {Down(kA), Delay(100), Up(kA), Delay(200), Down(kB), Delay(50), Up(kB)},
                 {Press(kA, 100), Release(kA, 200), Press(kB, 50), Release(kB, 50)}},
        PlanCase{"KeysWithoutDelayBetweenKeepTheLastDelay",
                 {Delay(70), Down(kA), Down(kB), Up(kB), Up(kA)},
                 {Press(kA, 70), Press(kB, 70), Release(kB, 70), Release(kA, 70)}},
        PlanCase{"LongDelayIsCappedAt31000",
                 {Down(kA), Delay(50000), Up(kA)},
                 {Press(kA, 31000), Release(kA, 31000)}},
        PlanCase{"MouseButtonsBecomeTheirVirtualKeys",
                 {MouseDown(1), Delay(80), MouseUp(1), MouseDown(2), MouseUp(2), MouseDown(3),
                  MouseUp(3)},
                 {Press(0x01, 80), Release(0x01, 80), Press(0x04, 80), Release(0x04, 80),
                  Press(0x02, 80), Release(0x02, 80)}},
        PlanCase{"SideButtonsAreLeftOut",
                 {MouseDown(7), Delay(80), Down(kA), MouseUp(8)},
                 {Press(kA, 80)}},
        PlanCase{"UnknownEventTypesAreIgnored",
                 {Down(kA), Event(9, 5), Up(kA)},
                 {Press(kA, 10), Release(kA, 10)}}),
    [](const auto& info) { return std::string(info.param.name); });

// A stand-in for new_key_action that writes `size` bytes: key, press, delay low, delay high,
// then 0xEE.
NewKeyActionFn Writer(int size, std::vector<MacroStep>* calls = nullptr) {
    return [size, calls](int key, int press, int delay, std::uint8_t* out, int outLength) {
        if (calls) {
            calls->push_back({key, press != 0, delay});
        }
        EXPECT_EQ(outLength, 6);
        const int n = std::min(size, outLength);
        const std::uint8_t bytes[6] = {static_cast<std::uint8_t>(key),
                                       static_cast<std::uint8_t>(press),
                                       static_cast<std::uint8_t>(delay & 0xFF),
                                       static_cast<std::uint8_t>(delay >> 8),
                                       0xEE,
                                       0xEE};
        for (int i = 0; i < n; ++i) {
            out[i] = bytes[i];
        }
        return size;
    };
}

TEST(MacroRecordBuilding, AppendsWhatNewKeyActionWritesInStepOrder) {
    std::vector<MacroStep> calls;
    const std::vector<MacroStep> steps = {Press(kA, 300), Release(kA, 10)};
    const MacroRecord r = BuildMacroRecord(steps, Writer(6, &calls));
    EXPECT_EQ(calls, steps);
    ASSERT_EQ(r.length, 12u);
    const std::array<std::uint8_t, 12> expected = {kA, 1, 0x2C, 0x01, 0xEE, 0xEE,
                                                   kA, 0, 10,   0,    0xEE, 0xEE};
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), r.bytes.begin()));
    EXPECT_EQ(r.droppedSteps, 0u);
}

TEST(MacroRecordBuilding, KeepsWholeStepsWithinOneHundredTwentyEightBytes) {
    const std::vector<MacroStep> steps(25, Press(kA, 10));
    const MacroRecord r = BuildMacroRecord(steps, Writer(6));
    EXPECT_EQ(r.length, 126u);  // 21 steps of 6 bytes
    EXPECT_EQ(r.droppedSteps, 4u);
    EXPECT_EQ(r.bytes[126], 0);
    EXPECT_EQ(r.bytes[127], 0);
}

TEST(MacroRecordBuilding, StepsThatWriteNothingAddNothing) {
    const MacroRecord r = BuildMacroRecord({Press(kA, 10), Press(kB, 10)}, Writer(0));
    EXPECT_EQ(r.length, 0u);
    EXPECT_EQ(r.droppedSteps, 0u);
}

TEST(MacroRecordBuilding, AClaimBeyondTheBufferCountsOnlyTheBuffer) {
    const MacroRecord r = BuildMacroRecord({Press(kA, 10)}, Writer(40));
    EXPECT_EQ(r.length, 6u);
}

}  // namespace
}  // namespace vekora
