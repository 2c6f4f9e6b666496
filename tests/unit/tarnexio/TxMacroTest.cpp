#include "tarnexio/wire/TxMacro.h"

#include <gtest/gtest.h>

namespace tarnexio::wire {
namespace {

std::vector<std::uint8_t> Record(std::initializer_list<Step> steps) {
    std::vector<std::uint8_t> r;
    for (const Step& s : steps) {
        const StepRecord b = EncodeStep(s);
        r.insert(r.end(), b.begin(), b.end());
    }
    return r;
}

TEST(TxStep, Layout) {
    const StepRecord r = EncodeStep({StepKind::KeyPress, 225, 300, 0x02});
    // kind, key, delay 300 = 0x012C little-endian, modifier bit, check byte
    const std::uint8_t check = 0x5A ^ 0x01 ^ 225 ^ 0x2C ^ 0x01 ^ 0x02;
    EXPECT_EQ(r, (StepRecord{0x01, 225, 0x2C, 0x01, 0x02, check}));
    EXPECT_EQ(DecodeStep(r), (Step{StepKind::KeyPress, 225, 300, 0x02}));
}

TEST(TxStep, DelayIsCapped) {
    EXPECT_EQ(DecodeStep(EncodeStep({StepKind::KeyRelease, 4, 70000, 0}))->delayMs, 65535);
    EXPECT_EQ(DecodeStep(EncodeStep({StepKind::KeyRelease, 4, -5, 0}))->delayMs, 0);
}

TEST(TxStep, RejectsBadKindOrCheckByte) {
    StepRecord r = EncodeStep({StepKind::ButtonPress, 1, 10, 0});
    StepRecord badCheck = r;
    badCheck[5] ^= 1;
    EXPECT_FALSE(DecodeStep(badCheck));
    StepRecord badKind = r;
    badKind[0] = 0x09;
    badKind[5] = static_cast<std::uint8_t>(0x5A ^ 0x09 ^ r[1] ^ r[2] ^ r[3] ^ r[4]);
    EXPECT_FALSE(DecodeStep(badKind));
}

TEST(TxMacroArea, RoundTripOfTenFullRecords) {
    std::vector<std::vector<std::uint8_t>> records;
    for (int m = 0; m < 10; ++m) {
        std::vector<std::uint8_t> r;
        for (int s = 0; s < 21; ++s) {
            const StepRecord b =
                EncodeStep({StepKind::KeyPress, static_cast<std::uint8_t>(4 + m), s, 0});
            r.insert(r.end(), b.begin(), b.end());
        }
        records.push_back(r);
    }
    const auto area = BuildMacroArea(records);
    ASSERT_TRUE(area);
    EXPECT_EQ(area->size(), 16u + 10u * 126u);
    EXPECT_EQ((*area)[0], 10);
    EXPECT_EQ((*area)[1], 126);
    EXPECT_EQ(ParseMacroArea(*area), records);
    const auto chunks = SplitIntoChunks(*area);
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].size(), 504u);
    EXPECT_EQ(chunks[2].size(), area->size() - 1008u);
}

TEST(TxMacroArea, EmptyListIsOneChunkOfHeader) {
    const auto area = BuildMacroArea({});
    ASSERT_TRUE(area);
    EXPECT_EQ(*area, std::vector<std::uint8_t>(16, 0));
    EXPECT_EQ(SplitIntoChunks(*area).size(), 1u);
    EXPECT_EQ(ParseMacroArea(*area)->size(), 0u);
}

TEST(TxMacroArea, RefusesWhatTheKeyboardCannotHold) {
    const auto step = Record({{StepKind::KeyPress, 4, 10, 0}});
    EXPECT_FALSE(BuildMacroArea(std::vector<std::vector<std::uint8_t>>(11, step)));
    EXPECT_FALSE(BuildMacroArea({std::vector<std::uint8_t>(5, 1)}));  // not whole steps
    std::vector<std::uint8_t> tooLong;
    for (int i = 0; i < 22; ++i) {
        tooLong.insert(tooLong.end(), step.begin(), step.end());
    }
    EXPECT_FALSE(BuildMacroArea({tooLong}));
}

TEST(TxMacroArea, ParseRejectsLengthsThatDoNotAddUp) {
    auto area = *BuildMacroArea({Record({{StepKind::KeyPress, 4, 10, 0}})});
    auto shortArea = area;
    shortArea.pop_back();
    EXPECT_FALSE(ParseMacroArea(shortArea));
    auto longer = area;
    longer.push_back(0);
    EXPECT_FALSE(ParseMacroArea(longer));
    auto badCount = area;
    badCount[0] = 11;
    EXPECT_FALSE(ParseMacroArea(badCount));
}

}  // namespace
}  // namespace tarnexio::wire
