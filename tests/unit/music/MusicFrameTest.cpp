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

    std::vector<MusicKeyColour> got;
    ASSERT_TRUE(ShowMusicFrame(m, *v, [&](std::span<const MusicKeyColour> keys) {
        got.assign(keys.begin(), keys.end());
    }));
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
    EXPECT_FALSE(
        ShowMusicFrame(GetParam(), *v, [&](std::span<const MusicKeyColour>) { called = true; }));
    EXPECT_FALSE(called);
    EXPECT_EQ(SamplingGridOf(GetParam()), nullptr);
    EXPECT_EQ(MusicFrameFamilyOf(GetParam()), MusicFrameFamily::None);
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
    std::vector<MusicKeyColour> got;
    ASSERT_TRUE(ShowMusicFrame(DeviceModel::K61, *v, [&](std::span<const MusicKeyColour> keys) {
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

TEST(MusicFrames, ShortFramePutsIndexAndColourAtFourTimesTheLightIndex) {
    const MusicKeyColour keys[] = {{41, 0x332211}, {175, 0x0000FF}, {250, 0xFFFFFF}};
    // Model 1 without the revision flag: Esc has light index 19; Fn 96.
    const ShortMusicFrame plain = BuildShortMusicFrame(DeviceModel::K61, false, keys);
    ShortMusicFrame expected{};
    expected[76] = 19, expected[77] = 0x11, expected[78] = 0x22, expected[79] = 0x33;
    expected[384] = 96, expected[385] = 0xFF;
    EXPECT_EQ(plain, expected);
    // With the revision flag Fn moves to index 98.
    const ShortMusicFrame revision = BuildShortMusicFrame(DeviceModel::K61, true, keys);
    EXPECT_EQ(revision[392], 98);
    EXPECT_EQ(revision[393], 0xFF);
    EXPECT_EQ(revision[384], 0);
    // Model 5: grave accent (53) has light index 117.
    const MusicKeyColour grave[] = {{53, 0x010203}};
    const ShortMusicFrame k68 = BuildShortMusicFrame(DeviceModel::K68, false, grave);
    EXPECT_EQ(k68[468], 117);
    EXPECT_EQ(k68[469], 0x03);
    EXPECT_EQ(k68[471], 0x01);
}

TEST(MusicFrames, LongFrameLightsTheSlotsOfKeysThatAreNotBlack) {
    const MusicKeyColour keys[] = {{41, 0x000100}, {30, 0x000000}, {20, 0xFF000000}, {58, 0xFF}};
    const LongMusicFrame k87 = BuildLongMusicFrame(DeviceModel::K87SingleLight, keys);
    EXPECT_EQ(k87[0], 0xFF);   // Esc resolves to slot 0, its default place
    EXPECT_EQ(k87[7], 0x00);   // "1" is black
    EXPECT_EQ(k87[8], 0x00);   // "Q": only bits outside the colour
    EXPECT_EQ(k87[12], 0xFF);  // F1
    const LongMusicFrame se = BuildLongMusicFrame(DeviceModel::K61SE, keys);
    EXPECT_EQ(se[1], 0xFF);  // Esc is slot 1 on the 61-key boards
    // F1 has no slot on the 61-key boards: it must not light slot 0.
    EXPECT_EQ(se[0], 0x00);
    int lit = 0;
    for (auto b : se)
        lit += b != 0;
    EXPECT_EQ(lit, 1);
}

TEST(MusicFrames, LibraryFramePutsRedGreenBlueIntoTheKeysSlot) {
    const MusicKeyColour keys[] = {{41, 0x030201}, {101, 0x0A0B0C}};
    const LibraryMusicFrame k87 = BuildLibraryMusicFrame(DeviceModel::K87Rgb, keys);
    LibraryMusicFrame expected{};
    expected[0] = 1, expected[1] = 2, expected[2] = 3;
    // The Application key looks up slot 65 on the 87-key RGB board.
    expected[195] = 0x0C, expected[196] = 0x0B, expected[197] = 0x0A;
    EXPECT_EQ(k87, expected);

    // Key 100 sits in the 98-key board's sampling grid but has no slot: it must not paint
    // over Esc's slot 0.
    const MusicKeyColour stray[] = {{41, 0x000001}, {100, 0xFFFFFF}};
    const LibraryMusicFrame k98 = BuildLibraryMusicFrame(DeviceModel::K98Rgb, stray);
    EXPECT_EQ(k98[0], 1);
    EXPECT_EQ(k98[1], 0);
    EXPECT_EQ(k98[2], 0);
}

TEST(MusicFrames, FamilyFollowsTheModel) {
    EXPECT_EQ(MusicFrameFamilyOf(DeviceModel::K61), MusicFrameFamily::Short);
    EXPECT_EQ(MusicFrameFamilyOf(DeviceModel::K68), MusicFrameFamily::Short);
    EXPECT_EQ(MusicFrameFamilyOf(DeviceModel::K61SE), MusicFrameFamily::Long);
    EXPECT_EQ(MusicFrameFamilyOf(DeviceModel::K87SingleLight), MusicFrameFamily::Long);
    EXPECT_EQ(MusicFrameFamilyOf(DeviceModel::K87Rgb), MusicFrameFamily::Library);
    EXPECT_EQ(MusicFrameFamilyOf(DeviceModel::K98Rgb), MusicFrameFamily::Library);
}

}  // namespace
}  // namespace vekora
