#include "TarnexioLog.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>

namespace tarnexio {
namespace {

const auto gLoaded = std::chrono::steady_clock::now();
std::mutex gMutex;

std::FILE* LogFile() {
    static std::FILE* file = [] {
        const char* path = std::getenv("TARNEXIO_LOG");
        return path && *path ? std::fopen(path, "ae") : nullptr;
    }();
    return file;
}

}  // namespace

void LogCall(const char* fn, std::initializer_list<long long> args, const std::uint8_t* data,
             std::size_t size) {
    std::lock_guard lock(gMutex);
    std::FILE* f = LogFile();
    if (!f) {
        return;
    }
    const double t =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - gLoaded)
            .count();
    std::string line = "{\"t\": " + std::to_string(t).substr(0, std::to_string(t).find('.') + 4) +
                       ", \"fn\": \"" + fn + "\", \"args\": [";
    bool first = true;
    for (long long a : args) {
        line += (first ? "" : ", ") + std::to_string(a);
        first = false;
    }
    line += "], \"data\": \"";
    static constexpr char kHex[] = "0123456789abcdef";
    for (std::size_t i = 0; data && i < size; ++i) {
        line.push_back(kHex[data[i] >> 4]);
        line.push_back(kHex[data[i] & 0xF]);
    }
    line += "\"}\n";
    std::fputs(line.c_str(), f);
    std::fflush(f);
}

}  // namespace tarnexio
