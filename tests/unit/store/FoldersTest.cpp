#include "store/Folders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>

#include "ScopedEnvironment.h"
#include "TempDir.h"
#include "store/ConfigDatabase.h"

namespace vekora {
namespace {

namespace fs = std::filesystem;

struct BaseCase {
    const char* name;
    std::optional<std::string> xdgData;
    std::optional<std::string> xdgConfig;
    const char* data;    // expected, relative to HOME when it starts with '~'
    const char* config;  // the same for the settings folder
};

class XdgFolders : public ::testing::TestWithParam<BaseCase> {};

fs::path Expand(const char* expected, const fs::path& home) {
    const std::string text = expected;
    return text[0] == '~' ? fs::path(home.string() + text.substr(1)) : fs::path(text);
}

TEST_P(XdgFolders, FollowTheBaseDirectories) {
    testing::ScopedEnvironment env;
    const BaseCase& c = GetParam();
    env.Set("XDG_DATA_HOME", c.xdgData);
    env.Set("XDG_CONFIG_HOME", c.xdgConfig);
    const fs::path home = env.root() / "home";
    EXPECT_EQ(DataFolder(), Expand(c.data, home));
    EXPECT_EQ(DatabaseFolder(), Expand(c.data, home) / "db");
    EXPECT_EQ(SettingsFolder(), Expand(c.config, home));
    EXPECT_EQ(SettingsFile(), Expand(c.config, home) / "settings.ini");
}

INSTANTIATE_TEST_SUITE_P(
    Environment, XdgFolders,
    ::testing::Values(
        BaseCase{"Set", "/x/data", "/x/conf", "/x/data/Vekora Files", "/x/conf/Vekora Control Hub"},
        BaseCase{"Unset", std::nullopt, std::nullopt, "~/.local/share/Vekora Files",
                 "~/.config/Vekora Control Hub"},
        BaseCase{"Empty", "", "", "~/.local/share/Vekora Files", "~/.config/Vekora Control Hub"},
        // Relative values are invalid by the XDG rules and must be ignored.
        BaseCase{"Relative", "rel/data", "rel/conf", "~/.local/share/Vekora Files",
                 "~/.config/Vekora Control Hub"}),
    [](const ::testing::TestParamInfo<BaseCase>& info) { return std::string(info.param.name); });

TEST(ProgramFolders, ComeFromTheRunningProgram) {
    const fs::path self = fs::canonical(::testing::internal::GetArgvs()[0]);
    EXPECT_EQ(ProgramFolder(), self.parent_path());
    EXPECT_EQ(ProgramFile(), self.parent_path() / "VekoraDriver");
    EXPECT_EQ(SkinFolder("theme1"), self.parent_path() / "skins" / "theme1");
}

TEST(CreateFolderPath, CreatesEveryMissingParentPrivately) {
    testing::TempDir dir;
    const fs::path target = dir.path() / "a" / "b c" / "d";
    ASSERT_TRUE(CreateFolderPath(target));
    for (const fs::path& p : {dir.path() / "a", dir.path() / "a" / "b c", target}) {
        struct stat st {};
        ASSERT_EQ(::stat(p.c_str(), &st), 0) << p;
        EXPECT_TRUE(S_ISDIR(st.st_mode)) << p;
        EXPECT_EQ(st.st_mode & 0777, 0700u) << p;
    }
    EXPECT_TRUE(CreateFolderPath(target));
}

TEST(CreateFolderPath, RefusesWhatCannotBecomeAFolder) {
    testing::TempDir dir;
    testing::WriteFileBytes(dir.path() / "file", "x");
    EXPECT_FALSE(CreateFolderPath(dir.path() / "file"));
    EXPECT_FALSE(CreateFolderPath(dir.path() / "file" / "below"));
    EXPECT_FALSE(CreateFolderPath(fs::path{}));
    EXPECT_TRUE(fs::is_regular_file(dir.path() / "file"));
}

TEST(ConfigDatabaseForModel, OpensTheModelsFileInTheUsersDataFolder) {
    testing::ScopedEnvironment env;
    ConfigDatabase db;
    ASSERT_TRUE(db.OpenForModel(DeviceModel::K61SE));
    const fs::path db_folder = env.DataHome() / "Vekora Files" / "db";
    EXPECT_EQ(db.path(), (db_folder / "vekora61k_singlelight_datav1.db").string());
    EXPECT_TRUE(fs::exists(db_folder / "data_bak.db"));
    struct stat st {};
    ASSERT_EQ(::stat((env.DataHome() / "Vekora Files").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST(ConfigDatabaseForModel, ModelWithoutDatabaseCreatesNothing) {
    testing::ScopedEnvironment env;
    ConfigDatabase db;
    EXPECT_FALSE(db.OpenForModel(DeviceModel::K64));
    EXPECT_FALSE(fs::exists(env.DataHome()));
}

}  // namespace
}  // namespace vekora
