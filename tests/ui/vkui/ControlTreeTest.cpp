// The control model: tree search, routing to children, visibility rules, layout values.
#include "UiFixture.h"
#include "core/CArea.h"
#include "core/PositionItem.h"

namespace VKUI::test {
namespace {

// A container that scrolls its content down by 50 pixels.
class Scroller : public Probe {
public:
    using Probe::Probe;
    int OnMousePointChange(CPoint& pt) override {
        pt.y += 50;
        return 1;
    }
};

class Recorder : public Probe {
public:
    using Probe::Probe;
    int OnControlLButtonDown(unsigned, CPoint pt) override {
        at = pt;
        return 1;
    }
    CPoint at{-100, -100};
};

TEST_F(UiTest, GetControlSearchesChildSubtreesBeforeAreas) {
    Probe root(nullptr, 100, CRect(0, 0, 100, 100));
    auto* area = new Probe(&root, 7, CRect(0, 0, 10, 10));
    root.AddArea(area);
    auto* first = new Probe(&root, 1, CRect(0, 0, 10, 10));
    root.AddControl(first);
    auto* nested = new Probe(first, 7, CRect(0, 0, 5, 5));  // same id as the area
    first->AddControl(nested);
    auto* second = new Probe(&root, 8, CRect(0, 0, 10, 10));
    root.AddControl(second);
    auto* inArea = new Probe(area, 9, CRect(0, 0, 5, 5));
    area->AddControl(inArea);

    EXPECT_EQ(root.GetControl(7), nested);  // the child's subtree wins over the area
    EXPECT_EQ(root.GetControl(8), second);
    EXPECT_EQ(root.GetControl(9), inArea);  // found inside an area's subtree last
    EXPECT_EQ(root.GetControl(42), nullptr);
}

TEST_F(UiTest, HiddenOrUnresponsiveControlsGetNoEvents) {
    for (int variant = 0; variant < 2; ++variant) {
        Probe root(nullptr, 100, CRect(0, 0, 100, 100));
        auto* child = new Probe(&root, 3, CRect(10, 10, 50, 50));
        root.AddControl(child);
        if (variant == 0)
            child->SetControlVisible(0);
        else
            child->SetRresponse(0);
        child->acceptKeys = 1;
        SCOPED_TRACE(variant == 0 ? "hidden" : "mouse response 0");

        EXPECT_EQ(child->OnMouseMove(0, {20, 20}), 0);
        EXPECT_EQ(child->OnLButtonDown(0, {20, 20}), 0);
        EXPECT_EQ(child->OnLButtonUp(0, {20, 20}), 0);
        EXPECT_EQ(child->OnLButtonDblClk(0, {20, 20}), 0);
        EXPECT_EQ(child->OnKeyDown('A', 1, 0), 0);
        EXPECT_EQ(child->OnScroll(1, 1, {20, 20}), 0);
        root.OnMouseMove(0, {20, 20});
        root.OnLButtonDown(0, {20, 20});
        EXPECT_EQ(root.GetActiveControl(), nullptr);
        EXPECT_TRUE(child->events.empty());
        EXPECT_TRUE(child->keys.empty());
    }
}

TEST_F(UiTest, ScrollBarChildrenGetUntranslatedPoints) {
    Scroller panel(nullptr, 100, CRect(0, 0, 100, 200));
    auto* bar = new Recorder(&panel, 1, CRect(90, 0, 100, 200));
    auto* content = new Recorder(&panel, 5, CRect(0, 50, 80, 150));
    panel.AddControl(bar);
    panel.AddControl(content);

    panel.OnLButtonDown(0, {95, 20});
    EXPECT_EQ(bar->at, CPoint(95, 20));
    panel.OnLButtonDown(0, {10, 20});  // content coordinates: y + 50
    EXPECT_EQ(content->at, CPoint(10, 70));
}

TEST_F(UiTest, DoubleClickOnUnawareControlIsASecondPress) {
    Probe root(nullptr, 100, CRect(0, 0, 100, 100));
    auto* child = new Probe(&root, 3, CRect(10, 10, 50, 50));
    root.AddControl(child);
    root.OnLButtonDown(0, {20, 20});
    root.OnLButtonDblClk(0, {20, 20});
    EXPECT_EQ(child->Count("down"), 2);
    EXPECT_EQ(child->Count("dbl"), 0);

    child->SetDblClk(1);
    child->SetDblClkNotify(1);
    root.OnLButtonDblClk(0, {20, 20});
    EXPECT_EQ(child->Count("dbl"), 1);
}

TEST_F(UiTest, SetVisibleWithCurrentValueRequestsNoRepaint) {
    TestDialog dlg;
    ASSERT_TRUE(dlg.CreateAt());
    dlg.ShowWindow(SW_SHOW);
    Probe* p = dlg.AddProbe(3, CRect(10, 10, 50, 50));
    platform->Pump();
    ASSERT_TRUE(platform->GetUpdateRect(dlg.GetSafeHwnd()).IsRectEmpty());

    p->SetVisible(1);
    EXPECT_TRUE(platform->GetUpdateRect(dlg.GetSafeHwnd()).IsRectEmpty());
    p->SetVisible(0);
    EXPECT_EQ(platform->GetUpdateRect(dlg.GetSafeHwnd()), CRect(10, 10, 50, 50));
}

TEST_F(UiTest, ParentVisibilityStopsAtTheDialog) {
    TestDialog dlg;
    ASSERT_TRUE(dlg.CreateAt());  // created hidden
    Probe* top = dlg.AddProbe(3, CRect(0, 0, 50, 50));
    auto* inner = new Probe(top, 4, CRect(0, 0, 10, 10));
    top->AddControl(inner);
    EXPECT_EQ(top->IsParentVisible(), 1);
    EXPECT_EQ(inner->IsParentVisible(), 1);
    top->SetControlVisible(0);
    EXPECT_EQ(inner->IsParentVisible(), 0);
    Probe orphan(nullptr, 5, CRect());
    EXPECT_EQ(orphan.IsParentVisible(), 0);
}

TEST_F(UiTest, KeyNotificationAndHotKey) {
    TestDialog dlg;
    ASSERT_TRUE(dlg.CreateAt());
    Probe* p = dlg.AddProbe(3, CRect(0, 0, 50, 50));
    p->SetKeyNotify(1);
    p->acceptKeys = 0;
    EXPECT_EQ(p->OnKeyDown('Q', 1, 0), 0);
    ASSERT_EQ(dlg.notifications.size(), 1u);
    EXPECT_EQ(dlg.notifications[0].code, 14u);
    EXPECT_EQ(dlg.notifications[0].wParam, unsigned{'Q'});
}

TEST_F(UiTest, CursorNamesMapAndUnknownNamesChangeNothing) {
    Probe p(nullptr, 1, CRect(0, 0, 10, 10));
    EXPECT_EQ(p.SetCursorEx(L"bogus"), 0);
    EXPECT_FALSE(p.HasCursor());
    EXPECT_EQ(p.SetCursorEx(L"hand"), 0);
    EXPECT_TRUE(p.HasCursor());
    p.OnControlSetCursor(0, {5, 5});
    EXPECT_EQ(platform->GetCursor(), CursorShape::Hand);
}

struct PositionCase {
    const char* name;
    DR_POSITION_ITEM item;
    int a, b, expected;
};

class PositionItemTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(PositionItemTest, Value) {
    const auto& c = GetParam();
    EXPECT_EQ(PositionItem2Value(c.item, c.a, c.b), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, PositionItemTest,
    ::testing::Values(PositionCase{"OffsetFromNear", {0, 0, 12.9f}, 100, 200, 112},
                      PositionCase{"OffsetFromFar", {0, 1, 12.9f}, 100, 200, 188},
                      PositionCase{"CentrePlus", {1, 0, 5}, 100, 200, 155},
                      PositionCase{"CentreMinusFromFar", {1, 1, 5}, 100, 200, 145},
                      PositionCase{"Percentage", {2, 0, 25}, 100, 200, 125},
                      PositionCase{"PercentageClamped", {2, 0, 150}, 100, 200, 200},
                      PositionCase{"UnknownMode", {3, 0, 5}, 100, 200, 0}),
    [](const ::testing::TestParamInfo<PositionCase>& i) { return std::string(i.param.name); });

}  // namespace
}  // namespace VKUI::test

#include "core/TextUtil.h"

namespace VKUI::test {
namespace {

TEST(TextUtil, Utf8RoundTripAndBadInput) {
    std::wstring text = L"Profile A 模式 \U0001F600";
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
    EXPECT_EQ(ToUtf8(L"模"), "\xE6\xA8\xA1");
    EXPECT_EQ(FromUtf8("a\xFF"
                       "b"),
              L"a\uFFFDb")
        << "invalid byte replaced, rest kept";
    EXPECT_EQ(FromUtf8("\xE6\xA8"), L"\uFFFD\uFFFD") << "truncated sequence";
}

}  // namespace
}  // namespace VKUI::test

namespace VKUI::test {
namespace {

class Host : public Probe {
public:
    using Probe::Probe;
    long OnMessage(unsigned id, unsigned code, unsigned, long) override {
        got.push_back({id, code});
        return 5;
    }
    std::vector<std::pair<unsigned, unsigned>> got;
};

TEST_F(UiTest, NestedChildrenNotifyTheirHostAndRepaintThroughIt) {
    TestDialog dlg;
    ASSERT_TRUE(dlg.CreateAt());
    dlg.ShowWindow(SW_SHOW);
    auto* host = new Host(&dlg, 3, CRect(0, 0, 200, 100));
    dlg.GetPaintManager().AddControl(host);
    auto* child = new Probe(host, 20, CRect(10, 10, 40, 40));
    child->SetManager(&dlg.GetPaintManager());
    host->AddControl(child);
    auto* later = dlg.AddProbe(4, CRect(30, 30, 60, 60));  // overlaps the child, drawn later
    platform->Pump();

    EXPECT_EQ(child->SendMessageW(2, 0, 0), 5);
    ASSERT_EQ(host->got.size(), 1u);
    EXPECT_EQ(host->got[0], std::make_pair(20u, 2u));
    EXPECT_TRUE(dlg.notifications.empty());

    child->UpdateControl(1, 0);
    EXPECT_EQ(child->GetUpdate(), 0);
    EXPECT_EQ(later->GetUpdate(), 0) << "later overlapping top-level control re-renders";
    EXPECT_EQ(platform->GetUpdateRect(dlg.GetSafeHwnd()), CRect(10, 10, 60, 60));
}

}  // namespace
}  // namespace VKUI::test
