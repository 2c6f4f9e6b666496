#include "features/music/Visualizer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <set>
#include <thread>

#include "FakeSampleSource.h"
#include "features/music/HsvToColour.h"
#include "features/music/MusicPatterns.h"

namespace vekora {
namespace {

using testing::FakeSampleSource;
using testing::FakeSourceLog;

struct Rig {
    explicit Rig(std::vector<std::string> names = {"Default Loopback Device"}) {
        auto source = std::make_unique<FakeSampleSource>(std::move(names), &log);
        fake = source.get();
        visualizer = std::make_unique<Visualizer>(std::move(source));
        visualizer->StartVisualizer();
    }
    FakeSourceLog log;
    FakeSampleSource* fake = nullptr;
    std::unique_ptr<Visualizer> visualizer;
};

TEST(Visualizer, StartsWithTheInitialSettingsAndCapturesDeviceZero) {
    Rig rig;
    Visualizer& v = *rig.visualizer;
    EXPECT_EQ(rig.log.opens, 1);
    EXPECT_EQ(rig.log.restarts, std::vector<int>{0});
    EXPECT_EQ(v.Amplitude(), 270);
    EXPECT_EQ(v.DeviceIndex(), 0);
    EXPECT_EQ(v.BackgroundPattern(), 0);
    EXPECT_EQ(v.BackgroundBrightness(), 100);
    EXPECT_FALSE(v.IsEnabled());
    EXPECT_FALSE(v.IsRunning());
    EXPECT_EQ(v.Hue(), 0.0f);
    EXPECT_EQ(v.DeviceNames(), std::vector<std::string>{"Default Loopback Device"});
}

TEST(Visualizer, ADeviceIndexPastTheEndCapturesDeviceZero) {
    Rig rig;
    rig.visualizer->SetDeviceIndex(3);
    rig.visualizer->RestartCapture();
    rig.visualizer->SetDeviceIndex(-1);
    rig.visualizer->RestartCapture();
    EXPECT_EQ(rig.log.restarts, (std::vector<int>{0, 0, 0}));
}

TEST(Visualizer, SilenceShowsTheBackgroundOnly) {
    Rig rig;
    Visualizer& v = *rig.visualizer;
    v.SetBackgroundPattern(kPatternBlue);
    v.SetBackgroundBrightness(50);
    v.SetForegroundPattern(kPatternWhite);
    SpectrumLevels loud;
    loud.fill(0.9f);
    v.Analyser().SetLevels(loud);
    v.RenderFrame();
    EXPECT_EQ(v.ReadPixel(10, 56), 0xFEFEFEu);  // still lit by the decayed levels (0.72)
    for (int frame = 0; frame < 30; ++frame)
        v.RenderFrame();
    const SpectrumLevels levels = v.ReadLevels();
    EXPECT_LT(levels[10], 1.0f / 64.0f);
    auto image = std::make_unique<MusicImage>();
    v.CopyReadImage(*image);
    for (MusicColour p : *image)
        ASSERT_EQ(p, 0x7E0000u);
}

TEST(Visualizer, ATonePaintsForegroundBarsOverTheBackground) {
    Rig rig;
    Visualizer& v = *rig.visualizer;
    v.SetForegroundPattern(kPatternGreenYellowRed);
    v.SetBackgroundPattern(kPatternNone);
    // One stereo packet of a loud sine of bin 16 (columns 64..67).
    rig.fake->Queue(testing::Sine(1.0, 32, 1024));
    v.RenderFrame();
    EXPECT_EQ(v.ReadPixel(66, 56), 0x00FE00u);  // bottom row of the lit bar: green
    EXPECT_EQ(v.ReadPixel(66, 8), 0x0000FEu);   // near the top: red
    EXPECT_EQ(v.ReadPixel(66, 0), 0u);          // row 0 never lights
}

TEST(Visualizer, GreenYellowRedAtPointSixLightsTheLowerThreeSampledRows) {
    Rig rig;
    Visualizer& v = *rig.visualizer;
    v.SetForegroundPattern(kPatternGreenYellowRed);
    v.SetBackgroundPattern(kPatternNone);
    SpectrumLevels levels;
    levels.fill(0.75f);  // 0.6 after the decay of the next analysis
    v.Analyser().SetLevels(levels);
    v.RenderFrame();
    ASSERT_NEAR(v.ReadLevels()[40], 0.6f, 1e-6);
    EXPECT_EQ(v.ReadPixel(40, 56), 0x00FE00u);
    EXPECT_EQ(v.ReadPixel(40, 44), 0x00FE00u);
    EXPECT_EQ(v.ReadPixel(40, 32), 0x00FEFEu);
    EXPECT_EQ(v.ReadPixel(40, 20), 0u);
    EXPECT_EQ(v.ReadPixel(40, 8), 0u);
}

TEST(Visualizer, SpectrumCycleTurnsThroughTheCircleIn72Frames) {
    Rig rig;
    Visualizer& v = *rig.visualizer;
    v.SetBackgroundPattern(kPatternSpectrumCycle);
    std::vector<MusicColour> colours;
    for (int frame = 0; frame <= 72; ++frame) {
        v.RenderFrame();
        colours.push_back(v.ReadPixel(100, 10));
    }
    EXPECT_EQ(colours[0], 0x0000FFu);   // hue 0: red
    EXPECT_EQ(colours[24], 0x00FF00u);  // hue 120: green
    EXPECT_EQ(colours[48], 0xFF0000u);  // hue 240: blue
    EXPECT_EQ(colours[72], colours[0]);
    const std::set<MusicColour> distinct(colours.begin(), colours.end() - 1);
    EXPECT_EQ(distinct.size(), 72u);
}

TEST(Visualizer, HandsOverThroughTwoBuffers) {
    Rig rig;
    Visualizer& v = *rig.visualizer;
    v.SetBackgroundPattern(kPatternRed);
    v.RenderFrame();
    EXPECT_EQ(v.ReadPixel(0, 0), 0x0000FEu);
    v.SetBackgroundPattern(kPatternBlue);
    v.RenderFrame();
    EXPECT_EQ(v.ReadPixel(0, 0), 0xFE0000u);
    EXPECT_EQ(v.FrameCount(), 2u);

    const MusicPoint points[] = {{0, 0}, {255, 63}, {256, 0}, {0, -1}};
    MusicColour out[4] = {1, 1, 1, 1};
    v.ReadPixels(points, out);
    EXPECT_EQ(out[0], 0xFE0000u);
    EXPECT_EQ(out[1], 0xFE0000u);
    EXPECT_EQ(out[2], 0u);  // outside the picture
    EXPECT_EQ(out[3], 0u);
}

TEST(Visualizer, WorkerRendersOnlyWhileEnabled) {
    Rig rig;
    Visualizer& v = *rig.visualizer;
    v.StartCaptureThread();
    EXPECT_TRUE(v.IsRunning());
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    EXPECT_EQ(v.FrameCount(), 0u);

    v.SetEnabled(true);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (v.FrameCount() < 3 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_GE(v.FrameCount(), 3u);

    v.StopCaptureThread();
    EXPECT_FALSE(v.IsRunning());
    const auto frames = v.FrameCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
    EXPECT_EQ(v.FrameCount(), frames);
}

TEST(Visualizer, WithoutDevicesStillAnimatesTheBackground) {
    Rig rig(std::vector<std::string>{});
    Visualizer& v = *rig.visualizer;
    EXPECT_TRUE(v.DeviceNames().empty());
    v.SetBackgroundPattern(kPatternGreen);
    v.RenderFrame();
    EXPECT_EQ(v.ReadPixel(3, 3), 0x00FE00u);
    EXPECT_EQ(v.ReadLevels()[3], 0.0f);
}

}  // namespace
}  // namespace vekora
