#include "device/ModelAppearance.h"

#include <gtest/gtest.h>

#include <string>

namespace vekora {
namespace {

struct LookCase {
    int code;
    int variant;
    const char* picture;      // empty: not offered
    std::int64_t background;  // -1: none
};

class Look : public ::testing::TestWithParam<LookCase> {};

TEST_P(Look, PicksPictureAndBackgroundPerVariant) {
    const LookCase& c = GetParam();
    const auto look = CaseLookFor(DeviceModelFromCode(c.code), c.variant);
    if (std::string(c.picture).empty()) {
        EXPECT_FALSE(look.has_value());
        return;
    }
    ASSERT_TRUE(look.has_value());
    EXPECT_EQ(look->picture, c.picture);
    if (c.background < 0)
        EXPECT_FALSE(look->background.has_value());
    else
        EXPECT_EQ(look->background, std::optional<std::uint32_t>(c.background));
}

INSTANTIATE_TEST_SUITE_P(
    Variants, Look,
    ::testing::Values(LookCase{1, 1, "device//kb_61k.png", 0x333333},
                      LookCase{1, 2, "device//kb_61k_black.png", 0xC8C8C8}, LookCase{1, 3, "", 0},
                      LookCase{1, 4, "", 0}, LookCase{2, 1, "device//kb_61k_cnc.png", 0x333333},
                      LookCase{2, 2, "device//kb_61k_cnc_black.png", 0xC8C8C8},
                      LookCase{2, 3, "device//kb_61k_cnc_blue.png", 0xC8C8C8},
                      LookCase{2, 4, "device//kb_61k_cnc_purple.png", 0xC8C8C8},
                      LookCase{3, 1, "device//kb_64k.png", -1}, LookCase{3, 2, "", 0},
                      LookCase{5, 1, "device//kb_68k.png", 0x333333},
                      LookCase{5, 2, "device//kb_68k_black.png", 0xC8C8C8}, LookCase{5, 3, "", 0},
                      LookCase{6, 1, "device//kb_61se.png", 0x333333},
                      LookCase{6, 2, "device//kb_61k_black.png", 0xC8C8C8}, LookCase{6, 4, "", 0},
                      LookCase{7, 1, "device//kb_61se.png", 0x333333},
                      LookCase{7, 2, "device//kb_61k_black.png", 0xC8C8C8}, LookCase{7, 3, "", 0},
                      LookCase{8, 1, "device//kb_87k.png", 0x333333}, LookCase{8, 2, "", 0},
                      LookCase{9, 1, "device//kb_rgb_87k.png", 0x333333}, LookCase{9, 2, "", 0},
                      LookCase{10, 1, "device//kb_rgb_98k.png", 0x333333}, LookCase{10, 2, "", 0},
                      LookCase{100, 1, "device//kb_new.png", -1}, LookCase{100, 2, "", 0},
                      // Outside 1..4 and unknown models: nothing.
                      LookCase{1, 0, "", 0}, LookCase{2, 5, "", 0}, LookCase{0, 1, "", 0},
                      LookCase{4, 1, "", 0}),
    [](const auto& info) {
        return "code" + std::to_string(info.param.code) + "_variant" +
               std::to_string(info.param.variant);
    });

struct ButtonsCase {
    int code;
    CaseButtons buttons;
    std::optional<KeyRect> background;
};

class Buttons : public ::testing::TestWithParam<ButtonsCase> {};

TEST_P(Buttons, ShowsTheOfferedColoursAndTheBackgroundArea) {
    const DeviceModel m = DeviceModelFromCode(GetParam().code);
    EXPECT_EQ(VisibleCaseButtons(m), GetParam().buttons);
    EXPECT_EQ(BackgroundRect(m), GetParam().background);
}

constexpr KeyRect kStd{9, 9, 642, 217};

INSTANTIATE_TEST_SUITE_P(
    AllCodes, Buttons,
    ::testing::Values(ButtonsCase{1, {true, true, false, false}, kStd},
                      ButtonsCase{2, {true, true, true, true}, KeyRect{30, 10, 581, 221}},
                      ButtonsCase{3, {true, false, false, false}, std::nullopt},
                      ButtonsCase{5, {true, true, false, false}, KeyRect{16, 10, 611, 209}},
                      ButtonsCase{6, {true, false, false, false}, kStd},
                      ButtonsCase{7, {true, false, false, false}, kStd},
                      ButtonsCase{8, {true, false, false, false}, kStd},
                      ButtonsCase{9, {true, false, false, false}, kStd},
                      ButtonsCase{10, {true, false, false, false}, kStd},
                      ButtonsCase{100, {false, false, false, false}, std::nullopt},
                      ButtonsCase{0, {false, false, false, false}, std::nullopt}),
    [](const auto& info) { return "code" + std::to_string(info.param.code); });

TEST(ModelAppearance, ButtonAndDeviceListPictures) {
    EXPECT_EQ(CaseButtonPicture(1), "kb_color_white.png");
    EXPECT_EQ(CaseButtonPicture(4), "kb_color_purple.png");
    EXPECT_EQ(CaseButtonPicture(0), "");
    EXPECT_EQ(CaseButtonPicture(5), "");
    EXPECT_EQ(DeviceListPicture(0), "device//tab_kb_61k.png");
    EXPECT_EQ(DeviceListPicture(1), "device//tab_kb_87k.png");
    EXPECT_EQ(DeviceListPicture(2), "device//tab_kb_98k.png");
    EXPECT_EQ(DeviceListPicture(3), "");
}

TEST(ModelAppearance, CncColoursAndThePlaceholderReplaceADeviceListPicture) {
    const char* cnc[] = {"device//tab_kb_61k_cnc.png", "device//tab_kb_61k_black.png",
                         "device//tab_kb_61k_cnc_blue.png", "device//tab_kb_61k_purple.png"};
    for (int v = 1; v <= 4; ++v) {
        const auto change = DeviceListPictureFor(DeviceModel::K61Cnc, v);
        ASSERT_TRUE(change.has_value()) << v;
        EXPECT_EQ(change->entry, 1);
        EXPECT_EQ(change->picture, cnc[v - 1]);
    }
    EXPECT_FALSE(DeviceListPictureFor(DeviceModel::K61Cnc, 5).has_value());
    const auto placeholder = DeviceListPictureFor(DeviceModel::NewModel, 1);
    ASSERT_TRUE(placeholder.has_value());
    EXPECT_EQ(placeholder->entry, 2);
    EXPECT_EQ(placeholder->picture, "device//tab_kb_new.png");
    EXPECT_FALSE(DeviceListPictureFor(DeviceModel::K61, 2).has_value());
    EXPECT_EQ(PictureOnlyViewRect(DeviceModel::NewModel), (KeyRect{225, 175, 885, 410}));
    EXPECT_FALSE(PictureOnlyViewRect(DeviceModel::K64).has_value());
}

}  // namespace
}  // namespace vekora
