// Clock: the time source behind every protocol pause. Device code never sleeps or reads the
// time directly, so unit tests can run the exact pause sequences instantly with FakeClock and
// simulator-backed tests run them in real time with SystemClock.
#pragma once

#include <cstdint>

namespace vekora {

class Clock {
public:
    virtual ~Clock() = default;

    // Milliseconds on a monotonic time line (the start is arbitrary).
    virtual std::int64_t Now() const = 0;

    // Blocks the calling thread for at least `ms` milliseconds (nothing for ms <= 0).
    virtual void SleepFor(int ms) = 0;

    // Report sequences ask for 1 ms pause precision while they run and give it back at the end.
    // Calls nest; every Begin is matched by one End.
    virtual void BeginPrecisePauses() = 0;
    virtual void EndPrecisePauses() = 0;
};

// steady_clock time and nanosleep-class pauses. Precise pauses shrink the calling thread's timer
// slack so that a 2 ms pause does not stretch by the kernel's default slack of 50 us or more.
class SystemClock : public Clock {
public:
    std::int64_t Now() const override;
    void SleepFor(int ms) override;
    void BeginPrecisePauses() override;
    void EndPrecisePauses() override;

    // The process-wide instance used outside tests. Precision is a property of the calling
    // thread (its timer slack), so Begin/End keep their nesting per thread.
    static SystemClock& Instance();
};

// Raises pause precision for the lifetime of the scope.
class PrecisePauseScope {
public:
    explicit PrecisePauseScope(Clock& clock) : clock_(clock) { clock_.BeginPrecisePauses(); }
    ~PrecisePauseScope() { clock_.EndPrecisePauses(); }
    PrecisePauseScope(const PrecisePauseScope&) = delete;
    PrecisePauseScope& operator=(const PrecisePauseScope&) = delete;

private:
    Clock& clock_;
};

}  // namespace vekora
