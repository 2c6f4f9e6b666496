#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "DescriptorFixtures.h"
#include "FakeHidBackend.h"
#include "RecordingView.h"
#include "core/DeviceChangeHandler.h"
#include "core/DeviceScanHandler.h"
#include "device/FakeClock.h"
#include "device/hid/HidInterfaceName.h"
#include "store/Folders.h"
#include "store/Settings.h"

namespace vekora {
namespace {

namespace fs = std::filesystem;
using testing::FakeHidBackend;
using testing::LoadDescriptor;

class Handlers : public ::testing::Test {
protected:
    Handlers()
        : backend_(&clock_),
          scope_(backend_),
          manager_(clock_),
          binding_(EmptyFolder(), clock_),
          scan_(manager_, session_, database_, view_, binding_, clock_),
          change_(session_, scan_) {
        setenv("XDG_CONFIG_HOME", (home_ / "config").c_str(), 1);
        setenv("XDG_DATA_HOME", (home_ / "data").c_str(), 1);
        // Start-up creates the settings folder before any device is seen.
        fs::create_directories(SettingsFolder());
        for (const SupportedDevice& s : StartupSupportedDevices()) {
            manager_.AddSupported(s.vendorId, s.productId, s.productName, s.interfaceTag);
        }
        binding_.SetView(&view_);
        scan_.SetModelApplier([this] { applied_.push_back(session_.currentModel); });
    }
    ~Handlers() override { fs::remove_all(home_); }

    static fs::path EmptyFolder() {
        const fs::path dir =
            fs::temp_directory_path() / ("vekora-handlers-nolib-" + std::to_string(getpid()));
        fs::create_directories(dir);
        return dir;
    }

    void Plug(const std::string& name, std::uint16_t vid, std::uint16_t pid, std::wstring product) {
        const bool longFamily = vid == 0x258A;
        backend_.AddNode(name + "/0", vid, pid, 0, LoadDescriptor("boot_keyboard.hex"), product);
        backend_.AddNode(
            name + "/1", vid, pid, 1,
            LoadDescriptor(longFamily ? "vendor_two_collections.hex" : "vendor_feature_64.hex"),
            product);
    }
    void Unplug(const std::string& name) {
        backend_.RemoveNode(name + "/0");
        backend_.RemoveNode(name + "/1");
    }
    static DeviceChangeEvent Event(DeviceChangeKind kind, std::uint16_t vid, std::uint16_t pid,
                                   int mi, const std::string& path) {
        return {kind, BuildInterfaceName(vid, pid, mi, 0, path), path};
    }

    fs::path home_ = fs::temp_directory_path() / ("vekora-handlers-" + std::to_string(getpid()));
    FakeClock clock_;
    FakeHidBackend backend_;
    ScopedHidBackend scope_;
    DeviceManager manager_;
    DeviceSession session_;
    ConfigDatabase database_;
    testing::RecordingView view_;
    DeviceLibraryBinding binding_;
    DeviceScanHandler scan_;
    DeviceChangeHandler change_;
    std::vector<DeviceModel> applied_;
};

TEST_F(Handlers, StartupScanConnectsQuietly) {
    Plug("k", 0x258A, 0x010C, L"VEKORA K87-1980");
    scan_.Run();
    EXPECT_EQ(session_.currentModel, DeviceModel::K87Rgb);
    EXPECT_TRUE(session_.connected);
    EXPECT_TRUE(session_.knownDevices[0].online);
    EXPECT_EQ(session_.knownDevices[0].deviceIndex, 0);
    EXPECT_EQ(session_.knownDevices[1].deviceIndex, -1);
    EXPECT_EQ(view_.usb, std::vector<bool>{true});
    EXPECT_TRUE(view_.messages.empty());  // not initialised yet
    EXPECT_EQ(view_.entries, std::vector<int>{1});
    EXPECT_TRUE(database_.opened());
    EXPECT_NE(database_.path().find("vekora87k_rgb"), std::string::npos);
    EXPECT_EQ(ReadSettingInt("DevType"), 9);
    EXPECT_EQ(applied_, std::vector<DeviceModel>{DeviceModel::K87Rgb});
    EXPECT_TRUE(session_.revisionFlag);
    EXPECT_TRUE(manager_.Ready());
    EXPECT_FALSE(manager_.Busy());
}

TEST_F(Handlers, MissingDeviceLibraryIsReportedTwiceAndTheKeyboardStaysConnected) {
    Plug("k", 0x258A, 0x010C, L"VEKORA K98-1980");
    scan_.Run();
    ASSERT_EQ(view_.boxes.size(), 2u);
    EXPECT_EQ(view_.boxes[1].text, L"Load dll failed");
    EXPECT_EQ(view_.boxes[1].caption, L"LoadLibrary");
    EXPECT_EQ(clock_.Sleeps(), std::vector<int>{1000});
    EXPECT_TRUE(session_.connected);
    EXPECT_EQ(session_.currentModel, DeviceModel::K98Rgb);
}

TEST_F(Handlers, UnplugAndReplugShowTheMessagesOnceInitialised) {
    Plug("k", 0x258A, 0x010C, L"VEKORA K61SE");
    scan_.Run();
    session_.initialised = true;

    Unplug("k");
    scan_.Run();
    EXPECT_EQ(view_.messages, std::vector<int>{501});
    EXPECT_EQ(session_.currentModel, DeviceModel::None);
    EXPECT_FALSE(session_.connected);
    EXPECT_FALSE(session_.knownDevices[5].online);
    EXPECT_FALSE(database_.opened());
    EXPECT_EQ(view_.usb, (std::vector<bool>{true, false}));

    Plug("k", 0x258A, 0x010C, L"VEKORA K61SE");
    scan_.Run();
    EXPECT_EQ(view_.messages, (std::vector<int>{501, 500}));
    EXPECT_TRUE(database_.opened());
    EXPECT_EQ(applied_.size(), 2u);
    EXPECT_EQ(view_.entries, (std::vector<int>{0, 0}));  // none marked while model 0
}

TEST_F(Handlers, TwoKeyboardsBothGoOnlineAndTheLastMatchedIsCurrent) {
    Plug("a", 0x258A, 0x010C, L"VEKORA K98-1980");
    Plug("b", 0x258A, 0x010C, L"VEKORA K87-1980");
    scan_.Run();
    EXPECT_TRUE(session_.knownDevices[0].online);
    EXPECT_TRUE(session_.knownDevices[1].online);
    EXPECT_EQ(session_.knownDevices[0].deviceIndex, 1);
    EXPECT_EQ(session_.knownDevices[1].deviceIndex, 0);
    EXPECT_EQ(session_.currentModel, DeviceModel::K98Rgb);
    EXPECT_EQ(view_.entries, std::vector<int>{2});
}

TEST_F(Handlers, AProductStringOfOtherCaseNeverConnects) {
    Plug("k", 0x258A, 0x010C, L"VEKORA k87-1980");
    session_.initialised = true;
    scan_.Run();
    EXPECT_EQ(manager_.Devices().size(), 1u);
    EXPECT_FALSE(session_.connected);
    EXPECT_EQ(session_.currentModel, DeviceModel::K98Rgb);  // unchanged
    EXPECT_TRUE(view_.messages.empty());
    EXPECT_FALSE(database_.opened());
}

TEST_F(Handlers, ShortFamilyKeyboardSetsTheRevisionFlag) {
    Plug("s", 0x0C45, 0x8075, L"VEKORA K61");
    scan_.Run();
    EXPECT_EQ(session_.currentModel, DeviceModel::K61);
    EXPECT_TRUE(session_.revisionFlag);
    EXPECT_EQ(view_.entries, std::vector<int>{0});
    EXPECT_TRUE(view_.boxes.empty());  // no device library for own-report models
}

struct ChangeCase {
    const char* name;
    DeviceChangeKind kind;
    std::uint16_t vid;
    std::uint16_t pid;
    int mi;
    const char* path;
    bool scans;
};

class DeviceChange : public Handlers, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(DeviceChange, RescansOnlyForTheKeyboardsConfigurationInterface) {
    Plug("k", 0x258A, 0x010C, L"VEKORA K87-1980");
    Plug("s", 0x0C45, 0x8075, L"VEKORA K61");
    backend_.AddNode("odd/1", 0x258A, 0x010C, 1, LoadDescriptor("vendor_input_4.hex"), L"x");
    const ChangeCase& c = GetParam();
    EXPECT_EQ(change_.OnDeviceChange(Event(c.kind, c.vid, c.pid, c.mi, c.path)), c.scans);
    EXPECT_EQ(manager_.Ready(), c.scans);
}

INSTANTIATE_TEST_SUITE_P(
    Events, DeviceChange,
    ::testing::Values(ChangeCase{"ArrivalOf520ByteInterface", DeviceChangeKind::Arrival, 0x258A,
                                 0x010C, 1, "k/1", true},
                      ChangeCase{"ArrivalOf65ByteInterface", DeviceChangeKind::Arrival, 0x0C45,
                                 0x8075, 1, "s/1", true},
                      ChangeCase{"ArrivalWithoutFeatureReports", DeviceChangeKind::Arrival, 0x258A,
                                 0x010C, 1, "odd/1", false},
                      ChangeCase{"ArrivalOfKeystrokeInterface", DeviceChangeKind::Arrival, 0x258A,
                                 0x010C, 0, "k/0", false},
                      ChangeCase{"ArrivalThatCannotBeOpened", DeviceChangeKind::Arrival, 0x258A,
                                 0x010C, 1, "gone/1", false},
                      ChangeCase{"RemovalOfConfigurationInterface", DeviceChangeKind::Removal,
                                 0x258A, 0x010C, 1, "gone/1", true},
                      ChangeCase{"RemovalOfOtherDevice", DeviceChangeKind::Removal, 0x046D, 0xC52B,
                                 1, "m/1", false}),
    [](const ::testing::TestParamInfo<ChangeCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vekora
