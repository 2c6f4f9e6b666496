#include "device/KeyboardLayouts.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "device/KeyLabels.h"
#include "device/MatrixIndex.h"
#include "device/SlotTables.h"

namespace vekora {
namespace {

std::string Utf8(std::wstring_view w) {
    std::string s;
    for (wchar_t c : w)
        s += static_cast<char>(c < 0x80 ? c : '?');
    return s;
}

std::string Describe(const LayoutKey& k) {
    return Utf8(k.label) + " (" + std::to_string(k.code) + ")";
}

// ---- Sanity of each layout's data -------------------------------------------------------------

struct LayoutCase {
    const char* name;
    LayoutId id;
    KeyRect viewRect;
    std::size_t keyCount;
    std::set<int> rowTops;
    std::set<int> keyHeights;
    std::map<int, std::wstring> labelOverrides;  // code: label where it is not KeyLabelOf(code)
};

class LayoutSanity : public ::testing::TestWithParam<LayoutCase> {
protected:
    const KeyboardLayout& Layout() const {
        for (const KeyboardLayout& l : AllKeyboardLayouts()) {
            if (l.id == GetParam().id)
                return l;
        }
        throw std::runtime_error("layout missing");
    }
};

TEST_P(LayoutSanity, HasItsViewRectAndKeyCount) {
    EXPECT_EQ(Layout().viewRect, GetParam().viewRect);
    EXPECT_EQ(Layout().keys.size(), GetParam().keyCount);
}

TEST_P(LayoutSanity, NoTwoKeysOverlap) {
    const auto keys = Layout().keys;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        for (std::size_t j = i + 1; j < keys.size(); ++j)
            EXPECT_FALSE(keys[i].rect.Intersects(keys[j].rect))
                << Describe(keys[i]) << " overlaps " << Describe(keys[j]);
    }
}

TEST_P(LayoutSanity, EveryKeyLiesInsideTheView) {
    const KeyRect view{0, 0, Layout().viewRect.Width(), Layout().viewRect.Height()};
    for (const LayoutKey& k : Layout().keys) {
        EXPECT_FALSE(k.rect.IsEmpty()) << Describe(k);
        EXPECT_TRUE(view.Contains(k.rect)) << Describe(k);
    }
}

TEST_P(LayoutSanity, EveryKeyCodeIsDistinctAndLabelled) {
    std::set<int> codes;
    for (const LayoutKey& k : Layout().keys) {
        EXPECT_TRUE(codes.insert(k.code).second) << Describe(k) << " appears twice";
        EXPECT_TRUE(IsKeyLabel(k.label)) << Describe(k);
        const auto over = GetParam().labelOverrides.find(k.code);
        const std::wstring_view expected =
            over != GetParam().labelOverrides.end() ? over->second : KeyLabelOf(k.code);
        EXPECT_EQ(k.label, expected) << Describe(k);
    }
}

TEST_P(LayoutSanity, KeysSitOnTheDocumentedRowsAndHeights) {
    std::set<int> tops;
    std::set<int> heights;
    for (const LayoutKey& k : Layout().keys) {
        tops.insert(k.rect.top);
        heights.insert(k.rect.Height());
    }
    EXPECT_EQ(tops, GetParam().rowTops);
    EXPECT_EQ(heights, GetParam().keyHeights);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, LayoutSanity,
    ::testing::Values(
        LayoutCase{
            "K61", LayoutId::K61, {225, 175, 885, 410}, 61, {14, 15, 58, 100, 143, 185}, {41}, {}},
        LayoutCase{
            "Cnc61", LayoutId::Cnc61, {225, 190, 866, 431}, 61, {11, 51, 90, 130, 168}, {28}, {}},
        LayoutCase{"K61SingleLight",
                   LayoutId::K61SingleLight,
                   {225, 175, 885, 411},
                   61,
                   {14, 15, 58, 100, 143, 185},
                   {41},
                   {}},
        LayoutCase{"K68",
                   LayoutId::K68,
                   {225, 175, 868, 404},
                   68,
                   {13, 51, 88, 126, 163},
                   {36},
                   {{53, L"Home"}}},
        LayoutCase{
            "K87", LayoutId::K87, {200, 175, 900, 441}, 87, {16, 67, 104, 140, 177, 214}, {36}, {}},
        // Up drops to 175, Left/Down/Right to 209; keypad + and Enter are two rows high.
        LayoutCase{"K98",
                   LayoutId::K98,
                   {200, 175, 900, 430},
                   98,
                   {16, 65, 100, 134, 168, 175, 202, 209},
                   {34, 68},
                   {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeyboardLayouts, The61KeyRectanglesAreTheDocumentedOnes) {
    const KeyboardLayout* l = LayoutOf(DeviceModel::K61);
    ASSERT_NE(l, nullptr);
    std::map<int, KeyRect> rects;
    for (const LayoutKey& k : l->keys)
        rects[k.code] = k.rect;
    EXPECT_EQ(rects[41], (KeyRect{9, 15, 51, 56}));
    EXPECT_EQ(rects[33], (KeyRect{181, 15, 223, 56}));  // "4": 95 + 43 * 2
    EXPECT_EQ(rects[42], (KeyRect{568, 14, 652, 55}));
    EXPECT_EQ(rects[19], (KeyRect{462, 58, 504, 99}));  // P, the tenth 42-wide key from 75
    EXPECT_EQ(rects[15], (KeyRect{427, 100, 469, 141}));
    EXPECT_EQ(rects[16], (KeyRect{364, 143, 406, 184}));
    EXPECT_EQ(rects[44], (KeyRect{172, 185, 436, 226}));
    EXPECT_EQ(rects[175], (KeyRect{599, 185, 652, 226}));
}

TEST(KeyboardLayouts, SingleColour61DiffersOnlyInTheLastKeyOfEachRow) {
    const auto rgb = LayoutOf(DeviceModel::K61)->keys;
    const auto single = LayoutOf(DeviceModel::K61SE)->keys;
    ASSERT_EQ(rgb.size(), single.size());
    std::map<int, int> rightEdges;
    for (std::size_t i = 0; i < rgb.size(); ++i) {
        ASSERT_EQ(rgb[i].code, single[i].code);
        EXPECT_EQ(rgb[i].label, single[i].label);
        KeyRect moved = rgb[i].rect;
        moved.right = single[i].rect.right;
        EXPECT_EQ(moved, single[i].rect) << Describe(rgb[i]);
        if (rgb[i].rect.right != single[i].rect.right)
            rightEdges[rgb[i].code] = single[i].rect.right;
    }
    EXPECT_EQ(rightEdges,
              (std::map<int, int>{{42, 645}, {49, 646}, {40, 642}, {229, 643}, {175, 646}}));
}

TEST(KeyboardLayouts, CncSharesTheKeysAndOrderOfThe61KeyLayout) {
    const auto rgb = LayoutOf(DeviceModel::K61)->keys;
    const auto cnc = LayoutOf(DeviceModel::K61Cnc)->keys;
    ASSERT_EQ(rgb.size(), cnc.size());
    for (std::size_t i = 0; i < rgb.size(); ++i) {
        EXPECT_EQ(rgb[i].code, cnc[i].code);
        EXPECT_EQ(rgb[i].label, cnc[i].label);
    }
}

// ---- Every key a model drives has a place in the model's tables -------------------------------

struct SlotModelCase {
    int model;
    // Keys whose assignment slot is not the slot that holds them by default (documented in the
    // slot tables): code -> its lookup slot.
    std::map<int, int> movedAssignments;
    bool layoutIsDefaultMap;  // the default key map holds exactly the layout's keys
};

class SlotDriven : public ::testing::TestWithParam<SlotModelCase> {};

TEST_P(SlotDriven, EveryLayoutKeyHasItsOwnSlot) {
    const DeviceModel m = DeviceModelFromCode(GetParam().model);
    const KeyboardLayout* layout = LayoutOf(m);
    ASSERT_NE(layout, nullptr);
    std::set<int> slots;
    std::set<int> layoutCodes;
    for (const LayoutKey& k : layout->keys) {
        layoutCodes.insert(k.code);
        const int slot = SlotOfKey(m, k.code);
        // Slot 0 is a real slot only for the key the default table puts there (Esc).
        EXPECT_TRUE(slot != 0 || DefaultKeyOfSlot(m, 0) == k.code) << Describe(k) << " unmapped";
        EXPECT_TRUE(slots.insert(slot).second) << Describe(k) << " shares slot " << slot;
        const auto moved = GetParam().movedAssignments.find(k.code);
        if (moved != GetParam().movedAssignments.end()) {
            EXPECT_EQ(slot, moved->second) << Describe(k);
            EXPECT_EQ(DefaultKeyOfSlot(m, slot), 0) << Describe(k);
        } else {
            EXPECT_EQ(DefaultKeyOfSlot(m, slot), k.code) << Describe(k);
        }
    }
    if (GetParam().layoutIsDefaultMap) {
        std::set<int> defaults;
        for (int s = 0; s < kKeyMapSlotCount; ++s) {
            if (int code = DefaultKeyOfSlot(m, s))
                defaults.insert(code);
        }
        EXPECT_EQ(defaults, layoutCodes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Models, SlotDriven,
    ::testing::Values(
        // The 61-key single-colour default map has no Fn entry; Fn assignments go to slot 77.
        SlotModelCase{6, {{175, 77}}, false}, SlotModelCase{7, {{175, 77}}, false},
        SlotModelCase{8, {}, true},
        // The Application key of the 87 RGB is assigned through the empty slot 65.
        SlotModelCase{9, {{101, 65}}, true}, SlotModelCase{10, {}, true}),
    [](const auto& info) { return "code" + std::to_string(info.param.model); });

struct MatrixModelCase {
    const char* name;
    int model;
    MatrixVariant variant;
};

class MatrixDriven : public ::testing::TestWithParam<MatrixModelCase> {};

TEST_P(MatrixDriven, EveryLayoutKeyHasItsOwnIndex) {
    const KeyboardLayout* layout = LayoutOf(DeviceModelFromCode(GetParam().model));
    ASSERT_NE(layout, nullptr);
    std::map<int, int> owner;
    for (const LayoutKey& k : layout->keys) {
        const int index = MatrixIndex(GetParam().variant, k.code);
        EXPECT_NE(index, 0) << Describe(k) << " unmapped";
        const auto [it, fresh] = owner.emplace(index, k.code);
        EXPECT_TRUE(fresh) << Describe(k) << " shares index " << index << " with " << it->second;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Uses, MatrixDriven,
    ::testing::Values(MatrixModelCase{"K61KeyMapRevision", 1, MatrixVariant::KeyMapRevision},
                      MatrixModelCase{"K61KeyMapPlain", 1, MatrixVariant::KeyMapPlain},
                      MatrixModelCase{"K61LightRevision", 1, MatrixVariant::LightRevision},
                      MatrixModelCase{"K61LightPlain", 1, MatrixVariant::LightPlain},
                      MatrixModelCase{"K68KeyMapRevision", 5, MatrixVariant::KeyMapRevision},
                      MatrixModelCase{"K68KeyMapPlain", 5, MatrixVariant::KeyMapPlain},
                      MatrixModelCase{"K68Light", 5, MatrixVariant::Light68},
                      MatrixModelCase{"K61SingleLightKeyMap", 6, MatrixVariant::KeyMapRevision}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- The layout routine -------------------------------------------------------------------------

class RecordingSink : public KeyboardLayoutSink {
public:
    void PlaceView(const KeyRect& rect) override {
        calls.push_back("place");
        view = rect;
    }
    void ResetOffset() override { calls.push_back("reset"); }
    void AddKey(std::wstring_view label, std::wstring_view name, int code,
                const KeyRect& rect) override {
        calls.push_back("add");
        keys.push_back({label, code, rect});
        names.emplace_back(name);
    }

    std::vector<std::string> calls;
    KeyRect view;
    std::vector<LayoutKey> keys;
    std::vector<std::wstring> names;
};

struct RoutineCase {
    int model;
    std::optional<LayoutId> layout;
};

class Routine : public ::testing::TestWithParam<RoutineCase> {};

TEST_P(Routine, PlacesTheViewResetsTheOffsetThenAddsEveryKeyInOrder) {
    const DeviceModel m = DeviceModelFromCode(GetParam().model);
    RecordingSink sink;
    const bool ran = RunLayoutRoutine(m, sink);
    ASSERT_EQ(ran, GetParam().layout.has_value());
    if (!ran) {
        EXPECT_TRUE(sink.calls.empty());
        EXPECT_EQ(LayoutOf(m), nullptr);
        return;
    }
    const KeyboardLayout* layout = LayoutOf(m);
    ASSERT_NE(layout, nullptr);
    EXPECT_EQ(layout->id, *GetParam().layout);
    ASSERT_EQ(sink.calls.size(), 2 + layout->keys.size());
    EXPECT_EQ(sink.calls[0], "place");
    EXPECT_EQ(sink.calls[1], "reset");
    EXPECT_EQ(sink.view, layout->viewRect);
    ASSERT_EQ(sink.keys.size(), layout->keys.size());
    for (std::size_t i = 0; i < sink.keys.size(); ++i) {
        EXPECT_EQ(sink.keys[i].label, layout->keys[i].label);
        EXPECT_EQ(sink.names[i], layout->keys[i].label);
        EXPECT_EQ(sink.keys[i].code, layout->keys[i].code);
        EXPECT_EQ(sink.keys[i].rect, layout->keys[i].rect);
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllCodes, Routine,
    ::testing::Values(RoutineCase{1, LayoutId::K61}, RoutineCase{2, LayoutId::Cnc61},
                      RoutineCase{3, std::nullopt}, RoutineCase{5, LayoutId::K68},
                      RoutineCase{6, LayoutId::K61SingleLight},
                      RoutineCase{7, LayoutId::K61SingleLight}, RoutineCase{8, LayoutId::K87},
                      RoutineCase{9, LayoutId::K87}, RoutineCase{10, LayoutId::K98},
                      RoutineCase{100, std::nullopt}, RoutineCase{0, std::nullopt}),
    [](const auto& info) { return "code" + std::to_string(info.param.model); });

}  // namespace
}  // namespace vekora
