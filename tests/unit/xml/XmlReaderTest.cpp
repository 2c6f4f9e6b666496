#include "xml/XmlReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vekora::xml {
namespace {

constexpr std::string_view kDoc =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<profile>\r\n"
    "<other/>\r\n"
    "<profileinfo name=\"Profile &amp; B\" profile=\"2\">\r\n"
    "<keyitems>\r\n"
    "<item key_value=\"4\"/>\r\n"
    "<skip key_value=\"99\"/>\r\n"
    "<item key_value=\"5\" macro_desc=\"\xE7\x81\xAF\"/>\r\n"
    "</keyitems>\r\n"
    "</profileinfo>\r\n"
    "<leditems/>\r\n"
    "</profile>\r\n";

TEST(XmlReaderTest, WalksLevelsAndFindsElementsByName) {
    XmlReader r;
    ASSERT_EQ(r.LoadBuffer(kDoc), XmlLoadStatus::Ok);
    ASSERT_TRUE(r.FindElement(L"profile"));
    ASSERT_TRUE(r.StepIn());
    ASSERT_TRUE(r.FindElement(L"profileinfo"));
    EXPECT_EQ(r.Attribute(L"name"), L"Profile & B");
    EXPECT_EQ(r.Attribute(L"profile"), L"2");
    EXPECT_EQ(r.Attribute(L"absent"), L"");
    EXPECT_FALSE(r.HasAttribute(L"absent"));
    ASSERT_TRUE(r.StepIn());
    ASSERT_TRUE(r.FindElement(L"keyitems"));
    ASSERT_TRUE(r.StepIn());
    std::vector<std::wstring> keys;
    while (r.FindElement(L"item")) {
        keys.push_back(r.Attribute(L"key_value"));
    }
    EXPECT_EQ(keys, (std::vector<std::wstring>{L"4", L"5"}));
    EXPECT_EQ(r.Attribute(L"macro_desc"), L"灯");  // cursor stays on the last match
    ASSERT_TRUE(r.StepOut());
    EXPECT_EQ(r.ElementName(), L"keyitems");
    ASSERT_TRUE(r.StepOut());
    EXPECT_EQ(r.ElementName(), L"profileinfo");
    // leditems lies after profileinfo at this level, so it is still found from here.
    EXPECT_TRUE(r.FindElement(L"leditems"));
    // other lies before the cursor and is not found any more.
    EXPECT_FALSE(r.FindElement(L"other"));
    EXPECT_EQ(r.ElementName(), L"leditems");
    ASSERT_TRUE(r.StepOut());
    EXPECT_FALSE(r.StepOut());
}

TEST(XmlReaderTest, ResolvesReferencesAndNormalisesWhitespace) {
    XmlReader r;
    ASSERT_EQ(r.LoadBuffer("<a x=\"&#x706F;&#00000000000000028783;&apos;&lt;&gt;&quot;&amp;amp;\" "
                           "y=\"a\tb&#9;c&#10;\"/>"),
              XmlLoadStatus::Ok);
    ASSERT_TRUE(r.FindElement(L"a"));
    EXPECT_EQ(r.Attribute(L"x"), L"灯灯'<>\"&amp;");
    EXPECT_EQ(r.Attribute(L"y"), L"a b\tc\n");
}

TEST(XmlReaderTest, StepInNeedsACurrentElement) {
    XmlReader r;
    ASSERT_EQ(r.LoadBuffer("<a><b/></a>"), XmlLoadStatus::Ok);
    EXPECT_FALSE(r.StepIn());
    EXPECT_EQ(r.Attribute(L"x"), L"");
    ASSERT_TRUE(r.FindElement(L"a"));
    EXPECT_TRUE(r.StepIn());
    EXPECT_FALSE(r.StepIn());
}

TEST(XmlReaderTest, NothingIsReadableBeforeALoad) {
    XmlReader r;
    EXPECT_FALSE(r.IsLoaded());
    EXPECT_FALSE(r.FindElement(L"profile"));
    EXPECT_FALSE(r.StepIn());
    EXPECT_FALSE(r.StepOut());
}

TEST(XmlReaderTest, ReadsUtf16WithByteOrderMark) {
    const std::u16string text = u"\uFEFF<profile name=\"\u706F\"/>";
    std::string bytes;
    for (char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    XmlReader r;
    ASSERT_EQ(r.LoadBuffer(bytes), XmlLoadStatus::Ok);
    ASSERT_TRUE(r.FindElement(L"profile"));
    EXPECT_EQ(r.Attribute(L"name"), L"灯");
}

struct LoadCase {
    const char* name;
    std::string bytes;
    XmlLoadStatus status;

    friend void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }
};

class XmlReaderLoadTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(XmlReaderLoadTest, JudgesWellFormedness) {
    XmlReader r;
    EXPECT_EQ(r.LoadBuffer(GetParam().bytes), GetParam().status);
    EXPECT_EQ(r.IsLoaded(), GetParam().status == XmlLoadStatus::Ok);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, XmlReaderLoadTest,
    ::testing::Values(
        LoadCase{"SingleRoot", "<a/>", XmlLoadStatus::Ok},
        LoadCase{"CommentsAroundRoot", "<!-- x --><a/><!-- y -->\r\n", XmlLoadStatus::Ok},
        LoadCase{"Utf8ByteOrderMark", "\xEF\xBB\xBF<a/>", XmlLoadStatus::Ok},
        LoadCase{"Empty", "", XmlLoadStatus::NotWellFormed},
        LoadCase{"DeclarationOnly", "<?xml version=\"1.0\"?>", XmlLoadStatus::NotWellFormed},
        LoadCase{"Truncated", "<profile><profileinfo name=\"A\"", XmlLoadStatus::NotWellFormed},
        LoadCase{"UnclosedRoot", "<a><b/>", XmlLoadStatus::NotWellFormed},
        LoadCase{"TwoRoots", "<a/><b/>", XmlLoadStatus::NotWellFormed},
        LoadCase{"TextAfterRoot", "<a/>text", XmlLoadStatus::NotWellFormed},
        LoadCase{"DuplicateAttribute", "<a><b x=\"1\" x=\"2\"/></a>", XmlLoadStatus::NotWellFormed},
        LoadCase{"InvalidUtf8", "<a x=\"caf\xE9\"/>", XmlLoadStatus::NotWellFormed},
        LoadCase{"ControlCharacter", std::string("<a x=\"\x01\"/>"), XmlLoadStatus::NotWellFormed},
        LoadCase{"NulByte", std::string("<a x=\"\0\"/>", 9), XmlLoadStatus::NotWellFormed},
        LoadCase{"MismatchedTags", "<a></b>", XmlLoadStatus::NotWellFormed},
        LoadCase{"UndefinedEntity", "<a x=\"&bogus;\"/>", XmlLoadStatus::NotWellFormed},
        LoadCase{"BareAmpersand", "<a x=\"a & b\"/>", XmlLoadStatus::NotWellFormed},
        LoadCase{"ReferenceToControl", "<a x=\"&#1;\"/>", XmlLoadStatus::NotWellFormed},
        LoadCase{"ReferenceToNul", "<a x=\"&#x0;\"/>", XmlLoadStatus::NotWellFormed},
        LoadCase{"ReferenceBeyondUnicode", "<a x=\"&#x110000;\"/>", XmlLoadStatus::NotWellFormed},
        LoadCase{"MalformedHexReference", "<a x=\"&#xZZ;\"/>", XmlLoadStatus::NotWellFormed},
        LoadCase{"UndefinedEntityInText", "<a>&nbsp;</a>", XmlLoadStatus::NotWellFormed},
        LoadCase{"LessThanInAttribute", "<a x=\"<\"/>", XmlLoadStatus::NotWellFormed},
        LoadCase{"AmpersandFlood", "<a x=\"" + std::string(1 << 20, '&') + "\"/>",
                 XmlLoadStatus::NotWellFormed},
        LoadCase{"AmpersandInComment", "<a><!-- a & b --></a>", XmlLoadStatus::Ok},
        LoadCase{"TooLarge", "<a x=\"" + std::string(kMaxXmlFileSize, 'x') + "\"/>",
                 XmlLoadStatus::TooLarge}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(XmlReaderTest, LoadFileReportsMissingFilesAndFolders) {
    XmlReader r;
    EXPECT_EQ(r.LoadFile("/nonexistent-vekora/profile.xml"), XmlLoadStatus::Missing);
    EXPECT_EQ(r.LoadFile(std::filesystem::temp_directory_path()), XmlLoadStatus::Missing);
}

TEST(XmlReaderTest, AFailedLoadForgetsTheEarlierDocument) {
    XmlReader r;
    ASSERT_EQ(r.LoadBuffer("<a/>"), XmlLoadStatus::Ok);
    ASSERT_EQ(r.LoadBuffer("<a>"), XmlLoadStatus::NotWellFormed);
    EXPECT_FALSE(r.FindElement(L"a"));
}

TEST(XmlReaderTest, LoadFileReadsAWrittenFile) {
    const auto path = std::filesystem::temp_directory_path() / "vekora-xmlreader-load.xml";
    {
        std::ofstream out(path, std::ios::binary);
        out << kDoc;
    }
    XmlReader r;
    ASSERT_EQ(r.LoadFile(path), XmlLoadStatus::Ok);
    EXPECT_TRUE(r.FindElement(L"profile"));
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace vekora::xml
