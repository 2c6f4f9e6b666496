// FakeClock: a Clock for unit tests. Time advances only by the pauses taken (and by Advance),
// and every pause is recorded so tests can compare the exact pause sequence of an operation.
#pragma once

#include <vector>

#include "device/Clock.h"

namespace vekora {

class FakeClock : public Clock {
public:
    std::int64_t Now() const override { return now_; }
    void SleepFor(int ms) override {
        sleeps_.push_back(ms);
        if (ms > 0) {
            now_ += ms;
        }
    }
    void BeginPrecisePauses() override {
        ++precisionDepth_;
        ++precisionRaises_;
    }
    void EndPrecisePauses() override { --precisionDepth_; }

    void Advance(int ms) { now_ += ms; }

    // The pauses taken so far, in order; ClearSleeps forgets them.
    const std::vector<int>& Sleeps() const { return sleeps_; }
    void ClearSleeps() { sleeps_.clear(); }

    // Open precise-pause scopes (0 once every Begin got its End) and how often one was opened.
    int PrecisionDepth() const { return precisionDepth_; }
    int PrecisionRaises() const { return precisionRaises_; }

private:
    std::int64_t now_ = 1000;
    std::vector<int> sleeps_;
    int precisionDepth_ = 0;
    int precisionRaises_ = 0;
};

}  // namespace vekora
