// The main window's timers on the simulated machine: each call journaled, the running timers kept for
// tests, and, in the program's simulation mode, the calls passed on to the real window's timers.
#pragma once

#include <map>
#include <optional>

#include "core/platform/timer_service.h"

namespace aerowisp {

class Journal;

// Journal entries: SetTimer id=108 period=6000, and KillTimer id=108 (result 1 when it failed).
class SimTimerService final : public TimerService {
  public:
    // Without `inner`, SetTimer succeeds with the identifier asked for and nothing ever ticks: tests
    // deliver ticks themselves.
    explicit SimTimerService(Journal& journal, TimerService* inner = nullptr);
    SimTimerService(const SimTimerService&) = delete;
    SimTimerService& operator=(const SimTimerService&) = delete;

    TimerId SetTimer(TimerId id, uint32_t periodMs) override;
    bool KillTimer(TimerId id) override;

    // From now on calls are passed on to `inner` (null: no longer).
    void ForwardTo(TimerService* inner) { inner_ = inner; }

    // ---- Inspecting (not journaled) ----
    bool IsRunning(TimerId id) const { return running_.contains(id); }
    // The period of a running timer.
    std::optional<uint32_t> Period(TimerId id) const;
    size_t RunningCount() const { return running_.size(); }

  private:
    Journal& journal_;
    TimerService* inner_;
    std::map<TimerId, uint32_t> running_;
};

}  // namespace aerowisp
