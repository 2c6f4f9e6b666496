// The command line's names for keys, key functions and macro steps.
#include <gtest/gtest.h>

#include "KeySyntax.h"
#include "features/keys/KeyFunctionType.h"
#include "features/macros/MacroEventText.h"

namespace vekora::ctl {
namespace {

struct KeyCase {
    std::string name;
    DeviceModel model;
    std::string text;
    int code;  // 0: refused
};

class ParseKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(ParseKeyTest, FindsTheKeyCode) {
    std::string error;
    const auto code = ParseKey(GetParam().model, GetParam().text, error);
    if (GetParam().code == 0) {
        EXPECT_FALSE(code);
        EXPECT_FALSE(error.empty());
    } else {
        ASSERT_TRUE(code) << error;
        EXPECT_EQ(*code, GetParam().code);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ParseKeyTest,
    ::testing::Values(KeyCase{"Letter", DeviceModel::K98Rgb, "A", 4},
                      KeyCase{"LowerCase", DeviceModel::K98Rgb, "esc", 41},
                      KeyCase{"ViewLabelCaps", DeviceModel::K61, "Caps", 57},
                      KeyCase{"KeyNameCapsLock", DeviceModel::K61, "caps-lock", 57},
                      KeyCase{"FunctionKey", DeviceModel::K98Rgb, "F12", 69},
                      KeyCase{"DigitIsTheMainRowNotTheKeypad", DeviceModel::K98Rgb, "1", 30},
                      KeyCase{"KeypadByName", DeviceModel::K98Rgb, "Num 1", 89},
                      KeyCase{"LeftShiftFirst", DeviceModel::K98Rgb, "Shift", 225},
                      KeyCase{"RightShiftByName", DeviceModel::K98Rgb, "RShift", 229},
                      KeyCase{"MinusKey", DeviceModel::K61, "-", 45},
                      KeyCase{"Space", DeviceModel::K61, "SPACE", 44},
                      KeyCase{"Code", DeviceModel::K61, "code:175", 175},
                      KeyCase{"CodeOutOfRange", DeviceModel::K61, "code:300", 0},
                      KeyCase{"Unknown", DeviceModel::K61, "Hyper", 0},
                      KeyCase{"Empty", DeviceModel::K61, "", 0}),
    [](const auto& info) { return info.param.name; });

TEST(ParseKey, BadCodeSaysSo) {
    std::string error;
    EXPECT_FALSE(ParseKey(DeviceModel::K61, "code:x", error));
    EXPECT_EQ(error, "bad key code 'x' (expected 1..255)");
}

struct FunctionCase {
    std::string name;
    std::string text;
    int macroType;  // -1: refused
    int value;
    int value2;
    std::wstring desc;
};

class ParseFunctionTest : public ::testing::TestWithParam<FunctionCase> {};

TEST_P(ParseFunctionTest, BuildsTheAssignment) {
    std::string error;
    const auto f = ParseFunction(GetParam().text, error);
    if (GetParam().macroType < 0) {
        EXPECT_FALSE(f);
        EXPECT_FALSE(error.empty());
        return;
    }
    ASSERT_TRUE(f) << error;
    ASSERT_TRUE(f->assignment);
    EXPECT_EQ(f->assignment->macro_type, GetParam().macroType);
    EXPECT_EQ(f->assignment->macro_value, GetParam().value);
    EXPECT_EQ(f->assignment->macro_value2, GetParam().value2);
    EXPECT_EQ(f->assignment->macro_desc, GetParam().desc);
}

INSTANTIATE_TEST_SUITE_P(
    Functions, ParseFunctionTest,
    ::testing::Values(
        FunctionCase{"Default", "default", 0, 0, 0, L""},
        FunctionCase{"Fn", "fn", 604, kFnUsage, 0, L"Fn"},
        FunctionCase{"Disable", "DISABLE", 607, 1, 0, L"Disable"},
        FunctionCase{"SystemByName", "system:close-window", 600, 610, 0, L"Close Window"},
        FunctionCase{"SystemByCode", "system:620", 600, 620, 0, L"Lock PC"},
        FunctionCase{"MediaByName", "media:play-pause", 601, 630, 0, L"Play/Pause"},
        FunctionCase{"MediaVolumeDown", "media:volume-down", 601, 635, 0, L"Volume-"},
        FunctionCase{"MouseRight", "mouse:right-button", 603, 652, 0, L"Right Button"},
        FunctionCase{"MouseShortName", "mouse:middle", 603, 651, 0, L"Middle Button"},
        FunctionCase{"KeyCombination", "key:ctrl+z", 604, 29, 224, L"Ctrl+Z"},
        FunctionCase{"SingleKey", "key:f5", 604, 62, 0, L"F5"},
        FunctionCase{"PlusKeyWithModifier", "key:shift+num +", 604, 87, 225, L"Shift+Num +"},
        FunctionCase{"SystemCodeOfMedia", "system:630", -1, 0, 0, L""},
        FunctionCase{"UnknownGroup", "launch:x", -1, 0, 0, L""},
        FunctionCase{"NotAModifier", "key:a+b", -1, 0, 0, L""},
        FunctionCase{"UnknownKey", "key:ctrl+nokey", -1, 0, 0, L""},
        FunctionCase{"MacroWithoutId", "macro:", -1, 0, 0, L""}),
    [](const auto& info) { return info.param.name; });

TEST(ParseFunction, MacroById) {
    std::string error;
    const auto f = ParseFunction("macro:12", error);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->macroId, 12);
    EXPECT_FALSE(f->assignment);
}

TEST(CommandName, EveryCommandCodeHasAName) {
    for (int code : {610, 615, 620, 630, 636, 650, 654}) {
        EXPECT_FALSE(CommandName(code).empty()) << code;
    }
    EXPECT_TRUE(CommandName(621).empty());
}

struct EventCase {
    std::string name;
    std::string text;
    int type;  // 0: refused
    int value;
    std::wstring desc;
};

class ParseMacroEventTest : public ::testing::TestWithParam<EventCase> {};

TEST_P(ParseMacroEventTest, BuildsTheStep) {
    std::string error;
    const auto e = ParseMacroEvent(GetParam().text, error);
    if (GetParam().type == 0) {
        EXPECT_FALSE(e);
        EXPECT_FALSE(error.empty());
        return;
    }
    ASSERT_TRUE(e) << error;
    EXPECT_EQ(e->type, GetParam().type);
    EXPECT_EQ(e->value, GetParam().value);
    EXPECT_EQ(e->desc, GetParam().desc);
}

INSTANTIATE_TEST_SUITE_P(
    Events, ParseMacroEventTest,
    ::testing::Values(EventCase{"KeyDown", "down:a", 2, 0x41, L"A"},
                      EventCase{"KeyUp", "up:Enter", 3, 0x0D, L"Enter"},
                      // Generic Shift is stored as the left Shift, as the recorder stores it.
                      EventCase{"ShiftIsLeftShift", "down:shift", 2, 0xA0, L"Shift"},
                      EventCase{"MouseDown", "mdown:left", 4, 1, L"mouse_left"},
                      EventCase{"MouseUp", "mup:right", 5, 3, L"mouse_right"},
                      EventCase{"Delay", "delay:250", 1, 250, L"250"},
                      EventCase{"DelayTooLong", "delay:31001", 0, 0, L""},
                      EventCase{"MouseUnknown", "mdown:side", 0, 0, L""},
                      EventCase{"KeyUnknown", "down:nokey", 0, 0, L""},
                      EventCase{"NoKind", "a", 0, 0, L""}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace vekora::ctl
