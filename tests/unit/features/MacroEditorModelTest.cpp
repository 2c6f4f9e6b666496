#include "features/macros/MacroEditorModel.h"

#include <gtest/gtest.h>

#include "FeatureTestSupport.h"
#include "features/keys/KeyAssignments.h"
#include "features/macros/MacroActions.h"

namespace vekora {
namespace {

using testing::RecordingUploads;
using testing::RecordingView;
using testing::TempDatabase;

struct TimesCase {
    const char* name;
    std::wstring text;
    int times;
    int delay;
    friend void PrintTo(const TimesCase& c, std::ostream* os) { *os << c.name; }
};

class RepeatTextTest : public ::testing::TestWithParam<TimesCase> {};

TEST_P(RepeatTextTest, ParsesAndClamps) {
    EXPECT_EQ(ParsePlayTimes(GetParam().text), GetParam().times);
    EXPECT_EQ(ParseRepeatDelay(GetParam().text), GetParam().delay);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RepeatTextTest,
    ::testing::Values(TimesCase{"Empty", L"", 1, 1}, TimesCase{"Zero", L"0", 1, 0},
                      TimesCase{"Three", L"3", 3, 3}, TimesCase{"AtMaximum", L"255", 255, 255},
                      TimesCase{"Large", L"999", 255, 999},
                      TimesCase{"SixDigits", L"123456", 255, 99999},
                      TimesCase{"Negative", L"-4", 1, 0}, TimesCase{"Junk", L"abc", 1, 0},
                      TimesCase{"TrailingJunk", L"12ms", 12, 12}),
    [](const auto& info) { return std::string(info.param.name); });

class MacroEditorTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(store_.opened()); }

    void RecordAB(MacroRecorder& r) {
        r.Start(RecordOptions{});
        r.Record(ReadKeyboardEvent('A', 0x0100), 1000, false);
        r.Record(ReadKeyboardEvent('A', 0x0101), 1100, false);
        r.Record(ReadKeyboardEvent('B', 0x0100), 1300, false);
    }

    std::vector<MacroEvent> StoredEvents(int id) {
        std::vector<MacroEvent> events;
        store_.db.LoadMacroEvents(id, events);
        return events;
    }

    TempDatabase store_;
    RecordingUploads uploads_;
};

TEST_F(MacroEditorTest, SavingANewMacroInsertsItWithItsSteps) {
    MacroEditorModel editor(store_.db, uploads_, DeviceModel::K61);
    RecordAB(editor.recorder());
    editor.setName(L"Greeting");
    editor.setTimesText(L"999");
    editor.setDelayText(L"");
    ASSERT_EQ(editor.Save(), MacroSaveResult::Saved);
    EXPECT_FALSE(editor.recorder().IsRecording());
    EXPECT_TRUE(editor.saved());
    ASSERT_GT(editor.macroId(), 0);
    MacroDefinition stored{};
    ASSERT_TRUE(store_.db.GetMacro(editor.macroId(), stored));
    EXPECT_EQ(stored.name, L"Greeting");
    EXPECT_EQ(stored.play_times, 255);
    EXPECT_EQ(stored.delay_type, 1);
    EXPECT_EQ(stored.delay_time, 1);
    const auto events = StoredEvents(editor.macroId());
    ASSERT_EQ(events.size(), 5u);
    EXPECT_EQ(events[0].type, 2);
    EXPECT_EQ(events[1].type, 1);
    EXPECT_EQ(events[1].value, 100);
    EXPECT_EQ(events[4].desc, L"B");
    for (size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].record_index, static_cast<int>(i));
        EXPECT_EQ(events[i].macro_id, editor.macroId());
    }
    EXPECT_EQ(uploads_.calls, (std::vector<std::string>{"macros short"}));
}

TEST_F(MacroEditorTest, AnEmptyNameSavesNothing) {
    MacroEditorModel editor(store_.db, uploads_, DeviceModel::K61);
    RecordAB(editor.recorder());
    EXPECT_EQ(editor.Save(), MacroSaveResult::NameEmpty);
    EXPECT_FALSE(editor.recorder().IsRecording());  // saving stops the recording first
    EXPECT_FALSE(editor.saved());
    std::vector<MacroDefinition> macros;
    EXPECT_EQ(store_.db.LoadMacros(macros), 0);
    EXPECT_TRUE(uploads_.calls.empty());
}

TEST_F(MacroEditorTest, SavingAgainUpdatesAndRenumbersInListOrder) {
    MacroEditorModel editor(store_.db, uploads_, DeviceModel::K87Rgb);
    RecordAB(editor.recorder());
    editor.setName(L"First");
    editor.Save();
    const int id = editor.macroId();
    // The user removes the first delay and moves the last step to the front.
    auto& items = editor.recorder().MutableItems();
    items.erase(items.begin() + 1);
    std::rotate(items.rbegin(), items.rbegin() + 1, items.rend());
    editor.setName(L"Second");
    editor.setTimesText(L"0");
    editor.setDelayText(L"250");
    editor.Save();
    EXPECT_EQ(editor.macroId(), id);
    MacroDefinition stored{};
    ASSERT_TRUE(store_.db.GetMacro(id, stored));
    EXPECT_EQ(stored.name, L"Second");
    EXPECT_EQ(stored.play_times, 1);
    EXPECT_EQ(stored.delay_time, 250);
    std::vector<std::wstring> descs;
    for (const auto& e : StoredEvents(id)) {
        descs.push_back(e.desc);
    }
    EXPECT_EQ(descs, (std::vector<std::wstring>{L"B", L"A", L"A", L"200"}));
    EXPECT_EQ(uploads_.calls, (std::vector<std::string>{"macros library", "macros library"}));
}

TEST_F(MacroEditorTest, LongNamesAreCutTo120Characters) {
    MacroEditorModel editor(store_.db, uploads_, DeviceModel::K61);
    editor.setName(std::wstring(130, L'm'));
    editor.Save();
    MacroDefinition stored{};
    ASSERT_TRUE(store_.db.GetMacro(editor.macroId(), stored));
    EXPECT_EQ(stored.name, std::wstring(120, L'm'));
}

TEST_F(MacroEditorTest, LoadingFillsTheTextsAndTheList) {
    MacroEditorModel first(store_.db, uploads_, DeviceModel::K61);
    RecordAB(first.recorder());
    first.setName(L"Stored");
    first.setTimesText(L"7");
    first.setDelayText(L"1500");
    first.Save();

    MacroEditorModel editor(store_.db, uploads_, DeviceModel::K61);
    ASSERT_TRUE(editor.Load(first.macroId()));
    EXPECT_EQ(editor.name(), L"Stored");
    EXPECT_EQ(editor.timesText(), L"7");
    EXPECT_EQ(editor.delayText(), L"1500");
    ASSERT_EQ(editor.recorder().Items().size(), 5u);
    EXPECT_EQ(editor.recorder().Items()[0].text, L"1  Keyboard Down (A)");
    EXPECT_EQ(editor.recorder().Items()[3].text, L"4  Delay (200)");
    EXPECT_FALSE(editor.Load(0));
    EXPECT_FALSE(editor.Load(999));
}

TEST_F(MacroEditorTest, AFailedInsertWritesNothingButStillUploads) {
    store_.db.Close();
    MacroEditorModel editor(store_.db, uploads_, DeviceModel::K61SE);
    RecordAB(editor.recorder());
    editor.setName(L"Lost");
    EXPECT_EQ(editor.Save(), MacroSaveResult::Saved);
    EXPECT_LT(editor.macroId(), 1);
    EXPECT_EQ(uploads_.calls, (std::vector<std::string>{"macros long"}));
}

TEST_F(MacroEditorTest, DeletingAMacroUploadsAndKeepsKeyAssignments) {
    FeatureSession session{DeviceModel::K68, true, 1, 1, 1};
    RecordingView view;
    KeyFunctions keys(session, store_.db, view, uploads_);
    MacroEditorModel editor(store_.db, uploads_, DeviceModel::K68);
    RecordAB(editor.recorder());
    editor.setName(L"Paste");
    editor.Save();
    uploads_.calls.clear();

    ASSERT_TRUE(AttachMacroToKey(store_.db, keys, editor.macroId(), 41));
    std::vector<KeyAssignment> rows;
    store_.db.LoadKeyAssignments(1, rows);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].macro_type, 602);
    EXPECT_EQ(rows[0].macro_value, editor.macroId());
    EXPECT_EQ(rows[0].macro_desc, L"Paste");
    EXPECT_EQ(view.labels[41], L"Paste");
    EXPECT_FALSE(AttachMacroToKey(store_.db, keys, 0, 41));
    EXPECT_FALSE(AttachMacroToKey(store_.db, keys, 12345, 41));

    uploads_.calls.clear();
    DeleteMacroAndUpload(store_.db, uploads_, DeviceModel::K68, editor.macroId());
    EXPECT_EQ(uploads_.calls, (std::vector<std::string>{"macros short"}));
    MacroDefinition gone{};
    EXPECT_FALSE(store_.db.GetMacro(editor.macroId(), gone));
    EXPECT_TRUE(StoredEvents(editor.macroId()).empty());
    rows.clear();
    EXPECT_EQ(store_.db.LoadKeyAssignments(1, rows), 1);
}

}  // namespace
}  // namespace vekora
