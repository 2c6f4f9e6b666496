#include "store/Settings.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "ScopedEnvironment.h"
#include "TempDir.h"

namespace vekora {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

class Settings : public ::testing::Test {
protected:
    void CreateFolder() { fs::create_directories(env.SettingsFolder()); }
    testing::ScopedEnvironment env;
};

TEST_F(Settings, WithoutFolderNothingIsReadOrWrittenOrCreated) {
    EXPECT_EQ(ReadSettingInt("DevType"), 0);
    EXPECT_FALSE(WriteSettingInt("DevType", 5));
    EXPECT_FALSE(fs::exists(env.SettingsFolder()));
}

TEST_F(Settings, ReadLanguageCreatesTheMissingFolder) {
    EXPECT_EQ(ReadLanguage(), 0);
    EXPECT_TRUE(fs::is_directory(env.SettingsFolder()));
    EXPECT_FALSE(fs::exists(env.SettingsFile()));
    EXPECT_EQ(ReadLanguage(), 0);  // the folder exists now, but holds no language yet
}

TEST_F(Settings, ReadLanguageOnAnUnusableFolderGivesChinese) {
    fs::create_directories(env.ConfigHome());
    WriteFileBytes(env.SettingsFolder(), "not a folder");
    EXPECT_EQ(ReadLanguage(), 2052);
}

TEST_F(Settings, ValuesRoundTripAndKeepEachOther) {
    CreateFolder();
    EXPECT_TRUE(WriteSettingInt("LCID", 2052));
    EXPECT_TRUE(WriteSettingInt("DevType", 9));
    EXPECT_TRUE(WriteSettingInt("LCID", 1033));
    EXPECT_TRUE(WriteSettingInt("Vekora61", -3));
    EXPECT_EQ(ReadSettingInt("LCID"), 1033);
    EXPECT_EQ(ReadSettingInt("DevType"), 9);
    EXPECT_EQ(ReadSettingInt("Vekora61"), -3);
    EXPECT_EQ(ReadSettingInt("Missing"), 0);
    EXPECT_EQ(ReadFileBytes(env.SettingsFile()), "LCID=1033\nDevType=9\nVekora61=-3\n");
    EXPECT_EQ(fs::status(env.SettingsFile()).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(Settings, MalformedLinesAreReadLenientlyAndKeptOnWrite) {
    CreateFolder();
    const std::string original =
        "# written by hand\r\n"
        "garbage line\n"
        " lcid = 2052 \n"
        "DevType=abc\n"
        "=5\n"
        "Vekora61=3x\n"
        "Vekora61=4\n"
        "Vekora68\n";
    WriteFileBytes(env.SettingsFile(), original);
    EXPECT_EQ(ReadSettingInt("LCID"), 2052);  // names ignore case and surrounding blanks
    EXPECT_EQ(ReadSettingInt("DevType"), 0);
    EXPECT_EQ(ReadSettingInt("Vekora61"), 3);  // the first of duplicates counts
    EXPECT_EQ(ReadSettingInt("Vekora68"), 0);

    ASSERT_TRUE(WriteSettingInt("Vekora61", 2));
    EXPECT_EQ(ReadFileBytes(env.SettingsFile()),
              "# written by hand\n"
              "garbage line\n"
              " lcid = 2052 \n"
              "DevType=abc\n"
              "=5\n"
              "Vekora61=2\n"
              "Vekora68\n");
}

TEST_F(Settings, NamesThatCannotBeStoredAreRefused) {
    CreateFolder();
    for (const char* name : {"", "A=B", "Line\nBreak", " Padded"})
        EXPECT_FALSE(WriteSettingInt(name, 1)) << name;
    EXPECT_FALSE(fs::exists(env.SettingsFile()));
}

TEST_F(Settings, UnreadableFileIsNotReplaced) {
    CreateFolder();
    fs::create_directory(env.SettingsFile());  // a folder where the file should be
    EXPECT_FALSE(WriteSettingInt("LCID", 1033));
    EXPECT_TRUE(fs::is_directory(env.SettingsFile()));
}

// The write of the new file fails halfway (the file size limit stops it): the old file must
// survive complete, and no temporary file may stay behind.
TEST_F(Settings, InterruptedWriteLeavesTheOldFile) {
    CreateFolder();
    ASSERT_TRUE(WriteSettingInt("LCID", 2052));
    ASSERT_TRUE(WriteSettingInt("Vekora61kColorMode", 3));
    const std::string before = ReadFileBytes(env.SettingsFile());

    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16, 16};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(WriteSettingInt("Vekora98RGBLightLongerName", 1234567) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the write reported success";

    EXPECT_EQ(ReadFileBytes(env.SettingsFile()), before);
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(env.SettingsFolder()))
        ++entries;
    EXPECT_EQ(entries, 1);
    EXPECT_EQ(ReadSettingInt("Vekora61kColorMode"), 3);
}

struct LocaleCase {
    const char* name;
    const char* locale;
    int language;
};

class LocaleLanguage : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleLanguage, Maps) {
    EXPECT_EQ(UiLanguageFromLocale(GetParam().locale), GetParam().language);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LocaleLanguage,
    ::testing::Values(
        LocaleCase{"ChinaUtf8", "zh_CN.UTF-8", 2052}, LocaleCase{"Singapore", "zh_SG", 2052},
        LocaleCase{"GbkModifier", "zh_CN.GBK@stroke", 2052}, LocaleCase{"Hans", "zh_Hans", 2052},
        LocaleCase{"HansBcp47", "zh-Hans-CN", 2052}, LocaleCase{"BareZh", "zh", 2052},
        LocaleCase{"Taiwan", "zh_TW.UTF-8", 1033}, LocaleCase{"HongKong", "zh_HK", 1033},
        LocaleCase{"Hant", "zh_Hant", 1033}, LocaleCase{"German", "de_DE.UTF-8", 1033},
        LocaleCase{"Japanese", "ja_JP.UTF-8", 1033}, LocaleCase{"C", "C", 1033},
        LocaleCase{"Posix", "POSIX", 1033}, LocaleCase{"Empty", "", 1033}),
    [](const ::testing::TestParamInfo<LocaleCase>& info) { return std::string(info.param.name); });

struct StartupCase {
    const char* name;
    std::optional<std::string> lcAll;
    std::optional<std::string> lcMessages;
    std::optional<std::string> lang;
    int language;
};

class StartupLanguageFirstRun : public ::testing::TestWithParam<StartupCase> {};

TEST_P(StartupLanguageFirstRun, StoresTheUsersLanguage) {
    testing::ScopedEnvironment env;
    const StartupCase& c = GetParam();
    env.Set("LC_ALL", c.lcAll);
    env.Set("LC_MESSAGES", c.lcMessages);
    env.Set("LANG", c.lang);
    EXPECT_EQ(StartupLanguage(), c.language);
    EXPECT_EQ(ReadFileBytes(env.SettingsFile()), "LCID=" + std::to_string(c.language) + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Environment, StartupLanguageFirstRun,
    ::testing::Values(StartupCase{"German", std::nullopt, std::nullopt, "de_DE.UTF-8", 1033},
                      StartupCase{"Chinese", std::nullopt, std::nullopt, "zh_CN.UTF-8", 2052},
                      StartupCase{"LcAllWins", "zh_CN.UTF-8", "en_US.UTF-8", "en_US.UTF-8", 2052},
                      StartupCase{"MessagesBeforeLang", std::nullopt, "zh_SG", "en_GB.UTF-8", 2052},
                      StartupCase{"EmptyIsSkipped", "", "", "zh_CN.UTF-8", 2052},
                      StartupCase{"NothingSet", std::nullopt, std::nullopt, std::nullopt, 1033}),
    [](const ::testing::TestParamInfo<StartupCase>& info) { return std::string(info.param.name); });

TEST_F(Settings, StoredLanguageIsKeptEvenWhenUnknown) {
    CreateFolder();
    WriteFileBytes(env.SettingsFile(), "LCID=1041\n");
    env.Set("LANG", std::string("zh_CN.UTF-8"));
    EXPECT_EQ(StartupLanguage(), 1041);
    EXPECT_EQ(ReadFileBytes(env.SettingsFile()), "LCID=1041\n");
}

struct ProfileCase {
    const char* name;
    const char* stored;  // nullptr: no value
    int profile;
    const char* after;
};

class ModelProfile : public ::testing::TestWithParam<ProfileCase> {};

TEST_P(ModelProfile, OutOfRangeBecomesOneAndIsWrittenBack) {
    testing::ScopedEnvironment env;
    fs::create_directories(env.SettingsFolder());
    const ProfileCase& c = GetParam();
    if (c.stored != nullptr)
        WriteFileBytes(env.SettingsFile(), std::string("Vekora68=") + c.stored + "\n");
    EXPECT_EQ(LoadModelProfile(DeviceModel::K68), c.profile);
    EXPECT_EQ(ReadFileBytes(env.SettingsFile()), std::string("Vekora68=") + c.after + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Values, ModelProfile,
    ::testing::Values(ProfileCase{"Missing", nullptr, 1, "1"}, ProfileCase{"Zero", "0", 1, "1"},
                      ProfileCase{"Negative", "-3", 1, "1"}, ProfileCase{"Three", "3", 3, "3"},
                      ProfileCase{"Five", "5", 5, "5"}, ProfileCase{"Six", "6", 1, "1"},
                      ProfileCase{"Junk", "x", 1, "1"}),
    [](const ::testing::TestParamInfo<ProfileCase>& info) { return std::string(info.param.name); });

TEST_F(Settings, PerModelValuesUseTheModelsNames) {
    CreateFolder();
    EXPECT_TRUE(WriteProfileSetting(DeviceModel::K61SE, 4));
    EXPECT_EQ(ReadProfileSetting(DeviceModel::K61SingleLight), 4);  // one body, one value
    EXPECT_TRUE(WriteColourSetting(DeviceModel::K64, 2));
    EXPECT_EQ(ReadColourSetting(DeviceModel::K64), 2);
    // A model without a profile value reads 0 and writes nothing.
    EXPECT_FALSE(WriteProfileSetting(DeviceModel::K64, 3));
    EXPECT_EQ(ReadProfileSetting(DeviceModel::K64), 0);
    EXPECT_EQ(LoadModelProfile(DeviceModel::K64), 1);
    EXPECT_EQ(ReadFileBytes(env.SettingsFile()), "Vekora61SingleLight=4\nVekora64kColorMode=2\n");
}

TEST_F(Settings, LastModelDefaultsToTheFirstModel) {
    CreateFolder();
    EXPECT_EQ(ReadLastModel(), DeviceModel::K61);
    EXPECT_TRUE(WriteLastModel(DeviceModel::K98Rgb));
    EXPECT_EQ(ReadLastModel(), DeviceModel::K98Rgb);
    EXPECT_EQ(ReadSettingInt("DevType"), 10);
    WriteFileBytes(env.SettingsFile(), "DevType=42\n");
    EXPECT_EQ(ReadLastModel(), DeviceModel::K61);
}

}  // namespace
}  // namespace vekora
