// The main window's timers on the simulated machine.
#include "sim/sim_timers.h"

#include <string>

#include "sim/journal.h"

namespace aerowisp {
namespace {

// ERROR_INVALID_FUNCTION stands for any failed SetTimer or KillTimer; the program never looks at the code.
constexpr uint32_t kErrorTimerFailed = 1;

}  // namespace

SimTimerService::SimTimerService(Journal& journal, TimerService* inner) : journal_(journal), inner_(inner) {}

TimerId SimTimerService::SetTimer(TimerId id, uint32_t periodMs) {
    TimerId result = inner_ ? inner_->SetTimer(id, periodMs) : id;
    journal_.Record("SetTimer", "id=" + std::to_string(id) + " period=" + std::to_string(periodMs),
                    result != 0 ? 0 : kErrorTimerFailed);
    if (result != 0)
        running_[result] = periodMs;
    return result;
}

bool SimTimerService::KillTimer(TimerId id) {
    bool killed = inner_ ? inner_->KillTimer(id) : running_.contains(id);
    journal_.Record("KillTimer", "id=" + std::to_string(id), killed ? 0 : kErrorTimerFailed);
    running_.erase(id);
    return killed;
}

std::optional<uint32_t> SimTimerService::Period(TimerId id) const {
    auto it = running_.find(id);
    if (it == running_.end())
        return std::nullopt;
    return it->second;
}

}  // namespace aerowisp
