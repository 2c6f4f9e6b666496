// Windows and dialogs: creation, modal results, the Alt+F4 rule, popups.
#include "UiFixture.h"
#include "core/MPopupWnd.h"

#include <algorithm>

namespace VKUI::test {
namespace {

struct ModalCase {
    const char* name;
    void (*end)(TestDialog&);
    unsigned expected;
};

class ModalTest : public UiTest, public ::testing::WithParamInterface<ModalCase> {};

TEST_P(ModalTest, ResultCode) {
    TestDialog dlg;
    ASSERT_TRUE(dlg.CreateAt());
    GetParam().end(dlg);
    EXPECT_EQ(dlg.ShowModal(), GetParam().expected);
    EXPECT_FALSE(platform->IsWindow(dlg.GetSafeHwnd()));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ModalTest,
    ::testing::Values(ModalCase{"DoOK", [](TestDialog& d) { d.DoOK(); }, 1},
                      ModalCase{"DoCancel", [](TestDialog& d) { d.DoCancel(); }, 2},
                      ModalCase{"DoClose", [](TestDialog& d) { d.DoClose(); }, 2},
                      ModalCase{"DoYes", [](TestDialog& d) { d.DoYes(); }, 6},
                      ModalCase{"DoNo", [](TestDialog& d) { d.DoNo(); }, 7},
                      ModalCase{"PlainClose", [](TestDialog& d) { d.PostMessageW(WM_CLOSE, 0, 0); },
                                0}),
    [](const ::testing::TestParamInfo<ModalCase>& i) { return std::string(i.param.name); });

TEST_F(UiTest, ShowModalWithoutWindowReturnsMinusOne) {
    TestDialog dlg;
    EXPECT_EQ(dlg.ShowModal(), static_cast<unsigned>(-1));
}

TEST_F(UiTest, ShowModalDisablesTheOwnerUntilItEnds) {
    TestDialog owner;
    ASSERT_TRUE(owner.CreateAt());
    TestDialog child;
    ASSERT_TRUE(child.Create(owner.GetSafeHwnd(), L"child", 0x96000000, 0, CRect(0, 0, 50, 50)));
    bool ownerDisabledDuringLoop = false;
    platform->SetIdleHook([&] {
        ownerDisabledDuringLoop = !platform->IsWindowEnabled(owner.GetSafeHwnd());
        child.DoYes();
        platform->SetIdleHook(nullptr);
        return true;
    });
    EXPECT_EQ(child.ShowModal(), 6u);
    EXPECT_TRUE(ownerDisabledDuringLoop);
    EXPECT_TRUE(platform->IsWindowEnabled(owner.GetSafeHwnd()));
}

TEST_F(UiTest, SecondCreateReturnsTheExistingWindow) {
    TestDialog dlg;
    HWND first = dlg.CreateAt();
    ASSERT_TRUE(first);
    std::size_t windows = platform->Windows().size();
    EXPECT_EQ(dlg.CreateAt(), first);
    EXPECT_EQ(dlg.Create(nullptr), first);
    EXPECT_EQ(platform->Windows().size(), windows);
}

TEST_F(UiTest, CreateBuildsTheUiOnceAndSizesIt) {
    struct Sized : TestDialog {
        void InitUI(CRect client) override { initClient = client, ++inits; }
        void UISize(CRect client) override { sized = client; }
        CRect initClient, sized;
        int inits = 0;
    } dlg;
    ASSERT_TRUE(dlg.CreateAt(320, 200));
    EXPECT_EQ(dlg.inits, 1);
    EXPECT_EQ(dlg.initClient, CRect(0, 0, 320, 200));
    dlg.MoveWindow(CRect(0, 0, 500, 300));
    EXPECT_EQ(dlg.sized, CRect(0, 0, 500, 300));
    EXPECT_EQ(dlg.GetClassNameW(), std::wstring(L"MDialog"));
    EXPECT_EQ(dlg.GetStyle() & 0x00C40000UL, 0UL) << "no caption or sizing border";
}

class RecordingDialog : public TestDialog {
public:
    long OnWindowMessage(unsigned msg, WPARAM w, LPARAM l) override {
        seen.push_back(msg);
        return TestDialog::OnWindowMessage(msg, w, l);
    }
    bool Saw(unsigned msg) const { return std::find(seen.begin(), seen.end(), msg) != seen.end(); }
    std::vector<unsigned> seen;
};

TEST_F(UiTest, AltF4IsDroppedByTheMessageLoop) {
    RecordingDialog dlg;
    ASSERT_TRUE(dlg.CreateAt());
    dlg.ShowWindow(SW_SHOW);
    EXPECT_EQ(Manager::PreTranslateMessage(nullptr), 0);
    platform->KeyDown(VK_LMENU);
    platform->KeyDown(VK_F4);
    EXPECT_EQ(Manager::PreTranslateMessage(nullptr), 1);
    dlg.PostMessageW(WM_USER + 5, 0, 0);
    int phase = 0;
    platform->SetIdleHook([&] {
        if (phase++ > 0)
            return false;
        platform->KeyUp(VK_F4);
        platform->KeyUp(VK_LMENU);
        dlg.PostMessageW(WM_USER + 6, 0, 0);
        platform->PostQuitMessage(3);
        return true;
    });
    EXPECT_EQ(Manager::MessageLoop(), 3);
    EXPECT_FALSE(dlg.Saw(WM_USER + 5)) << "retrieved while Alt+F4 was held";
    EXPECT_FALSE(dlg.Saw(WM_SYSKEYDOWN));
    EXPECT_TRUE(dlg.Saw(WM_USER + 6));
    EXPECT_TRUE(dlg.IsWindowVisible());
}

TEST_F(UiTest, PopupClosesWhenAnotherWindowIsActivated) {
    TestDialog main;
    ASSERT_TRUE(main.CreateAt());
    main.ShowWindow(SW_SHOW);
    MPopupWnd popup;
    ASSERT_TRUE(popup.Create(main.GetSafeHwnd(), L"", 0x96000000, 0, CRect(10, 10, 60, 60)));
    platform->Pump();
    ASSERT_EQ(platform->GetActiveWindow(), popup.GetSafeHwnd());
    EXPECT_EQ(popup.GetPaintManager().IsWndDrag(), 0);
    platform->SetFocus(main.GetSafeHwnd());
    platform->Pump();
    EXPECT_EQ(popup.GetSafeHwnd(), nullptr);
}

TEST_F(UiTest, CenterWindowCentresOnTheWorkArea) {
    platform->SetWorkArea(CRect(0, 0, 1000, 800));
    TestDialog dlg;
    ASSERT_TRUE(dlg.Create(nullptr, L"", 0x96000000, 0, CRect(0, 0, 200, 100)));
    dlg.CenterWindow();
    EXPECT_EQ(dlg.GetWindowRect(), CRect(400, 350, 600, 450));
    TestDialog big;
    ASSERT_TRUE(big.Create(nullptr, L"", 0x96000000, 0, CRect(0, 0, 1200, 100)));
    big.CenterWindow();
    EXPECT_EQ(big.GetWindowRect().left, 0) << "clamped into the work area";
}

}  // namespace
}  // namespace VKUI::test

namespace VKUI::test {
namespace {

TEST_F(UiTest, MaximiseAndRestoreResizeTheDialog) {
    platform->SetWorkArea(CRect(0, 0, 1000, 700));
    struct Sized : TestDialog {
        void UISize(CRect client) override { sizes.push_back(client); }
        std::vector<CRect> sizes;
    } dlg;
    ASSERT_TRUE(dlg.Create(nullptr, L"", 0x96000000, 0, CRect(10, 10, 310, 210)));
    dlg.OnMaximize();
    EXPECT_EQ(dlg.GetWindowRect(), CRect(0, 0, 1000, 700));
    EXPECT_EQ(dlg.sizes.back(), CRect(0, 0, 1000, 700));
    dlg.OnMaximize();  // toggles back
    EXPECT_EQ(dlg.GetWindowRect(), CRect(10, 10, 310, 210));
    EXPECT_EQ(dlg.sizes.back(), CRect(0, 0, 300, 200));
    dlg.OnMinimize();
    EXPECT_EQ(dlg.IsIconic(), 1);
}

TEST_F(UiTest, WrappersDoNothingWithoutAWindow) {
    TestDialog dlg;
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
    EXPECT_EQ(dlg.ShowWindow(SW_SHOW), 0);
    EXPECT_EQ(dlg.MoveWindow(CRect(0, 0, 5, 5)), 0);
    EXPECT_EQ(dlg.SetTimer(1, 10), 0);
    EXPECT_EQ(dlg.PostMessageW(WM_USER, 0, 0), 0);
    EXPECT_EQ(dlg.GetClientRect(), CRect());
    EXPECT_EQ(dlg.DestroyWindow(), 0);
}

}  // namespace
}  // namespace VKUI::test

namespace VKUI::test {
namespace {

TEST_F(UiTest, RoundedRegionCutsTheCornersUnlessMaximised) {
    platform->SetWorkArea(CRect(0, 0, 800, 600));
    TestDialog dlg;
    dlg.SetRoundSize(20);
    ASSERT_TRUE(dlg.CreateAt(200, 100));
    dlg.ShowWindow(SW_SHOW);
    platform->Pump();
    HWND h = dlg.GetSafeHwnd();
    EXPECT_EQ(platform->GetWindowRoundRegion(h), 20);
    EXPECT_EQ(platform->Pixel(h, 0, 0), 0u) << "corner cut";
    EXPECT_NE(platform->Pixel(h, 10, 10), 0u);
    EXPECT_NE(platform->Pixel(h, 100, 0), 0u) << "edge kept";
    dlg.OnMaximize();
    EXPECT_EQ(platform->GetWindowRoundRegion(h), 0) << "maximised windows are square";
    dlg.OnMaximize();
    EXPECT_EQ(platform->GetWindowRoundRegion(h), 20);
}

}  // namespace
}  // namespace VKUI::test

namespace VKUI::test {
namespace {

TEST_F(UiTest, NestedModalLoopsReturnTheirOwnResults) {
    TestDialog outer;
    ASSERT_TRUE(outer.CreateAt());
    TestDialog inner;
    unsigned innerResult = 99;
    bool outerDisabledInside = false;
    int step = 0;
    platform->SetIdleHook([&]() -> bool {
        if (step++ == 0) {
            EXPECT_TRUE(
                inner.Create(outer.GetSafeHwnd(), L"inner", 0x96000000, 0, CRect(0, 0, 50, 50)));
            inner.DoNo();
            innerResult = inner.ShowModal();
            outerDisabledInside = !platform->IsWindowEnabled(outer.GetSafeHwnd());
            outer.DoYes();
            return true;
        }
        return false;
    });
    EXPECT_EQ(outer.ShowModal(), 6u);
    EXPECT_EQ(innerResult, 7u);
    EXPECT_FALSE(outerDisabledInside) << "the inner loop re-enables its owner";
}

}  // namespace
}  // namespace VKUI::test
