#include "device/library/DeviceLibraryBinding.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "RecordingView.h"
#include "device/FakeClock.h"
#include "device/ModelCatalogue.h"

namespace vekora {
namespace {

namespace fs = std::filesystem;

fs::path TempDir(const char* name) {
    const fs::path dir =
        fs::temp_directory_path() / ("vekora-binding-" + std::to_string(getpid()) + "-" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

fs::path LogPath() {
    return fs::temp_directory_path() / ("vekora-binding-" + std::to_string(getpid()) + ".log");
}

std::string ReadLog() {
    std::ifstream in(LogPath());
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The library reads its settings once, when first used: give it a call log and a HID
// simulator socket nobody listens on, so no test can reach real hardware.
class LibraryEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        setenv("TARNEXIO_LOG", LogPath().c_str(), 1);
        setenv("VEKORA_HID_SIM", (fs::temp_directory_path() / "vekora-no-simulator").c_str(), 1);
    }
    void TearDown() override { fs::remove(LogPath()); }
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new LibraryEnvironment);

class Binding : public ::testing::Test {
protected:
    void SetUp() override { std::ofstream(LogPath(), std::ios::trunc); }
    FakeClock clock_;
    testing::RecordingView view_;
};

TEST_F(Binding, LoadsTheLibraryFromItsFolderWithEveryExport) {
    DeviceLibraryBinding binding(VEKORA_TARNEXIO_DIR, clock_);
    binding.SetView(&view_);
    EXPECT_TRUE(binding.Load());
    EXPECT_TRUE(binding.Loaded());
    EXPECT_TRUE(view_.boxes.empty());
    const auto& fn = binding.Functions();
    EXPECT_NE(fn.SetDebug, nullptr);
    EXPECT_NE(fn.OpenDevice, nullptr);
    EXPECT_NE(fn.new_key_action, nullptr);
    EXPECT_NE(fn.SendMusicData, nullptr);
    EXPECT_EQ(fn.GetDLLVersion(), 0x0100);
}

TEST_F(Binding, MissingLibraryShowsLoadDllFailed) {
    DeviceLibraryBinding binding(TempDir("empty"), clock_);
    binding.SetView(&view_);
    EXPECT_FALSE(binding.Load());
    ASSERT_EQ(view_.boxes.size(), 1u);
    EXPECT_EQ(view_.boxes[0].text, L"Load dll failed");
    EXPECT_EQ(view_.boxes[0].caption, L"LoadLibrary");
}

TEST_F(Binding, IncompleteLibraryFailsEachTimeButStaysLoaded) {
    DeviceLibraryBinding binding(VEKORA_INCOMPLETE_TARNEXIO_DIR, clock_);
    binding.SetView(&view_);
    EXPECT_FALSE(binding.Load());
    EXPECT_TRUE(binding.Loaded());
    EXPECT_FALSE(binding.Load());
    EXPECT_EQ(view_.boxes.size(), 2u);
    // Open and its retry each show the message again; no call goes through.
    EXPECT_FALSE(
        binding.Open(0x258A, 0x010C, std::wstring(OpenCode(DeviceModel::K87Rgb)), nullptr));
    EXPECT_EQ(view_.boxes.size(), 3u);
    EXPECT_EQ(binding.SetLED({}), -1);
}

TEST_F(Binding, NeverLoadsFromTheWorkingDirectory) {
    const fs::path cwd = TempDir("cwd");
    fs::copy_file(fs::path(VEKORA_TARNEXIO_DIR) / kDeviceLibraryFile, cwd / kDeviceLibraryFile);
    const fs::path before = fs::current_path();
    fs::current_path(cwd);
    DeviceLibraryBinding binding(TempDir("own"), clock_);
    binding.SetView(&view_);
    const bool loaded = binding.Load();
    fs::current_path(before);
    EXPECT_FALSE(loaded);
    EXPECT_EQ(view_.boxes.size(), 1u);
}

TEST_F(Binding, TheProgramsFolderIsTheExecutablesFolder) {
    EXPECT_EQ(ProgramLibraryFolder(), fs::read_symlink("/proc/self/exe").parent_path());
}

TEST_F(Binding, WrappersReportNotAvailableWithoutLibraryOrHandle) {
    DeviceLibraryBinding binding(VEKORA_TARNEXIO_DIR, clock_);
    std::uint8_t table[512] = {};
    EXPECT_EQ(binding.GetTable(table), -1);
    EXPECT_EQ(binding.SetTable(table), -1);
    EXPECT_EQ(binding.SetLED({}), -1);
    ASSERT_TRUE(binding.Load());
    EXPECT_EQ(binding.GetTable(table), -1);  // loaded, but no keyboard opened
    EXPECT_TRUE(ReadLog().find("GetTable") == std::string::npos);
}

TEST_F(Binding, OpenWithoutAKeyboardCallsOpenDeviceOnly) {
    DeviceLibraryBinding binding(VEKORA_TARNEXIO_DIR, clock_);
    binding.SetView(&view_);
    EXPECT_FALSE(binding.Open(0x258A, 0x010C, std::wstring(OpenCode(DeviceModel::K98Rgb)),
                              reinterpret_cast<void*>(0x1234)));
    EXPECT_FALSE(binding.Opened());
    EXPECT_TRUE(view_.boxes.empty());
    const std::string log = ReadLog();
    // The open code travels as its bytes; the window and the reserved 0 as integers.
    EXPECT_NE(log.find("\"fn\": \"OpenDevice\", \"args\": [4660, 0], \"data\": "
                       "\"373636353662366637323631326436623339333832643732363736323032\""),
              std::string::npos)
        << log;
    EXPECT_EQ(log.find("SetMultiBoard"), std::string::npos);
}

TEST_F(Binding, ReopenPausesOneSecondAndUsesThe87KeyCode) {
    DeviceLibraryBinding binding(VEKORA_TARNEXIO_DIR, clock_);
    EXPECT_FALSE(binding.Reopen());  // nothing loaded: nothing to call
    EXPECT_TRUE(clock_.Sleeps().empty());
    ASSERT_TRUE(binding.Load());
    EXPECT_FALSE(binding.Reopen());
    EXPECT_EQ(clock_.Sleeps(), std::vector<int>{1000});
    EXPECT_NE(ReadLog().find("3736363536623666373236313264366233383337"), std::string::npos);
}

}  // namespace
}  // namespace vekora
