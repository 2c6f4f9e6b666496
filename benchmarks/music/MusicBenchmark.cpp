// Music visualizer costs: one analysis + composition (the work of one worker frame), and the
// worker's CPU share while it runs at its natural pace (15 ms pause per frame, about 66 frames
// per second). Prints figures only; the goal is well under 1 % of one core.
#include <benchmark/benchmark.h>

#include <time.h>

#include <chrono>
#include <cmath>
#include <memory>
#include <numbers>
#include <thread>
#include <vector>

#include "features/music/MusicPatterns.h"
#include "features/music/Visualizer.h"
#include "platform/audio/SampleSource.h"

namespace vekora {
namespace {

// Delivers one 15 ms stereo packet of music-like sound (three tones) on every drain, as a
// 48 kHz output would between two frames.
class SteadySource final : public SampleSource {
public:
    SteadySource() : packet_(2 * kFrames) {
        for (int i = 0; i < kFrames; ++i) {
            const double t = i / 48000.0;
            const float s = static_cast<float>(0.2 * std::sin(2 * std::numbers::pi * 220 * t) +
                                               0.1 * std::sin(2 * std::numbers::pi * 1500 * t) +
                                               0.05 * std::sin(2 * std::numbers::pi * 4000 * t));
            packet_[2 * i] = packet_[2 * i + 1] = s;
        }
    }
    void Open() override {}
    std::vector<std::string> DeviceNames() const override { return {"Default Loopback Device"}; }
    bool Restart(int) override { return true; }
    void Drain(PacketSink& sink) override {
        sink.OnPacket(packet_.data(), kFrames, packet_.size(), 2);
    }

private:
    static constexpr int kFrames = 720;
    std::vector<float> packet_;
};

std::unique_ptr<Visualizer> MakeVisualizer(int background) {
    auto v = std::make_unique<Visualizer>(std::make_unique<SteadySource>());
    v->StartVisualizer();
    v->SetAmplitude(60);
    v->SetForegroundPattern(kPatternGreenYellowRed);
    v->SetBackgroundPattern(background);
    v->SetBackgroundBrightness(60);
    return v;
}

void BM_AnalyseAndCompose(benchmark::State& state) {
    auto v = MakeVisualizer(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        v->RenderFrame();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_AnalyseAndCompose)
    ->ArgName("background")
    ->Arg(kPatternNone)
    ->Arg(kPatternRainbow)
    ->Arg(kPatternChromatography)
    ->Arg(kPatternSpectrumCycle)
    ->Unit(benchmark::kMicrosecond);

double ProcessCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec * 1e-9;
}

// Runs the real worker thread for two seconds while this thread sleeps, and reports the
// process CPU time over the wall time (almost all of it is the worker's).
void BM_WorkerCpuShare(benchmark::State& state) {
    auto v = MakeVisualizer(static_cast<int>(state.range(0)));
    v->StartCaptureThread();
    for (auto _ : state) {
        v->SetEnabled(true);
        const auto frames0 = v->FrameCount();
        const double cpu0 = ProcessCpuSeconds();
        const auto wall0 = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(2));
        const double cpu = ProcessCpuSeconds() - cpu0;
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
        const auto frames = v->FrameCount() - frames0;
        v->SetEnabled(false);
        state.SetIterationTime(wall);
        state.counters["cpu_share_percent"] = 100.0 * cpu / wall;
        state.counters["frames_per_second"] = frames / wall;
        state.counters["cpu_us_per_frame"] = frames ? 1e6 * cpu / frames : 0.0;
    }
    v->StopCaptureThread();
}
BENCHMARK(BM_WorkerCpuShare)
    ->ArgName("background")
    ->Arg(kPatternRainbow)
    ->Arg(kPatternChromatography)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vekora

BENCHMARK_MAIN();
