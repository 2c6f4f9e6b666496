#include "device/ModelNames.h"

#include <gtest/gtest.h>

#include <string>

namespace vekora {
namespace {

struct NamesCase {
    int code;
    const char* stem;
    const char* profile;
    const char* colour;
};

class ModelNames : public ::testing::TestWithParam<NamesCase> {};

TEST_P(ModelNames, LooksUpEveryPerModelName) {
    const NamesCase& c = GetParam();
    const DeviceModel m = DeviceModelFromCode(c.code);
    EXPECT_EQ(DatabaseStem(m), c.stem);
    EXPECT_EQ(ProfileSettingName(m), c.profile);
    EXPECT_EQ(ColourSettingName(m), c.colour);
}

INSTANTIATE_TEST_SUITE_P(
    AllCodes, ModelNames,
    ::testing::Values(
        NamesCase{1, "vekora61k", "Vekora61", "Vekora61kColorMode"},
        // Models 2 and 3 keep only a case colour.
        NamesCase{2, "", "", "VekoraCNC61kColorMode"}, NamesCase{3, "", "", "Vekora64kColorMode"},
        NamesCase{5, "vekora68k", "Vekora68", "Vekora68kColorMode"},
        NamesCase{6, "vekora61k_singlelight", "Vekora61SingleLight", "Vekora61kSingleLightMode"},
        NamesCase{7, "vekora61k_singlelight", "Vekora61SingleLight", "Vekora61kSingleLightMode"},
        NamesCase{8, "vekora87k_singlelight", "Vekora87SingleLight", "Vekora87kSingleLightMode"},
        NamesCase{9, "vekora87k_rgb", "Vekora87RGBLight", "Vekora87kRGBLightMode"},
        NamesCase{10, "vekora98k_rgb", "Vekora98RGBLight", "Vekora98kRGBLightMode"},
        NamesCase{100, "", "", ""}, NamesCase{0, "", "", ""}, NamesCase{4, "", "", ""}),
    [](const ::testing::TestParamInfo<NamesCase>& info) {
        return "code" + std::to_string(info.param.code);
    });

}  // namespace
}  // namespace vekora
