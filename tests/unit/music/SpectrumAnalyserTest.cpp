#include "features/music/SpectrumAnalyser.h"

#include "FakeSampleSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace vekora {
namespace {

// Packets laid out so that every float is read: `frames` equals the float count, and each
// group of four floats holds one value.
std::vector<float> Groups(const std::vector<float>& values) {
    std::vector<float> floats;
    for (float v : values)
        floats.insert(floats.end(), 4, v);
    return floats;
}

void AddGroups(SpectrumAnalyser& a, const std::vector<float>& values, int amplitude) {
    const std::vector<float> floats = Groups(values);
    a.AddPacket(floats.data(), floats.size(), amplitude);
}

// 256 groups (a full ring) of a sine with `groupsPerPeriod` groups per period: the ring then
// holds a sine of bin 512 / (2 * groupsPerPeriod).
std::vector<float> SineGroups(double peak, int groupsPerPeriod) {
    std::vector<float> v(256);
    for (int g = 0; g < 256; ++g)
        v[g] = static_cast<float>(peak * std::sin(2.0 * std::numbers::pi * g / groupsPerPeriod));
    return v;
}

int ArgMax(const SpectrumLevels& levels) {
    return static_cast<int>(std::max_element(levels.begin(), levels.end()) - levels.begin());
}

TEST(SpectrumAnalyser, SilenceDecaysByAFifthPerAnalysis) {
    SpectrumAnalyser a;
    SpectrumLevels start;
    start.fill(0.5f);
    a.SetLevels(start);
    for (float expected : {0.4f, 0.32f, 0.256f}) {
        a.Decay(80);
        a.Analyse(8, 1.0f);
        for (int i : {0, 7, 8, 128, 247, 248, 255}) {
            EXPECT_NEAR(a.levels()[i], expected, 1e-6) << "column " << i;
            EXPECT_NEAR(a.output()[i], expected, 1e-6) << "output column " << i;
        }
    }
}

TEST(SpectrumAnalyser, GroupsFourFloatsIntoTwoRingSamples) {
    SpectrumAnalyser a;
    // Eight stereo frames, 16 floats: four groups, each entering the ring twice.
    std::vector<float> packet(16);
    for (int i = 0; i < 16; ++i)
        packet[i] = static_cast<float>(i + 1);
    a.AddPacket(packet.data(), packet.size(), 3);
    const auto& ring = a.ring();
    // (1+2+3+4) * 0.25 * 2 * 3 = 15, then 39, 63 and 87.
    const float expected[] = {0, 15, 15, 39, 39, 63, 63, 87, 87};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(ring[503 + i], expected[i]) << "ring " << 503 + i;

    // The next packet shifts the ring left by two per group.
    const float more[] = {2, 2, 2, 2};
    a.AddPacket(more, 4, 1);
    EXPECT_EQ(ring[503], 15.0f);
    EXPECT_EQ(ring[508], 87.0f);
    EXPECT_EQ(ring[510], 4.0f);
    EXPECT_EQ(ring[511], 4.0f);
}

TEST(SpectrumAnalyser, NeverReadsPastAShortPacket) {
    SpectrumAnalyser a;
    // One stereo frame is two floats, half a group: only the two count. The buffer goes on
    // with values that must not be read.
    const float packet[] = {1.0f, 3.0f, 1000.0f, 1000.0f};
    a.AddPacket(packet, 2, 1);
    EXPECT_EQ(a.ring()[510], 2.0f);
    EXPECT_EQ(a.ring()[511], 2.0f);
}

// Sound servers deliver packets of a few hundred frames. Every frame must reach the ring:
// gaps would split a pure tone into its two neighbouring bins and leave its own bin dark.
TEST(SpectrumAnalyser, ATonePlayedInSmallStereoPacketsLightsItsOwnBin) {
    SpectrumAnalyser a;
    constexpr int kPacketFrames = 480;
    const std::vector<float> tone = testing::Sine(0.05, 32.0, 4 * kPacketFrames);  // bin 16
    std::vector<float> stereo;
    for (float s : tone) {
        stereo.push_back(s);
        stereo.push_back(s);
    }
    for (int p = 0; p < 4; ++p)
        a.AddPacket(stereo.data() + 2 * kPacketFrames * p, 2 * kPacketFrames, 1);
    a.Analyse(0, 1.0f);  // no smoothing: the raw bins
    const int peak = ArgMax(a.levels());
    EXPECT_GE(peak, 64);
    EXPECT_LE(peak, 67);
    EXPECT_GT(a.levels()[64], 0.5f);
    EXPECT_LT(a.levels()[60], 0.2f * a.levels()[64]);
    EXPECT_LT(a.levels()[68], 0.2f * a.levels()[64]);
}

TEST(SpectrumAnalyser, BrokenSamplesEnterAsSilence) {
    SpectrumAnalyser a;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const float packet[] = {nan, 0, 0, 0, 1, 1, 1, 1, inf, 0, 0, 0};
    a.AddPacket(packet, 12, 1);
    EXPECT_EQ(a.ring()[506], 0.0f);
    EXPECT_EQ(a.ring()[508], 2.0f);
    EXPECT_EQ(a.ring()[510], 0.0f);
    a.Analyse(8, 1.0f);
    for (float level : a.levels())
        ASSERT_TRUE(std::isfinite(level));
}

TEST(SpectrumAnalyser, KeepsOnlyTheLatestSamplesOfALongPacket) {
    SpectrumAnalyser a;
    std::vector<float> values(512);
    for (int g = 0; g < 512; ++g)
        values[g] = static_cast<float>(g);
    AddGroups(a, values, 1);  // each group's sample is 4g * 0.25 * 2 = 2g
    for (int i = 0; i < 256; ++i) {
        ASSERT_EQ(a.ring()[2 * i], 2.0f * (256 + i)) << i;
        ASSERT_EQ(a.ring()[2 * i + 1], 2.0f * (256 + i)) << i;
    }
}

TEST(SpectrumAnalyser, AFullScaleToneLightsItsBinAndNeighboursButNeverPassesOne) {
    SpectrumAnalyser a;
    AddGroups(a, SineGroups(1.0, 16), 270);  // bin 16: columns 64..67
    a.Analyse(8, 1.0f);
    const auto& levels = a.levels();
    for (float level : levels) {
        ASSERT_LE(level, 1.0f);
        ASSERT_GE(level, 0.0f);
    }
    for (int x = 64; x <= 67; ++x)
        EXPECT_GT(levels[x], 0.9f) << "column " << x;
    // Smoothing lights the neighbours too, and the tone stands out from the leakage.
    EXPECT_GT(levels[60], 0.9f);
    EXPECT_GT(levels[71], 0.9f);
    EXPECT_GT(levels[66], levels[150] + 0.3f);
}

struct ToneCase {
    int groupsPerPeriod;
    int bin;
    double peak;  // quiet enough to stay below 1 (the low bins are weighted down)
};

class QuietTones : public ::testing::TestWithParam<ToneCase> {};

TEST_P(QuietTones, PeakInTheColumnsOfTheirBin) {
    const ToneCase& c = GetParam();
    SpectrumAnalyser a;
    AddGroups(a, SineGroups(c.peak, c.groupsPerPeriod), 1);
    a.Analyse(8, 1.0f);
    const auto& levels = a.levels();
    const int peak = ArgMax(levels);
    EXPECT_GE(peak, 4 * c.bin);
    EXPECT_LE(peak, 4 * c.bin + 3);
    EXPECT_LT(levels[peak], 1.0f);
    // Far from the tone the picture stays dark.
    const int far = c.bin < 32 ? 4 * c.bin + 80 : 4 * c.bin - 80;
    EXPECT_LT(levels[far], 0.25f * levels[peak]) << "column " << far;
}

INSTANTIATE_TEST_SUITE_P(Table, QuietTones,
                         ::testing::Values(ToneCase{32, 8, 0.02}, ToneCase{16, 16, 0.01},
                                           ToneCase{8, 32, 0.01}, ToneCase{5, 51, 0.01}),
                         [](const ::testing::TestParamInfo<ToneCase>& info) {
                             return "bin" + std::to_string(info.param.bin);
                         });

TEST(SpectrumAnalyser, OutputFollowsTheLevelsByTheSmoothingFactor) {
    SpectrumAnalyser a;
    SpectrumLevels start;
    start.fill(0.5f);
    a.SetLevels(start);
    a.Analyse(8, 0.5f);  // no decay here: the levels stay 0.5, the output goes half way
    EXPECT_NEAR(a.output()[100], 0.25f, 1e-6);
    a.Analyse(8, 0.5f);
    EXPECT_NEAR(a.output()[100], 0.375f, 1e-6);
}

TEST(SpectrumAnalyser, SmoothsEdgesAndMiddleInPlace) {
    SpectrumAnalyser a;
    SpectrumLevels start{};
    start[0] = 0.9f;    // an edge spike
    start[128] = 0.9f;  // a middle spike
    start[247] = 0.3f;  // between the middle (8..246) and the right edge (248..255)
    a.SetLevels(start);
    a.Analyse(8, 1.0f);
    const auto& levels = a.levels();
    // level[0] = mean of columns 0..8; level[1] = mean of 0..9 with the new level[0].
    EXPECT_NEAR(levels[0], 0.1f, 1e-6);
    EXPECT_NEAR(levels[1], 0.01f, 1e-6);
    // The first middle column that sees the spike is 120 (8 to its left).
    EXPECT_NEAR(levels[119], 0.0f, 1e-6);
    EXPECT_NEAR(levels[120], 0.9f / 17.0f, 1e-6);
    EXPECT_GT(levels[136], 0.0f);        // the in-place mean carries the spike to the right
    EXPECT_FLOAT_EQ(levels[247], 0.3f);  // no pass smooths this column
}

}  // namespace
}  // namespace vekora
