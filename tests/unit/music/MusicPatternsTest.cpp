#include "features/music/MusicPatterns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "features/music/HsvToColour.h"

namespace vekora {
namespace {

TEST(BrightnessFactor, IsSinglePrecisionTruncated) {
    EXPECT_EQ(BrightnessFactor(100), 255);  // 100 * 2.55f rounds up to 255 in single precision
    EXPECT_EQ(BrightnessFactor(50), 127);
    EXPECT_EQ(BrightnessFactor(1), 2);
    EXPECT_EQ(BrightnessFactor(0), 0);
}

TEST(BrightnessFactor, ClampsStoredNonsense) {
    EXPECT_EQ(BrightnessFactor(250), 255);
    EXPECT_EQ(BrightnessFactor(-20), 0);
}

struct SolidCase {
    const char* name;
    int id;
    int brightness;
    MusicColour expected;
};

class SolidPatterns : public ::testing::TestWithParam<SolidCase> {};

TEST_P(SolidPatterns, FillEveryPixelWithTheScaledColour) {
    const SolidCase& c = GetParam();
    auto image = std::make_unique<MusicImage>();
    image->fill(0x123456);
    FillPattern(c.id, c.brightness, 0.0f, *image);
    EXPECT_TRUE(
        std::all_of(image->begin(), image->end(), [&](MusicColour p) { return p == c.expected; }))
        << std::hex << "first pixel 0x" << (*image)[0];
}

INSTANTIATE_TEST_SUITE_P(
    Table, SolidPatterns,
    ::testing::Values(SolidCase{"None", 0, 100, 0x000000}, SolidCase{"White", 1, 100, 0xFEFEFE},
                      SolidCase{"Red", 2, 100, 0x0000FE}, SolidCase{"Orange", 3, 100, 0x003FFE},
                      SolidCase{"Yellow", 4, 100, 0x00FEFE}, SolidCase{"Green", 5, 100, 0x00FE00},
                      SolidCase{"Cyan", 6, 100, 0xFEFE00}, SolidCase{"Blue", 7, 100, 0xFE0000},
                      SolidCase{"HalfBrightRed", 2, 50, 0x00007E},
                      SolidCase{"DarkWhite", 1, 0, 0x000000},
                      SolidCase{"UnknownIdIsBlack", 8, 100, 0x000000},
                      SolidCase{"NegativeIdIsBlack", -3, 100, 0x000000}),
    [](const ::testing::TestParamInfo<SolidCase>& info) { return std::string(info.param.name); });

struct GradientRowCase {
    const char* name;
    int id;
    int row;
    MusicColour expected;  // at brightness 100
};

class GradientRows : public ::testing::TestWithParam<GradientRowCase> {};

TEST_P(GradientRows, TakeTheirColourFromTheRow) {
    const GradientRowCase& c = GetParam();
    auto image = std::make_unique<MusicImage>();
    FillPattern(c.id, 100, 0.0f, *image);
    for (int x : {0, 100, 255})
        EXPECT_EQ((*image)[MusicPixelIndex(x, c.row)], c.expected) << "column " << x;
}

INSTANTIATE_TEST_SUITE_P(
    Table, GradientRows,
    ::testing::Values(
        // The five rows the 5-row keyboards sample: red on top, yellow in the middle.
        GradientRowCase{"GreenYellowRedRow8", 9, 8, 0x0000FE},
        GradientRowCase{"GreenYellowRedRow20", 9, 20, 0x0000FE},
        GradientRowCase{"GreenYellowRedRow32", 9, 32, 0x00FEFE},
        GradientRowCase{"GreenYellowRedRow44", 9, 44, 0x00FE00},
        GradientRowCase{"GreenYellowRedRow56", 9, 56, 0x00FE00},
        GradientRowCase{"RainbowTopIsLastColour", 13, 0, 0xFE00FE},
        GradientRowCase{"RainbowBottomIsFirstColour", 13, 63, 0x0000FE},
        GradientRowCase{"RainbowRow30IsFourthColour", 13, 30, 0xFEFE00},
        GradientRowCase{"RainbowReverseTop", 14, 0, 0x0000FE},
        GradientRowCase{"RainbowReverseBottom", 14, 63, 0xFE00FE}),
    [](const ::testing::TestParamInfo<GradientRowCase>& info) {
        return std::string(info.param.name);
    });

TEST(Chromatography, IsAColourWheelAroundTheCentre) {
    auto image = std::make_unique<MusicImage>();
    FillPattern(kPatternChromatography, 100, 0.0f, *image);
    // Right of the centre the angle is 0, plus 180: cyan. Left of it: 360, i.e. red.
    EXPECT_EQ((*image)[MusicPixelIndex(200, 32)], HsvToColour(180, 255, 255));
    EXPECT_EQ((*image)[MusicPixelIndex(10, 32)], HsvToColour(0, 255, 255));
    // Straight below (y > 32): atan2 = +90 degrees, so 270.
    EXPECT_EQ((*image)[MusicPixelIndex(128, 60)], HsvToColour(270, 255, 255));
    // Straight above: -90 + 180, but the wheel's degree factor is a hair above 180/pi, so the
    // sum lands just under 90 and truncates to 89.
    EXPECT_EQ((*image)[MusicPixelIndex(128, 0)], HsvToColour(89, 255, 255));
}

TEST(Chromatography, TurnsWithTheHueAndDims) {
    auto image = std::make_unique<MusicImage>();
    FillPattern(kPatternChromatography, 50, 90.0f, *image);
    EXPECT_EQ((*image)[MusicPixelIndex(200, 32)], HsvToColour(270, 255, 127));
    EXPECT_EQ((*image)[MusicPixelIndex(128, 60)], HsvToColour(360, 255, 127));
}

TEST(SpectrumCycle, IsOneColourOfTheCurrentHue) {
    auto image = std::make_unique<MusicImage>();
    FillPattern(kPatternSpectrumCycle, 100, 120.7f, *image);
    const MusicColour expected = HsvToColour(120, 255, 255);
    EXPECT_EQ(expected, 0x00FF00u);
    EXPECT_TRUE(
        std::all_of(image->begin(), image->end(), [&](MusicColour p) { return p == expected; }));
}

}  // namespace
}  // namespace vekora
