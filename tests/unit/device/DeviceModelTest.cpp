#include "device/DeviceModel.h"

#include <gtest/gtest.h>

#include <string>

namespace vekora {
namespace {

struct CodeCase {
    int code;
    DeviceModel model;
    const char* name;
};

class DeviceModelCodes : public ::testing::TestWithParam<CodeCase> {};

TEST_P(DeviceModelCodes, RoundTripsThroughStoredCode) {
    const CodeCase& c = GetParam();
    EXPECT_EQ(DeviceModelFromCode(c.code), c.model);
    EXPECT_EQ(DeviceModelName(c.model), c.name);
    if (c.model != DeviceModel::None) {
        EXPECT_EQ(ToCode(c.model), c.code);
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllCodes, DeviceModelCodes,
    ::testing::Values(CodeCase{1, DeviceModel::K61, "K61"},
                      CodeCase{2, DeviceModel::K61Cnc, "K61Cnc"},
                      CodeCase{3, DeviceModel::K64, "K64"}, CodeCase{5, DeviceModel::K68, "K68"},
                      CodeCase{6, DeviceModel::K61SingleLight, "K61SingleLight"},
                      CodeCase{7, DeviceModel::K61SE, "K61SE"},
                      CodeCase{8, DeviceModel::K87SingleLight, "K87SingleLight"},
                      CodeCase{9, DeviceModel::K87Rgb, "K87Rgb"},
                      CodeCase{10, DeviceModel::K98Rgb, "K98Rgb"},
                      CodeCase{100, DeviceModel::NewModel, "NewModel"},
                      // Gaps and out-of-range codes name no model.
                      CodeCase{0, DeviceModel::None, ""}, CodeCase{4, DeviceModel::None, ""},
                      CodeCase{11, DeviceModel::None, ""}, CodeCase{-1, DeviceModel::None, ""}),
    [](const ::testing::TestParamInfo<CodeCase>& info) {
        const int code = info.param.code;
        return code < 0 ? "minus" + std::to_string(-code) : "code" + std::to_string(code);
    });

}  // namespace
}  // namespace vekora
