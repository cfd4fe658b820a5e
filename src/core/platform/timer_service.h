// Port: the main window's timers, identified by the program's fixed numbers.
// Implementations: NativeTimerService (src/win/native, SetTimer / KillTimer on the main window),
// SimTimerService (src/sim, journals each call and optionally passes it on to another timer service).
#pragma once

#include <cstdint>

namespace aerowisp {

// The identifier SetTimer returned; 0 means "no timer".
using TimerId = uintptr_t;

class TimerService {
  public:
    virtual ~TimerService() = default;

    // SetTimer(main window, id, periodMs, no callback): starts or restarts timer `id`; its ticks reach
    // the main window's OnTimer. Returns the timer's identifier (`id` itself on the window), 0 on failure.
    virtual TimerId SetTimer(TimerId id, uint32_t periodMs) = 0;
    // KillTimer(main window, id): false when no such timer ran.
    virtual bool KillTimer(TimerId id) = 0;
};

// Kills the timer whose identifier `timer` holds, when one is set, and clears the identifier.
inline void KillTimerIfSet(TimerService& timers, TimerId& timer) {
    if (timer == 0)
        return;
    timers.KillTimer(timer);
    timer = 0;
}

}  // namespace aerowisp
