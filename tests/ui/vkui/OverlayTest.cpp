// Overlays drawn by the paint manager: progress, caret, tooltips.
#include "UiFixture.h"

namespace VKUI::test {
namespace {

class OverlayTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(dlg.CreateAt(400, 300));
        dlg.ShowWindow(SW_SHOW);
        platform->Pump();
        hwnd = dlg.GetSafeHwnd();
    }
    PaintManager& pm() { return dlg.GetPaintManager(); }
    void Run(int ms) {
        for (int t = 0; t < ms; t += 10) {
            platform->AdvanceTime(10);
            platform->Pump();
        }
    }
    TestDialog dlg;
    HWND hwnd = nullptr;
};

TEST_F(OverlayTest, ProgressAnimatesToItsTargetThenFadesAtHundred) {
    pm().SetProgress(50, L"Uploading", CRect());
    EXPECT_EQ(pm().GetShownProgress(), 0) << "a big step animates";
    Run(300);
    EXPECT_EQ(pm().GetShownProgress(), 50);
    EXPECT_EQ(pm().GetMessageAlpha(), 255);
    // The default strip runs from 60 to 2 pixels above the bottom (240..298); the bar is
    // 3 pixels high, 16 above the strip's bottom, half of (width - 20) long.
    EXPECT_TRUE(Near(platform->Pixel(hwnd, 20, 283), 0xFFE100u));
    EXPECT_TRUE(Near(platform->Pixel(hwnd, 180, 283), 0xFFE100u));
    EXPECT_FALSE(Near(platform->Pixel(hwnd, 210, 283), 0xFFE100u))
        << "beyond 50 %: bar ends at x = 200";
    pm().SetProgress(53, L"Uploading", CRect());
    EXPECT_EQ(pm().GetShownProgress(), 53) << "a small step shows at once";
    pm().SetProgress(100, L"Done", CRect());
    Run(2000);
    EXPECT_EQ(pm().GetMessageAlpha(), 0) << "faded out after reaching 100";
    EXPECT_EQ(pm().GetShownProgress(), 0);
}

TEST_F(OverlayTest, CaretBlinksOnlyForTheFocusedOwner) {
    Probe* edit = dlg.AddProbe(3, CRect(10, 10, 200, 40), 0xFEFFFFFF);
    edit->SetFocused(1);
    pm().CreateCaret(nullptr, 2, 16);
    pm().SetCaretPos(edit, 20, 17);
    pm().ShowCaret(1);
    platform->Pump();
    EXPECT_TRUE(Near(platform->Pixel(hwnd, 20, 20), 0x373737u)) << "caret drawn";
    Run(540);  // one blink period: hidden
    EXPECT_TRUE(Near(platform->Pixel(hwnd, 20, 20), 0xFFFFFFu));
    edit->SetFocused(0);
    Run(540);
    EXPECT_TRUE(Near(platform->Pixel(hwnd, 20, 20), 0xFFFFFFu)) << "no caret without focus";
    EXPECT_FALSE(platform->HasTimer(hwnd, 6553)) << "blinking stopped";
}

TEST_F(OverlayTest, TooltipShowsOverItsControlAndHidesElsewhere) {
    Probe* p = dlg.AddProbe(3, CRect(10, 10, 100, 50));
    p->SetTooltip(L"close window");
    platform->MouseMove(hwnd, {20, 20});
    platform->Pump();
    EXPECT_TRUE(pm().IsTooltipShown());
    EXPECT_EQ(pm().GetTooltipCtrlID(), 3u);
    EXPECT_EQ(pm().GetTooltipText(), L"close window");
    platform->MouseMove(hwnd, {300, 200});
    platform->Pump();
    EXPECT_FALSE(pm().IsTooltipShown());
    EXPECT_EQ(pm().GetTooltipCtrlID(), 0u);
}

}  // namespace
}  // namespace VKUI::test
