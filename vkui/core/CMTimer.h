// Periodic timers on their own thread (the animation timer). Each CMTimer object owns a table
// of timers; a process-wide list lets GetDRTimer find the owner of an id.
#pragma once

#include <map>
#include <memory>
#include <mutex>

#include "platform/Types.h"

namespace VKUI {

class CMTimer {
public:
    CMTimer();
    virtual ~CMTimer();
    CMTimer(const CMTimer&) = delete;
    CMTimer& operator=(const CMTimer&) = delete;

    virtual void OnMTimer(unsigned id, CString name);
    virtual void OnMTimer(unsigned id) = 0;

    // Starts a periodic timer; ticks arrive on a timer thread. Returns its id (0 on failure).
    unsigned SetTimer(unsigned periodMs, const CString& name, int appFlag);
    // Stops and forgets timers. Safe to call from inside a tick (the thread is then detached).
    void KillTimer(unsigned id);
    void KillTimer(const CString& name);
    void KillTimer();
    bool GetTimerIsRun(unsigned id) const;
    bool GetTimerIsRun(const CString& name) const;
    bool IsAppTimer(unsigned id) const;
    CString GetTimerName(unsigned id) const;
    static CMTimer* GetDRTimer(unsigned id);

    static unsigned m_uAccuracy;
    static bool m_bIsTmierOK;

private:
    struct Entry;
    static void Stop(std::shared_ptr<Entry> entry);
    mutable std::mutex lock_;
    std::map<unsigned, std::shared_ptr<Entry>> timers_;
};

}  // namespace VKUI
