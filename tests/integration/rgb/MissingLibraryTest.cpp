// An RGB keyboard recognised while the device library is missing or incomplete: "Load dll
// failed" twice (the open and its retry), the keyboard stays connected, and every library call
// is skipped.
#include <gtest/gtest.h>

#include <chrono>

#include "LibrarySimState.h"
#include "RecordingView.h"
#include "core/DeviceScanHandler.h"
#include "device/Clock.h"
#include "device/KeyCodes.h"
#include "device/libcalls/LibraryUploads.h"
#include "device/library/DeviceLibraryBinding.h"

namespace vekora {
namespace {

using testing::SimProcess;

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new testing::SimEnvironment);

struct LibraryCase {
    const char* name;
    const char* folder;
};

class MissingLibrary : public ::testing::TestWithParam<LibraryCase> {
protected:
    MissingLibrary()
        : sim_({9}),
          binding_(GetParam().folder, SystemClock::Instance()),
          scan_(manager_, session_, database_, view_, binding_, SystemClock::Instance()),
          uploads_(binding_, SystemClock::Instance()) {
        for (const SupportedDevice& s : StartupSupportedDevices()) {
            manager_.AddSupported(s.vendorId, s.productId, s.productName, s.interfaceTag);
        }
        binding_.SetView(&view_);
    }

    std::size_t FeatureReports() {
        std::size_t n = 0;
        for (const auto& e : sim_.Log()) {
            n += e.iface == "feature" ? 1 : 0;
        }
        return n;
    }

    SimProcess sim_;
    DeviceManager manager_;
    DeviceSession session_;
    ConfigDatabase database_;
    testing::RecordingView view_;
    DeviceLibraryBinding binding_;
    DeviceScanHandler scan_;
    LibraryUploads uploads_;
};

INSTANTIATE_TEST_SUITE_P(Libraries, MissingLibrary,
                         ::testing::Values(LibraryCase{"Missing", "/nonexistent/vekora-no-library"},
                                           LibraryCase{"Incomplete",
                                                       VEKORA_INCOMPLETE_TARNEXIO_DIR}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(MissingLibrary, ShowsLoadDllFailedTwiceAndSkipsEveryCall) {
    testing::ClearTarnexioLog();
    const auto start = std::chrono::steady_clock::now();
    scan_.Run();
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1000));
    ASSERT_EQ(view_.boxes.size(), 2u);
    for (const auto& box : view_.boxes) {
        EXPECT_EQ(box.text, L"Load dll failed");
        EXPECT_EQ(box.caption, L"LoadLibrary");
    }
    EXPECT_TRUE(session_.connected);
    EXPECT_EQ(session_.currentModel, DeviceModel::K87Rgb);
    EXPECT_FALSE(uploads_.Ready());

    KeyAssignment a;
    a.profile = 1;
    a.key_code = key::A;
    a.macro_type = 607;
    a.macro_value = 1;
    const auto calls = std::chrono::steady_clock::now();
    EXPECT_EQ(uploads_.UploadKeyMap(DeviceModel::K87Rgb, 1, {a}, {}), -1);
    EXPECT_EQ(uploads_.SendLightMode(4), -1);
    EXPECT_FALSE(uploads_.SelectProfile(2));
    EXPECT_FALSE(uploads_.SendGameMode(true, true, true));
    uploads_.UploadUserLight(DeviceModel::K87Rgb, 1, 1, {});
    uploads_.UploadMacros(1, {});
    EXPECT_EQ(uploads_.ReadProfile(), std::nullopt);
    // Skipped means no re-open either: no 1000 ms pause, no further message.
    EXPECT_LT(std::chrono::steady_clock::now() - calls, std::chrono::milliseconds(900));
    EXPECT_EQ(view_.boxes.size(), 2u);
    EXPECT_EQ(FeatureReports(), 0u);
    const auto logged = testing::LoggedCalls();
    EXPECT_TRUE(std::find(logged.begin(), logged.end(), "SetKey") == logged.end());
    EXPECT_TRUE(std::find(logged.begin(), logged.end(), "SetLED") == logged.end());
}

}  // namespace
}  // namespace vekora
