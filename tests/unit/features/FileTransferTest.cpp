// Export and import of profile and light files through the store, the settings and a
// scripted file chooser.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <iterator>

#include "FeatureTestSupport.h"
#include "features/files/LightTransfer.h"
#include "features/files/ProfileTransfer.h"
#include "store/Folders.h"
#include "store/Settings.h"

namespace vekora {
namespace {

using testing::RecordingUploads;
using testing::RecordingView;
using testing::ScriptedChooser;
using testing::TempDatabase;
using testing::TempFolder;
using testing::TextTable;

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::filesystem::path DataFile(const std::string& relative) {
    return std::filesystem::path(VEKORA_TEST_DATA_DIR) / relative;
}

class FileTransferTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(store_.opened());
        // Settings go to a private configuration folder.
        const char* old = std::getenv("XDG_CONFIG_HOME");
        if (old) {
            oldConfigHome_ = old;
        }
        ::setenv("XDG_CONFIG_HOME", config_.path().c_str(), 1);
        std::filesystem::create_directories(SettingsFolder());
    }
    void TearDown() override {
        if (oldConfigHome_) {
            ::setenv("XDG_CONFIG_HOME", oldConfigHome_->c_str(), 1);
        } else {
            ::unsetenv("XDG_CONFIG_HOME");
        }
    }

    void Store(int profile, int key, int type, int value, int value2, std::wstring desc) {
        KeyAssignment a{};
        a.profile = profile;
        a.key_code = key;
        a.macro_type = type;
        a.macro_value = value;
        a.macro_value2 = value2;
        a.macro_desc = std::move(desc);
        store_.db.SaveKeyAssignment(a);
    }

    std::vector<KeyAssignment> Stored(int profile) {
        std::vector<KeyAssignment> rows;
        store_.db.LoadKeyAssignments(profile, rows);
        return rows;
    }

    // Writes `bytes` as a file in the export folder and returns its path.
    std::filesystem::path WriteFile(const std::string& name, const std::string& bytes) {
        const auto path = exports_.path() / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    TempDatabase store_;
    TempFolder config_;
    TempFolder exports_;
    std::optional<std::string> oldConfigHome_;
    FeatureSession session_{DeviceModel::K61, true, 1, 1, 1};
    RecordingView view_;
    RecordingUploads uploads_;
    ScriptedChooser chooser_;
    TextTable text_;
    uint32_t tick_ = 123;
    ProfileTransfer profiles_{session_, store_.db, chooser_, text_.Lookup(),
                              [this] { return tick_; }};
    KeyFunctions keys_{session_, store_.db, view_, uploads_};
    LightingController lighting_{session_, store_.db, view_, uploads_, keys_, text_.Lookup()};
    LightTransfer lights_{store_.db, chooser_, lighting_, text_.Lookup(), [this] { return tick_; }};
};

TEST_F(FileTransferTest, ExportedProfileMatchesTheGoldenFile) {
    Store(1, 4, 604, 5, 224, L"Ctrl+B");
    Store(1, 41, 602, 3, 0, L"Copy & <Paste> \"it\"");
    Store(1, 30, 601, 634, 0, L"音量+");
    Store(2, 5, 607, 1, 0, L"Disable");  // another profile: not exported
    chooser_.folder = exports_.path();
    const auto path = profiles_.Export();
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, exports_.path() / "Profile A-123.xml");
    EXPECT_EQ(ReadBytes(*path), ReadBytes(DataFile("files/profile-a.xml")));
    EXPECT_EQ(chooser_.folderTitles, (std::vector<std::wstring>{L"Choose a folder"}));
}

TEST_F(FileTransferTest, ExportingAProfileWithoutAssignmentsWritesAnEmptyKeyitems) {
    session_.profile = 3;
    chooser_.folder = exports_.path();
    const auto path = profiles_.Export();
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(ReadBytes(*path), ReadBytes(DataFile("files/profile-empty.xml")));
}

TEST_F(FileTransferTest, TwoExportsInARowGetDifferentFiles) {
    chooser_.folder = exports_.path();
    const auto first = profiles_.Export();
    const auto second = profiles_.Export();  // same tick
    tick_ = 500;
    const auto third = profiles_.Export();
    ASSERT_TRUE(first && second && third);
    EXPECT_NE(*first, *second);
    EXPECT_EQ(third->filename(), "Profile A-500.xml");
    EXPECT_TRUE(std::filesystem::exists(*first));
    EXPECT_TRUE(std::filesystem::exists(*second));
}

TEST_F(FileTransferTest, CancellingTheFolderChoiceWritesNothing) {
    EXPECT_FALSE(profiles_.Export().has_value());
    chooser_.folder = std::filesystem::path();
    EXPECT_FALSE(profiles_.Export().has_value());
    EXPECT_TRUE(std::filesystem::is_empty(exports_.path()));
}

TEST_F(FileTransferTest, ImportingTheGoldenProfileMakesItCurrentAndStoresItems) {
    session_.profile = 2;
    Store(1, 6, 607, 1, 0, L"Disable");  // a key the file does not mention keeps its function
    Store(1, 4, 607, 1, 0, L"Disable");  // replaced by the file's assignment
    chooser_.file = DataFile("files/profile-a.xml");
    const ProfileImportResult result = profiles_.Import();
    EXPECT_TRUE(result.loaded);
    EXPECT_EQ(result.profile, 1);
    EXPECT_EQ(result.itemsStored, 3);
    EXPECT_EQ(session_.profile, 1);
    EXPECT_EQ(ReadProfileSetting(DeviceModel::K61), 1);
    EXPECT_EQ(chooser_.fileFilters, (std::vector<std::wstring>{L"Custom Key (*.xml)|*.xml"}));
    std::map<int, std::wstring> labels;
    for (const auto& row : Stored(1)) {
        labels[row.key_code] = row.macro_desc;
    }
    EXPECT_EQ(
        labels,
        (std::map<int, std::wstring>{
            {4, L"Ctrl+B"}, {6, L"Disable"}, {30, L"音量+"}, {41, L"Copy & <Paste> \"it\""}}));
}

struct ImportProfileCase {
    const char* name;
    DeviceModel model;
    std::string profileAttribute;  // empty: none
    std::optional<int> current;    // the profile made current, if any
    friend void PrintTo(const ImportProfileCase& c, std::ostream* os) { *os << c.name; }
};

class ImportProfileNumberTest : public FileTransferTest,
                                public ::testing::WithParamInterface<ImportProfileCase> {};

TEST_P(ImportProfileNumberTest, OnlyAProfileTheModelOffersBecomesCurrent) {
    session_.model = GetParam().model;
    session_.profile = 2;
    WriteProfileSetting(GetParam().model, 2);
    const std::string attribute = GetParam().profileAttribute.empty()
                                      ? ""
                                      : " profile=\"" + GetParam().profileAttribute + "\"";
    const auto path = WriteFile(
        "p.xml", "<profile><profileinfo name=\"x\"" + attribute +
                     "><keyitems><item profile=\"3\" key_value=\"4\" macro_type=\"607\" "
                     "macro_value=\"1\" macro_desc=\"Disable\"/><item profile=\"6\" "
                     "key_value=\"5\" macro_type=\"607\" macro_value=\"1\"/><item profile=\"0\" "
                     "key_value=\"5\" macro_type=\"607\" macro_value=\"1\"/></keyitems>"
                     "</profileinfo></profile>");
    const ProfileImportResult result = profiles_.ImportFile(path);
    EXPECT_TRUE(result.loaded);
    EXPECT_EQ(result.profile, GetParam().current);
    EXPECT_EQ(session_.profile, GetParam().current.value_or(2));
    EXPECT_EQ(ReadProfileSetting(GetParam().model), GetParam().current.value_or(2));
    // The item of profile 3 is stored under profile 3 whatever the file's own profile;
    // the items of profiles 6 and 0 are skipped.
    EXPECT_EQ(result.itemsStored, 1);
    ASSERT_EQ(Stored(3).size(), 1u);
    EXPECT_EQ(Stored(3)[0].key_code, 4);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImportProfileNumberTest,
    ::testing::Values(ImportProfileCase{"Four", DeviceModel::K61, "4", 4},
                      ImportProfileCase{"MissingAttribute", DeviceModel::K61, "", std::nullopt},
                      ImportProfileCase{"Zero", DeviceModel::K61, "0", std::nullopt},
                      ImportProfileCase{"Six", DeviceModel::K61, "6", std::nullopt},
                      ImportProfileCase{"Negative", DeviceModel::K68, "-1", std::nullopt},
                      ImportProfileCase{"Huge", DeviceModel::K68, "4294967297", std::nullopt},
                      ImportProfileCase{"Text", DeviceModel::K61, "A", std::nullopt},
                      ImportProfileCase{"FiveOnSixtyOne", DeviceModel::K61, "5", std::nullopt},
                      ImportProfileCase{"FiveOnSixtyOneSE", DeviceModel::K61SE, "5", 5},
                      ImportProfileCase{"FiveOnEightySevenSingle", DeviceModel::K87SingleLight, "5",
                                        5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileTransferTest, AnItemWithBothValuesZeroReturnsTheKeyToDefault) {
    Store(1, 4, 607, 1, 0, L"Disable");
    const auto path = WriteFile("p.xml",
                                "<profile><profileinfo profile=\"1\"><keyitems><item profile=\"1\" "
                                "key_value=\"4\" macro_type=\"604\" macro_value=\"0\" "
                                "macro_2value=\"0\"/></keyitems></profileinfo></profile>");
    profiles_.ImportFile(path);
    EXPECT_TRUE(Stored(1).empty());
}

TEST_F(FileTransferTest, AWrongRootIsLoadedButStoresNothing) {
    session_.profile = 3;
    const ProfileImportResult result = profiles_.ImportFile(DataFile("malformed/wrong-root.xml"));
    EXPECT_TRUE(result.loaded);  // the model is still set up again
    EXPECT_FALSE(result.profile.has_value());
    EXPECT_EQ(session_.profile, 3);
    for (int p = 1; p <= 5; ++p) {
        EXPECT_TRUE(Stored(p).empty());
    }
}

TEST_F(FileTransferTest, MissingOrMalformedProfileFilesChangeNothing) {
    session_.profile = 3;
    for (const char* name : {"malformed/missing.xml", "malformed/non-utf8.xml",
                             "malformed/truncated-profile.xml", "malformed/two-roots.xml"}) {
        const ProfileImportResult result = profiles_.ImportFile(DataFile(name));
        EXPECT_FALSE(result.loaded) << name;
    }
    EXPECT_EQ(session_.profile, 3);
    EXPECT_TRUE(Stored(2).empty());
    EXPECT_EQ(ReadProfileSetting(DeviceModel::K61), 0);
    EXPECT_FALSE(profiles_.Import().loaded);  // chooser cancelled
}

TEST_F(FileTransferTest, ExportedLightMatchesTheGoldenFile) {
    const int id = store_.db.AddUserLight(L"Light <1>");
    KeyColour a{};
    a.profile = 1;
    a.light = id;
    a.key_code = 4;
    a.key_rgb = 255;
    KeyColour b = a;
    b.key_code = 41;
    b.key_rgb = 0xFFFF00;
    KeyColour unlit = a;
    unlit.key_code = 5;
    unlit.key_rgb = 0;  // keys without colour are not exported
    store_.db.SaveKeyColours({a, unlit, b});
    lighting_.LoadUserLights();
    lighting_.SelectUserLight(0);
    chooser_.folder = exports_.path();
    tick_ = 77;
    const auto path = lights_.Export();
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(path->filename(), "Light _1_-77.xml");
    EXPECT_EQ(ReadBytes(*path), ReadBytes(DataFile("files/light-1.xml")));
    EXPECT_EQ(chooser_.folderTitles, (std::vector<std::wstring>{L"User Lights"}));
}

TEST_F(FileTransferTest, ExportingALightNeedsASelection) {
    store_.db.AddUserLight(L"Light 1");
    lighting_.LoadUserLights();
    chooser_.folder = exports_.path();
    EXPECT_FALSE(lights_.Export().has_value());
    EXPECT_TRUE(chooser_.folderTitles.empty());
}

TEST_F(FileTransferTest, TheUserLightListRefusesFilesOnModelSevenInProfileFive) {
    session_.model = DeviceModel::K61SE;
    session_.profile = 5;
    store_.db.AddUserLight(L"Light 1");
    lighting_.LoadUserLights();
    lighting_.SelectUserLight(0);
    chooser_.folder = exports_.path();
    chooser_.file = DataFile("files/light-1.xml");
    EXPECT_FALSE(lights_.Export().has_value());
    EXPECT_FALSE(lights_.Import().has_value());
    EXPECT_EQ(view_.messages, (std::vector<int>{510, 510}));
    EXPECT_TRUE(chooser_.folderTitles.empty());
    EXPECT_TRUE(chooser_.fileFilters.empty());
    EXPECT_EQ(lighting_.UserLights().size(), 1u);
}

TEST_F(FileTransferTest, AHostileLightNameStaysInTheChosenFolder) {
    store_.db.AddUserLight(L"../../outside");
    lighting_.LoadUserLights();
    lighting_.SelectUserLight(0);
    chooser_.folder = exports_.path();
    const auto path = lights_.Export();
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(path->parent_path(), exports_.path());
    EXPECT_TRUE(std::filesystem::exists(*path));
}

TEST_F(FileTransferTest, ImportingALightTwiceCreatesTwoLayouts) {
    lighting_.LoadUserLights();  // creates "Light 1"
    chooser_.file = DataFile("files/light-1.xml");
    const auto first = lights_.Import();
    const auto second = lights_.Import();
    ASSERT_TRUE(first && second);
    EXPECT_NE(*first, *second);
    EXPECT_EQ(chooser_.fileFilters.front(), L"User Light(*.xml)|*.xml");
    std::vector<std::wstring> names;
    for (const auto& item : lighting_.UserLights()) {
        names.push_back(item.name);
        EXPECT_EQ(item.icon, "icon/icon_userlight.png");
    }
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Light 1", L"Light <1>", L"Light <1>"}));
    std::vector<KeyColour> colours;
    store_.db.LoadKeyColours(*second, colours);
    ASSERT_EQ(colours.size(), 2u);
    EXPECT_EQ(colours[0].key_code, 4);
    EXPECT_EQ(colours[0].key_rgb, 255);
    EXPECT_EQ(colours[0].profile, 1);
    EXPECT_EQ(colours[1].key_rgb, 0xFFFF00);
}

TEST_F(FileTransferTest, ALightFileWithoutLeditemsStillCreatesALayout) {
    const auto path = WriteFile("l.xml", "<profile><profileinfo name=\"Bare\"/></profile>");
    const auto id = lights_.ImportFile(path);
    ASSERT_TRUE(id.has_value());
    EXPECT_EQ(lighting_.UserLights().back().name, L"Bare");
    std::vector<KeyColour> colours;
    EXPECT_EQ(store_.db.LoadKeyColours(*id, colours), 0);
}

TEST_F(FileTransferTest, FilesThatAreNotLightFilesCreateNothing) {
    for (const char* name :
         {"malformed/missing.xml", "malformed/wrong-root.xml", "malformed/truncated-light.xml",
          "malformed/duplicate-attribute.xml"}) {
        EXPECT_FALSE(lights_.ImportFile(DataFile(name)).has_value()) << name;
    }
    const auto noInfo = WriteFile(
        "l.xml", "<profile><leditems><item key_value=\"4\" key_rgb=\"1\"/></leditems></profile>");
    EXPECT_FALSE(lights_.ImportFile(noInfo).has_value());
    std::vector<UserLight> stored;
    EXPECT_EQ(store_.db.LoadUserLights(stored), 0);
    EXPECT_FALSE(lights_.Import().has_value());  // chooser cancelled
}

}  // namespace
}  // namespace vekora
