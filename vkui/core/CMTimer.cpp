#include "core/CMTimer.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <thread>
#include <vector>

namespace VKUI {

unsigned CMTimer::m_uAccuracy = 1;
bool CMTimer::m_bIsTmierOK = false;

namespace {
std::mutex& RegistryLock() {
    static std::mutex m;
    return m;
}
std::vector<CMTimer*>& Registry() {
    static std::vector<CMTimer*> all;
    return all;
}
std::atomic<unsigned> g_nextId{1};
}  // namespace

struct CMTimer::Entry {
    unsigned id = 0;
    CString name;
    int appFlag = 0;
    std::thread thread;
    std::mutex m;
    std::condition_variable cv;
    bool stop = false;
};

CMTimer::CMTimer() {
    std::lock_guard lock(RegistryLock());
    Registry().push_back(this);
}

CMTimer::~CMTimer() {
    KillTimer();
    std::lock_guard lock(RegistryLock());
    std::erase(Registry(), this);
}

void CMTimer::OnMTimer(unsigned, CString) {}

unsigned CMTimer::SetTimer(unsigned periodMs, const CString& name, int appFlag) {
    if (!m_bIsTmierOK) {
        // Steady-clock deadlines give millisecond resolution without any system setting.
        m_uAccuracy = 1;
        m_bIsTmierOK = true;
    }
    auto e = std::make_shared<Entry>();
    e->id = g_nextId++;
    e->name = name;
    e->appFlag = appFlag;
    unsigned period = std::max(periodMs, m_uAccuracy);
    {
        std::lock_guard lock(lock_);
        timers_[e->id] = e;
    }
    // The thread holds its own reference: a timer killed from inside its tick outlives Stop.
    e->thread = std::thread([this, e, period] {
        using clock = std::chrono::steady_clock;
        auto next = clock::now() + std::chrono::milliseconds(period);
        std::unique_lock lk(e->m);
        while (!e->stop) {
            if (e->cv.wait_until(lk, next, [&e] { return e->stop; }))
                break;
            next += std::chrono::milliseconds(period);
            // Do not try to catch up after a long stall; keep the period.
            if (next < clock::now())
                next = clock::now() + std::chrono::milliseconds(period);
            lk.unlock();
            OnMTimer(e->id);
            if (e->appFlag)
                OnMTimer(e->id, e->name);
            lk.lock();
        }
    });
    return e->id;
}

void CMTimer::Stop(std::shared_ptr<Entry> entry) {
    {
        std::lock_guard lk(entry->m);
        entry->stop = true;
    }
    entry->cv.notify_all();
    if (entry->thread.get_id() == std::this_thread::get_id())
        entry->thread.detach();  // killed from inside its own tick: the loop ends by itself
    else if (entry->thread.joinable())
        entry->thread.join();
}

void CMTimer::KillTimer(unsigned id) {
    std::shared_ptr<Entry> e;
    {
        std::lock_guard lock(lock_);
        auto it = timers_.find(id);
        if (it == timers_.end())
            return;
        e = std::move(it->second);
        timers_.erase(it);
    }
    Stop(std::move(e));
}

void CMTimer::KillTimer(const CString& name) {
    std::vector<std::shared_ptr<Entry>> stopped;
    {
        std::lock_guard lock(lock_);
        for (auto it = timers_.begin(); it != timers_.end();) {
            if (it->second->name == name) {
                stopped.push_back(std::move(it->second));
                it = timers_.erase(it);
            } else {
                ++it;
            }
        }
    }
    for (auto& e : stopped)
        Stop(std::move(e));
}

void CMTimer::KillTimer() {
    std::map<unsigned, std::shared_ptr<Entry>> all;
    {
        std::lock_guard lock(lock_);
        all.swap(timers_);
    }
    for (auto& [id, e] : all)
        Stop(std::move(e));
}

bool CMTimer::GetTimerIsRun(unsigned id) const {
    std::lock_guard lock(lock_);
    return timers_.count(id) != 0;
}

bool CMTimer::GetTimerIsRun(const CString& name) const {
    std::lock_guard lock(lock_);
    for (const auto& [id, e] : timers_)
        if (e->name == name)
            return true;
    return false;
}

bool CMTimer::IsAppTimer(unsigned id) const {
    std::lock_guard lock(lock_);
    auto it = timers_.find(id);
    return it != timers_.end() && it->second->appFlag;
}

CString CMTimer::GetTimerName(unsigned id) const {
    std::lock_guard lock(lock_);
    auto it = timers_.find(id);
    return it == timers_.end() ? CString() : it->second->name;
}

CMTimer* CMTimer::GetDRTimer(unsigned id) {
    std::lock_guard lock(RegistryLock());
    for (CMTimer* t : Registry())
        if (t->GetTimerIsRun(id))
            return t;
    return nullptr;
}

}  // namespace VKUI
