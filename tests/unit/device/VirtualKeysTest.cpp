#include "device/VirtualKeys.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vekora {
namespace {

std::string Name(const char* prefix, int v) {
    return v < 0 ? std::string(prefix) + "minus" + std::to_string(-v)
                 : std::string(prefix) + std::to_string(v);
}

struct Case {
    int from;
    int to;
};

// ---- Virtual key -> key code (recording) --------------------------------------------------------

class ToKeyCode : public ::testing::TestWithParam<Case> {};

TEST_P(ToKeyCode, TranslatesOrPassesThrough) {
    EXPECT_EQ(KeyCodeOfVirtualKey(GetParam().from), GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(
    VirtualKeys, ToKeyCode,
    ::testing::Values(Case{65, 4}, Case{90, 29}, Case{49, 30}, Case{57, 38}, Case{48, 39},
                      Case{13, 40}, Case{27, 41}, Case{220, 49}, Case{192, 53}, Case{20, 57},
                      Case{112, 58}, Case{123, 69}, Case{124, 104}, Case{135, 115}, Case{44, 70},
                      Case{38, 82}, Case{144, 83}, Case{108, 88}, Case{97, 89}, Case{105, 97},
                      Case{96, 98}, Case{110, 99}, Case{226, 100}, Case{93, 101}, Case{162, 224},
                      Case{160, 225}, Case{164, 226}, Case{91, 227}, Case{163, 228}, Case{161, 229},
                      Case{165, 230}, Case{92, 231}, Case{254, 175}, Case{666, 50},
                      // Unlisted values come back unchanged.
                      Case{0, 0}, Case{17, 17}, Case{255, 255}, Case{1000, 1000}, Case{-4, -4}),
    [](const auto& info) { return Name("vk", info.param.from); });

TEST(VirtualKeys, FindReportsUnlistedVirtualKeys) {
    EXPECT_EQ(FindKeyCodeOfVirtualKey(65), 4);
    EXPECT_EQ(FindKeyCodeOfVirtualKey(666), 50);
    EXPECT_EQ(FindKeyCodeOfVirtualKey(17), std::nullopt);
    EXPECT_EQ(FindKeyCodeOfVirtualKey(0), std::nullopt);
    EXPECT_EQ(FindKeyCodeOfVirtualKey(-1), std::nullopt);
    EXPECT_EQ(FindKeyCodeOfVirtualKey(4096), std::nullopt);
}

// ---- Key code -> virtual key (device library) ---------------------------------------------------

class ToVirtualKey : public ::testing::TestWithParam<Case> {};

TEST_P(ToVirtualKey, TranslatesOrGivesZero) {
    EXPECT_EQ(VirtualKeyOfKeyCode(GetParam().from), GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(KeyCodes, ToVirtualKey,
                         ::testing::Values(
                             // The stated entries.
                             Case{224, 17}, Case{225, 16}, Case{226, 18}, Case{227, 91},
                             Case{228, 93}, Case{229, 16}, Case{230, 18}, Case{101, 93},
                             Case{88, 253}, Case{209, 175}, Case{210, 174}, Case{211, 173},
                             Case{212, 183}, Case{250, 250}, Case{58, 112}, Case{69, 123},
                             Case{89, 97}, Case{97, 105}, Case{98, 96}, Case{99, 110},
                             // The inverted main block.
                             Case{4, 65}, Case{29, 90}, Case{30, 49}, Case{39, 48}, Case{41, 27},
                             Case{49, 220}, Case{53, 192}, Case{57, 20}, Case{70, 44}, Case{82, 38},
                             Case{83, 144}, Case{84, 111}, Case{87, 107},
                             // Decided: the rest of the recording table inverts too, Fn included.
                             Case{231, 92}, Case{100, 226}, Case{104, 124}, Case{115, 135},
                             Case{175, 254},
                             // No virtual key.
                             Case{50, 0}, Case{0, 0}, Case{191, 0}, Case{223, 0}, Case{244, 0},
                             Case{300, 0}, Case{-5, 0}),
                         [](const auto& info) { return Name("code", info.param.from); });

TEST(VirtualKeys, RoundTripKeepsEveryKeyButTheSidedModifiersAndKeypadEnter) {
    // Left Ctrl records as 224 and goes back as the generic 17: left and right are not kept.
    EXPECT_EQ(VirtualKeyOfKeyCode(KeyCodeOfVirtualKey(162)), 17);
    const std::set<int> changed = {160, 161, 162, 163, 164, 165, 108};
    int listed = 0;
    for (int vk = 0; vk < 256; ++vk) {
        const auto code = FindKeyCodeOfVirtualKey(vk);
        if (!code)
            continue;
        ++listed;
        if (changed.count(vk))
            EXPECT_NE(VirtualKeyOfKeyCode(*code), vk) << "vk " << vk;
        else
            EXPECT_EQ(VirtualKeyOfKeyCode(*code), vk) << "vk " << vk;
    }
    EXPECT_EQ(listed, 118);
}

}  // namespace
}  // namespace vekora
