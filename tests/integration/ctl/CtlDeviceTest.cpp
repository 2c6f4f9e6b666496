// vekora-ctl with simulated keyboards: detection, the model choice between two keyboards,
// and the flows' reports reaching the keyboard.
#include <gtest/gtest.h>

#include "CtlRunner.h"
#include "SimProcess.h"

namespace vekora {
namespace {

using testing::Contains;
using testing::CtlRunner;
using testing::SimProcess;

class CtlDevices : public ::testing::Test {
protected:
    CtlDevices() : sim_({10, 1}) {
        ctl_.SetEnv("VEKORA_HID_SIM", SimProcess::SocketPath().string());
    }
    SimProcess sim_;
    CtlRunner ctl_;
};

TEST_F(CtlDevices, ListsBothKeyboardsWithTheirModels) {
    const auto r = ctl_.Run({"devices", "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Contains(r.out,
                         "\"index\": 0, \"vendor_id\": 9610, \"product_id\": 268, "
                         "\"manufacturer\": \"Vekora\", \"product\": \"VEKORA K98-1980\""))
        << r.out;
    EXPECT_TRUE(Contains(r.out, "\"model\": 10, \"model_name\": \"K98Rgb\"")) << r.out;
    EXPECT_TRUE(Contains(r.out, "\"model\": 1, \"model_name\": \"K61\"")) << r.out;
}

TEST_F(CtlDevices, ModelChoiceBetweenConnectedKeyboardsHolds) {
    for (const char* code : {"10", "1", "10"}) {
        ASSERT_EQ(ctl_.Run({"model", code}).status, 0);
        const auto status = ctl_.Run({"status", "--json"});
        EXPECT_TRUE(Contains(status.out, std::string("\"model\": ") + code + ",")) << status.out;
        EXPECT_TRUE(Contains(status.out, "\"connected\": true")) << status.out;
    }
}

TEST_F(CtlDevices, AModelWithoutItsKeyboardIsRefusedWhileAnotherIsConnected) {
    const auto r = ctl_.Run({"model", "7"});
    EXPECT_EQ(r.status, 4);
    EXPECT_TRUE(Contains(r.err, "keyboard is connected")) << r.err;
}

TEST_F(CtlDevices, KeyboardUnpluggedMeansNoKeyboard) {
    ASSERT_EQ(sim_.Ctl("unplug 1"), "ok");
    ASSERT_EQ(sim_.Ctl("unplug 0"), "ok");
    EXPECT_TRUE(Contains(ctl_.Run({"status", "--json"}).out, "\"connected\": false"));
    EXPECT_EQ(ctl_.Run({"reset", "current"}).status, 3);
}

}  // namespace
}  // namespace vekora
