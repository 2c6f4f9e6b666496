#include "tarnexio/wire/TxFrame.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarnexio::wire {
namespace {

TEST(TxFrame, RequestLayout) {
    const std::vector<std::uint8_t> payload = {0x11, 0x22, 0x33};
    const Frame f = BuildRequest({Command::WriteKeyMap, 7, 3, 0}, payload);
    EXPECT_EQ(f[0], 0x06);
    EXPECT_EQ(f[1], 0xA7);
    EXPECT_EQ(f[2], 0x10);
    EXPECT_EQ(f[3], 7);
    EXPECT_EQ(f[4], 3);
    EXPECT_EQ(f[5], 0);
    EXPECT_EQ(f[6], 3);
    EXPECT_EQ(f[7], 0);
    EXPECT_EQ(f[8], 0x11);
    EXPECT_EQ(f[10], 0x33);
    EXPECT_EQ(f[11], 0);
    EXPECT_EQ(f[512], 0);
    // 0xA7 + 0x10 + 7 + 3 + 3 + 0x11 + 0x22 + 0x33 = 0x12A
    EXPECT_EQ(f[516], 0x2A);
    EXPECT_EQ(f[517], 0x01);
    EXPECT_EQ(f[518], 0xAA);
    EXPECT_EQ(f[519], 0x55);
}

TEST(TxFrame, LongPayloadLengthIsLittleEndian) {
    const std::vector<std::uint8_t> payload(504, 0x01);
    const Frame f = BuildRequest({Command::WriteKeyColours, 1, 0, 0}, payload);
    EXPECT_EQ(f[6], 0xF8);
    EXPECT_EQ(f[7], 0x01);
    EXPECT_EQ(f[511], 0x01);
}

TEST(TxFrame, AnswerRoundTrip) {
    const std::vector<std::uint8_t> payload = {1, 2, 3, 4};
    const Frame f = BuildAnswer({Command::ReadTable, 200, 0, 0}, Status::Done, payload);
    const auto p = ParseFrame(f);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->header.command, Command::ReadTable);
    EXPECT_EQ(p->header.sequence, 200);
    EXPECT_EQ(p->status, Status::Done);
    EXPECT_EQ(std::vector<std::uint8_t>(p->payload.begin(), p->payload.end()), payload);
}

struct Corruption {
    const char* name;
    std::size_t offset;
    std::uint8_t value;
};

class TxFrameRejects : public ::testing::TestWithParam<Corruption> {};

TEST_P(TxFrameRejects, AFrameThatDoesNotCheckOut) {
    Frame f = BuildRequest({Command::WriteTable, 1, 0, 0}, std::vector<std::uint8_t>(128, 9));
    f[GetParam().offset] = GetParam().value;
    EXPECT_FALSE(ParseFrame(f));
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, TxFrameRejects,
    ::testing::Values(Corruption{"ReportId", 0, 0x05}, Corruption{"Tag", 1, 0x03},
                      Corruption{"PayloadByte", 20, 0x00}, Corruption{"LengthPast504", 7, 0x02},
                      Corruption{"Checksum", 516, 0x00}, Corruption{"EndMarker", 519, 0x00}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TxFrame, WrongSizeIsNotAFrame) {
    const Frame f = BuildRequest({Command::Hello, 1, 0, 0});
    EXPECT_FALSE(ParseFrame(std::span<const std::uint8_t>(f).first(519)));
}

TEST(TxFrame, LongFamilyReportsDoNotLookLikeFrames) {
    std::vector<std::uint8_t> longRead(520, 0);
    longRead[0] = 0x06;
    longRead[1] = 0x84;
    EXPECT_FALSE(LooksLikeFrame(longRead));
}

}  // namespace
}  // namespace tarnexio::wire
