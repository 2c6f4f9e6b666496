// The profile and light file formats: byte-exact documents against the files under
// tests/data/files, and the parsing rules of the importers.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "features/files/LightFile.h"
#include "features/files/ProfileFile.h"

namespace vekora {
namespace {

std::string ReadData(const std::string& name) {
    std::ifstream in(std::string(VEKORA_TEST_DATA_DIR) + "/files/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

KeyAssignment Assignment(int profile, int key, int type, int value, int value2, std::wstring desc) {
    KeyAssignment a{};
    a.key_id = 99;  // row identities are not written
    a.profile = profile;
    a.key_code = key;
    a.macro_type = type;
    a.macro_value = value;
    a.macro_value2 = value2;
    a.macro_desc = std::move(desc);
    return a;
}

std::vector<KeyAssignment> ProfileAItems() {
    return {Assignment(1, 4, 604, 5, 224, L"Ctrl+B"),
            Assignment(1, 41, 602, 3, 0, L"Copy & <Paste> \"it\""),
            Assignment(1, 30, 601, 634, 0, L"音量+")};
}

TEST(ProfileFileTest, MatchesTheGoldenFile) {
    EXPECT_EQ(BuildProfileDocument(L"Profile A", 1, ProfileAItems()).ToString(),
              ReadData("profile-a.xml"));
}

TEST(ProfileFileTest, WithoutAssignmentsKeyitemsIsAnEmptyElement) {
    EXPECT_EQ(BuildProfileDocument(L"Profile C", 3, {}).ToString(), ReadData("profile-empty.xml"));
}

TEST(ProfileFileTest, GoldenFileParsesBackToTheSameAssignments) {
    const auto contents = ParseProfileFile(ReadData("profile-a.xml"));
    ASSERT_TRUE(contents.has_value());
    EXPECT_TRUE(contents->hasProfileRoot);
    EXPECT_EQ(contents->name, L"Profile A");
    EXPECT_EQ(contents->profile, 1);
    const auto expected = ProfileAItems();
    ASSERT_EQ(contents->items.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const auto& got = contents->items[i];
        EXPECT_EQ(got.key_id, 0);
        EXPECT_EQ(got.profile, expected[i].profile);
        EXPECT_EQ(got.key_code, expected[i].key_code);
        EXPECT_EQ(got.macro_type, expected[i].macro_type);
        EXPECT_EQ(got.macro_value, expected[i].macro_value);
        EXPECT_EQ(got.macro_value2, expected[i].macro_value2);
        EXPECT_EQ(got.macro_value3, 0);
        EXPECT_EQ(got.macro_desc, expected[i].macro_desc);
    }
}

struct ProfileParseCase {
    const char* name;
    std::string body;  // inside <profile>
    std::optional<int> profile;
    std::vector<std::pair<int, int>> items;  // (profile, key) of the kept items
    friend void PrintTo(const ProfileParseCase& c, std::ostream* os) { *os << c.name; }
};

class ProfileParseTest : public ::testing::TestWithParam<ProfileParseCase> {};

TEST_P(ProfileParseTest, KeepsOnlyValidProfilesAndKeys) {
    const auto contents = ParseProfileFile("<profile>" + GetParam().body + "</profile>");
    ASSERT_TRUE(contents.has_value());
    EXPECT_EQ(contents->profile, GetParam().profile);
    std::vector<std::pair<int, int>> items;
    for (const auto& a : contents->items) {
        items.emplace_back(a.profile, a.key_code);
    }
    EXPECT_EQ(items, GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileParseTest,
    ::testing::Values(
        ProfileParseCase{"ProfileTwo",
                         R"(<profileinfo profile="2"><keyitems><item profile="2" key_value="4"/>)"
                         R"(</keyitems></profileinfo>)",
                         2,
                         {{2, 4}}},
        ProfileParseCase{"NoProfileAttributeKeepsItemProfiles",
                         R"(<profileinfo name="x"><keyitems><item profile="3" key_value="5"/>)"
                         R"(<item profile="1" key_value="6"/></keyitems></profileinfo>)",
                         std::nullopt,
                         {{3, 5}, {1, 6}}},
        ProfileParseCase{"ProfileZeroIgnored",
                         R"(<profileinfo profile="0"><keyitems/></profileinfo>)",
                         std::nullopt,
                         {}},
        ProfileParseCase{"ProfileSixIgnored",
                         R"(<profileinfo profile="6"><keyitems><item profile="6" key_value="4"/>)"
                         R"(<item profile="5" key_value="4"/></keyitems></profileinfo>)",
                         std::nullopt,
                         {{5, 4}}},
        ProfileParseCase{"HugeProfileIgnored",
                         R"(<profileinfo profile="99999999999999"><keyitems/></profileinfo>)",
                         std::nullopt,
                         {}},
        ProfileParseCase{"NotANumberIgnored",
                         R"(<profileinfo profile="abc"><keyitems/></profileinfo>)",
                         std::nullopt,
                         {}},
        ProfileParseCase{"NegativeItemProfileSkipped",
                         R"(<profileinfo profile="1"><keyitems><item profile="-1" key_value="4"/>)"
                         R"(<item key_value="7"/></keyitems></profileinfo>)",
                         1,
                         {}},
        ProfileParseCase{"KeyZeroSkipped",
                         R"(<profileinfo profile="1"><keyitems><item profile="1" key_value="0"/>)"
                         R"(<item profile="1" key_value="x"/></keyitems></profileinfo>)",
                         1,
                         {}},
        ProfileParseCase{"KeyitemsOutsideProfileinfoNotRead",
                         R"(<profileinfo profile="1"/><keyitems><item profile="1" key_value="4"/>)"
                         R"(</keyitems>)",
                         1,
                         {}},
        ProfileParseCase{
            "OtherElementsBetweenItems",
            R"(<profileinfo profile="4"><keyitems><x/><item profile="4" key_value="9"/>)"
            R"(<y><item profile="4" key_value="10"/></y></keyitems></profileinfo>)",
            4,
            {{4, 9}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileFileTest, AbsentNumbersReadAsZeroAndTextIsKept) {
    const auto contents = ParseProfileFile(
        R"(<profile><profileinfo><keyitems><item profile="2" key_value="4" macro_type="607")"
        R"( macro_value="1" macro_2value="junk"/></keyitems></profileinfo></profile>)");
    ASSERT_TRUE(contents && contents->items.size() == 1);
    const auto& a = contents->items[0];
    EXPECT_EQ(a.macro_type, 607);
    EXPECT_EQ(a.macro_value, 1);
    EXPECT_EQ(a.macro_value2, 0);
    EXPECT_EQ(a.macro_value3, 0);
    EXPECT_EQ(a.macro_desc, L"");
}

TEST(ProfileFileTest, OtherRootIsWellFormedButEmpty) {
    const auto contents = ParseProfileFile("<settings><profile/></settings>");
    ASSERT_TRUE(contents.has_value());
    EXPECT_FALSE(contents->hasProfileRoot);
    EXPECT_TRUE(contents->items.empty());
}

TEST(ProfileFileTest, MalformedBytesGiveNothing) {
    EXPECT_FALSE(ParseProfileFile("<profile><profileinfo profile=\"1\">").has_value());
    EXPECT_FALSE(ParseProfileFile("").has_value());
}

std::vector<KeyColour> LightOneColours() {
    KeyColour a{};
    a.rgb_id = 7;
    a.profile = 1;
    a.light = 12;
    a.key_code = 4;
    a.key_rgb = 255;
    KeyColour b = a;
    b.key_code = 41;
    b.key_rgb = 0xFFFF00;
    return {a, b};
}

TEST(LightFileTest, MatchesTheGoldenFile) {
    EXPECT_EQ(BuildLightDocument(L"Light <1>", LightOneColours()).ToString(),
              ReadData("light-1.xml"));
}

TEST(LightFileTest, GoldenFileParsesBack) {
    const auto contents = ParseLightFile(ReadData("light-1.xml"));
    ASSERT_TRUE(contents.has_value());
    EXPECT_TRUE(contents->isLightFile);
    EXPECT_TRUE(contents->hasLedItems);
    EXPECT_EQ(contents->name, L"Light <1>");
    EXPECT_EQ(contents->colours, (std::vector<LightFileColour>{{4, 255}, {41, 0xFFFF00}}));
}

struct LightParseCase {
    const char* name;
    std::string document;
    bool isLightFile;
    bool hasLedItems;
    std::vector<LightFileColour> colours;
    friend void PrintTo(const LightParseCase& c, std::ostream* os) { *os << c.name; }
};

class LightParseTest : public ::testing::TestWithParam<LightParseCase> {};

TEST_P(LightParseTest, ReadsLeditemsBesideProfileinfo) {
    const auto contents = ParseLightFile(GetParam().document);
    ASSERT_TRUE(contents.has_value());
    EXPECT_EQ(contents->isLightFile, GetParam().isLightFile);
    EXPECT_EQ(contents->hasLedItems, GetParam().hasLedItems);
    EXPECT_EQ(contents->colours, GetParam().colours);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LightParseTest,
    ::testing::Values(
        LightParseCase{
            "NoLeditems", R"(<profile><profileinfo name="a"/></profile>)", true, false, {}},
        LightParseCase{"ItemProfileIgnored",
                       R"(<profile><profileinfo name="a"/><leditems><item profile="9")"
                       R"( key_value="5" key_rgb="7"/></leditems></profile>)",
                       true,
                       true,
                       {{5, 7}}},
        LightParseCase{"KeyZeroSkipped",
                       R"(<profile><profileinfo/><leditems><item key_value="0" key_rgb="7"/>)"
                       R"(<item key_rgb="1"/><item key_value="6"/></leditems></profile>)",
                       true,
                       true,
                       {{6, 0}}},
        LightParseCase{"LeditemsInsideProfileinfoNotRead",
                       R"(<profile><profileinfo><leditems><item key_value="5" key_rgb="7"/>)"
                       R"(</leditems></profileinfo></profile>)",
                       true,
                       false,
                       {}},
        LightParseCase{"NoProfileinfo",
                       R"(<profile><leditems><item key_value="5" key_rgb="7"/></leditems>)"
                       R"(</profile>)",
                       false,
                       false,
                       {}},
        LightParseCase{"OtherRoot", R"(<lights><profileinfo/></lights>)", false, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vekora
