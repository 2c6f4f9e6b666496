// The paint manager: control timers, wheel, window drag, Tab traversal, the factory.
#include "UiFixture.h"
#include "core/ControlFactory.h"

namespace VKUI::test {
namespace {

class ManagerTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(dlg.CreateAt());
        dlg.ShowWindow(SW_SHOW);
        hwnd = dlg.GetSafeHwnd();
    }
    void TearDown() override {
        dlg.DestroyWindow();
        UiTest::TearDown();
    }
    PaintManager& pm() { return dlg.GetPaintManager(); }
    TestDialog dlg;
    HWND hwnd = nullptr;
};

TEST_F(ManagerTest, ControlTimerIdsStartAt17AndRestartWithTheirOldId) {
    Probe* p = dlg.AddProbe(3, CRect(0, 0, 10, 10));
    ASSERT_EQ(pm().SetTimer(p, 1, 100), 1);
    EXPECT_EQ(pm().GetTimerID(p, 1), 17u);
    EXPECT_EQ(pm().SetTimer(p, 1, 100), 0) << "already running";
    EXPECT_EQ(pm().SetTimer(p, 2, 100), 1);
    EXPECT_EQ(pm().GetTimerID(p, 2), 18u);

    platform->AdvanceTime(100);
    platform->Pump();
    EXPECT_EQ(p->ticks, 2);  // one tick per running timer

    EXPECT_EQ(pm().KillTimer(p, 1), 1);
    EXPECT_EQ(pm().KillTimer(p, 1), 0) << "already killed";
    platform->AdvanceTime(100);
    platform->Pump();
    EXPECT_EQ(p->ticks, 3);

    EXPECT_EQ(pm().SetTimer(p, 1, 100), 1);
    EXPECT_EQ(pm().GetTimerID(p, 1), 17u) << "restart keeps the old id";
    EXPECT_TRUE(platform->HasTimer(hwnd, 17));
    pm().KillTimer(p);
    EXPECT_EQ(pm().GetTimerID(p, 1), 0u);
    EXPECT_FALSE(platform->HasTimer(hwnd, 17));
}

TEST_F(ManagerTest, ControlTimerIdsWrapThrough240Values) {
    Probe* p = dlg.AddProbe(3, CRect(0, 0, 10, 10));
    std::vector<unsigned> ids;
    for (unsigned key = 0; key <= 240; ++key) {
        ASSERT_EQ(pm().SetTimer(p, key, 1000), 1);
        ids.push_back(pm().GetTimerID(p, key));
    }
    EXPECT_EQ(ids[0], 17u);
    EXPECT_EQ(ids[222], 239u);
    EXPECT_EQ(ids[223], 0u);
    EXPECT_EQ(ids[240], 17u) << "the 240th following id is 17 again";
}

TEST_F(ManagerTest, DestroyedControlStopsItsTimersAndHover) {
    Probe* p = dlg.AddProbe(3, CRect(0, 0, 50, 50));
    pm().SetTimer(p, 1, 10);
    platform->MouseMove(hwnd, {10, 10});
    platform->Pump();
    ASSERT_EQ(pm().GetHoverControl(), p);
    pm().RemoveControl(p);
    EXPECT_EQ(pm().GetHoverControl(), nullptr);
    EXPECT_FALSE(platform->HasTimer(hwnd, 17));
    platform->AdvanceTime(50);
    platform->Pump();  // no tick may reach the deleted control
}

struct WheelCase {
    const char* name;
    int delta;
    std::vector<unsigned> expected;  // directions seen, in order
};

class WheelTest : public ManagerTest, public ::testing::WithParamInterface<WheelCase> {};

TEST_P(WheelTest, NotchesAndDirection) {
    Probe* p = dlg.AddProbe(3, CRect(0, 0, 100, 100));
    platform->MouseMove(hwnd, {10, 10});
    platform->Wheel(hwnd, {10, 10}, GetParam().delta);
    platform->Pump();
    EXPECT_EQ(p->scrolls, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Deltas, WheelTest,
                         ::testing::Values(WheelCase{"TowardsUserOnce", -120, {1}},
                                           WheelCase{"TowardsUserThrice", -360, {1, 1, 1}},
                                           WheelCase{"AwayTwice", 240, {0, 0}},
                                           WheelCase{"BelowOneNotch", -119, {}},
                                           WheelCase{"SmallPositive", 60, {}}),
                         [](const ::testing::TestParamInfo<WheelCase>& i) {
                             return std::string(i.param.name);
                         });

TEST_F(ManagerTest, WheelFallsBackToTopLevelControlsInOrder) {
    Probe* takes = dlg.AddProbe(3, CRect(0, 0, 100, 100));
    Probe* declines = dlg.AddProbe(4, CRect(0, 0, 100, 100));  // on top: the hover control
    declines->acceptScroll = 0;
    platform->MouseMove(hwnd, {10, 10});
    platform->Wheel(hwnd, {10, 10}, -120);
    platform->Pump();
    ASSERT_EQ(pm().GetHoverControl(), declines);
    EXPECT_EQ(declines->scrolls.size(), 1u);
    EXPECT_EQ(takes->scrolls.size(), 1u);
}

TEST_F(ManagerTest, PressOnUncoveredSpotDragsTheWindow) {
    Probe* p = dlg.AddProbe(3, CRect(0, 0, 50, 50));
    platform->Click(hwnd, {200, 200});
    platform->Pump();
    EXPECT_EQ(platform->MoveDragCount(hwnd), 1);

    platform->Click(hwnd, {10, 10});
    platform->Pump();
    EXPECT_EQ(platform->MoveDragCount(hwnd), 1) << "a press on a control is the control's";
    EXPECT_EQ(p->Count("down"), 1);
    EXPECT_EQ(p->Count("up"), 1);

    dlg.EnableWndDrag(0);
    platform->Click(hwnd, {200, 200});
    platform->Pump();
    EXPECT_EQ(platform->MoveDragCount(hwnd), 1);
}

TEST_F(ManagerTest, PressCapturesAndReleaseEndsCapture) {
    Probe* p = dlg.AddProbe(3, CRect(0, 0, 50, 50));
    platform->MouseMove(hwnd, {10, 10});
    platform->MouseDown(hwnd, {10, 10});
    platform->Pump();
    EXPECT_EQ(platform->GetCapture(), hwnd);
    EXPECT_EQ(pm().GetFocusControl(), p);
    platform->MouseMove(hwnd, {300, 200});  // dragged outside: the pressed control keeps it
    platform->Pump();
    EXPECT_EQ(pm().GetHoverControl(), p);
    platform->MouseUp(hwnd, {300, 200});
    platform->Pump();
    EXPECT_EQ(platform->GetCapture(), nullptr);
    EXPECT_EQ(pm().GetHoverControl(), nullptr);
}

TEST_F(ManagerTest, TabAndShiftTabTraverseVisibleEnabledTabStopsAndWrap) {
    Probe* a = dlg.AddProbe(1, CRect(0, 0, 10, 10));
    Probe* hidden = dlg.AddProbe(2, CRect(0, 0, 10, 10));
    Probe* disabled = dlg.AddProbe(3, CRect(0, 0, 10, 10));
    Probe* d = dlg.AddProbe(4, CRect(0, 0, 10, 10));
    Probe* noStop = dlg.AddProbe(5, CRect(0, 0, 10, 10));
    for (Probe* p : {a, hidden, disabled, d})
        p->SetTabStop(1);
    hidden->SetControlVisible(0);
    disabled->SetControlEnabled(0);
    (void)noStop;

    // Tab is taken by the modal loop's pre-translation; drive it the same way.
    auto preTab = [&](bool shift, bool ctrl) {
        if (shift)
            platform->KeyDown(VK_SHIFT);
        if (ctrl)
            platform->KeyDown(VK_CONTROL);
        MSG msg{hwnd, WM_KEYDOWN, VK_TAB, 1};
        int consumed = dlg.PreTranslateMessage(&msg);
        if (shift)
            platform->KeyUp(VK_SHIFT);
        if (ctrl)
            platform->KeyUp(VK_CONTROL);
        platform->Pump();
        return consumed;
    };
    EXPECT_EQ(preTab(false, false), 1);
    EXPECT_EQ(pm().GetFocusControl(), a);
    EXPECT_EQ(preTab(false, false), 1);
    EXPECT_EQ(pm().GetFocusControl(), d);
    EXPECT_EQ(preTab(false, false), 1);
    EXPECT_EQ(pm().GetFocusControl(), a) << "wraps to the start";
    EXPECT_EQ(preTab(true, false), 1);
    EXPECT_EQ(pm().GetFocusControl(), d) << "Shift+Tab wraps to the end";
    EXPECT_EQ(preTab(false, true), 0) << "Ctrl+Tab does nothing";
    EXPECT_EQ(pm().GetFocusControl(), d);
    EXPECT_EQ(d->IsFocused(), 1);
    EXPECT_EQ(a->IsFocused(), 0);
}

TEST_F(ManagerTest, KeysGoToHoverThenToTopLevelControlsWithModifierCode) {
    Probe* first = dlg.AddProbe(1, CRect(0, 0, 10, 10));
    Probe* second = dlg.AddProbe(2, CRect(20, 20, 30, 30));
    second->acceptKeys = 1;
    platform->SetFocus(hwnd);
    platform->KeyDown(VK_LSHIFT);
    platform->KeyDown('K');
    platform->Pump();
    ASSERT_FALSE(first->keys.empty());
    EXPECT_EQ(first->keys.back(), unsigned{'K'}) << "offered first, declined";
    ASSERT_FALSE(second->keys.empty());
    EXPECT_EQ(second->keys.back(), unsigned{'K'});
    EXPECT_EQ(second->lastModifiers, 16u);
}

TEST_F(ManagerTest, MessageOverlayShowsThenFades) {
    dlg.SetMessage(L"Set Successful!", CRect(), 0);
    EXPECT_EQ(pm().GetMessageAlpha(), 255);
    platform->Pump();
    platform->AdvanceTime(3000);
    platform->Pump();  // 66 fires, fading starts
    for (int i = 0; i < 30; ++i) {
        platform->AdvanceTime(50);
        platform->Pump();
    }
    EXPECT_EQ(pm().GetMessageAlpha(), 0);
}

TEST_F(ManagerTest, FactoryByClassName) {
    EXPECT_NE(dlg.CreateArea(L"CArea", 9, CRect(0, 0, 10, 10), L"", 1, 1), nullptr);
    EXPECT_EQ(dlg.CreateControl(L"", 10, CRect(), L"", 1, 1), nullptr);
    EXPECT_EQ(dlg.CreateControl(L"carea", 10, CRect(), L"", 1, 1), nullptr) << "case-sensitive";
    EXPECT_EQ(dlg.CreateControl(L"NoSuchControl", 10, CRect(), L"", 1, 1), nullptr);
    EXPECT_EQ(pm().GetAreas().size(), 1u);
    EXPECT_TRUE(pm().GetControls().empty());
    EXPECT_EQ(pm().GetControl(9)->GetManager(), &pm());
    EXPECT_TRUE(ControlFactory::IsPanelAllowed(L"MButton"));
    EXPECT_FALSE(ControlFactory::IsPanelAllowed(L"LightModeButton"));
    EXPECT_EQ(ControlFactory::Create(L"CArea", {nullptr, 1, CRect(), L"", 1, 1, true}) != nullptr,
              true);
}

TEST_F(ManagerTest, ControlUpdateMarksLaterOverlappingControls) {
    Probe* below = dlg.AddProbe(1, CRect(0, 0, 50, 50));
    Probe* above = dlg.AddProbe(2, CRect(40, 40, 90, 90));
    Probe* apart = dlg.AddProbe(3, CRect(200, 200, 210, 210));
    platform->Pump();
    ASSERT_EQ(above->GetUpdate(), 1);
    below->UpdateControl(1, 0);
    EXPECT_EQ(below->GetUpdate(), 0);
    EXPECT_EQ(above->GetUpdate(), 0);
    EXPECT_EQ(apart->GetUpdate(), 1);
    EXPECT_EQ(platform->GetUpdateRect(hwnd), CRect(0, 0, 90, 90));
}

TEST_F(ManagerTest, AnimationTimerTicksOnlyRunningVisibleControls) {
    Probe* run = dlg.AddProbe(1, CRect(0, 0, 10, 10));
    Probe* idle = dlg.AddProbe(2, CRect(0, 0, 10, 10));
    run->SetRunTimer(1);
    run->AddMTimer();
    idle->AddMTimer();
    unsigned id = pm().SetMTimer(60000);  // ticks driven by hand below
    ASSERT_NE(id, 0u);
    pm().OnMTimer(id);
    pm().OnMTimer(id + 1000);  // not the animation timer
    pm().KillMTimer();
    EXPECT_EQ(run->ticks, 1);
    EXPECT_EQ(idle->ticks, 0);
}

}  // namespace
}  // namespace VKUI::test

namespace VKUI::test {
namespace {

class DragSource : public Probe {
public:
    using Probe::Probe;
    HBITMAP GetControlDropBitmap() override {
        return Image::Create(rect_.Width(), rect_.Height()).release();
    }
};

TEST_F(ManagerTest, DragSourceArmsWithoutStartingASystemDrag) {
    auto* src = new DragSource(&dlg, 3, CRect(0, 0, 50, 50));
    pm().AddControl(src);
    src->SetDragDrop(1);
    platform->MouseMove(hwnd, {10, 10});
    platform->MouseDown(hwnd, {10, 10});
    platform->Pump();
    EXPECT_EQ(pm().IsDragArmed(), 1);
    ASSERT_NE(pm().GetDragBitmap(), nullptr);
    EXPECT_EQ(pm().GetDragBitmap()->Width(), 50);
    platform->MouseMove(hwnd, {100, 100});
    platform->MouseUp(hwnd, {100, 100});
    platform->Pump();
    EXPECT_EQ(pm().IsDragArmed(), 0);
    EXPECT_EQ(platform->MoveDragCount(hwnd), 0);
    auto picture = pm().GetDropBitmap(src, src->GetRect(), 0xFFFFFFFF);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 50);
}

TEST_F(ManagerTest, FactoryPassesVisibleFlag) {
    MControl* hidden = dlg.CreateArea(L"CArea", 9, CRect(0, 0, 10, 10), L"", 0, 1);
    ASSERT_NE(hidden, nullptr);
    EXPECT_EQ(hidden->IsVisible(), 0);
    EXPECT_EQ(hidden->GetRresponse(), 1);
    EXPECT_EQ(hidden->GetParantObject(), &dlg);
}

TEST_F(ManagerTest, DefaultFaceIsArialOnOlderSystems) {
    EXPECT_EQ(Manager::GetFontName(), L"SourceHanSansCN Regular");
    Manager::m_win10system = false;
    EXPECT_EQ(Manager::GetFontName(), L"Arial");
    Manager::m_win10system = true;
}

}  // namespace
}  // namespace VKUI::test
