// How the program's own findings read to healing: which piece a check-up problem says broke, and which
// failures of a step only the user can clear.
#pragma once

#include <optional>

#include "core/checkup/checkup_result.h"
#include "core/healing/healing_operations.h"
#include "core/hostednet/hosted_network_failure.h"
#include "core/ics/sharing_service_start.h"

namespace aerowisp {

// Nothing for a verdict that is no breakage healing acts on: an OK, a check that could not be made, or a
// problem that was there before the start (those are the check-up's to explain).
std::optional<Breakage> BreakageFound(const CheckResult& result);

// A restart of the hosted network: refused by group policy, it is the user's to clear; with the radio
// check finding the hardware switch off, so is any refusal.
StepResult StepResultOf(const std::optional<HostedNetworkFailure>& failure, const CheckResult& radio);

// Starting the sharing service before sharing again: disabled, and not allowed to be changed.
StepResult StepResultOf(const ServiceStartOutcome& outcome);

}  // namespace aerowisp
