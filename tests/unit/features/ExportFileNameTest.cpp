#include "features/files/ExportFileName.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>

namespace vekora {
namespace {

struct SafeNameCase {
    const char* name;
    std::wstring input;
    std::wstring safe;
    friend void PrintTo(const SafeNameCase& c, std::ostream* os) { *os << c.name; }
};

class SafeFileNamePartTest : public ::testing::TestWithParam<SafeNameCase> {};

TEST_P(SafeFileNamePartTest, StaysInsideTheFolder) {
    EXPECT_EQ(SafeFileNamePart(GetParam().input), GetParam().safe);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SafeFileNamePartTest,
    ::testing::Values(
        SafeNameCase{"Plain", L"Profile A", L"Profile A"},
        SafeNameCase{"Chinese", L"模式 A", L"模式 A"},
        SafeNameCase{"Slash", L"../../etc/passwd", L"_._.._etc_passwd"},
        SafeNameCase{"LeadingDot", L".hidden", L"_hidden"}, SafeNameCase{"DotDot", L"..", L"_."},
        SafeNameCase{"Nul", std::wstring(L"a\0b", 3), L"a_b"},
        SafeNameCase{"Newline", L"a\nb", L"a_b"},
        SafeNameCase{"WindowsForbidden", L"a\\b:c*d?e\"f<g>h|i", L"a_b_c_d_e_f_g_h_i"},
        SafeNameCase{"Empty", L"", L"_"},
        SafeNameCase{"LongIsCut", std::wstring(300, L'x'), std::wstring(200, L'x')},
        SafeNameCase{"LongWideIsCutWhole", std::wstring(100, L'灯'), std::wstring(66, L'灯')}),
    [](const auto& info) { return std::string(info.param.name); });

class ExportFilePathTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("vekora-export-name-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::filesystem::path folder_;
};

TEST_F(ExportFilePathTest, NameDashTickDotXml) {
    EXPECT_EQ(ExportFilePath(folder_, L"Profile A", 123), folder_ / "Profile A-123.xml");
}

TEST_F(ExportFilePathTest, AnExistingFileIsNeverOverwritten) {
    std::ofstream(folder_ / "Light 1-77.xml") << "x";
    std::ofstream(folder_ / "Light 1-78.xml") << "x";
    EXPECT_EQ(ExportFilePath(folder_, L"Light 1", 77), folder_ / "Light 1-79.xml");
}

TEST_F(ExportFilePathTest, AHostileNameStaysInTheFolder) {
    const auto path = ExportFilePath(folder_, L"../escape", 5);
    EXPECT_EQ(path.parent_path(), folder_);
    EXPECT_EQ(path.filename(), "_._escape-5.xml");
}

}  // namespace
}  // namespace vekora
