#include "device/KeyCodes.h"

#include <gtest/gtest.h>

#include <string>

namespace vekora {
namespace {

struct BitCase {
    int code;
    int result;
};

class ModifierBits : public ::testing::TestWithParam<BitCase> {};

TEST_P(ModifierBits, ModifiersGiveTheirBitOtherCodesPassThrough) {
    EXPECT_EQ(ModifierBit(GetParam().code), GetParam().result);
    EXPECT_EQ(IsModifierKey(GetParam().code), GetParam().code >= 224 && GetParam().code <= 231);
}

INSTANTIATE_TEST_SUITE_P(Codes, ModifierBits,
                         ::testing::Values(BitCase{224, 0x01}, BitCase{225, 0x02},
                                           BitCase{226, 0x04}, BitCase{227, 0x08},
                                           BitCase{228, 0x10}, BitCase{229, 0x20},
                                           BitCase{230, 0x40}, BitCase{231, 0x80},
                                           BitCase{223, 223}, BitCase{232, 232}, BitCase{4, 4},
                                           BitCase{175, 175}, BitCase{250, 250}, BitCase{0, 0}),
                         [](const auto& info) { return "code" + std::to_string(info.param.code); });

}  // namespace
}  // namespace vekora
