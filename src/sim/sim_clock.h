// A clock that moves only when told to: by Advance, or by the program's own Sleep.
#pragma once

#include <cstdint>

#include "core/platform/clock.h"

namespace aerowisp {

class Journal;

class SimClock final : public Clock {
  public:
    // With a journal, every Sleep is recorded there as "Sleep".
    explicit SimClock(uint32_t startTick = 0, Journal* journal = nullptr);

    uint32_t GetTickCount() override { return tick_; }
    // Returns at once, the clock having moved on by `milliseconds`.
    void Sleep(uint32_t milliseconds) override;

    // Time passing outside the program; wraps like the real tick count.
    void Advance(uint32_t milliseconds) { tick_ += milliseconds; }

  private:
    uint32_t tick_;
    Journal* journal_;
};

}  // namespace aerowisp
