// vekora-ctl's command line: usage errors and their exit status, --help everywhere, and the
// explanations of `doctor`.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "CtlRunner.h"
#include "SimProcess.h"

namespace vekora {
namespace {

using testing::Contains;
using testing::CtlRunner;

struct UsageCase {
    std::string name;
    std::vector<std::string> args;
    std::string message;  // part of what stderr says
};

class CtlUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(CtlUsage, ExitsWithTwoAndSaysWhy) {
    CtlRunner ctl;
    ctl.SetEnv("VEKORA_HID_SIM", (ctl.Home() / "nobody.sock").string());
    const auto r = ctl.Run(GetParam().args);
    EXPECT_EQ(r.status, 2) << r.out << r.err;
    EXPECT_TRUE(Contains(r.err, GetParam().message)) << r.err;
    // Nothing was stored.
    EXPECT_TRUE(Contains(ctl.Run({"keys", "--json"}).out, "\"keys\": []"));
}

const UsageCase kUsageCases[] = {
    {"UnknownKey", {"key", "Foo", "default"}, "unknown key 'Foo'"},
    {"UnknownFunction", {"key", "A", "launch:rocket"}, "unknown function 'launch:rocket'"},
    {"UnknownSystemCommand", {"key", "A", "system:621"}, "unknown function 'system:621'"},
    {"MediaCodeAsMouse", {"key", "A", "mouse:play-pause"}, "unknown function"},
    {"UnknownModifier", {"key", "A", "key:hyper+z"}, "unknown modifier 'hyper'"},
    {"ProfileSix", {"profile", "6"}, "no profile '6'"},
    {"ProfileZero", {"profile", "0"}, "no profile '0'"},
    {"UnknownCommand", {"frobnicate"}, "unknown command 'frobnicate'"},
    {"UnknownOption", {"status", "--verbose"}, "unknown option '--verbose'"},
    {"LockName", {"lock", "ctrl", "on"}, "no lock 'ctrl'"},
    {"LockState", {"lock", "win", "maybe"}, "expected on or off"},
    {"ResetAllUnconfirmed", {"reset", "all"}, "confirm with --yes"},
    {"MacroStep", {"macro", "add", "M", "press:a"}, "bad macro step 'press:a'"},
    {"MacroWithoutSteps", {"macro", "add", "M"}, "at least one EVENT"},
    {"MacroTimes", {"macro", "add", "M", "--times", "256", "down:a"}, "--times takes 1..255"},
    {"MacroNameEmpty", {"macro", "add", "", "down:a"}, "the macro name is empty"},
    {"PaintColour", {"userlight", "paint", "1", "A=#12345"}, "bad colour '#12345'"},
    {"PaintKeyNotOnView", {"userlight", "paint", "1", "F13=#123456"}, "has no key 'F13'"},
    {"SaveSlotSix", {"userlight", "save-slot", "1", "6"}, "slots are 1..5"},
    {"LightUnknown", {"light", "99"}, "no effect '99'"},
    {"ModelUnknown", {"model", "4"}, "not the code of a keyboard model"},
    {"LanguageUnknown", {"language", "1041"}, "no language '1041'"},
    {"MusicPattern", {"music", "--fore", "8"}, "--fore takes a pattern id"},
};

INSTANTIATE_TEST_SUITE_P(Errors, CtlUsage, ::testing::ValuesIn(kUsageCases),
                         [](const auto& info) { return info.param.name; });

class CtlHelp : public ::testing::TestWithParam<std::string> {};

TEST_P(CtlHelp, EveryCommandExplainsItself) {
    CtlRunner ctl;
    const auto r = ctl.Run({GetParam(), "--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(Contains(r.out, "usage: vekora-ctl " + GetParam())) << r.out;
    EXPECT_TRUE(r.err.empty()) << r.err;
}

INSTANTIATE_TEST_SUITE_P(Commands, CtlHelp,
                         ::testing::Values("status", "devices", "models", "model", "profile", "key",
                                           "keys", "light", "lights", "userlight", "lock", "macro",
                                           "reset", "export-profile", "import-profile",
                                           "export-light", "import-light", "music", "language",
                                           "autorun", "doctor"),
                         [](const auto& info) {
                             std::string name;
                             for (char c : info.param) {
                                 name += c == '-' ? '_' : c;
                             }
                             return name;
                         });

TEST(CtlHelpList, NamesEveryCommandAndTheExitCodes) {
    CtlRunner ctl;
    const auto r = ctl.Run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(Contains(r.out, "  userlight ")) << r.out;
    EXPECT_TRUE(Contains(r.out, "3 no keyboard connected")) << r.out;
    EXPECT_EQ(ctl.Run({}).status, 2);
}

// A hidraw tree as sysfs shows it: hidrawN/device is the HID device below its USB interface.
class FakeHidraw {
public:
    explicit FakeHidraw(const std::filesystem::path& root) : root_(root) {
        std::filesystem::create_directories(root_ / "sys");
        std::filesystem::create_directories(root_ / "dev");
        chmod(root_.c_str(), 0755);
    }
    void Add(int n, const char* ids, int interface, mode_t mode) {
        const auto usb = root_ / "usb" / ("1-1:1." + std::to_string(interface));
        const auto hid = usb / ("0003:" + std::string(ids) + "." + std::to_string(n));
        std::filesystem::create_directories(hid);
        std::ofstream(usb / "bInterfaceNumber") << "0" << interface << "\n";
        std::ofstream(hid / "uevent")
            << "DRIVER=hid-generic\nHID_ID=0003:0000" << std::string(ids).substr(0, 4) << ":0000"
            << std::string(ids).substr(5, 4) << "\nHID_NAME=Vekora Keyboard\n";
        const auto node = root_ / "sys" / ("hidraw" + std::to_string(n));
        std::filesystem::create_directories(node);
        std::filesystem::create_symlink(hid, node / "device");
        const auto dev = root_ / "dev" / ("hidraw" + std::to_string(n));
        std::ofstream{dev};
        chmod(dev.c_str(), mode);
        for (const auto& e : std::filesystem::recursive_directory_iterator(root_)) {
            if (e.is_directory() && !e.is_symlink()) {
                chmod(e.path().c_str(), 0755);
            }
        }
    }
    std::vector<std::string> Args() const {
        return {"doctor", "--sysfs", (root_ / "sys").string(), "--dev", (root_ / "dev").string()};
    }

private:
    std::filesystem::path root_;
};

class CtlDoctor : public ::testing::Test {
protected:
    CtlDoctor() : hidraw_(ctl_.Home() / "hw") {
        ctl_.SetEnv("VEKORA_HID_SIM", "");
        // Permissions mean nothing to root: look as an ordinary user.
        if (geteuid() == 0) {
            ctl_.RunAsNobody(true);
            chmod(ctl_.Home().c_str(), 0755);
        }
    }
    CtlRunner ctl_;
    FakeHidraw hidraw_;
};

TEST_F(CtlDoctor, NonePluggedIn) {
    const auto r = ctl_.Run(hidraw_.Args());
    EXPECT_EQ(r.status, 3) << r.err;
    EXPECT_TRUE(Contains(r.out, "no Vekora keyboard is plugged in")) << r.out;
}

TEST_F(CtlDoctor, PermissionDeniedNamesTheRuleAndTheCommand) {
    if (geteuid() != 0 && access("/", W_OK) == 0) {
        GTEST_SKIP() << "cannot take away this user's access";
    }
    hidraw_.Add(0, "258A:010C", 0, 0600);
    hidraw_.Add(1, "258A:010C", 1, 0600);
    const auto r = ctl_.Run(hidraw_.Args());
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_TRUE(Contains(r.out, "permission denied")) << r.out;
    EXPECT_TRUE(Contains(r.out, "packaging/udev/70-vekora.rules")) << r.out;
    EXPECT_TRUE(Contains(r.out, "/etc/udev/rules.d/ && sudo udevadm control --reload")) << r.out;
}

TEST_F(CtlDoctor, OnlyTheKeystrokeInterface) {
    hidraw_.Add(0, "0C45:8075", 0, 0666);
    const auto r = ctl_.Run(hidraw_.Args());
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.out, "only the keyboard's keystroke interface")) << r.out;
}

TEST_F(CtlDoctor, AccessibleKeyboardIsUsable) {
    hidraw_.Add(0, "0C45:8075", 0, 0600);
    hidraw_.Add(1, "0C45:8075", 1, 0666);
    const auto r = ctl_.Run({hidraw_.Args()[0], hidraw_.Args()[1], hidraw_.Args()[2],
                             hidraw_.Args()[3], hidraw_.Args()[4], "--json"});
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_TRUE(Contains(r.out, "\"usable\": true")) << r.out;
    EXPECT_TRUE(Contains(r.out, "\"interface\": 1, \"accessible\": true")) << r.out;
}

TEST_F(CtlDoctor, SimulatorInUse) {
    ctl_.SetEnv("VEKORA_HID_SIM", (ctl_.Home() / "nobody.sock").string());
    const auto r = ctl_.Run({"doctor"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.out, "simulator in use")) << r.out;
    EXPECT_TRUE(Contains(r.out, "no vekora-kbd-sim answers")) << r.out;
}

TEST(CtlDoctorWithSimulator, NamesTheRecognisedKeyboards) {
    testing::SimProcess sim({10, 1});
    CtlRunner ctl;
    ctl.SetEnv("VEKORA_HID_SIM", testing::SimProcess::SocketPath().string());
    const auto r = ctl.Run({"doctor"});
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_TRUE(Contains(r.out, "recognised: model 10 K98Rgb (VEKORA K98-1980)")) << r.out;
    EXPECT_TRUE(Contains(r.out, "recognised: model 1 K61 (VEKORA K61)")) << r.out;
}

}  // namespace
}  // namespace vekora
