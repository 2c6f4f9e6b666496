#include "features/lighting/EffectList.h"

#include <gtest/gtest.h>

#include <vector>

namespace vekora {
namespace {

std::vector<int> Ids(DeviceModel m) {
    std::vector<int> ids;
    for (const auto& e : EffectListForModel(m)) {
        ids.push_back(e.effectId);
    }
    return ids;
}

TEST(EffectListTest, ClassicModelsOfferSixteenEffectsWithShiftedIcons) {
    for (DeviceModel m : {DeviceModel::K61, DeviceModel::K61Cnc, DeviceModel::K64, DeviceModel::K68,
                          DeviceModel::K61SingleLight}) {
        EXPECT_EQ(Ids(m), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}))
            << ToCode(m);
    }
    const EffectEntry* colorful = FindEffect(DeviceModel::K61, 6);
    ASSERT_NE(colorful, nullptr);
    EXPECT_EQ(colorful->textId, 206);
    EXPECT_EQ(colorful->icon, "icon/icon_light_breathing.png");
    EXPECT_EQ(FindEffect(DeviceModel::K61, 7)->icon, "icon/icon_light_spectrum.png");
    EXPECT_EQ(FindEffect(DeviceModel::K61, 16)->icon, "icon/icon_light_shuttle.png");
}

TEST(EffectListTest, LongReportModelsEndWithOff) {
    for (DeviceModel m : {DeviceModel::K61SE, DeviceModel::K87SingleLight}) {
        const auto list = EffectListForModel(m);
        ASSERT_EQ(list.size(), 17u);
        EXPECT_EQ(list.back().effectId, 0);
        EXPECT_EQ(list.back().textId, 220);
        EXPECT_EQ(list.back().icon, "icon/icon_light_singleoff.png");
        EXPECT_EQ(list.front().textId, 221);
        EXPECT_EQ(list[12].textId, 233);  // "Left and right scanning"
    }
}

TEST(EffectListTest, LibraryModelsSkipSixAndFourteen) {
    for (DeviceModel m : {DeviceModel::K87Rgb, DeviceModel::K98Rgb}) {
        EXPECT_EQ(Ids(m), (std::vector<int>{1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 15, 16, 17}));
        EXPECT_EQ(FindEffect(m, 6), nullptr);
        EXPECT_EQ(FindEffect(m, 14), nullptr);
        // Ids after the gaps take the pictures by position.
        EXPECT_EQ(FindEffect(m, 15)->icon, "icon/icon_light_ripples.png");
        EXPECT_EQ(FindEffect(m, 17)->icon, "icon/icon_light_shuttle.png");
        EXPECT_EQ(FindEffect(m, 17)->textId, 296);
    }
}

TEST(EffectListTest, ModelsWithoutLightingHaveNoList) {
    EXPECT_TRUE(EffectListForModel(DeviceModel::None).empty());
    EXPECT_TRUE(EffectListForModel(DeviceModel::NewModel).empty());
    EXPECT_EQ(FindEffect(DeviceModel::NewModel, 1), nullptr);
}

struct CustomCase {
    const char* name;
    DeviceModel model;
    int effect;
    friend void PrintTo(const CustomCase& c, std::ostream* os) { *os << c.name; }
};

class CustomLayoutEffectTest : public ::testing::TestWithParam<CustomCase> {};

TEST_P(CustomLayoutEffectTest, DependsOnTheFamily) {
    EXPECT_EQ(CustomLayoutEffect(GetParam().model), GetParam().effect);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CustomLayoutEffectTest,
    ::testing::Values(CustomCase{"K61", DeviceModel::K61, 128},
                      CustomCase{"K68", DeviceModel::K68, 128},
                      CustomCase{"K61SingleLight", DeviceModel::K61SingleLight, 128},
                      CustomCase{"K61SE", DeviceModel::K61SE, 32},
                      CustomCase{"K87SingleLight", DeviceModel::K87SingleLight, 32},
                      CustomCase{"K87Rgb", DeviceModel::K87Rgb, 1},
                      CustomCase{"K98Rgb", DeviceModel::K98Rgb, 1},
                      CustomCase{"NewModel", DeviceModel::NewModel, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vekora
