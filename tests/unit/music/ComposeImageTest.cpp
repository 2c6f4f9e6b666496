#include "features/music/ComposeImage.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace vekora {
namespace {

constexpr MusicColour kFore = 0x00AA00;
constexpr MusicColour kBack = 0x000011;

struct BarCase {
    const char* name;
    float level;
    int firstLitRow;  // rows firstLitRow..63 show the foreground; 64 means none
};

class BarHeights : public ::testing::TestWithParam<BarCase> {};

TEST_P(BarHeights, GrowFromTheBottomRow) {
    const BarCase& c = GetParam();
    auto fore = std::make_unique<MusicImage>();
    auto back = std::make_unique<MusicImage>();
    auto out = std::make_unique<MusicImage>();
    fore->fill(kFore);
    back->fill(kBack);
    SpectrumLevels levels{};
    levels[77] = c.level;
    ComposeImage(*fore, *back, levels, *out);
    for (int y = 0; y < kMusicImageHeight; ++y) {
        EXPECT_EQ((*out)[MusicPixelIndex(77, y)], y >= c.firstLitRow ? kFore : kBack)
            << "row " << y;
        EXPECT_EQ((*out)[MusicPixelIndex(76, y)], kBack) << "neighbour row " << y;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, BarHeights,
    ::testing::Values(BarCase{"Silent", 0.0f, 64}, BarCase{"JustBelowOneRow", 1.0f / 64.0f, 64},
                      BarCase{"OneRow", 0.02f, 63},
                      // 5-row keyboards: row 32 lights only above 0.5.
                      BarCase{"ExactlyHalf", 0.5f, 33}, BarCase{"PointSix", 0.6f, 26},
                      // Row 0 would need a level above 1, which the analysis never gives.
                      BarCase{"Full", 1.0f, 1}),
    [](const ::testing::TestParamInfo<BarCase>& info) { return std::string(info.param.name); });

TEST(ComposeImage, TakesEachPixelFromItsOwnPosition) {
    auto fore = std::make_unique<MusicImage>();
    auto back = std::make_unique<MusicImage>();
    auto out = std::make_unique<MusicImage>();
    for (int i = 0; i < kMusicImagePixels; ++i) {
        (*fore)[i] = static_cast<MusicColour>(i);
        (*back)[i] = static_cast<MusicColour>(0x100000 + i);
    }
    SpectrumLevels levels{};
    levels[5] = 1.0f;
    ComposeImage(*fore, *back, levels, *out);
    EXPECT_EQ((*out)[MusicPixelIndex(5, 40)], static_cast<MusicColour>(MusicPixelIndex(5, 40)));
    EXPECT_EQ((*out)[MusicPixelIndex(6, 40)],
              static_cast<MusicColour>(0x100000 + MusicPixelIndex(6, 40)));
}

}  // namespace
}  // namespace vekora
