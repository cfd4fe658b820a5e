// One simulated platform call as every one is made: the failure plan is asked first, then the call is
// journaled with its result.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sim/failure_plan.h"
#include "sim/journal.h"

namespace aerowisp {

// An injected failure is journaled and returned without acting. Otherwise `body(arguments)` acts, may
// add what the call gives out to the arguments, and returns the result that is journaled and returned.
template <typename Body>
uint32_t JournaledCall(Journal& journal, FailurePlan& failures, std::string_view operation,
                       std::string arguments, Body body) {
    const std::optional<uint32_t> injected = failures.Consume(operation);
    const uint32_t result = injected ? *injected : static_cast<uint32_t>(body(arguments));
    journal.Record(operation, arguments, result);
    return result;
}

}  // namespace aerowisp
