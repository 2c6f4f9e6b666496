#include "features/keys/KeyCapture.h"

#include <gtest/gtest.h>

namespace vekora {
namespace {

constexpr int kDown = 0x0100;
constexpr int kUp = 0x0101;

TEST(KeyCaptureTest, ShiftThenAShowsBothAndLabelsWithoutSpaces) {
    KeyCapture capture;
    capture.Start();
    capture.OnInput(ReadKeyboardEvent(0x10, kDown));
    capture.OnInput(ReadKeyboardEvent('A', kDown));
    capture.OnInput(ReadKeyboardEvent('A', kUp));
    capture.OnInput(ReadKeyboardEvent(0x10, kUp));
    EXPECT_EQ(capture.DisplayText(), L"Shift + A");
    const KeyAssignment a = capture.Assignment();
    EXPECT_EQ(a.macro_type, 604);
    EXPECT_EQ(a.macro_value, 4);
    EXPECT_EQ(a.macro_value2, 225);
    EXPECT_EQ(a.macro_desc, L"Shift+A");
}

TEST(KeyCaptureTest, TheGenericCtrlOfEitherSideIsTheLeftCtrl) {
    KeyCapture capture;
    capture.Start();
    capture.OnInput(ReadKeyboardEvent(0x11, kDown));  // what raw input reports for right Ctrl
    capture.OnInput(ReadKeyboardEvent('C', kDown));
    EXPECT_EQ(capture.modifierVirtualKey(), 0xA2);
    EXPECT_EQ(capture.Assignment().macro_value2, 224);
    EXPECT_EQ(capture.Assignment().macro_desc, L"Ctrl+C");
}

struct CaptureCase {
    const char* name;
    std::vector<int> keys;  // presses, in order
    std::wstring display;
    int value;
    int value2;
    std::wstring label;
    friend void PrintTo(const CaptureCase& c, std::ostream* os) { *os << c.name; }
};

class KeyCaptureSequenceTest : public ::testing::TestWithParam<CaptureCase> {};

TEST_P(KeyCaptureSequenceTest, LaterKeysReplaceEarlierOnesOfTheirKind) {
    KeyCapture capture;
    capture.Start();
    for (int key : GetParam().keys) {
        capture.OnInput(ReadKeyboardEvent(key, kDown));
    }
    EXPECT_EQ(capture.DisplayText(), GetParam().display);
    const KeyAssignment a = capture.Assignment();
    EXPECT_EQ(a.macro_value, GetParam().value);
    EXPECT_EQ(a.macro_value2, GetParam().value2);
    EXPECT_EQ(a.macro_desc, GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyCaptureSequenceTest,
    ::testing::Values(
        CaptureCase{"Nothing", {}, L"", 0, 0, L""},
        CaptureCase{"MainOnly", {0x74}, L"F5", 62, 0, L"F5"},
        CaptureCase{"ModifierOnly", {0x5B}, L"Windows", 0, 227, L"Windows+"},
        CaptureCase{"SecondMainReplacesFirst", {'A', 'B'}, L"B", 5, 0, L"B"},
        CaptureCase{
            "SecondModifierReplacesFirst", {0xA1, 0xA4, 'Z'}, L"Alt + Z", 29, 226, L"Alt+Z"},
        CaptureCase{"RightWindows", {0x5C, 0x0D}, L"RWindows + Enter", 40, 231, L"RWindows+Enter"},
        CaptureCase{"UnnamedKeyIgnored", {'Q', 0x07}, L"Q", 20, 0, L"Q"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeyCaptureTest, NothingIsTakenWhileNotCapturingOrFromTheMouse) {
    KeyCapture capture;
    capture.OnInput(ReadKeyboardEvent('A', kDown));
    EXPECT_EQ(capture.DisplayText(), L"");
    capture.Start();
    capture.OnInput(ReadMouseEvent(mouse_flags::kLeftDown));
    capture.OnInput(ReadKeyboardEvent('B', kDown));
    capture.Stop();
    capture.OnInput(ReadKeyboardEvent('C', kDown));
    EXPECT_EQ(capture.DisplayText(), L"B");
}

TEST(KeyCaptureTest, CancelAndRestartForgetTheKeys) {
    KeyCapture capture;
    capture.Start();
    capture.OnInput(ReadKeyboardEvent(0xA2, kDown));
    capture.OnInput(ReadKeyboardEvent('S', kDown));
    capture.Clear();
    EXPECT_EQ(capture.DisplayText(), L"");
    EXPECT_EQ(capture.Assignment().macro_type, 0);
    capture.OnInput(ReadKeyboardEvent('S', kDown));
    capture.Start();
    EXPECT_EQ(capture.DisplayText(), L"");
    EXPECT_TRUE(capture.IsCapturing());
}

}  // namespace
}  // namespace vekora
