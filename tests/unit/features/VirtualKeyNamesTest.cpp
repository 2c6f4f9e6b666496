#include "features/keys/VirtualKeyNames.h"

#include <gtest/gtest.h>

namespace vekora {
namespace {

struct NameCase {
    const char* name;
    int virtualKey;
    std::wstring_view expected;
    friend void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }
};

class VirtualKeyNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(VirtualKeyNameTest, IsWhatTheUserSees) {
    EXPECT_EQ(VirtualKeyName(GetParam().virtualKey), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VirtualKeyNameTest,
    ::testing::Values(
        NameCase{"LetterA", 0x41, L"A"}, NameCase{"LetterZ", 0x5A, L"Z"},
        NameCase{"Digit0", 0x30, L"0"}, NameCase{"Digit9", 0x39, L"9"},
        NameCase{"Enter", 0x0D, L"Enter"}, NameCase{"GenericShift", 0x10, L"Shift"},
        NameCase{"GenericCtrl", 0x11, L"Ctrl"}, NameCase{"GenericAlt", 0x12, L"Alt"},
        NameCase{"LeftShift", 0xA0, L"Shift"}, NameCase{"RightShift", 0xA1, L"RShift"},
        NameCase{"LeftCtrl", 0xA2, L"Ctrl"}, NameCase{"RightCtrl", 0xA3, L"RCtrl"},
        NameCase{"LeftAlt", 0xA4, L"Alt"}, NameCase{"RightAlt", 0xA5, L"RAlt"},
        NameCase{"LeftWindows", 0x5B, L"Windows"}, NameCase{"RightWindows", 0x5C, L"RWindows"},
        NameCase{"Application", 0x5D, L"Application"}, NameCase{"Pause", 0x13, L"Pause"},
        NameCase{"PrintScreen", 0x2C, L"Print Screen"}, NameCase{"NumLock", 0x90, L"Num Lock"},
        NameCase{"PageDown", 0x22, L"Page Down"}, NameCase{"Delete", 0x2E, L"Delete"},
        NameCase{"F1", 0x70, L"F1"}, NameCase{"F12", 0x7B, L"F12"}, NameCase{"F24", 0x87, L"F24"},
        NameCase{"Keypad7", 0x67, L"Num 7"}, NameCase{"KeypadDecimal", 0x6E, L"Num Del"},
        NameCase{"Semicolon", 0xBA, L";"}, NameCase{"Grave", 0xC0, L"`"},
        NameCase{"Backslash", 0xDC, L"\\"}, NameCase{"Unassigned", 0x07, L""},
        NameCase{"BeyondTable", 0x100, L""}, NameCase{"Negative", -1, L""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vekora
