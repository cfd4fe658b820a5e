// The manual clock of the simulated machine.
#include "sim/sim_clock.h"

#include <string>

#include "sim/journal.h"
#include "sim/operations.h"

namespace aerowisp {

SimClock::SimClock(uint32_t startTick, Journal* journal) : tick_(startTick), journal_(journal) {}

void SimClock::Sleep(uint32_t milliseconds) {
    if (journal_ != nullptr)
        journal_->Record(op::kSleep, "milliseconds=" + std::to_string(milliseconds));
    Advance(milliseconds);
}

}  // namespace aerowisp
