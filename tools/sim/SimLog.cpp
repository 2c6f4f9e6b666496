#include "SimLog.h"

#include "device/hid/SimWire.h"

namespace vekora::sim {

SimLog::~SimLog() {
    if (file_) {
        std::fclose(file_);
    }
}

bool SimLog::Open(const std::string& path) {
    file_ = std::fopen(path.c_str(), "ae");
    return file_ != nullptr;
}

double SimLog::Elapsed() const {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now() - start_).count();
}

void SimLog::Write(int device, const char* iface, const char* op,
                   const std::vector<std::uint8_t>& data) {
    if (!file_) {
        return;
    }
    std::fprintf(
        file_, "{\"t\": %.3f, \"dev\": %d, \"iface\": \"%s\", \"op\": \"%s\", \"data\": \"%s\"}\n",
        Elapsed(), device, iface, op, HexEncode(data).c_str());
    // Readers follow the log while the simulator runs.
    std::fflush(file_);
}

}  // namespace vekora::sim
