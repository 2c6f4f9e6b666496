// Figures for the toolkit (headless backend, no X server):
//  - a full repaint of a 1160 x 720 window with 60 controls, with every control re-rendering
//    its cache, and with warm caches;
//  - idle behaviour: with the 16 ms animation timer running and nothing changing, how many
//    repaints happen (there should be none) and how many ticks ran.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "core/MControlFont.h"
#include "core/MDialog.h"
#include "core/MRender.h"
#include "platform/headless/HeadlessPlatform.h"

namespace VKUI {
namespace {

// A typical control: rounded background, frame and a centred title.
class Tile : public MControlFont {
public:
    Tile(MObject* parent, unsigned id, CRect rect, const wchar_t* title)
        : MControlFont(parent, id, rect, title) {}
    void DrawControl(HDC& hdc, CRect clip) override { DrawThroughCache(hdc, clip); }
    void RenderControl(HDC& hdc, CRect) override {
        MRender::DrawRoundRectange(hdc, rect_.left, rect_.top, rect_.Width(), rect_.Height(), 6,
                                   0xFEE8ECF2, 1, true);
        MRender::DrawRoundRectange(hdc, rect_.left, rect_.top, rect_.Width(), rect_.Height(), 6,
                                   0xFE9AA4B2, 1);
        MRender::DrawTextW(hdc, rect_, title_, textColour_, GetFontSpec(),
                           DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    int OnControlTimer() override {
        ticks.fetch_add(1, std::memory_order_relaxed);
        return 0;  // nothing changes
    }
    static std::atomic<long> ticks;
};
std::atomic<long> Tile::ticks{0};

class BigDialog : public MDialog {
public:
    void InitUI(CRect) override {
        SetBackColor(RGB(250, 250, 250), RGB(200, 200, 200));
        for (unsigned i = 0; i < 60; ++i) {
            int col = static_cast<int>(i % 10), row = static_cast<int>(i / 10);
            CRect r(20 + col * 112, 40 + row * 110, 20 + col * 112 + 100, 40 + row * 110 + 90);
            auto* t = new Tile(this, 100 + i, r, i % 2 ? L"Profile A" : L"模式 B");
            manager_.AddControl(t);
            t->SetRunTimer(1);
            t->AddMTimer();
        }
    }
};

struct Scene {
    Scene() {
        auto backend = std::make_unique<HeadlessPlatform>();
        platform = backend.get();
        Platform::Install(std::move(backend));
        dlg = std::make_unique<BigDialog>();
        dlg->Create(nullptr, L"bench", 0x96000000, 0, CRect(0, 0, 1160, 720));
        dlg->ShowWindow(SW_SHOW);
        platform->Pump();
    }
    ~Scene() {
        dlg.reset();
        Platform::Install(nullptr);
    }
    HeadlessPlatform* platform;
    std::unique_ptr<BigDialog> dlg;
};

void BM_FullRepaintRerender(benchmark::State& state) {
    Scene s;
    PaintManager& pm = s.dlg->GetPaintManager();
    for (auto _ : state) {
        for (MControl* c : pm.GetControls())
            c->SetUpdate(0, 0);
        pm.Invalidate();
        s.platform->Pump();
    }
    state.counters["controls"] = static_cast<double>(pm.GetControls().size());
}
BENCHMARK(BM_FullRepaintRerender)->Unit(benchmark::kMillisecond);

void BM_FullRepaintCached(benchmark::State& state) {
    Scene s;
    PaintManager& pm = s.dlg->GetPaintManager();
    for (auto _ : state) {
        pm.Invalidate();
        s.platform->Pump();
    }
}
BENCHMARK(BM_FullRepaintCached)->Unit(benchmark::kMillisecond);

void BM_IdleAnimationTimer(benchmark::State& state) {
    Scene s;
    HWND h = s.dlg->GetSafeHwnd();
    for (auto _ : state) {
        std::uint64_t before = s.platform->PaintCount(h);
        long ticksBefore = Tile::ticks.load();
        s.dlg->SetMTimer(16);
        std::this_thread::sleep_for(std::chrono::milliseconds(1000));
        s.platform->Pump();
        s.dlg->GetPaintManager().KillMTimer();
        state.counters["repaints_in_1s"] = static_cast<double>(s.platform->PaintCount(h) - before);
        state.counters["control_ticks_in_1s"] =
            static_cast<double>(Tile::ticks.load() - ticksBefore);
    }
}
BENCHMARK(BM_IdleAnimationTimer)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace VKUI

BENCHMARK_MAIN();
