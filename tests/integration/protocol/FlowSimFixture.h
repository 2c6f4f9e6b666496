// A DeviceSync driving one simulated keyboard through the real device manager, with a fresh
// configuration database, and helpers to read the simulator's report log and state dump.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "SimEnvironment.h"
#include "SimProcess.h"
#include "core/DeviceSync.h"
#include "device/DeviceRecords.h"
#include "device/manager/DeviceManager.h"
#include "device/sync/ManagerReportLink.h"

namespace vekora::testing {

inline std::string HexOf(std::span<const std::uint8_t> bytes) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (auto b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 0x0F];
    }
    return out;
}

inline std::string ShortWireHex(std::span<const std::uint8_t> payload) {
    return "00" + HexOf(payload.first(64));
}

class SyncViewStub : public SyncView {
public:
    std::vector<int> messages;
    std::vector<KeyLight> colours = {{4, 0x0000FF}, {5, 0x00FF00}, {41, 0}};
    void ShowMessage(int textId) override { messages.push_back(textId); }
    void ShowProfile(int) override {}
    void ShowLightMode(int) override {}
    void ShowGameMode(GameModeSwitches) override {}
    void ShowKeyColours(const std::vector<KeyLight>&) override {}
    std::vector<int> ViewKeys() const override { return {4, 5, 41}; }
    std::vector<KeyLight> ViewColours() const override { return colours; }
    bool WindowShown() const override { return shown; }
    bool shown = true;
};

class MemorySettings : public ProfileSettings {
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

class FlowSim {
public:
    explicit FlowSim(DeviceModel model) : sim({ToCode(model)}) {
        for (const SupportedDevice& s : StartupSupportedDevices()) {
            manager.AddSupported(s.vendorId, s.productId, s.productName, s.interfaceTag);
        }
        manager.Scan();
        manager.SetReady(true);
        std::random_device rd;
        folder_ = std::filesystem::temp_directory_path() /
                  ("vekora-flows-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(folder_ / "db");
        db.OpenForModel(folder_, "flows");
        state.model = model;
        state.connected = true;
        state.revisionFlag = model != DeviceModel::K61;
    }
    ~FlowSim() {
        db.Close();
        std::filesystem::remove_all(folder_);
    }

    // Hex of every feature report the keyboard received since the last call, in order.
    std::vector<std::string> TakeSent() {
        std::vector<std::string> out;
        const auto log = sim.Log();
        for (std::size_t i = seen_; i < log.size(); ++i) {
            if (log[i].op == "set_feature") {
                out.push_back(log[i].data);
            }
        }
        seen_ = log.size();
        return out;
    }
    // The command byte (byte 1 of a long report, payload byte 1 of a short command) of each.
    std::vector<int> TakeCommands() {
        std::vector<int> out;
        for (const auto& hex : TakeSent()) {
            out.push_back(std::stoi(hex.substr(hex.size() == 130 ? 4 : 2, 2), nullptr, 16));
        }
        return out;
    }
    // One field of the simulator's state dump.
    std::string State(const std::string& key) {
        const std::string answer = sim.Ctl("state 0");
        EXPECT_EQ(answer.rfind("ok ", 0), 0u) << answer;
        return JsonField(answer, key);
    }
    int StateInt(const std::string& key) { return std::stoi(State(key)); }

    SimProcess sim;
    DeviceManager manager;
    ManagerReportLink link{manager, 0};
    ConfigDatabase db;
    SyncState state;
    SyncViewStub view;
    MemorySettings settings;
    DeviceSync sync{state, db, link, view, settings};

private:
    std::filesystem::path folder_;
    std::size_t seen_ = 0;
};

}  // namespace vekora::testing
