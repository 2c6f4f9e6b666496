// The process-wide settings of the simulator-backed tests: the HID backend and the device
// library read them once, so they are set before the first test runs.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "SimProcess.h"

namespace vekora::testing {

inline std::filesystem::path TestHome() {
    return std::filesystem::temp_directory_path() / ("vekora-it-home-" + std::to_string(getpid()));
}

inline std::filesystem::path TarnexioLogPath() {
    return TestHome() / "tarnexio.log";
}

class SimEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        std::filesystem::create_directories(TestHome() / "config" / "Vekora Control Hub");
        setenv("VEKORA_HID_SIM", SimProcess::SocketPath().c_str(), 1);
        setenv("TARNEXIO_LOG", TarnexioLogPath().c_str(), 1);
        setenv("XDG_CONFIG_HOME", (TestHome() / "config").c_str(), 1);
        setenv("XDG_DATA_HOME", (TestHome() / "data").c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove_all(TestHome()); }
};

}  // namespace vekora::testing
