// Port: the system's up-time and the thread's sleep.
// Implementations: NativeClock (src/win/native), SimClock (src/sim, advanced by hand or by Sleep).
#pragma once

#include <cstdint>

namespace aerowisp {

class Clock {
  public:
    virtual ~Clock() = default;
    // Milliseconds since the system started, wrapping like GetTickCount.
    virtual uint32_t GetTickCount() = 0;
    virtual void Sleep(uint32_t milliseconds) = 0;
};

}  // namespace aerowisp
