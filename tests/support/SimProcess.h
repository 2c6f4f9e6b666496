// SimProcess: runs vekora-kbd-sim for a test on a temporary socket and reads its report log.
// The including target defines VEKORA_SIM_PROGRAM as the path of the simulator program.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "device/hid/SimWire.h"

namespace vekora::testing {

// One line of the simulator's report log.
struct LogEntry {
    double t = 0;
    int dev = 0;
    std::string iface;
    std::string op;
    std::string data;
};

inline std::string JsonField(const std::string& line, const std::string& key) {
    const std::string tag = "\"" + key + "\": ";
    const std::size_t at = line.find(tag);
    if (at == std::string::npos) {
        return {};
    }
    std::size_t from = at + tag.size();
    if (line[from] == '"') {
        const std::size_t end = line.find('"', from + 1);
        return line.substr(from + 1, end - from - 1);
    }
    const std::size_t end = line.find_first_of(",}", from);
    return line.substr(from, end - from);
}

class SimProcess {
public:
    // The socket every test of the program uses (the HID backend binds to one path).
    static std::filesystem::path SocketPath() {
        return std::filesystem::temp_directory_path() /
               ("vekora-it-" + std::to_string(getpid()) + ".sock");
    }

    explicit SimProcess(const std::vector<int>& models) {
        log_ = std::filesystem::temp_directory_path() / ("vekora-it-" + std::to_string(getpid()) +
                                                         "-" + std::to_string(++counter_) + ".log");
        std::filesystem::remove(log_);
        std::vector<std::string> args = {VEKORA_SIM_PROGRAM, "--socket", SocketPath().string(),
                                         "--log", log_.string()};
        for (int m : models) {
            args.push_back("--model");
            args.push_back(std::to_string(m));
        }
        pid_ = fork();
        if (pid_ == 0) {
            std::vector<char*> argv;
            for (auto& a : args) {
                argv.push_back(a.data());
            }
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        // Ready once the socket answers.
        for (int i = 0; i < 500; ++i) {
            LineSocket probe;
            std::string error;
            if (probe.Connect(SocketPath().string(), error)) {
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        throw std::runtime_error("vekora-kbd-sim did not start");
    }

    ~SimProcess() {
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
        std::filesystem::remove(log_);
    }

    // Runs a control command; returns the first answer line.
    std::string Ctl(const std::string& command) {
        LineSocket socket;
        std::string error;
        if (!socket.Connect(SocketPath().string(), error) || !socket.WriteLine("ctl " + command)) {
            return "err " + error;
        }
        return socket.ReadLine(5000).value_or("err no answer");
    }

    std::vector<LogEntry> Log() const {
        std::vector<LogEntry> entries;
        std::ifstream in(log_);
        std::string line;
        while (std::getline(in, line)) {
            entries.push_back({std::stod(JsonField(line, "t")), std::stoi(JsonField(line, "dev")),
                               JsonField(line, "iface"), JsonField(line, "op"),
                               JsonField(line, "data")});
        }
        return entries;
    }

    std::vector<std::string> RawLog() const {
        std::vector<std::string> lines;
        std::ifstream in(log_);
        std::string line;
        while (std::getline(in, line)) {
            lines.push_back(line);
        }
        return lines;
    }

private:
    static inline int counter_ = 0;
    pid_t pid_ = -1;
    std::filesystem::path log_;
};

}  // namespace vekora::testing
