#include "features/lighting/LightingController.h"

#include <gtest/gtest.h>

#include "FeatureTestSupport.h"
#include "features/keys/KeyAssignments.h"

namespace vekora {
namespace {

using testing::RecordingUploads;
using testing::RecordingView;
using testing::TempDatabase;
using testing::TextTable;

class LightingTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(store_.opened()); }

    std::string Config(int profile, std::string_view key) {
        std::string value;
        store_.db.GetConfig(profile, key, value);
        return value;
    }

    std::vector<std::wstring> ListNames() {
        std::vector<std::wstring> names;
        for (const auto& item : view_.userLights) {
            names.push_back(item.name);
        }
        return names;
    }

    // Creates `count` stored user lights and loads the list.
    void MakeLights(int count) {
        for (int i = 1; i <= count; ++i) {
            store_.db.AddUserLight(L"Light " + std::to_wstring(i));
        }
        lighting_.LoadUserLights();
    }

    TempDatabase store_;
    FeatureSession session_{DeviceModel::K61, true, 1, 1, 1};
    RecordingView view_;
    RecordingUploads uploads_;
    TextTable text_;
    KeyFunctions keys_{session_, store_.db, view_, uploads_};
    LightingController lighting_{session_, store_.db, view_, uploads_, keys_, text_.Lookup()};
};

TEST_F(LightingTest, EffectListNamesFollowTheLanguage) {
    lighting_.ShowEffectList();
    ASSERT_EQ(view_.effects.size(), 16u);
    EXPECT_EQ(view_.effects[0], (EffectListItem{1, L"Continued", "icon/icon_light_continued.png"}));
    text_.chinese = true;
    lighting_.ShowEffectList();
    EXPECT_EQ(view_.effects[0].name, L"常亮");
    session_.model = DeviceModel::K98Rgb;
    lighting_.ShowEffectList();
    for (const auto& e : view_.effects) {
        EXPECT_NE(e.effectId, 6);
        EXPECT_NE(e.effectId, 14);
    }
}

TEST_F(LightingTest, ALanguageChangeRenamesEffectsButNotUserLights) {
    MakeLights(2);
    lighting_.ChooseEffect(1);
    text_.chinese = true;
    lighting_.OnLanguageChanged();
    EXPECT_EQ(view_.effects[0].name, L"常亮");
    EXPECT_EQ(view_.selectedEffect, 1);
    EXPECT_EQ(ListNames(), (std::vector<std::wstring>{L"Light 1", L"Light 2"}));
}

TEST_F(LightingTest, ChoosingOffOnModelSevenStoresZero) {
    session_.model = DeviceModel::K61SE;
    session_.profile = 2;
    lighting_.ChooseEffect(0);
    EXPECT_EQ(Config(2, "lightmode"), "0");
    EXPECT_EQ(session_.currentEffect, 0);
    EXPECT_EQ(uploads_.calls, (std::vector<std::string>{"effect long p2 e0"}));
}

struct ChooseCase {
    const char* name;
    DeviceModel model;
    bool connected;
    std::vector<std::string> uploads;
    friend void PrintTo(const ChooseCase& c, std::ostream* os) { *os << c.name; }
};

class ChooseEffectTest : public LightingTest, public ::testing::WithParamInterface<ChooseCase> {};

TEST_P(ChooseEffectTest, StoresAlwaysUploadsOnlyWhileConnected) {
    session_.model = GetParam().model;
    session_.connected = GetParam().connected;
    session_.profile = 4;
    lighting_.ChooseEffect(9);
    EXPECT_EQ(Config(4, "lightmode"), "9");
    EXPECT_EQ(uploads_.calls, GetParam().uploads);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChooseEffectTest,
    ::testing::Values(
        ChooseCase{"K61", DeviceModel::K61, true, {"effect short p4 e9"}},
        ChooseCase{"K61Cnc", DeviceModel::K61Cnc, true, {"effect short p4 e9"}},
        ChooseCase{"K87SingleLight", DeviceModel::K87SingleLight, true, {"effect long p4 e9"}},
        ChooseCase{"K87Rgb", DeviceModel::K87Rgb, true, {"effect library p4 e9"}},
        ChooseCase{"K68NotConnected", DeviceModel::K68, false, {}},
        ChooseCase{"K98RgbNotConnected", DeviceModel::K98Rgb, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LightingTest, ShowingAProfileEffectSelectsItAndUploadsOnShortModels) {
    store_.db.SetConfigInt(3, "lightmode", 12);
    lighting_.ShowProfileEffect(3);
    EXPECT_EQ(view_.selectedEffect, 12);
    EXPECT_EQ(session_.currentEffect, 12);
    EXPECT_EQ(uploads_.calls, (std::vector<std::string>{"effect short p3 e12"}));

    uploads_.calls.clear();
    session_.model = DeviceModel::K87Rgb;
    lighting_.ShowProfileEffect(3);
    EXPECT_EQ(view_.selectedEffect, 12);
    EXPECT_TRUE(uploads_.calls.empty());
}

TEST_F(LightingTest, AnUnreadableLightModeSelectsNothing) {
    session_.currentEffect = 7;
    lighting_.ShowProfileEffect(9);  // no such profile: no row
    EXPECT_EQ(view_.selectedEffect, std::nullopt);
    EXPECT_EQ(session_.currentEffect, 7);
    EXPECT_TRUE(uploads_.calls.empty());
}

TEST_F(LightingTest, LoadingProfileLightingOnModelSevenTakesTheKeyboardsEffect) {
    session_.model = DeviceModel::K61SE;
    uploads_.effectByteAnswer = 4;
    keys_.Apply(4, MakeFnAssignment());
    uploads_.calls.clear();
    view_.labels.clear();
    lighting_.LoadProfileLighting(1);
    EXPECT_EQ(Config(1, "lightmode"), "4");
    EXPECT_EQ(view_.selectedEffect, 4);
    EXPECT_EQ(view_.labels[4], L"Fn");
    EXPECT_EQ(uploads_.calls, (std::vector<std::string>{"select long p1"}));
}

TEST_F(LightingTest, LoadingProfileLightingOnLibraryAndShortModels) {
    session_.model = DeviceModel::K98Rgb;
    lighting_.LoadProfileLighting(2);
    EXPECT_EQ(uploads_.calls, (std::vector<std::string>{"select library p2"}));
    EXPECT_EQ(Config(2, "lightmode"), "1");
    uploads_.calls.clear();
    session_.model = DeviceModel::K68;
    lighting_.LoadProfileLighting(2);
    EXPECT_EQ(uploads_.calls, (std::vector<std::string>{"keymap short p2", "effect short p2 e1"}));
}

TEST_F(LightingTest, AnEmptyListGetsLightOneSelected) {
    lighting_.LoadUserLights();
    EXPECT_EQ(ListNames(), (std::vector<std::wstring>{L"Light 1"}));
    EXPECT_EQ(view_.userLightSelection, 0);
    std::vector<UserLight> stored;
    EXPECT_EQ(store_.db.LoadUserLights(stored), 1);
    EXPECT_EQ(view_.userLights[0].icon, "icon/icon_userlight.png");
}

TEST_F(LightingTest, AStoredListIsShownWithoutSelection) {
    MakeLights(2);
    EXPECT_EQ(ListNames(), (std::vector<std::wstring>{L"Light 1", L"Light 2"}));
    EXPECT_EQ(view_.userLightSelection, -1);
}

TEST_F(LightingTest, AddingToThreeGivesNumberFourSelectedWithAnEmptyLayout) {
    MakeLights(3);
    view_.colours[4] = 0x123456;
    text_.chinese = true;
    ASSERT_TRUE(lighting_.AddUserLight());
    EXPECT_EQ(ListNames().back(), L"灯效 4");
    EXPECT_EQ(view_.userLightSelection, 3);
    EXPECT_EQ(view_.colours[4], 0u);
}

TEST_F(LightingTest, TheLastUserLightCannotBeDeleted) {
    MakeLights(1);
    EXPECT_FALSE(lighting_.DeleteUserLight(0));
    EXPECT_EQ(view_.messages, (std::vector<int>{800}));
    EXPECT_EQ(lighting_.UserLights().size(), 1u);
}

TEST_F(LightingTest, DeletingTheFirstSelectsNothingAndShowsAnEmptyLayout) {
    MakeLights(3);
    lighting_.SelectUserLight(0);
    view_.colours[5] = 0xFF;
    ASSERT_TRUE(lighting_.DeleteUserLight(0));
    EXPECT_EQ(ListNames(), (std::vector<std::wstring>{L"Light 2", L"Light 3"}));
    EXPECT_EQ(view_.userLightSelection, -1);
    EXPECT_EQ(view_.colours[5], 0u);
    std::vector<UserLight> stored;
    EXPECT_EQ(store_.db.LoadUserLights(stored), 2);
}

TEST_F(LightingTest, DeletingTheSecondSelectsTheFirstAndShowsItsColours) {
    MakeLights(3);
    const int firstId = lighting_.UserLights()[0].lightId;
    KeyColour c{};
    c.profile = 1;
    c.light = firstId;
    c.key_code = 6;
    c.key_rgb = 0x00FF00;
    store_.db.SaveKeyColours({c});
    lighting_.SelectUserLight(1);
    ASSERT_TRUE(lighting_.DeleteUserLight(1));
    EXPECT_EQ(view_.userLightSelection, 0);
    EXPECT_EQ(view_.colours[6], 0x00FF00u);
}

TEST_F(LightingTest, RenamingToAnEmptyNameKeepsTheStoredName) {
    MakeLights(2);
    EXPECT_FALSE(lighting_.RenameUserLight(1, L""));
    ASSERT_TRUE(lighting_.RenameUserLight(0, L"Desk"));
    std::vector<UserLight> stored;
    store_.db.LoadUserLights(stored);
    EXPECT_EQ(stored[0].name, L"Desk");
    EXPECT_EQ(stored[1].name, L"Light 2");
    EXPECT_EQ(ListNames(), (std::vector<std::wstring>{L"Desk", L"Light 2"}));
}

TEST_F(LightingTest, ColouringWithoutASelectedUserLightDoesNothing) {
    MakeLights(2);
    view_.selected = {4};
    EXPECT_FALSE(lighting_.ColourSelectedKeys(0xFF));
    EXPECT_EQ(view_.colours[4], 0u);
    EXPECT_TRUE(uploads_.calls.empty());
}

TEST_F(LightingTest, TurningOffStoresZeroForTheSelectionAndWritesEveryKey) {
    session_.model = DeviceModel::K87SingleLight;
    session_.currentSlot = 2;
    MakeLights(1);
    lighting_.SelectUserLight(0);
    const int id = lighting_.UserLights()[0].lightId;
    view_.selected = {4, 5};
    ASSERT_TRUE(lighting_.ColourSelectedKeys(0xFFFF00));  // "Turn On Light"
    view_.selected = {5};
    ASSERT_TRUE(lighting_.ColourSelectedKeys(0));  // "Turn Off Light"
    std::vector<KeyColour> stored;
    store_.db.LoadKeyColours(id, stored);
    ASSERT_EQ(stored.size(), 1u);  // keys with colour 0 are not read back
    EXPECT_EQ(stored[0].key_code, 4);
    EXPECT_EQ(stored[0].key_rgb, 0xFFFF00);
    EXPECT_EQ(session_.currentEffect, 32);
    EXPECT_EQ(uploads_.calls.back(), "userlight long p1 s2 l" + std::to_string(id));
}

TEST_F(LightingTest, ColouringOnModelOneUsesTheCustomEffectAndTheCurrentSlot) {
    MakeLights(1);
    lighting_.SelectUserLight(0);
    view_.selected = {41, 224};
    view_.colours[6] = 0x0000FF;  // unselected keys are written with their colour too
    ASSERT_TRUE(lighting_.ColourSelectedKeys(0x00FF00));
    std::vector<KeyColour> stored;
    store_.db.LoadKeyColours(lighting_.UserLights()[0].lightId, stored);
    std::map<int, int> byKey;
    for (const auto& c : stored) {
        byKey[c.key_code] = c.key_rgb;
        EXPECT_EQ(c.profile, 1);
    }
    EXPECT_EQ(byKey, (std::map<int, int>{{41, 0x00FF00}, {6, 0x0000FF}, {224, 0x00FF00}}));
    EXPECT_EQ(session_.currentEffect, 128);
    EXPECT_EQ(uploads_.calls.size(), 1u);
    EXPECT_EQ(uploads_.calls[0].rfind("userlight short p1 s1 l", 0), 0u);
}

TEST_F(LightingTest, EditsOnModelsSevenAndEightInProfileFiveAreRefused) {
    session_.model = DeviceModel::K61SE;
    MakeLights(2);
    lighting_.SelectUserLight(0);
    session_.profile = 5;
    view_.selected = {4};
    EXPECT_FALSE(lighting_.ColourSelectedKeys(0xFF));
    EXPECT_FALSE(lighting_.SaveToSlot(2));
    EXPECT_FALSE(lighting_.AddUserLight());
    EXPECT_FALSE(lighting_.DeleteUserLight(1));
    EXPECT_FALSE(lighting_.RenameUserLight(0, L"x"));
    EXPECT_EQ(view_.messages, (std::vector<int>(5, 510)));
    EXPECT_EQ(session_.currentSlot, 1);
    EXPECT_EQ(lighting_.UserLights().size(), 2u);
    EXPECT_TRUE(uploads_.calls.empty());
    // Other models accept edits in profile 5.
    session_.model = DeviceModel::K87Rgb;
    EXPECT_TRUE(lighting_.SaveToSlot(2));
}

TEST_F(LightingTest, SavingIntoSlotThreeStoresAndMarksIt) {
    MakeLights(2);
    lighting_.SelectUserLight(1);
    const int id = lighting_.UserLights()[1].lightId;
    ASSERT_TRUE(lighting_.SaveToSlot(3));
    EXPECT_EQ(Config(3, "userlight"), std::to_string(id));
    EXPECT_EQ(session_.currentSlot, 3);
    EXPECT_FALSE(view_.userLights[0].checked);
    EXPECT_TRUE(view_.userLights[1].checked);
    EXPECT_EQ(uploads_.calls,
              (std::vector<std::string>{"userlight short p1 s3 l" + std::to_string(id)}));
}

TEST_F(LightingTest, SavingWithoutSelectionOnlyChangesTheSlot) {
    MakeLights(2);
    EXPECT_FALSE(lighting_.SaveToSlot(4));
    EXPECT_EQ(session_.currentSlot, 4);
    EXPECT_EQ(Config(4, "userlight"), "0");
    EXPECT_TRUE(uploads_.calls.empty());
    EXPECT_FALSE(lighting_.SaveToSlot(6));
    EXPECT_FALSE(lighting_.SaveToSlot(0));
    EXPECT_EQ(session_.currentSlot, 4);
}

}  // namespace
}  // namespace vekora
