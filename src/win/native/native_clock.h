// The real machine's clock: GetTickCount and Sleep.
#pragma once

#include "core/platform/clock.h"

namespace aerowisp {

class NativeClock final : public Clock {
  public:
    uint32_t GetTickCount() override;
    void Sleep(uint32_t milliseconds) override;
};

}  // namespace aerowisp
