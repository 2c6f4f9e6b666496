#include "features/music/HsvToColour.h"

#include <gtest/gtest.h>

#include <string>

namespace vekora {
namespace {

struct HsvCase {
    const char* name;
    int h, s, v;
    MusicColour expected;  // 0x00BBGGRR
};

class HsvToColourCases : public ::testing::TestWithParam<HsvCase> {};

TEST_P(HsvToColourCases, GivesTheIntegerColour) {
    const HsvCase& c = GetParam();
    EXPECT_EQ(HsvToColour(c.h, c.s, c.v), c.expected)
        << std::hex << "got 0x" << HsvToColour(c.h, c.s, c.v);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HsvToColourCases,
    ::testing::Values(
        HsvCase{"Red", 0, 255, 255, 0x0000FF}, HsvCase{"OrangeRisingEdge", 30, 255, 255, 0x007FFF},
        HsvCase{"Yellow", 60, 255, 255, 0x00FFFF},
        HsvCase{"FallingRedOddSextant", 90, 255, 255, 0x00FF7F},
        HsvCase{"Green", 120, 255, 255, 0x00FF00}, HsvCase{"Cyan", 180, 255, 255, 0xFFFF00},
        HsvCase{"Blue", 240, 255, 255, 0xFF0000},
        HsvCase{"VioletEvenSextant", 270, 255, 255, 0xFF007F},
        HsvCase{"Magenta", 300, 255, 255, 0xFF00FF}, HsvCase{"LastDegree", 359, 255, 255, 0x0500FF},
        HsvCase{"FullTurnIsRed", 360, 255, 255, 0x0000FF},
        HsvCase{"TwoTurnsPlusGreen", 840, 255, 255, 0x00FF00},
        HsvCase{"DimRed", 0, 255, 100, 0x000064}, HsvCase{"HalfSaturation", 0, 128, 255, 0x7F7FFF},
        HsvCase{"GreyWithoutSaturation", 200, 0, 77, 0x4D4D4D},
        HsvCase{"NegativeHueIsBlack", -1, 255, 255, 0x000000},
        HsvCase{"ValueAboveRangeCannotSpill", 0, 255, 600, 0x0000FF}),
    [](const ::testing::TestParamInfo<HsvCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vekora
