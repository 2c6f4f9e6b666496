#include <gtest/gtest.h>

#include "FeatureTestSupport.h"
#include "features/keys/KeyAssignments.h"
#include "features/keys/KeyFunctions.h"

namespace vekora {
namespace {

using testing::RecordingUploads;
using testing::RecordingView;
using testing::TempDatabase;
using testing::TextTable;

struct MakeCase {
    const char* name;
    KeyAssignment (*make)(TextTable&);
    int type;
    int value;
    int value2;
    std::wstring desc;
    friend void PrintTo(const MakeCase& c, std::ostream* os) { *os << c.name; }
};

class MakeAssignmentTest : public ::testing::TestWithParam<MakeCase> {};

TEST_P(MakeAssignmentTest, StoresTheFunctionsCodesAndLabel) {
    TextTable text;
    const KeyAssignment a = GetParam().make(text);
    EXPECT_EQ(a.key_id, 0);
    EXPECT_EQ(a.macro_type, GetParam().type);
    EXPECT_EQ(a.macro_value, GetParam().value);
    EXPECT_EQ(a.macro_value2, GetParam().value2);
    EXPECT_EQ(a.macro_value3, 0);
    EXPECT_EQ(a.macro_desc, GetParam().desc);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MakeAssignmentTest,
    ::testing::Values(
        MakeCase{"Default", [](TextTable&) { return MakeDefaultAssignment(); }, 0, 0, 0, L""},
        MakeCase{"Fn", [](TextTable&) { return MakeFnAssignment(); }, 604, 250, 0, L"Fn"},
        MakeCase{"DisableInChinese",
                 [](TextTable& t) {
                     t.chinese = true;
                     return MakeDisabledAssignment();
                 },
                 607, 1, 0, L"Disable"},
        MakeCase{"RightButton",
                 [](TextTable& t) { return *MakeCommandAssignment(652, t.Lookup()); }, 603, 652, 0,
                 L"Right Button"},
        MakeCase{"MiddleButton",
                 [](TextTable& t) { return *MakeCommandAssignment(651, t.Lookup()); }, 603, 651, 0,
                 L"Middle Button"},
        MakeCase{"VolumeUpInChinese",
                 [](TextTable& t) {
                     t.chinese = true;
                     return *MakeCommandAssignment(634, t.Lookup());
                 },
                 601, 634, 0, L"音量+"},
        MakeCase{"CloseWindow",
                 [](TextTable& t) { return *MakeCommandAssignment(610, t.Lookup()); }, 600, 610, 0,
                 L"Close Window"},
        MakeCase{"LeftCtrlWithA", [](TextTable&) { return MakeKeyAssignment('A', 0xA2); }, 604, 4,
                 224, L"Ctrl+A"},
        MakeCase{"GenericCtrlWithA", [](TextTable&) { return MakeKeyAssignment('A', 0x11); }, 604,
                 4, 224, L"Ctrl+A"},
        MakeCase{"RightShiftWithF5", [](TextTable&) { return MakeKeyAssignment(0x74, 0xA1); }, 604,
                 62, 229, L"RShift+F5"},
        MakeCase{"SingleKeyEnter", [](TextTable&) { return MakeKeyAssignment(0x0D, 0); }, 604, 40,
                 0, L"Enter"},
        MakeCase{"WindowsKey", [](TextTable&) { return MakeKeyAssignment(0x5B, 0); }, 604, 227, 0,
                 L"Windows"},
        MakeCase{"ModifierWithoutMainKey", [](TextTable&) { return MakeKeyAssignment(0, 0xA2); },
                 604, 0, 224, L"Ctrl+"},
        MakeCase{"UnmappedKey", [](TextTable&) { return MakeKeyAssignment(0xAD, 0); }, 604, 0, 0,
                 L"Mute"},
        MakeCase{"Macro",
                 [](TextTable&) {
                     MacroDefinition m{};
                     m.macro_id = 7;
                     m.name = L"Copy all";
                     return MakeMacroAssignment(m);
                 },
                 602, 7, 0, L"Copy all"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MakeAssignmentTest, LabelsUseTheLanguageCurrentAtThatMoment) {
    const int before = CurrentLanguage();
    SetCurrentLanguage(1033);
    const KeyAssignment english = *MakeCommandAssignment(652);
    SetCurrentLanguage(2052);
    const KeyAssignment chinese = *MakeCommandAssignment(652);
    const KeyAssignment disabled = MakeDisabledAssignment();
    SetCurrentLanguage(before);
    EXPECT_EQ(english.macro_desc, L"Right Button");
    EXPECT_EQ(chinese.macro_desc, GetLocalText(83, 2052));
    EXPECT_NE(chinese.macro_desc, english.macro_desc);
    EXPECT_EQ(disabled.macro_desc, L"Disable");
}

TEST(MakeAssignmentTest, CodesOutsideTheCommandGroupsGiveNothing) {
    TextTable text;
    for (int code : {0, 605, 608, 609, 621, 640, 655}) {
        EXPECT_FALSE(MakeCommandAssignment(code, text.Lookup()).has_value()) << code;
    }
}

class KeyFunctionsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(store_.opened()); }

    std::vector<KeyAssignment> Stored(int profile) {
        std::vector<KeyAssignment> rows;
        store_.db.LoadKeyAssignments(profile, rows);
        return rows;
    }

    TempDatabase store_;
    FeatureSession session_{DeviceModel::K61, true, 1, 1, 1};
    RecordingView view_;
    RecordingUploads uploads_;
    KeyFunctions keys_{session_, store_.db, view_, uploads_};
    TextTable text_;
};

TEST_F(KeyFunctionsTest, ApplyStoresLabelsUploadsAndReportsSuccess) {
    session_.profile = 2;
    ASSERT_TRUE(keys_.Apply(5, MakeKeyAssignment('A', 0xA2)));
    const auto rows = Stored(2);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].key_code, 5);
    EXPECT_EQ(rows[0].profile, 2);
    EXPECT_EQ(rows[0].macro_type, 604);
    EXPECT_EQ(rows[0].macro_value, 4);
    EXPECT_EQ(rows[0].macro_value2, 224);
    EXPECT_EQ(rows[0].macro_desc, L"Ctrl+A");
    EXPECT_EQ(view_.labels[5], L"Ctrl+A");
    EXPECT_EQ(uploads_.calls, (std::vector<std::string>{"keymap short p2"}));
    EXPECT_EQ(view_.messages, (std::vector<int>{505}));
    EXPECT_TRUE(Stored(1).empty());
}

TEST_F(KeyFunctionsTest, DefaultRemovesTheRowAndClearsTheLabelAtOnce) {
    keys_.Apply(6, MakeDisabledAssignment());
    ASSERT_EQ(Stored(1).size(), 1u);
    keys_.Apply(6, MakeDefaultAssignment());
    EXPECT_TRUE(Stored(1).empty());
    EXPECT_EQ(view_.labels[6], L"");
    EXPECT_EQ(view_.messages, (std::vector<int>{505, 505}));
}

TEST_F(KeyFunctionsTest, ProfileFiveIsRefusedAndChangesNothing) {
    session_.model = DeviceModel::K61SE;
    session_.profile = 5;
    EXPECT_FALSE(keys_.Apply(4, MakeFnAssignment()));
    EXPECT_TRUE(Stored(5).empty());
    EXPECT_TRUE(uploads_.calls.empty());
    EXPECT_TRUE(view_.labels.empty());
    EXPECT_EQ(view_.messages, (std::vector<int>{510}));
}

TEST_F(KeyFunctionsTest, AnUnmappedCaptureStoresNothingButStillReportsSuccess) {
    keys_.Apply(4, MakeFnAssignment());
    keys_.Apply(4, MakeKeyAssignment(0xAD, 0));  // no usage for this key
    EXPECT_TRUE(Stored(1).empty());
    EXPECT_EQ(view_.messages.back(), 505);
}

TEST_F(KeyFunctionsTest, ExistingLabelsKeepTheirLanguage) {
    keys_.Apply(4, *MakeCommandAssignment(652, text_.Lookup()));
    text_.chinese = true;
    keys_.Apply(5, *MakeCommandAssignment(652, text_.Lookup()));
    keys_.RefreshLabels(1);
    EXPECT_EQ(view_.labels[4], L"Right Button");
    EXPECT_EQ(view_.labels[5], L"右键");
}

struct FamilyCase {
    const char* name;
    DeviceModel model;
    std::vector<std::string> applyUploads;
    std::vector<std::string> refreshUploads;
    friend void PrintTo(const FamilyCase& c, std::ostream* os) { *os << c.name; }
};

class KeyUploadFamilyTest : public KeyFunctionsTest,
                            public ::testing::WithParamInterface<FamilyCase> {};

TEST_P(KeyUploadFamilyTest, ApplyAndRefreshUploadByTheModel) {
    session_.model = GetParam().model;
    session_.profile = 3;
    keys_.Apply(4, MakeFnAssignment());
    EXPECT_EQ(uploads_.calls, GetParam().applyUploads);
    uploads_.calls.clear();
    keys_.RefreshLabels(3);
    EXPECT_EQ(uploads_.calls, GetParam().refreshUploads);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyUploadFamilyTest,
    ::testing::Values(FamilyCase{"K61", DeviceModel::K61, {"keymap short p3"}, {"keymap short p3"}},
                      FamilyCase{"K68", DeviceModel::K68, {"keymap short p3"}, {"keymap short p3"}},
                      FamilyCase{"K61SingleLight",
                                 DeviceModel::K61SingleLight,
                                 {"keymap short p3"},
                                 {"keymap short p3"}},
                      FamilyCase{"K61SE", DeviceModel::K61SE, {"keymap long p3"}, {}},
                      FamilyCase{
                          "K87SingleLight", DeviceModel::K87SingleLight, {"keymap long p3"}, {}},
                      FamilyCase{"K87Rgb", DeviceModel::K87Rgb, {"keymap library p3"}, {}},
                      FamilyCase{"K98Rgb", DeviceModel::K98Rgb, {"keymap library p3"}, {}},
                      FamilyCase{"K61Cnc", DeviceModel::K61Cnc, {}, {"keymap short p3"}},
                      FamilyCase{"NewModel", DeviceModel::NewModel, {}, {"keymap short p3"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyFunctionsTest, RefreshLabelsShowsOnlyStoredFunctionsOfTheProfile) {
    keys_.Apply(4, MakeFnAssignment());
    session_.profile = 2;
    keys_.Apply(5, MakeDisabledAssignment());
    // A row of type 0 with a value (as an imported file may hold) keeps no label.
    KeyAssignment imported{};
    imported.profile = 1;
    imported.key_code = 6;
    imported.macro_value = 9;
    imported.macro_desc = L"ignored";
    store_.db.SaveKeyAssignment(imported);
    view_.labels[41] = L"stale";
    const int redraws = view_.redraws;
    keys_.RefreshLabels(1);
    EXPECT_EQ(view_.labels, (std::map<int, std::wstring>{{4, L"Fn"}}));
    EXPECT_EQ(view_.redraws, redraws + 1);
}

}  // namespace
}  // namespace vekora
