#include "store/Autostart.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ScopedEnvironment.h"
#include "TempDir.h"

namespace vekora {
namespace {

namespace fs = std::filesystem;

TEST(Autostart, EntryIsWrittenFoundAndRemoved) {
    testing::ScopedEnvironment env;
    const fs::path entry = env.ConfigHome() / "autostart" / "vekora-control-hub.desktop";
    EXPECT_EQ(AutostartEntryFile(), entry);
    EXPECT_FALSE(IsAutostartEnabled());

    ASSERT_TRUE(EnableAutostart("/opt/vekora/VekoraDriver"));
    EXPECT_TRUE(IsAutostartEnabled());
    EXPECT_EQ(testing::ReadFileBytes(entry),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=Vekora Control Hub\n"
              "Comment=Configuration utility for Vekora keyboards\n"
              "Exec=\"/opt/vekora/VekoraDriver\"\n"
              "Icon=vekora-control-hub\n"
              "Terminal=false\n"
              "X-GNOME-Autostart-enabled=true\n");

    EXPECT_TRUE(DisableAutostart());
    EXPECT_FALSE(IsAutostartEnabled());
    EXPECT_FALSE(fs::exists(entry));
    EXPECT_TRUE(DisableAutostart());  // nothing left to remove is fine
}

TEST(Autostart, DefaultProgramIsBesideTheRunningProgram) {
    testing::ScopedEnvironment env;
    ASSERT_TRUE(EnableAutostart());
    const fs::path self = fs::canonical(::testing::internal::GetArgvs()[0]);
    const std::string text = testing::ReadFileBytes(AutostartEntryFile());
    EXPECT_NE(text.find("Exec=\"" + (self.parent_path() / "VekoraDriver").string() + "\"\n"),
              std::string::npos)
        << text;
}

struct ExecCase {
    const char* name;
    const char* program;
    const char* exec;  // the Exec line as it must appear in the file
};

class AutostartExec : public ::testing::TestWithParam<ExecCase> {};

TEST_P(AutostartExec, QuotesThePath) {
    testing::ScopedEnvironment env;
    ASSERT_TRUE(EnableAutostart(GetParam().program));
    const std::string text = testing::ReadFileBytes(AutostartEntryFile());
    EXPECT_NE(text.find(std::string("\nExec=") + GetParam().exec + "\n"), std::string::npos)
        << text;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, AutostartExec,
    ::testing::Values(
        ExecCase{"Space", "/opt/Vekora Hub/VekoraDriver", R"("/opt/Vekora Hub/VekoraDriver")"},
        ExecCase{"Dollar", "/opt/a$b/VekoraDriver", R"("/opt/a\\$b/VekoraDriver")"},
        ExecCase{"Quote", "/opt/a\"b/VekoraDriver", R"("/opt/a\\"b/VekoraDriver")"},
        ExecCase{"Backslash", "/opt/a\\b/VekoraDriver", R"("/opt/a\\\\b/VekoraDriver")"},
        ExecCase{"Percent", "/opt/100%/VekoraDriver", R"("/opt/100%%/VekoraDriver")"},
        ExecCase{"Chinese", "/opt/键盘/VekoraDriver", R"("/opt/键盘/VekoraDriver")"}),
    [](const ::testing::TestParamInfo<ExecCase>& info) { return std::string(info.param.name); });

TEST(Autostart, PathsThatCannotBeWrittenAreRefused) {
    testing::ScopedEnvironment env;
    EXPECT_FALSE(EnableAutostart("relative/VekoraDriver"));
    EXPECT_FALSE(EnableAutostart("/opt/line\nbreak/VekoraDriver"));
    EXPECT_FALSE(IsAutostartEnabled());
}

}  // namespace
}  // namespace vekora
