#include "features/macros/MacroRecorder.h"

#include <gtest/gtest.h>

namespace vekora {
namespace {

constexpr int kKeyDown = 0x0100;
constexpr int kKeyUp = 0x0101;

RawInputEvent Key(int vk, bool up) {
    return ReadKeyboardEvent(vk, up ? kKeyUp : kKeyDown);
}

RawInputEvent Mouse(uint16_t flags) {
    return ReadMouseEvent(flags);
}

std::vector<std::wstring> Texts(const MacroRecorder& r) {
    std::vector<std::wstring> texts;
    for (const auto& item : r.Items()) {
        texts.push_back(item.text);
    }
    return texts;
}

TEST(MacroRecorderTest, KeyboardAndDelayWithoutMouse) {
    MacroRecorder r;
    r.Start(RecordOptions{true, false, true});
    r.Record(Key('A', false), 1000, false);
    r.Record(Key('A', true), 1080, false);
    r.Record(Key('B', false), 1200, false);
    r.Record(Key('B', true), 1250, false);
    // A click anywhere with Record Mouse off adds only its delays.
    r.Record(Mouse(mouse_flags::kLeftDown), 1400, false);
    r.Record(Mouse(mouse_flags::kLeftUp), 1450, false);
    EXPECT_EQ(Texts(r), (std::vector<std::wstring>{
                            L"1  Keyboard Down (A)", L"2  Delay (80)", L"3  Keyboard Up (A)",
                            L"4  Delay (120)", L"5  Keyboard Down (B)", L"6  Delay (50)",
                            L"7  Keyboard Up (B)", L"8  Delay (150)", L"9  Delay (50)"}));
    const auto& events = r.Events();
    ASSERT_EQ(events.size(), 9u);
    EXPECT_EQ(events[0].type, 2);
    EXPECT_EQ(events[0].value, 'A');
    EXPECT_EQ(events[0].desc, L"A");
    EXPECT_EQ(events[1].type, 1);
    EXPECT_EQ(events[1].value, 80);
    EXPECT_EQ(events[1].desc, L"80");
    EXPECT_EQ(events[2].type, 3);
    for (size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].record_index, static_cast<int>(i));
        EXPECT_EQ(r.Items()[i].eventIndex, static_cast<int>(i));
    }
    EXPECT_EQ(r.Items()[0].kind, RecordItemKind::Press);
    EXPECT_EQ(r.Items()[1].kind, RecordItemKind::Delay);
    EXPECT_EQ(r.Items()[2].kind, RecordItemKind::Release);
}

struct GapCase {
    const char* name;
    uint32_t first;
    uint32_t second;
    int delay;
    friend void PrintTo(const GapCase& c, std::ostream* os) { *os << c.name; }
};

class RecorderGapTest : public ::testing::TestWithParam<GapCase> {};

TEST_P(RecorderGapTest, DelayIsTheGapCappedAt31000) {
    MacroRecorder r;
    r.Start(RecordOptions{});
    r.Record(Key('A', false), GetParam().first, false);
    r.Record(Key('A', true), GetParam().second, false);
    ASSERT_EQ(r.Events().size(), 3u);
    EXPECT_EQ(r.Events()[0].type, 2);  // never a delay first
    EXPECT_EQ(r.Events()[1].type, 1);
    EXPECT_EQ(r.Events()[1].value, GetParam().delay);
}

INSTANTIATE_TEST_SUITE_P(Cases, RecorderGapTest,
                         ::testing::Values(GapCase{"Zero", 500, 500, 0},
                                           GapCase{"Short", 500, 510, 10},
                                           GapCase{"AtCap", 500, 31500, 31000},
                                           GapCase{"FortySeconds", 500, 40500, 31000},
                                           GapCase{"AcrossTickWrap", 0xFFFFFFF0u, 0x10u, 32},
                                           GapCase{"FirstTickZero", 0, 250, 250}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MacroRecorderTest, WithoutRecordDelayNoDelaysAndNoTick) {
    MacroRecorder r;
    r.Start(RecordOptions{true, true, false});
    r.Record(Key('A', false), 100, false);
    r.Record(Mouse(mouse_flags::kRightDown), 5000, false);
    r.Record(Mouse(mouse_flags::kRightUp), 9000, false);
    EXPECT_EQ(Texts(r),
              (std::vector<std::wstring>{L"1  Keyboard Down (A)", L"2  Mouse Down (mouse_right)",
                                         L"3  Mouse Up (mouse_right)"}));
    EXPECT_EQ(r.Events()[1].value, 3);
    EXPECT_EQ(r.Events()[1].type, 4);
    EXPECT_EQ(r.Events()[2].type, 5);
    EXPECT_FALSE(r.LastEventTick().has_value());
}

TEST(MacroRecorderTest, TheStopClickStaysOutWithNoDelayAfterIt) {
    MacroRecorder r;
    r.Start(RecordOptions{});
    r.Record(Key('A', false), 100, false);
    r.Record(Key('A', true), 200, false);
    r.Record(Mouse(mouse_flags::kLeftDown), 900, true);  // on the record button
    r.Record(Mouse(mouse_flags::kLeftUp), 980, true);
    EXPECT_TRUE(r.StopClickSeen());
    EXPECT_EQ(Texts(r), (std::vector<std::wstring>{L"1  Keyboard Down (A)", L"2  Delay (100)",
                                                   L"3  Keyboard Up (A)", L"4  Delay (700)"}));
}

TEST(MacroRecorderTest, AutoRepeatPressesAreEachRecorded) {
    MacroRecorder r;
    r.Start(RecordOptions{});
    for (uint32_t t : {0u, 500u, 533u, 566u}) {
        r.Record(Key('X', false), t, false);
    }
    r.Record(Key('X', true), 600, false);
    EXPECT_EQ(Texts(r), (std::vector<std::wstring>{
                            L"1  Keyboard Down (X)", L"2  Delay (500)", L"3  Keyboard Down (X)",
                            L"4  Delay (33)", L"5  Keyboard Down (X)", L"6  Delay (33)",
                            L"7  Keyboard Down (X)", L"8  Delay (34)", L"9  Keyboard Up (X)"}));
}

TEST(MacroRecorderTest, GenericShiftRecordsAsLeftShift) {
    MacroRecorder r;
    r.Start(RecordOptions{true, true, false});
    r.Record(Key(0x10, false), 0, false);
    r.Record(Key(0xA1, false), 0, false);
    ASSERT_EQ(r.Events().size(), 2u);
    EXPECT_EQ(r.Events()[0].value, 0xA0);
    EXPECT_EQ(r.Events()[0].desc, L"Shift");
    EXPECT_EQ(r.Events()[1].value, 0xA1);
    EXPECT_EQ(r.Events()[1].desc, L"RShift");
}

TEST(MacroRecorderTest, IgnoresEventsWhileIdleOrWithoutName) {
    MacroRecorder r;
    r.Record(Key('A', false), 10, false);
    EXPECT_TRUE(r.Events().empty());
    r.Start(RecordOptions{});
    r.Record(Mouse(0), 10, false);  // movement
    r.Record(ReadOtherHidEvent(), 20, false);
    r.Record(Key(0x07, false), 30, false);  // no name
    EXPECT_TRUE(r.Events().empty());
    EXPECT_FALSE(r.LastEventTick().has_value());
    r.Record(Key('A', false), 40, false);
    r.Stop();
    r.Record(Key('A', true), 50, false);
    EXPECT_EQ(r.Events().size(), 1u);
}

TEST(MacroRecorderTest, RestartingDiscardsTheStepsAndTheStopClick) {
    MacroRecorder r;
    r.Start(RecordOptions{});
    r.Record(Key('A', false), 10, false);
    r.Record(Mouse(mouse_flags::kLeftDown), 20, true);
    r.Stop();
    ASSERT_FALSE(r.Events().empty());
    r.Start(RecordOptions{});
    EXPECT_TRUE(r.Events().empty());
    EXPECT_TRUE(r.Items().empty());
    EXPECT_FALSE(r.StopClickSeen());
    r.Record(Key('B', false), 5000, false);
    EXPECT_EQ(Texts(r), (std::vector<std::wstring>{L"1  Keyboard Down (B)"}));
}

TEST(MacroRecorderTest, LoadEventsBuildsItemsByType) {
    std::vector<MacroEvent> events(6);
    const int types[] = {2, 1, 3, 4, 5, 9};
    const int values[] = {'A', 120, 'A', 1, 1, 0};
    const wchar_t* descs[] = {L"A", L"120", L"A", L"mouse_left", L"mouse_left", L"?"};
    for (size_t i = 0; i < events.size(); ++i) {
        events[i].type = types[i];
        events[i].value = values[i];
        events[i].desc = descs[i];
        events[i].record_index = static_cast<int>(i);
    }
    MacroRecorder r;
    r.LoadEvents(events);
    EXPECT_EQ(Texts(r), (std::vector<std::wstring>{
                            L"1  Keyboard Down (A)", L"2  Delay (120)", L"3  Keyboard Up (A)",
                            L"4  Mouse Down (mouse_left)", L"5  Mouse Up (mouse_left)", L""}));
    std::vector<RecordItemKind> kinds;
    for (const auto& item : r.Items()) {
        kinds.push_back(item.kind);
    }
    EXPECT_EQ(kinds, (std::vector<RecordItemKind>{RecordItemKind::Press, RecordItemKind::Delay,
                                                  RecordItemKind::Release, RecordItemKind::Press,
                                                  RecordItemKind::Release, RecordItemKind::Delay}));
    EXPECT_EQ(r.Items()[4].eventIndex, 4);
}

}  // namespace
}  // namespace vekora
