#include "device/Clock.h"

#include <sys/prctl.h>

#include <chrono>
#include <thread>

namespace vekora {

std::int64_t SystemClock::Now() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SystemClock::SleepFor(int ms) {
    if (ms <= 0) {
        return;
    }
    // sleep_until on steady_clock resumes after interrupted sleeps with the same deadline, so
    // a signal never shortens a protocol pause.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    std::this_thread::sleep_until(deadline);
}

namespace {

thread_local int tDepth = 0;
thread_local long tSavedSlackNs = 0;

}  // namespace

void SystemClock::BeginPrecisePauses() {
    if (tDepth++ == 0) {
        const int previous = prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
        tSavedSlackNs = previous > 0 ? previous : 0;
        // 1 us of slack: pauses end within timer-interrupt precision.
        prctl(PR_SET_TIMERSLACK, 1000UL, 0, 0, 0);
    }
}

void SystemClock::EndPrecisePauses() {
    if (tDepth > 0 && --tDepth == 0) {
        // 0 restores the thread's default slack.
        prctl(PR_SET_TIMERSLACK, static_cast<unsigned long>(tSavedSlackNs), 0, 0, 0);
    }
}

SystemClock& SystemClock::Instance() {
    static SystemClock clock;
    return clock;
}

}  // namespace vekora
