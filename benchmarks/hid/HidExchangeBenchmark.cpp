// For each exchange operation of DeviceManager: the measured time of one call against the sum
// of the pauses the protocol mandates for it, with a simulated keyboard answering over the
// simulator socket. Goal: measured <= 1.1 x mandated + 1 ms.
//
//   build/benchmarks/hid/bench_hid
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <memory>

#include "SimProcess.h"
#include "device/DeviceRecords.h"
#include "device/manager/DeviceManager.h"

namespace vekora {
namespace {

using testing::SimProcess;

struct Bench {
    explicit Bench(int model) : sim({model}) {
        for (const SupportedDevice& s : StartupSupportedDevices()) {
            manager.AddSupported(s.vendorId, s.productId, s.productName, s.interfaceTag);
        }
        manager.Scan();
        manager.SetReady(true);
    }
    SimProcess sim;
    DeviceManager manager;
};

template <typename Op>
void Measure(benchmark::State& state, int model, double mandatedMs, Op op) {
    Bench bench(model);
    double totalMs = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(op(bench.manager));
        const auto end = std::chrono::steady_clock::now();
        const double ms = std::chrono::duration<double, std::milli>(end - start).count();
        totalMs += ms;
        state.SetIterationTime(ms / 1000.0);
    }
    const double measured = totalMs / static_cast<double>(state.iterations());
    state.counters["mandated_ms"] = mandatedMs;
    state.counters["measured_ms"] = measured;
    state.counters["ratio"] = measured / mandatedMs;
    state.counters["within_goal"] = measured <= 1.1 * mandatedMs + 1.0 ? 1 : 0;
}

void SendReportConfirmed(benchmark::State& s) {
    Measure(s, 1, 8 + 2, [](DeviceManager& m) {
        ShortPayload p{0x04, 0x18};
        return m.SendReport(p, 64, 0, true);
    });
}
void SendReportNineBlocks(benchmark::State& s) {
    std::vector<std::uint8_t> area(576, 0x11);
    Measure(s, 1, 8 + 9 * 8, [&](DeviceManager& m) { return m.SendReport(area, 640, 0, true); });
}
void SendFrame(benchmark::State& s) {
    Measure(s, 5, 6 + 8 * 2, [](DeviceManager& m) { return m.SendFrame(FramePayload{}, 0); });
}
void QueryReport(benchmark::State& s) {
    Measure(s, 1, 2 + 2 + 2, [](DeviceManager& m) {
        ShortPayload p{0x04, 0x30};
        return m.QueryReport(p, 0);
    });
}
void QueryReportSeries(benchmark::State& s) {
    Measure(s, 1, 2 + 9 * 4, [](DeviceManager& m) {
        SeriesBuffer b{0x04, 0xF5};
        return m.QueryReportSeries(b, 0);
    });
}
void ExchangeReport(benchmark::State& s) {
    Measure(s, 6, 2 + 10, [](DeviceManager& m) {
        ShortPayload p{0x04, 0x61};
        return m.ExchangeReport(p, 0);
    });
}
void WriteLongReport(benchmark::State& s) {
    Measure(s, 7, 8, [](DeviceManager& m) {
        LongReport r{6, 0x0D, 0, 0, 1, 0, 1};
        return m.WriteLongReport(r, 0);
    });
}
void ExchangeLongReport(benchmark::State& s) {
    Measure(s, 9, 8 + 2 + 2, [](DeviceManager& m) {
        LongReport r{6, 0x84, 1, 0, 1, 0, 128};
        return m.ExchangeLongReport(r, 0);
    });
}

BENCHMARK(SendReportConfirmed)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(SendReportNineBlocks)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(SendFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(QueryReport)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(QueryReportSeries)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(ExchangeReport)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(WriteLongReport)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(ExchangeLongReport)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace
}  // namespace vekora

int main(int argc, char** argv) {
    // Every transfer goes to the simulator started per benchmark, never to real hardware.
    setenv("VEKORA_HID_SIM", vekora::testing::SimProcess::SocketPath().c_str(), 1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
