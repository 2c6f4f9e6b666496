// Each synchronisation flow, run against vekora-kbd-sim twice: once on a FakeClock, which
// takes no time for a pause but adds up every pause the flow and the exchange operations
// mandate, and once in real time. Prints the real duration, the mandated pauses, the number of
// reports and the overhead against the goal (10 % of the pauses plus 1 ms per report), and a
// music frame's duration per family against the 33 ms tick.
//
// Usage: bench_protocol [repetitions]   (the simulator is started on a temporary socket)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <numeric>
#include <random>
#include <string>

#include "SimProcess.h"
#include "core/DeviceSync.h"
#include "core/StoredSettings.h"
#include "device/DeviceRecords.h"
#include "device/FakeClock.h"
#include "device/manager/DeviceManager.h"
#include "device/sync/ManagerReportLink.h"

namespace vekora {
namespace {

class NullView : public SyncView {
public:
    void ShowMessage(int) override {}
    void ShowProfile(int) override {}
    void ShowLightMode(int) override {}
    void ShowGameMode(GameModeSwitches) override {}
    void ShowKeyColours(const std::vector<KeyLight>&) override {}
    std::vector<int> ViewKeys() const override { return {4, 5, 6, 7, 41, 44}; }
    std::vector<KeyLight> ViewColours() const override {
        return {{4, 0x0000FF}, {5, 0x00FF00}, {6, 0xFF0000}, {41, 0}};
    }
    bool WindowShown() const override { return true; }
};

class FixedSettings : public ProfileSettings {
public:
    int Load(DeviceModel) override { return 2; }
    void Store(DeviceModel, int) override {}
};

struct Flow {
    const char* name;
    std::function<void(DeviceSync&, ConfigDatabase&)> run;
};

void FillStore(ConfigDatabase& db) {
    for (int code : {4, 5, 6, 44}) {
        KeyAssignment a;
        a.profile = 2;
        a.key_code = code;
        a.macro_type = 604;
        a.macro_value = code + 1;
        db.SaveKeyAssignment(a);
    }
    MacroDefinition d;
    d.name = L"bench";
    d.play_times = 1;
    const int id = db.InsertMacro(d);
    for (int i = 0; i < 60; ++i) {
        MacroEvent e;
        e.macro_id = id;
        e.record_index = i;
        e.type = i % 3 == 2 ? 1 : 2 + i % 3;
        e.value = i % 3 == 2 ? 20 : 65;
        db.AddMacroEvent(e);
    }
    const int light = db.AddUserLight(L"bench");
    KeyColour c;
    c.profile = 1;
    c.light = light;
    c.key_code = 4;
    c.key_rgb = 0x00FF00;
    db.SaveKeyColours({c});
}

struct Measure {
    double ms = 0;
    int pauses = 0;
    int reports = 0;
};

Measure RunOnce(DeviceModel model, const Flow& flow, Clock& clock, bool fake) {
    testing::SimProcess sim({ToCode(model)});
    DeviceManager manager(clock);
    for (const SupportedDevice& s : StartupSupportedDevices()) {
        manager.AddSupported(s.vendorId, s.productId, s.productName, s.interfaceTag);
    }
    manager.Scan();
    manager.SetReady(true);
    std::random_device rd;
    const auto folder = std::filesystem::temp_directory_path() /
                        ("vekora-bench-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(folder / "db");
    ConfigDatabase db;
    db.OpenForModel(folder, "bench");
    FillStore(db);
    SyncState state;
    state.model = model;
    state.connected = true;
    state.profile = 2;
    state.revisionFlag = true;
    state.page = kMusicPage;
    state.musicRunning = true;
    NullView view;
    FixedSettings settings;
    ManagerReportLink link(manager);
    DeviceSync sync(state, db, link, view, settings);

    auto* fakeClock = fake ? static_cast<FakeClock*>(&clock) : nullptr;
    if (fakeClock) {
        fakeClock->ClearSleeps();
    }
    const auto before = sim.Log().size();
    const auto t0 = std::chrono::steady_clock::now();
    flow.run(sync, db);
    const auto t1 = std::chrono::steady_clock::now();
    Measure m;
    m.ms = std::chrono::duration<double, std::milli>(t1 - t0).count();
    if (fakeClock) {
        const auto& s = fakeClock->Sleeps();
        m.pauses = std::accumulate(s.begin(), s.end(), 0);
    }
    const auto log = sim.Log();
    for (std::size_t i = before; i < log.size(); ++i) {
        if (log[i].op == "set_feature" || log[i].op == "get_feature") {
            ++m.reports;
        }
    }
    db.Close();
    std::filesystem::remove_all(folder);
    return m;
}

}  // namespace
}  // namespace vekora

int main(int argc, char** argv) {
    using namespace vekora;
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const auto home = std::filesystem::temp_directory_path() / "vekora-bench-home";
    std::filesystem::create_directories(home / "config");
    setenv("VEKORA_HID_SIM", testing::SimProcess::SocketPath().c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);

    const std::vector<Flow> flows = {
        {"select profile", [](DeviceSync& s, ConfigDatabase&) { s.SelectProfile(3); }},
        {"key map", [](DeviceSync& s, ConfigDatabase&) { s.UploadKeyMap(); }},
        {"light mode", [](DeviceSync& s, ConfigDatabase&) { s.UploadLightMode(5); }},
        {"user light", [](DeviceSync& s, ConfigDatabase&) { s.ApplyUserLight(1, 1); }},
        {"game mode", [](DeviceSync& s, ConfigDatabase&) { s.UploadGameMode(); }},
        {"macros", [](DeviceSync& s, ConfigDatabase&) { s.UploadMacros(); }},
        {"reset current", [](DeviceSync& s, ConfigDatabase&) { s.ResetCurrentProfile(); }},
        {"reset all", [](DeviceSync& s, ConfigDatabase&) { s.ResetAllProfiles(); }},
        {"music frame", [](DeviceSync& s, ConfigDatabase&) { s.SendMusicFrame(); }},
    };
    std::printf("%-6s %-14s %10s %10s %8s %10s %10s  %s\n", "model", "flow", "real ms", "pauses ms",
                "reports", "overhead", "goal", "");
    for (DeviceModel model : {DeviceModel::K61, DeviceModel::K61SE, DeviceModel::K87SingleLight}) {
        for (const Flow& flow : flows) {
            FakeClock fake;
            const Measure mandated = RunOnce(model, flow, fake, true);
            double best = 1e9;
            int reports = 0;
            for (int r = 0; r < repetitions; ++r) {
                const Measure real = RunOnce(model, flow, SystemClock::Instance(), false);
                best = std::min(best, real.ms);
                reports = real.reports;
            }
            const double overhead = best - mandated.pauses;
            const double goal = 0.10 * mandated.pauses + 1.0 * reports;
            std::printf("%-6d %-14s %10.1f %10d %8d %10.1f %10.1f  %s\n", ToCode(model), flow.name,
                        best, mandated.pauses, reports, overhead, goal,
                        overhead <= goal ? "ok" : "OVER");
            if (std::string(flow.name) == "music frame") {
                std::printf("%-6d %-14s %10.1f ms against the %d ms tick\n", ToCode(model),
                            "  frame/tick", best, kTickIntervalMs);
            }
        }
    }
    std::filesystem::remove_all(home);
    return 0;
}
