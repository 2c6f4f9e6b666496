#include "features/music/MusicFrame.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "FakeSampleSource.h"
#include "device/ModelNames.h"
#include "features/music/MusicPatterns.h"
#include "features/music/SamplingGrid.h"
#include "features/music/Visualizer.h"

namespace vekora {
namespace {

std::unique_ptr<Visualizer> MakeVisualizer() {
    auto v = std::make_unique<Visualizer>(std::make_unique<testing::FakeSampleSource>(
        std::vector<std::string>{"Default Loopback Device"}, nullptr));
    v->StartVisualizer();
    return v;
}

std::string ModelTestName(DeviceModel m) {
    return "model" + std::to_string(ToCode(m));
}

struct GridCase {
    DeviceModel model;
    int rows, columns;
    int keys;  // cells holding a key
    int lastImageRow, lastImageColumn;
    int firstKey, lastKey;  // the top-left and bottom-right cells
};

class Grids : public ::testing::TestWithParam<GridCase> {};

TEST_P(Grids, HaveTheModelsShapeAndSamplingPositions) {
    const GridCase& c = GetParam();
    const SamplingGrid* grid = SamplingGridOf(c.model);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->rows, c.rows);
    EXPECT_EQ(grid->columns, c.columns);
    ASSERT_EQ(grid->imageRows.size(), std::size_t(c.rows));
    ASSERT_EQ(grid->imageColumns.size(), std::size_t(c.columns));
    EXPECT_EQ(grid->imageRows.back(), c.lastImageRow);
    EXPECT_EQ(grid->imageColumns.front(), 0);
    EXPECT_EQ(grid->imageColumns.back(), c.lastImageColumn);
    EXPECT_EQ(grid->KeyAt(0, 0), c.firstKey);
    EXPECT_EQ(grid->KeyAt(c.rows - 1, c.columns - 1), c.lastKey);
    std::set<int> seen;
    int keys = 0;
    for (int r = 0; r < grid->rows; ++r) {
        for (int col = 0; col < grid->columns; ++col) {
            const int key = grid->KeyAt(r, col);
            if (key == 0)
                continue;
            ++keys;
            EXPECT_TRUE(seen.insert(key).second) << "key " << key << " appears twice";
        }
    }
    EXPECT_EQ(keys, c.keys);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Grids,
    ::testing::Values(GridCase{DeviceModel::K61, 5, 15, 63, 56, 238, 41, 175},
                      GridCase{DeviceModel::K61SE, 5, 15, 63, 56, 238, 41, 175},
                      GridCase{DeviceModel::K68, 5, 16, 68, 56, 225, 41, 79},
                      GridCase{DeviceModel::K87SingleLight, 6, 18, 87, 57, 238, 41, 79},
                      GridCase{DeviceModel::K87Rgb, 6, 18, 87, 57, 238, 41, 79},
                      GridCase{DeviceModel::K98Rgb, 6, 20, 100, 57, 228, 0, 99}),
    [](const ::testing::TestParamInfo<GridCase>& info) { return ModelTestName(info.param.model); });

class SampledModels : public ::testing::TestWithParam<DeviceModel> {};

TEST_P(SampledModels, TakeEachKeysColourFromItsGridPosition) {
    const DeviceModel m = GetParam();
    auto v = MakeVisualizer();
    v->SetBackgroundPattern(kPatternChromatography);  // a different colour almost everywhere
    v->SetHue(40.0f);
    v->RenderFrame();
    auto image = std::make_unique<MusicImage>();
    v->CopyReadImage(*image);

    std::vector<KeyLight> got;
    ASSERT_TRUE(ShowMusicFrame(
        m, *v, [&](std::span<const KeyLight> keys) { got.assign(keys.begin(), keys.end()); }));
    const SamplingGrid* grid = SamplingGridOf(m);
    std::size_t i = 0;
    for (int r = 0; r < grid->rows; ++r) {
        for (int c = 0; c < grid->columns; ++c) {
            if (grid->KeyAt(r, c) == 0)
                continue;
            ASSERT_LT(i, got.size());
            EXPECT_EQ(got[i].keyCode, grid->KeyAt(r, c));
            EXPECT_EQ(got[i].colour,
                      (*image)[MusicPixelIndex(grid->imageColumns[c], grid->imageRows[r])])
                << "key " << got[i].keyCode;
            ++i;
        }
    }
    EXPECT_EQ(i, got.size());
}

INSTANTIATE_TEST_SUITE_P(AllWithGrids, SampledModels,
                         ::testing::Values(DeviceModel::K61, DeviceModel::K68, DeviceModel::K61SE,
                                           DeviceModel::K87SingleLight, DeviceModel::K87Rgb,
                                           DeviceModel::K98Rgb),
                         [](const ::testing::TestParamInfo<DeviceModel>& info) {
                             return ModelTestName(info.param);
                         });

class ModelsWithoutGrid : public ::testing::TestWithParam<DeviceModel> {};

TEST_P(ModelsWithoutGrid, GetNoMusicFrame) {
    auto v = MakeVisualizer();
    v->RenderFrame();
    bool called = false;
    EXPECT_FALSE(ShowMusicFrame(GetParam(), *v, [&](std::span<const KeyLight>) { called = true; }));
    EXPECT_FALSE(called);
    EXPECT_EQ(SamplingGridOf(GetParam()), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Table, ModelsWithoutGrid,
                         ::testing::Values(DeviceModel::None, DeviceModel::K61Cnc, DeviceModel::K64,
                                           DeviceModel::K61SingleLight, DeviceModel::NewModel),
                         [](const ::testing::TestParamInfo<DeviceModel>& info) {
                             return ModelTestName(info.param);
                         });

TEST(ShowMusicFrame, FiveRowBoardsSeeTheGradientRowsOfABar) {
    auto v = MakeVisualizer();
    v->SetForegroundPattern(kPatternGreenYellowRed);
    SpectrumLevels levels;
    levels.fill(0.75f);  // 0.6 after the next analysis's decay
    v->Analyser().SetLevels(levels);
    v->RenderFrame();
    std::vector<KeyLight> got;
    ASSERT_TRUE(ShowMusicFrame(DeviceModel::K61, *v, [&](std::span<const KeyLight> keys) {
        got.assign(keys.begin(), keys.end());
    }));
    auto colourOf = [&](int key) {
        for (const auto& k : got)
            if (k.keyCode == key)
                return k.colour;
        ADD_FAILURE() << "key " << key << " not sampled";
        return MusicColour{0xDEAD};
    };
    EXPECT_EQ(colourOf(224), 0x00FE00u);  // bottom row (picture row 56): green
    EXPECT_EQ(colourOf(225), 0x00FE00u);  // row 44: green
    EXPECT_EQ(colourOf(57), 0x00FEFEu);   // row 32: yellow
    EXPECT_EQ(colourOf(43), 0u);          // row 20: above the bar, background "None"
    EXPECT_EQ(colourOf(41), 0u);          // row 8
}

}  // namespace
}  // namespace vekora
