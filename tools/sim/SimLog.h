// The simulator's report log: one JSON object per line, appended as each transfer happens.
//   {"t": <ms since start, float>, "dev": <device index>, "iface": "<feature|input>",
//    "op": "<set_feature|get_feature|read_input>", "data": "<hex of every byte on the wire,
//    report id first>"}
// For get_feature, data is the answer.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace vekora::sim {

class SimLog {
public:
    SimLog() : start_(std::chrono::steady_clock::now()) {}
    ~SimLog();

    // Opens (appends to) the log file; false when it cannot be opened.
    bool Open(const std::string& path);

    void Write(int device, const char* iface, const char* op,
               const std::vector<std::uint8_t>& data);

    // Milliseconds since the simulator started.
    double Elapsed() const;

private:
    std::chrono::steady_clock::time_point start_;
    std::FILE* file_ = nullptr;
};

}  // namespace vekora::sim
