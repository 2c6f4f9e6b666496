// Option parsing and JSON output of vekora-ctl.
#include <gtest/gtest.h>

#include "CommandLine.h"
#include "Json.h"

namespace vekora::ctl {
namespace {

constexpr OptionSpec kOptions[] = {{"--seconds", true}, {"--yes", false}};

std::optional<CommandArgs> Parse(std::vector<std::string> words, std::string& error) {
    std::vector<char*> argv;
    for (auto& w : words) {
        argv.push_back(w.data());
    }
    return ParseCommandArgs(argv, kOptions, error);
}

TEST(CommandArgs, OptionsValuesAndPositionals) {
    std::string error;
    const auto args = Parse({"paint", "--seconds", "5", "-", "--json", "--yes", "x=1"}, error);
    ASSERT_TRUE(args) << error;
    EXPECT_EQ(args->positional, (std::vector<std::string>{"paint", "-", "x=1"}));
    EXPECT_EQ(args->Value("--seconds"), "5");
    EXPECT_TRUE(args->Has("--yes"));
    EXPECT_TRUE(args->json);
    EXPECT_FALSE(args->help);
}

TEST(CommandArgs, InlineValueAndEndOfOptions) {
    std::string error;
    const auto args = Parse({"--seconds=7", "--", "--json"}, error);
    ASSERT_TRUE(args) << error;
    EXPECT_EQ(args->Value("--seconds"), "7");
    EXPECT_FALSE(args->json);
    EXPECT_EQ(args->positional, std::vector<std::string>{"--json"});
}

struct BadArgs {
    std::string name;
    std::vector<std::string> words;
    std::string error;
};

class CommandArgsErrors : public ::testing::TestWithParam<BadArgs> {};

TEST_P(CommandArgsErrors, AreRefusedWithAReason) {
    std::string error;
    EXPECT_FALSE(Parse(GetParam().words, error));
    EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandArgsErrors,
    ::testing::Values(BadArgs{"Unknown", {"--fast"}, "unknown option '--fast'"},
                      BadArgs{"MissingValue", {"--seconds"}, "option '--seconds' needs a value"},
                      BadArgs{"ValueOnFlag", {"--yes=1"}, "option '--yes' takes no value"}),
    [](const auto& info) { return info.param.name; });

TEST(ParseIntArg, AcceptsOnlyWholeNumbersInRange) {
    EXPECT_EQ(ParseIntArg("5", 1, 5), 5);
    EXPECT_EQ(ParseIntArg("6", 1, 5), std::nullopt);
    EXPECT_EQ(ParseIntArg("0", 1, 5), std::nullopt);
    EXPECT_EQ(ParseIntArg("2x", 1, 5), std::nullopt);
    EXPECT_EQ(ParseIntArg("", 1, 5), std::nullopt);
    EXPECT_EQ(ParseIntArg("99999999999", 1, 5), std::nullopt);
}

TEST(Json, ObjectsKeepTheirOrderAndStringsAreEscaped) {
    Json j = Json::Object();
    j.Set("name", std::wstring(L"A \"q\" \\ \u00e9\n"));
    j.Set("light_id", 3);
    j.Set("on", true);
    j.Set("none", Json());
    j.Set("list", Json::Array().Push(1).Push("x"));
    j.Set("light_id", 4);  // replaces, keeps the place
    EXPECT_EQ(j.Dump(),
              "{\"name\": \"A \\\"q\\\" \\\\ \u00e9\\n\", \"light_id\": 4, \"on\": true, "
              "\"none\": null, \"list\": [1, \"x\"]}");
    EXPECT_EQ(JsonQuote(std::string("\x01")), "\"\\u0001\"");
}

}  // namespace
}  // namespace vekora::ctl
