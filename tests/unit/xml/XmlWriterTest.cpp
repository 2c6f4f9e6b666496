#include "xml/XmlWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "xml/XmlReader.h"

namespace vekora::xml {
namespace {

TEST(XmlWriterTest, WritesOneElementPerLineWithCrLfAndNoIndentation) {
    XmlWriter w;
    ASSERT_TRUE(w.AddElement(L"profile"));
    ASSERT_TRUE(w.StepIn());
    ASSERT_TRUE(w.AddElement(L"profileinfo"));
    ASSERT_TRUE(w.SetAttribute(L"name", L"Profile A"));
    ASSERT_TRUE(w.SetAttribute(L"profile", 1));
    ASSERT_TRUE(w.StepIn());
    ASSERT_TRUE(w.AddElement(L"keyitems"));
    ASSERT_TRUE(w.StepIn());
    ASSERT_TRUE(w.AddElement(L"item"));
    ASSERT_TRUE(w.SetAttribute(L"key_value", 4));
    ASSERT_TRUE(w.AddElement(L"item"));
    ASSERT_TRUE(w.SetAttribute(L"key_value", -7));
    ASSERT_TRUE(w.StepOut());
    ASSERT_TRUE(w.StepOut());
    ASSERT_TRUE(w.AddElement(L"leditems"));
    EXPECT_FALSE(w.HasError());
    EXPECT_EQ(w.ToString(),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
              "<profile>\r\n"
              "<profileinfo name=\"Profile A\" profile=\"1\">\r\n"
              "<keyitems>\r\n"
              "<item key_value=\"4\"/>\r\n"
              "<item key_value=\"-7\"/>\r\n"
              "</keyitems>\r\n"
              "</profileinfo>\r\n"
              "<leditems/>\r\n"
              "</profile>\r\n");
}

TEST(XmlWriterTest, SettingAnAttributeTwiceReplacesIt) {
    XmlWriter w;
    w.AddElement(L"a");
    w.SetAttribute(L"x", 1);
    w.SetAttribute(L"x", 2);
    EXPECT_EQ(w.ToString(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<a x=\"2\"/>\r\n");
}

struct EscapeCase {
    const char* name;
    std::wstring text;
    std::string escaped;

    friend void PrintTo(const EscapeCase& c, std::ostream* os) { *os << c.name; }
};

class XmlEscapeTest : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(XmlEscapeTest, EscapesAndSurvivesAReadBack) {
    EXPECT_EQ(EscapeAttribute(GetParam().text), GetParam().escaped);

    XmlWriter w;
    w.AddElement(L"a");
    w.SetAttribute(L"v", GetParam().text);
    XmlReader r;
    ASSERT_EQ(r.LoadBuffer(w.ToString()), XmlLoadStatus::Ok);
    ASSERT_TRUE(r.FindElement(L"a"));
    std::wstring expected;
    for (wchar_t c : GetParam().text) {
        const bool forbidden = (c < 0x20 && c != L'\t' && c != L'\n' && c != L'\r') ||
                               c == 0xFFFE || c == 0xFFFF || (c >= 0xD800 && c <= 0xDFFF);
        expected.push_back(forbidden ? L'\uFFFD' : c);
    }
    EXPECT_EQ(r.Attribute(L"v"), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, XmlEscapeTest,
    ::testing::Values(EscapeCase{"Plain", L"Profile A", "Profile A"},
                      EscapeCase{"Markup", L"<a & \"b\">", "&lt;a &amp; &quot;b&quot;&gt;"},
                      EscapeCase{"Apostrophe", L"it's", "it's"},
                      EscapeCase{"Whitespace", L"a\tb\nc\rd", "a&#9;b&#10;c&#13;d"},
                      EscapeCase{"Control", std::wstring(L"x\x01y"), "x\xEF\xBF\xBDy"},
                      EscapeCase{"NonCharacter", L"x\uFFFEy", "x\xEF\xBF\xBDy"},
                      EscapeCase{"Chinese", L"灯效 1", "\xE7\x81\xAF\xE6\x95\x88 1"},
                      EscapeCase{"Entity", L"&amp;", "&amp;amp;"}),
    [](const auto& info) { return std::string(info.param.name); });

struct MisuseCase {
    const char* name;
    void (*build)(XmlWriter&);

    friend void PrintTo(const MisuseCase& c, std::ostream* os) { *os << c.name; }
};

class XmlWriterMisuseTest : public ::testing::TestWithParam<MisuseCase> {};

TEST_P(XmlWriterMisuseTest, SetsTheErrorFlagAndRefusesToSave) {
    XmlWriter w;
    GetParam().build(w);
    EXPECT_TRUE(w.HasError());
    const auto path = std::filesystem::temp_directory_path() / "vekora-xmlwriter-misuse.xml";
    std::filesystem::remove(path);
    EXPECT_FALSE(w.Save(path));
    EXPECT_FALSE(std::filesystem::exists(path));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, XmlWriterMisuseTest,
    ::testing::Values(
        MisuseCase{"SecondRoot",
                   [](XmlWriter& w) {
                       w.AddElement(L"a");
                       w.AddElement(L"b");
                   }},
        MisuseCase{"InvalidElementName", [](XmlWriter& w) { w.AddElement(L"a b"); }},
        MisuseCase{"NameStartingWithDigit", [](XmlWriter& w) { w.AddElement(L"1a"); }},
        MisuseCase{"AttributeBeforeElement", [](XmlWriter& w) { w.SetAttribute(L"x", 1); }},
        MisuseCase{"InvalidAttributeName",
                   [](XmlWriter& w) {
                       w.AddElement(L"a");
                       w.SetAttribute(L"x=", 1);
                   }},
        MisuseCase{"StepInWithoutElement", [](XmlWriter& w) { w.StepIn(); }},
        MisuseCase{"StepOutAtTop",
                   [](XmlWriter& w) {
                       w.AddElement(L"a");
                       w.StepOut();
                   }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(XmlWriterTest, SaveWritesTheExactBytes) {
    XmlWriter w;
    w.AddElement(L"profile");
    w.SetAttribute(L"name", L"模式 A");
    const auto path = std::filesystem::temp_directory_path() / "vekora-xmlwriter-save.xml";
    ASSERT_TRUE(w.Save(path));
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, w.ToString());
    std::filesystem::remove(path);
}

TEST(XmlWriterTest, SaveIntoAMissingFolderFails) {
    XmlWriter w;
    w.AddElement(L"profile");
    EXPECT_FALSE(w.Save("/nonexistent-vekora-folder/x.xml"));
}

}  // namespace
}  // namespace vekora::xml
