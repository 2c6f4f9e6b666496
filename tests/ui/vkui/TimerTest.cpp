// The periodic timer thread behind the animation timer.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "core/CMTimer.h"

namespace VKUI::test {
namespace {

class Counter : public CMTimer {
public:
    ~Counter() override { KillTimer(); }
    void OnMTimer(unsigned id) override {
        if (killAfter == 0) {
            ++ticks;
            return;
        }
        if (id != selfId.load())
            return;  // ticks before the test learnt the id
        if (++ticks >= killAfter)
            KillTimer(id);
    }
    void OnMTimer(unsigned, CString name) override { lastName = name; }
    std::atomic<int> ticks{0};
    int killAfter = 0;
    std::atomic<unsigned> selfId{0};
    CString lastName;
};

bool WaitFor(const std::function<bool()>& pred) {
    for (int i = 0; i < 400 && !pred(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return pred();
}

TEST(CMTimer, TicksQueriesAndKillByName) {
    Counter c;
    unsigned a = c.SetTimer(2, L"anim", 1);
    unsigned b = c.SetTimer(2, L"", 0);
    ASSERT_NE(a, 0u);
    ASSERT_NE(a, b);
    EXPECT_TRUE(c.GetTimerIsRun(a));
    EXPECT_TRUE(c.GetTimerIsRun(L"anim"));
    EXPECT_TRUE(c.IsAppTimer(a));
    EXPECT_FALSE(c.IsAppTimer(b));
    EXPECT_EQ(c.GetTimerName(a), L"anim");
    EXPECT_EQ(CMTimer::GetDRTimer(b), &c);
    EXPECT_TRUE(WaitFor([&] { return c.ticks >= 3; }));
    c.KillTimer(L"anim");
    EXPECT_FALSE(c.GetTimerIsRun(a));
    EXPECT_TRUE(c.GetTimerIsRun(b));
    c.KillTimer();
    EXPECT_FALSE(c.GetTimerIsRun(b));
    EXPECT_EQ(CMTimer::GetDRTimer(b), nullptr);
    int after = c.ticks;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(c.ticks, after) << "no tick after the kill";
}

TEST(CMTimer, TimerCanKillItselfFromItsTick) {
    Counter c;
    c.killAfter = 2;
    c.selfId = c.SetTimer(1, L"", 0);
    EXPECT_TRUE(WaitFor([&] { return !c.GetTimerIsRun(c.selfId.load()); }));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(c.ticks, 2);
}

}  // namespace
}  // namespace VKUI::test
