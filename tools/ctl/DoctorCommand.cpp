// `vekora-ctl doctor`: explains why a keyboard is or is not usable: none plugged in,
// present but not accessible (with the udev rule to install), only the keystroke interface
// visible, the device library missing, or the simulator in use.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "Commands.h"
#include "Context.h"
#include "HidrawSurvey.h"
#include "device/DeviceRecords.h"
#include "device/ModelNames.h"
#include "device/manager/DeviceManager.h"
#include "store/Folders.h"
#include "store/Utf8.h"

#ifndef VEKORA_SOURCE_DIR
#define VEKORA_SOURCE_DIR ""
#endif

namespace vekora::ctl {
namespace {

namespace fs = std::filesystem;

constexpr OptionSpec kOptions[] = {{"--sysfs", true}, {"--dev", true}};

constexpr const char* kRuleName = "packaging/udev/70-vekora.rules";
constexpr const char* kLibraryName = "libTarnexio.so";

// The rule file to install: the source tree's when it is there, else its path in the project.
std::string RuleFile() {
    const fs::path source = fs::path(VEKORA_SOURCE_DIR) / kRuleName;
    std::error_code ec;
    return fs::exists(source, ec) ? source.string() : std::string(kRuleName);
}

bool SocketAnswers(const std::string& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (path.size() >= sizeof addr.sun_path) {
        close(fd);
        return false;
    }
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
    const bool ok = connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    close(fd);
    return ok;
}

// The known keyboards a device scan recognises, as "model 10 K98Rgb (VEKORA K98-1980)".
// Only looks: nothing is stored and no keyboard is opened through the device library.
std::vector<std::string> RecognisedKeyboards() {
    DeviceManager manager;
    for (const SupportedDevice& s : StartupSupportedDevices()) {
        manager.AddSupported(s.vendorId, s.productId, s.productName, s.interfaceTag);
    }
    manager.Scan();
    std::vector<std::string> found;
    for (const KnownDevice& k : StartupKnownDevices()) {
        if (manager.FindDevice(k.vendorId, k.productId, k.productName) >= 0) {
            found.push_back("model " + std::to_string(ToCode(k.model)) + " " +
                            std::string(DeviceModelName(k.model)) + " (" +
                            WideToUtf8(k.productName) + ")");
        }
    }
    return found;
}

struct Finding {
    std::string kind;  // "ok", "simulator", "none", "permission", "keystroke-only", "library"
    std::string text;
};

int Run(Context& ctx, const CommandArgs& args) {
    if (!args.positional.empty()) {
        return ctx.UsageError("doctor", "takes no arguments");
    }
    std::vector<Finding> findings;
    bool usable = false;
    bool problem = false;

    // The simulator replaces every real keyboard while VEKORA_HID_SIM is set.
    const char* sim = std::getenv("VEKORA_HID_SIM");
    const bool simulated = sim && *sim;
    if (simulated) {
        const bool answers = SocketAnswers(sim);
        findings.push_back(
            {"simulator",
             std::string("simulator in use: VEKORA_HID_SIM=") + sim +
                 (answers ? " (vekora-kbd-sim answers; real keyboards are not looked at)"
                          : " but no vekora-kbd-sim answers on that socket; start it with "
                            "'vekora-kbd-sim --socket " +
                                std::string(sim) + " --model CODE' or unset VEKORA_HID_SIM")});
        usable = answers;
        problem = !answers;
    }

    const fs::path sysRoot = args.Value("--sysfs").value_or("/sys/class/hidraw");
    const fs::path devRoot = args.Value("--dev").value_or("/dev");
    const std::vector<HidrawNode> nodes = SurveyHidraw(sysRoot, devRoot);
    Json nodeList = Json::Array();
    bool config = false, configAccessible = false, keystroke = false;
    for (const HidrawNode& n : nodes) {
        char ids[16];
        std::snprintf(ids, sizeof ids, "%04x:%04x", n.vendorId, n.productId);
        nodeList.Push(Json::Object()
                          .Set("node", n.node)
                          .Set("ids", ids)
                          .Set("name", n.name)
                          .Set("interface", n.interface)
                          .Set("accessible", n.accessible));
        if (n.interface == kConfigurationInterface) {
            config = true;
            configAccessible = configAccessible || n.accessible;
        } else {
            keystroke = true;
        }
    }
    if (!simulated) {
        const std::string rule = RuleFile();
        const std::string install = "sudo install -m 644 " + rule +
                                    " /etc/udev/rules.d/ && sudo udevadm control --reload && "
                                    "sudo udevadm trigger --subsystem-match=hidraw";
        if (nodes.empty()) {
            findings.push_back({"none",
                                "no Vekora keyboard is plugged in (no hidraw node with ids "
                                "258a:010c or 0c45:8075); plug it in with its USB cable"});
        } else if (config && configAccessible) {
            findings.push_back({"ok",
                                "a Vekora keyboard's configuration interface is present "
                                "and accessible"});
            usable = true;
        } else if (config) {
            findings.push_back(
                {"permission",
                 "a Vekora keyboard is present but its configuration interface is not "
                 "accessible to this user (permission denied). Install the udev rule " +
                     rule + " and plug the keyboard in again:\n    " + install});
            problem = true;
        } else if (keystroke) {
            findings.push_back(
                {"keystroke-only",
                 "only the keyboard's keystroke interface (USB interface 0) is visible; the "
                 "configuration interface (interface 1) is missing. Plug the keyboard in "
                 "directly (not through a KVM switch or a USB hub that hides interfaces) and "
                 "check that no other driver claims it. Once it shows, access needs the udev "
                 "rule " +
                     rule + ":\n    " + install});
            problem = true;
        }
    }

    // What the scan itself makes of it.
    std::vector<std::string> recognised;
    // (Not below another sysfs folder: the scan looks at the real one.)
    const bool realTree = !args.Has("--sysfs");
    if ((simulated && usable) || (!simulated && realTree && config && configAccessible)) {
        recognised = RecognisedKeyboards();
        if (recognised.empty()) {
            findings.push_back({"unknown", "the scan recognises no known keyboard among them"});
            usable = false;
            problem = true;
        }
    }

    // The 87- and 98-key RGB keyboards are driven through the device library beside the
    // program.
    const fs::path library = ProgramFolder() / kLibraryName;
    std::error_code ec;
    const bool libraryPresent = fs::exists(library, ec);
    if (!libraryPresent) {
        findings.push_back({"library", "the device library " + library.string() +
                                           " is missing: the 87- and 98-key RGB keyboards "
                                           "cannot be driven (reinstall the program)"});
        problem = true;
    }

    if (ctx.json()) {
        Json list = Json::Array();
        for (const Finding& f : findings) {
            list.Push(Json::Object().Set("kind", f.kind).Set("text", f.text));
        }
        Json keyboards = Json::Array();
        for (const std::string& k : recognised) {
            keyboards.Push(k);
        }
        ctx.EmitJson(Json::Object()
                         .Set("usable", usable)
                         .Set("keyboards", std::move(keyboards))
                         .Set("simulator", simulated ? Json(sim) : Json())
                         .Set("interfaces", std::move(nodeList))
                         .Set("device_library", library.string())
                         .Set("device_library_present", libraryPresent)
                         .Set("findings", std::move(list)));
    } else {
        for (const HidrawNode& n : nodes) {
            char line[256];
            std::snprintf(line, sizeof line, "  %s  %04x:%04x interface %d  %s  \"%s\"",
                          n.node.c_str(), n.vendorId, n.productId, n.interface,
                          n.accessible ? "read-write" : "no access", n.name.c_str());
            ctx.Print(line);
        }
        for (const Finding& f : findings) {
            ctx.Print(f.text);
        }
        for (const std::string& k : recognised) {
            ctx.Print("recognised: " + k);
        }
        ctx.Print(std::string("device library: ") + library.string() +
                  (libraryPresent ? " (present)" : " (missing)"));
    }
    if (usable && !problem) {
        return kExitOk;
    }
    return usable || problem ? kExitFailure : kExitNoKeyboard;
}

}  // namespace

const Command& DoctorCommand() {
    static const Command c{
        "doctor", "explain why a keyboard is or is not usable",
        "usage: vekora-ctl doctor [--json]\n"
        "\n"
        "Looks at what the system shows of Vekora keyboards and explains: none plugged in,\n"
        "present but not accessible (with the udev rule to install and the command),\n"
        "only the keystroke interface visible, the device library missing, or the\n"
        "simulator in use (VEKORA_HID_SIM). Exit 0 when a keyboard is usable, 3 when none\n"
        "is plugged in, 1 when something stands in the way.\n"
        "--sysfs DIR and --dev DIR look below other folders than /sys/class/hidraw and\n"
        "/dev (for tests).\n",
        kOptions, Run};
    return c;
}

}  // namespace vekora::ctl
