// A SampleSource that plays back packets the test queued, and records what it was asked.
#pragma once

#include <cmath>
#include <cstddef>
#include <deque>
#include <mutex>
#include <numbers>
#include <string>
#include <vector>

#include "platform/audio/SampleSource.h"

namespace vekora::testing {

struct FakeSourceLog {
    int opens = 0;
    std::vector<int> restarts;  // the index of every Restart call
};

class FakeSampleSource : public SampleSource {
public:
    FakeSampleSource(std::vector<std::string> names, FakeSourceLog* log)
        : names_(std::move(names)), log_(log) {}

    void Open() override {
        if (log_)
            ++log_->opens;
    }
    std::vector<std::string> DeviceNames() const override { return names_; }
    bool Restart(int index) override {
        if (log_)
            log_->restarts.push_back(index);
        return !names_.empty();
    }
    void Drain(PacketSink& sink) override {
        std::lock_guard lock(mutex_);
        for (const auto& p : packets_)
            sink.OnPacket(p.data(), p.size() / 2, p.size(), 2);
        packets_.clear();
    }

    // Queues one stereo packet (left = right = the given samples).
    void Queue(const std::vector<float>& mono) {
        std::vector<float> stereo;
        stereo.reserve(mono.size() * 2);
        for (float s : mono) {
            stereo.push_back(s);
            stereo.push_back(s);
        }
        std::lock_guard lock(mutex_);
        packets_.push_back(std::move(stereo));
    }

private:
    std::vector<std::string> names_;
    FakeSourceLog* log_;
    std::mutex mutex_;
    std::deque<std::vector<float>> packets_;
};

// A mono sine whose period is `period` samples, `count` samples long.
inline std::vector<float> Sine(double amplitude, double period, std::size_t count) {
    std::vector<float> v(count);
    for (std::size_t i = 0; i < count; ++i)
        v[i] = static_cast<float>(amplitude * std::sin(2.0 * std::numbers::pi * i / period));
    return v;
}

}  // namespace vekora::testing
