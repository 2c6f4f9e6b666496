// A DeviceSync over a fresh configuration database in a temporary folder, a RecordingLink, a
// recording view and in-memory profile settings.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>

#include "RecordingLink.h"
#include "core/DeviceSync.h"

namespace vekora::testing {

class RecordingView : public SyncView {
public:
    std::vector<int> messages;
    std::vector<int> profilesShown;
    std::vector<int> modesShown;
    std::vector<KeyLight> previewed;
    std::vector<KeyLight> colours = {{4, 0x0000FF}, {5, 0}};

    void ShowMessage(int textId) override { messages.push_back(textId); }
    void ShowProfile(int profile) override { profilesShown.push_back(profile); }
    void ShowLightMode(int mode) override { modesShown.push_back(mode); }
    void ShowGameMode(GameModeSwitches) override {}
    void ShowKeyColours(const std::vector<KeyLight>& c) override { previewed = c; }
    std::vector<int> ViewKeys() const override { return {4, 5, 41}; }
    std::vector<KeyLight> ViewColours() const override { return colours; }
    bool WindowShown() const override { return shown; }
    bool shown = true;
};

class MemoryProfileSettings : public ProfileSettings {
public:
    std::map<DeviceModel, int> values;
    int Load(DeviceModel model) override {
        int& v = values[model];
        if (v < 1 || v > 5) {
            v = 1;
        }
        return v;
    }
    void Store(DeviceModel model, int profile) override { values[model] = profile; }
};

class SyncFixture : public ::testing::Test {
public:
    void SetUp() override {
        std::random_device rd;
        folder_ = std::filesystem::temp_directory_path() /
                  ("vekora-sync-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(folder_ / "db");
        ASSERT_TRUE(db.OpenForModel(folder_, "test"));
    }
    void TearDown() override {
        db.Close();
        std::filesystem::remove_all(folder_);
    }

    void UseModel(DeviceModel model, int profile = 1) {
        state.model = model;
        state.connected = true;
        state.profile = profile;
        state.revisionFlag = model != DeviceModel::K61;
    }

    int AddMacro(int keyEvents, int playTimes = 1) {
        MacroDefinition d;
        d.name = L"m";
        d.play_times = playTimes;
        d.delay_type = 1;
        const int id = db.InsertMacro(d);
        for (int i = 0; i < keyEvents; ++i) {
            MacroEvent e;
            e.macro_id = id;
            e.type = i % 2 == 0 ? 2 : 3;
            e.value = 65;
            e.record_index = i;
            db.AddMacroEvent(e);
        }
        return id;
    }

    SyncState state;
    ConfigDatabase db;
    RecordingLink link;
    RecordingView view;
    MemoryProfileSettings settings;
    DeviceSync sync{state, db, link, view, settings};

private:
    std::filesystem::path folder_;
};

}  // namespace vekora::testing
