// vekora-kbd-sim: the keyboard simulator used by the tests and the demo.
//
//   vekora-kbd-sim --socket PATH [--model CODE]... [--log FILE]
//       serve the keyboards of the given model codes on PATH until SIGINT/SIGTERM or `quit`
//   vekora-kbd-sim --socket PATH --ctl COMMAND...
//       send one control command to a running simulator and print its answer
//
// Programs reach the simulator by setting VEKORA_HID_SIM=PATH. The control commands are listed
// in SimServer.h.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "SimLog.h"
#include "SimServer.h"
#include "device/hid/SimWire.h"

namespace {

volatile bool gStop = false;

void OnSignal(int) {
    gStop = true;
}

int Usage(FILE* out) {
    std::fputs(
        "usage: vekora-kbd-sim --socket PATH [--model CODE]... [--log FILE]\n"
        "       vekora-kbd-sim --socket PATH --ctl COMMAND...\n"
        "\n"
        "control commands:\n"
        "  plug CODE | plug-product CODE VID PID NAME... | unplug DEV | list | quit\n"
        "  fault DEV none|ff-once|ff-always|error-once|error-always\n"
        "  unplug-after DEV N | input DEV HEX\n",
        out);
    return out == stdout ? 0 : 2;
}

int SendControl(const std::string& socketPath, const std::vector<std::string>& words) {
    std::string line = "ctl";
    for (const auto& w : words) {
        line += " " + w;
    }
    vekora::LineSocket socket;
    std::string error;
    if (!socket.Connect(socketPath, error) || !socket.WriteLine(line)) {
        std::fprintf(stderr, "vekora-kbd-sim: %s\n", error.c_str());
        return 1;
    }
    const auto head = socket.ReadLine(10000);
    if (!head) {
        std::fprintf(stderr, "vekora-kbd-sim: no answer\n");
        return 1;
    }
    std::puts(head->c_str());
    if (head->rfind("ok", 0) != 0) {
        return 1;
    }
    // `list` is followed by one line per keyboard.
    if (!words.empty() && words[0] == "list") {
        const int count = std::atoi(head->c_str() + 2);
        for (int i = 0; i < count; ++i) {
            const auto next = socket.ReadLine(10000);
            if (!next) {
                return 1;
            }
            std::puts(next->c_str());
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string socketPath;
    std::string logPath;
    std::vector<int> models;
    std::vector<std::string> ctl;
    bool ctlMode = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (ctlMode) {
            ctl.push_back(arg);
        } else if (arg == "--socket" && i + 1 < argc) {
            socketPath = argv[++i];
        } else if (arg == "--log" && i + 1 < argc) {
            logPath = argv[++i];
        } else if (arg == "--model" && i + 1 < argc) {
            char* end = nullptr;
            const long code = std::strtol(argv[++i], &end, 10);
            if (*end != '\0') {
                std::fprintf(stderr, "vekora-kbd-sim: bad model code %s\n", argv[i]);
                return 2;
            }
            models.push_back(static_cast<int>(code));
        } else if (arg == "--ctl") {
            ctlMode = true;
        } else if (arg == "--help" || arg == "-h") {
            return Usage(stdout);
        } else {
            std::fprintf(stderr, "vekora-kbd-sim: unknown argument %s\n", arg.c_str());
            return Usage(stderr);
        }
    }
    if (socketPath.empty()) {
        return Usage(stderr);
    }
    if (ctlMode) {
        if (ctl.empty()) {
            return Usage(stderr);
        }
        return SendControl(socketPath, ctl);
    }

    vekora::sim::SimLog log;
    if (!logPath.empty() && !log.Open(logPath)) {
        std::fprintf(stderr, "vekora-kbd-sim: cannot write the log %s: %s\n", logPath.c_str(),
                     std::strerror(errno));
        return 1;
    }
    vekora::sim::SimServer server(log);
    std::string error;
    for (int model : models) {
        if (!server.PlugModel(model, error)) {
            std::fprintf(stderr, "vekora-kbd-sim: %s\n", error.c_str());
            return 2;
        }
    }
    if (!server.Listen(socketPath, error)) {
        std::fprintf(stderr, "vekora-kbd-sim: %s\n", error.c_str());
        return 1;
    }
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    server.Run(&gStop);
    return 0;
}
