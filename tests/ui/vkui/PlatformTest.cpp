// The platform layer's own rules, on the headless backend: double-click synthesis, leave
// tracking, timers, invalidation, activation.
#include <algorithm>

#include "UiFixture.h"

namespace VKUI::test {
namespace {

// Records every message its window gets.
class Recorder : public MWindow {
public:
    long OnWindowMessage(unsigned msg, WPARAM w, LPARAM l) override {
        log.push_back(msg);
        return MWindow::OnWindowMessage(msg, w, l);
    }
    int Count(unsigned msg) const {
        return static_cast<int>(std::count(log.begin(), log.end(), msg));
    }
    std::vector<unsigned> log;
};

struct ClickCase {
    const char* name;
    int gapMs;         // between the two presses
    int dx;            // pointer movement between them
    int secondButton;  // 1 left, 3 right
    bool doubleClick;
};

class DoubleClickTest : public UiTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(DoubleClickTest, Synthesis) {
    Recorder w;
    ASSERT_TRUE(w.Create(nullptr, CRect(0, 0, 200, 200)));
    w.ShowWindow(SW_SHOW);
    const auto& c = GetParam();
    platform->Click(w.GetSafeHwnd(), {50, 50}, 1);
    platform->AdvanceTime(c.gapMs);
    platform->Click(w.GetSafeHwnd(), {50 + c.dx, 50}, c.secondButton);
    platform->Pump();
    unsigned dbl = c.secondButton == 1 ? WM_LBUTTONDBLCLK : WM_RBUTTONDBLCLK;
    EXPECT_EQ(w.Count(dbl), c.doubleClick ? 1 : 0);
    EXPECT_EQ(w.Count(WM_LBUTTONDOWN) + w.Count(WM_RBUTTONDOWN), c.doubleClick ? 1 : 2);
}

INSTANTIATE_TEST_SUITE_P(Cases, DoubleClickTest,
                         ::testing::Values(ClickCase{"QuickSameSpot", 200, 0, 1, true},
                                           ClickCase{"AtTheLimit", 500, 2, 1, true},
                                           ClickCase{"TooSlow", 501, 0, 1, false},
                                           ClickCase{"MovedAway", 100, 3, 1, false},
                                           ClickCase{"OtherButton", 100, 0, 3, false}),
                         [](const ::testing::TestParamInfo<ClickCase>& i) {
                             return std::string(i.param.name);
                         });

TEST_F(UiTest, ThirdQuickClickIsAPressAgain) {
    Recorder w;
    ASSERT_TRUE(w.Create(nullptr, CRect(0, 0, 200, 200)));
    w.ShowWindow(SW_SHOW);
    for (int i = 0; i < 3; ++i)
        platform->Click(w.GetSafeHwnd(), {10, 10});
    platform->Pump();
    EXPECT_EQ(w.Count(WM_LBUTTONDOWN), 2);
    EXPECT_EQ(w.Count(WM_LBUTTONDBLCLK), 1);
}

TEST_F(UiTest, LeaveIsSentOnceWhenTracked) {
    Recorder a, b;
    ASSERT_TRUE(a.Create(nullptr, CRect(0, 0, 100, 100)));
    ASSERT_TRUE(b.Create(nullptr, CRect(200, 0, 300, 100)));
    a.ShowWindow(SW_SHOW);
    b.ShowWindow(SW_SHOW);
    platform->InputPointerMotion({50, 50});
    platform->InputPointerMotion({250, 50});  // not tracked: no leave
    platform->Pump();
    EXPECT_EQ(a.Count(WM_MOUSELEAVE), 0);
    platform->InputPointerMotion({50, 50});
    platform->TrackMouseLeave(a.GetSafeHwnd());
    platform->InputPointerMotion({250, 50});
    platform->InputPointerMotion({50, 50});
    platform->InputPointerMotion({250, 50});  // tracking is one-shot
    platform->Pump();
    EXPECT_EQ(a.Count(WM_MOUSELEAVE), 1);
}

TEST_F(UiTest, WindowTimersRepeatAndStop) {
    Recorder w;
    ASSERT_TRUE(w.Create(nullptr, CRect(0, 0, 10, 10)));
    w.SetTimer(5, 100);
    platform->AdvanceTime(99);
    platform->Pump();
    EXPECT_EQ(w.Count(WM_TIMER), 0);
    platform->AdvanceTime(1);
    platform->Pump();
    platform->AdvanceTime(100);
    platform->Pump();
    EXPECT_EQ(w.Count(WM_TIMER), 2);
    w.KillTimer(5);
    platform->AdvanceTime(500);
    platform->Pump();
    EXPECT_EQ(w.Count(WM_TIMER), 2);
}

TEST_F(UiTest, InvalidationMergesIntoOnePaint) {
    Recorder w;
    ASSERT_TRUE(w.Create(nullptr, CRect(0, 0, 100, 100)));
    w.ShowWindow(SW_SHOW);
    platform->Pump();
    int paints = w.Count(WM_PAINT);
    CRect r1(10, 10, 20, 20), r2(50, 60, 70, 80);
    w.InvalidateRect(&r1, 0);
    w.InvalidateRect(&r2, 0);
    EXPECT_EQ(platform->GetUpdateRect(w.GetSafeHwnd()), CRect(10, 10, 70, 80));
    platform->Pump();
    EXPECT_EQ(w.Count(WM_PAINT), paints + 1);
    EXPECT_TRUE(platform->GetUpdateRect(w.GetSafeHwnd()).IsRectEmpty());
}

TEST_F(UiTest, DisabledWindowsGetNoInputAndActivationMovesWithClicks) {
    Recorder a, b;
    ASSERT_TRUE(a.Create(nullptr, CRect(0, 0, 100, 100)));
    ASSERT_TRUE(b.Create(nullptr, CRect(200, 0, 300, 100)));
    a.ShowWindow(SW_SHOW);
    b.ShowWindow(SW_SHOW);
    EXPECT_EQ(platform->GetActiveWindow(), b.GetSafeHwnd());
    platform->Click(a.GetSafeHwnd(), {10, 10});
    platform->Pump();
    EXPECT_EQ(platform->GetActiveWindow(), a.GetSafeHwnd());
    EXPECT_GE(b.Count(WM_NCACTIVATE), 2);  // activated, then deactivated
    a.EnableWindow(0);
    int downs = a.Count(WM_LBUTTONDOWN);
    platform->Click(a.GetSafeHwnd(), {10, 10});
    platform->KeyDown('A');
    platform->Pump();
    EXPECT_EQ(a.Count(WM_LBUTTONDOWN), downs);
    EXPECT_EQ(a.Count(WM_KEYDOWN), 0);
}

}  // namespace
}  // namespace VKUI::test
