#include "device/libformats/DeviceTable.h"

#include <gtest/gtest.h>

#include <numeric>

namespace vekora {
namespace {

DeviceTable ReadBack() {
    DeviceTable t{};
    std::iota(t.begin(), t.end(), std::uint8_t{0x40});  // distinct values in every byte
    return t;
}

void ExpectOnlyChanged(const DeviceTable& before, const DeviceTable& after,
                       std::initializer_list<std::size_t> offsets) {
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (std::find(offsets.begin(), offsets.end(), i) == offsets.end()) {
            EXPECT_EQ(after[i], before[i]) << "byte " << i;
        }
    }
}

struct ProfileCase {
    const char* name;
    int profile;
    std::uint8_t byte30;
};

class TableProfileSelection : public ::testing::TestWithParam<ProfileCase> {};

TEST_P(TableProfileSelection, WritesProfileMinusOneIntoByte30Only) {
    const ProfileCase& c = GetParam();
    const DeviceTable before = ReadBack();
    DeviceTable t = before;
    ASSERT_TRUE(SetTableProfile(t, c.profile));
    EXPECT_EQ(t[30], c.byte30);
    ExpectOnlyChanged(before, t, {30});
    EXPECT_EQ(TableProfile(t), c.profile);
}

INSTANTIATE_TEST_SUITE_P(Profiles, TableProfileSelection,
                         ::testing::Values(ProfileCase{"ProfileA", 1, 0},
                                           ProfileCase{"ProfileD", 4, 3},
                                           ProfileCase{"ProfileEWritesFour", 5, 4}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TableProfileSelection, RefusesAProfileOutsideOneToFive) {
    const DeviceTable before = ReadBack();
    for (int p : {0, 6, -1, 256}) {
        DeviceTable t = before;
        EXPECT_FALSE(SetTableProfile(t, p)) << p;
        EXPECT_EQ(t, before);
    }
}

TEST(TableProfileReading, OnlyOneToFiveCount) {
    DeviceTable t{};
    t[30] = 5;
    EXPECT_EQ(TableProfile(t), std::nullopt);
    t[30] = 0xFF;
    EXPECT_EQ(TableProfile(t), std::nullopt);
    t[30] = 0;
    EXPECT_EQ(TableProfile(t), 1);
}

TEST(TableGameMode, WritesBytes15_31_32AndKeepsTheRest) {
    const DeviceTable before = ReadBack();
    DeviceTable t = before;
    SetTableGameMode(t, true, false, true);
    EXPECT_EQ(t[15], 1);
    EXPECT_EQ(t[31], 0);
    EXPECT_EQ(t[32], 1);
    ExpectOnlyChanged(before, t, {15, 31, 32});
    SetTableGameMode(t, false, true, false);
    EXPECT_EQ(t[15], 0);
    EXPECT_EQ(t[31], 1);
    EXPECT_EQ(t[32], 0);
}

}  // namespace
}  // namespace vekora
