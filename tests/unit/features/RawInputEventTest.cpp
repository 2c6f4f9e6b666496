#include "features/macros/RawInputEvent.h"

#include <gtest/gtest.h>

namespace vekora {
namespace {

struct MouseCase {
    const char* name;
    uint16_t flags;
    std::wstring expectedName;
    int code;
    bool released;
    friend void PrintTo(const MouseCase& c, std::ostream* os) { *os << c.name; }
};

class ReadMouseEventTest : public ::testing::TestWithParam<MouseCase> {};

TEST_P(ReadMouseEventTest, TheFirstFlagInOrderDecides) {
    const RawInputEvent e = ReadMouseEvent(GetParam().flags);
    EXPECT_EQ(e.kind, RawInputKind::Mouse);
    EXPECT_EQ(e.name, GetParam().expectedName);
    EXPECT_EQ(e.code, GetParam().code);
    EXPECT_EQ(e.released, GetParam().released);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadMouseEventTest,
    ::testing::Values(MouseCase{"LeftDown", 0x0001, L"mouse_left", 1, false},
                      MouseCase{"LeftUp", 0x0002, L"mouse_left", 1, true},
                      MouseCase{"RightDown", 0x0004, L"mouse_right", 3, false},
                      MouseCase{"RightUp", 0x0008, L"mouse_right", 3, true},
                      MouseCase{"MiddleDown", 0x0010, L"mouse_middle", 2, false},
                      MouseCase{"MiddleUp", 0x0020, L"mouse_middle", 2, true},
                      MouseCase{"Button4Down", 0x0040, L"mouse_button4", 7, false},
                      MouseCase{"Button4Up", 0x0080, L"mouse_button4", 8, true},
                      MouseCase{"Button5Down", 0x0100, L"mouse_button5", 7, false},
                      MouseCase{"Button5Up", 0x0200, L"mouse_button5", 8, true},
                      // Middle down is tested before left up and right down.
                      MouseCase{"MiddleDownWithLeftUp", 0x0012, L"mouse_middle", 2, false},
                      MouseCase{"RightDownWithLeftUp", 0x0006, L"mouse_right", 3, false},
                      MouseCase{"LeftDownWithButton5", 0x0101, L"mouse_left", 1, false},
                      MouseCase{"MovementOnly", 0x0000, L"", 0, false},
                      MouseCase{"WheelOnly", 0x0400, L"", 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct KeyCase {
    const char* name;
    int virtualKey;
    int message;
    int code;
    std::wstring expectedName;
    bool released;
    friend void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }
};

class ReadKeyboardEventTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(ReadKeyboardEventTest, GivesCodeNameAndDirection) {
    const RawInputEvent e = ReadKeyboardEvent(GetParam().virtualKey, GetParam().message);
    EXPECT_EQ(e.kind, RawInputKind::Keyboard);
    EXPECT_EQ(e.code, GetParam().code);
    EXPECT_EQ(e.name, GetParam().expectedName);
    EXPECT_EQ(e.released, GetParam().released);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadKeyboardEventTest,
    ::testing::Values(KeyCase{"LetterDown", 0x41, 0x0100, 0x41, L"A", false},
                      KeyCase{"LetterUp", 0x41, 0x0101, 0x41, L"A", true},
                      KeyCase{"SysKeyDown", 0x73, 0x0104, 0x73, L"F4", false},
                      KeyCase{"SysKeyUp", 0x12, 0x0105, 0xA4, L"Alt", true},
                      KeyCase{"UnknownMessageIsPress", 0x41, 0x0000, 0x41, L"A", false},
                      KeyCase{"GenericShiftStoredAsLeft", 0x10, 0x0100, 0xA0, L"Shift", false},
                      KeyCase{"GenericCtrlStoredAsLeft", 0x11, 0x0100, 0xA2, L"Ctrl", false},
                      KeyCase{"GenericAltStoredAsLeft", 0x12, 0x0100, 0xA4, L"Alt", false},
                      KeyCase{"RightShiftKept", 0xA1, 0x0100, 0xA1, L"RShift", false},
                      KeyCase{"WindowsKey", 0x5B, 0x0101, 0x5B, L"Windows", true},
                      KeyCase{"UnnamedKey", 0xFF, 0x0100, 0xFF, L"", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadOtherHidEventTest, HasNothingToRecord) {
    const RawInputEvent e = ReadOtherHidEvent();
    EXPECT_EQ(e.kind, RawInputKind::OtherHid);
    EXPECT_TRUE(e.name.empty());
}

}  // namespace
}  // namespace vekora
