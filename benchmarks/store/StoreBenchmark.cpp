// Costs of the configuration store's common operations on a real file in a temporary folder
// (the figures include SQLite's fsyncs, so they depend on the disk).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "features/text/LocalText.h"
#include "store/ConfigDatabase.h"
#include "store/Settings.h"

namespace vekora {
namespace {

namespace fs = std::filesystem;

class TempFolder {
public:
    TempFolder() {
        std::string pattern = fs::temp_directory_path() / "vekora-bench-XXXXXX";
        path_ = mkdtemp(pattern.data());
        fs::create_directories(path_ / "db");
    }
    ~TempFolder() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

std::vector<KeyColour> FullLayout(int light, int rgb) {
    std::vector<KeyColour> rows;
    for (int key = 4; key < 4 + 104; ++key)
        rows.push_back(KeyColour{0, 1, light, key, rgb + key});
    return rows;
}

void BM_CreateDatabase(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        TempFolder dir;
        state.ResumeTiming();
        ConfigDatabase db;
        benchmark::DoNotOptimize(db.OpenForModel(dir.path(), "vekora61k"));
    }
}
BENCHMARK(BM_CreateDatabase)->Unit(benchmark::kMillisecond);

void BM_SaveKeyColoursFullLayout(benchmark::State& state) {
    TempFolder dir;
    ConfigDatabase db;
    db.OpenForModel(dir.path(), "vekora98k_rgb");
    const int light = db.AddUserLight(L"bench");
    int round = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(db.SaveKeyColours(FullLayout(light, ++round)));
}
BENCHMARK(BM_SaveKeyColoursFullLayout)->Unit(benchmark::kMillisecond);

void BM_SaveKeyAssignment(benchmark::State& state) {
    TempFolder dir;
    ConfigDatabase db;
    db.OpenForModel(dir.path(), "vekora98k_rgb");
    int value = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            db.SaveKeyAssignment(KeyAssignment{0, 1, 4, 1, ++value, 0, 0, L"A"}));
}
BENCHMARK(BM_SaveKeyAssignment)->Unit(benchmark::kMillisecond);

void BM_LoadKeyAssignments(benchmark::State& state) {
    TempFolder dir;
    ConfigDatabase db;
    db.OpenForModel(dir.path(), "vekora98k_rgb");
    for (int key = 4; key < 4 + 104; ++key)
        db.SaveKeyAssignment(KeyAssignment{0, 1, key, 1, key, 0, 0, L"Key"});
    std::vector<KeyAssignment> list;
    for (auto _ : state)
        benchmark::DoNotOptimize(db.LoadKeyAssignments(1, list));
}
BENCHMARK(BM_LoadKeyAssignments)->Unit(benchmark::kMicrosecond);

void BM_WriteSetting(benchmark::State& state) {
    TempFolder dir;
    setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
    ReadLanguage();  // creates the settings folder
    int value = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteSettingInt("Vekora61", ++value));
}
BENCHMARK(BM_WriteSetting)->Unit(benchmark::kMicrosecond);

void BM_GetLocalText(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(GetLocalText(505, kLanguageChinese));
}
BENCHMARK(BM_GetLocalText);

}  // namespace
}  // namespace vekora
