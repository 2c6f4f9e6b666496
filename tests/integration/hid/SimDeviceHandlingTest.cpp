// Window-side device handling against vekora-kbd-sim: hot-plug events, scans, messages and the
// device library, as the window and the command-line tool run them.
#include <gtest/gtest.h>
#include <poll.h>

#include <fstream>
#include <sstream>

#include "RecordingView.h"
#include "SimEnvironment.h"
#include "SimProcess.h"
#include "core/DeviceChangeHandler.h"
#include "core/DeviceScanHandler.h"
#include "platform/hotplug/HotplugMonitor.h"

namespace vekora {
namespace {

using testing::SimProcess;

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new testing::SimEnvironment);

std::string TarnexioLog() {
    std::ifstream in(testing::TarnexioLogPath());
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

class DeviceHandling : public ::testing::Test {
protected:
    explicit DeviceHandling(std::vector<int> models = {})
        : sim_(models),
          binding_(VEKORA_TARNEXIO_DIR, SystemClock::Instance()),
          scan_(manager_, session_, database_, view_, binding_, SystemClock::Instance()),
          change_(session_, scan_),
          monitor_(HotplugMonitor::Create()) {
        for (const SupportedDevice& s : StartupSupportedDevices()) {
            manager_.AddSupported(s.vendorId, s.productId, s.productName, s.interfaceTag);
        }
        binding_.SetView(&view_);
        scan_.Run();
        session_.initialised = true;
    }

    // Waits for hot-plug events and hands each to the device-change handler; returns how many
    // of them ran a scan.
    int DeliverEvents(int expected) {
        int delivered = 0;
        int scans = 0;
        while (delivered < expected) {
            pollfd p{monitor_->Fd(), POLLIN, 0};
            if (poll(&p, 1, 3000) <= 0) {
                break;
            }
            for (const DeviceChangeEvent& e : monitor_->TakeEvents()) {
                ++delivered;
                scans += change_.OnDeviceChange(e) ? 1 : 0;
            }
        }
        return scans;
    }

    SimProcess sim_;
    DeviceManager manager_;
    DeviceSession session_;
    ConfigDatabase database_;
    testing::RecordingView view_;
    DeviceLibraryBinding binding_;
    DeviceScanHandler scan_;
    DeviceChangeHandler change_;
    std::unique_ptr<HotplugMonitor> monitor_;
};

TEST_F(DeviceHandling, PlugAndUnplugShowTheMessages) {
    ASSERT_EQ(sim_.Ctl("plug 7"), "ok 0");
    // Two interfaces arrive; only the configuration interface (520-byte reports) rescans.
    EXPECT_EQ(DeliverEvents(2), 1);
    EXPECT_EQ(session_.currentModel, DeviceModel::K61SE);
    EXPECT_EQ(view_.messages, std::vector<int>{500});

    ASSERT_EQ(sim_.Ctl("unplug 0"), "ok");
    EXPECT_EQ(DeliverEvents(2), 1);
    EXPECT_EQ(view_.messages, (std::vector<int>{500, 501}));
    EXPECT_EQ(session_.currentModel, DeviceModel::None);
    EXPECT_FALSE(session_.connected);
}

TEST_F(DeviceHandling, AnotherProductStringIsNeverConnected) {
    ASSERT_EQ(sim_.Ctl("plug-product 9 258A 010C VEKORA K87-1980 "), "ok 0");
    ASSERT_EQ(sim_.Ctl("plug-product 9 258A 010C vekora k87-1980"), "ok 1");
    DeliverEvents(4);
    EXPECT_EQ(manager_.Devices().size(), 2u);
    EXPECT_FALSE(session_.connected);
    EXPECT_TRUE(view_.messages.empty());
}

TEST_F(DeviceHandling, UnplugDuringAnUploadFailsQuietlyThenReportsTheRemoval) {
    ASSERT_EQ(sim_.Ctl("plug 1"), "ok 0");
    DeliverEvents(2);
    ASSERT_TRUE(session_.connected);
    ASSERT_EQ(sim_.Ctl("unplug-after 0 3"), "ok");

    std::vector<std::uint8_t> area(576, 0x22);
    EXPECT_FALSE(manager_.SendReport(area, 640, 0, true));
    EXPECT_FALSE(manager_.Busy());
    ShortPayload commit{0x04, 0x02};
    EXPECT_FALSE(manager_.SendReport(commit, 64, 0, true));  // the rest fails quietly too
    EXPECT_FALSE(manager_.Busy());
    EXPECT_EQ(view_.messages, std::vector<int>{500});
    EXPECT_EQ(sim_.Log().size(), 3u);  // the three reports that reached the keyboard

    EXPECT_EQ(DeliverEvents(2), 1);
    EXPECT_EQ(view_.messages, (std::vector<int>{500, 501}));
}

TEST_F(DeviceHandling, RgbKeyboardIsOpenedThroughTheDeviceLibraryOnce) {
    std::ofstream(testing::TarnexioLogPath(), std::ios::trunc);
    ASSERT_EQ(sim_.Ctl("plug 9"), "ok 0");
    DeliverEvents(2);
    ASSERT_TRUE(session_.connected);
    EXPECT_TRUE(binding_.Opened());
    EXPECT_TRUE(view_.boxes.empty());
    std::string log = TarnexioLog();
    EXPECT_EQ(Count(log, "\"fn\": \"OpenDevice\""), 1);
    EXPECT_EQ(Count(log, "\"fn\": \"SetMultiBoard\""), 1);

    ASSERT_EQ(sim_.Ctl("unplug 0"), "ok");
    DeliverEvents(2);
    ASSERT_EQ(sim_.Ctl("plug 9"), "ok 1");
    DeliverEvents(2);
    // Connected again with its database, but the library keeps its handle.
    EXPECT_EQ(view_.messages, (std::vector<int>{500, 501, 500}));
    EXPECT_TRUE(database_.opened());
    log = TarnexioLog();
    EXPECT_EQ(Count(log, "\"fn\": \"OpenDevice\""), 1);
}

}  // namespace
}  // namespace vekora
