// Check-up verdicts and step failures as healing reads them.
#include "core/healing/healing_findings.h"

#include "core/platform/service_control.h"

namespace aerowisp {
namespace {

// ERROR_ACCESS_DENIED: the service's configuration is locked, as group policy locks it.
constexpr uint32_t kErrorAccessDenied = 5;

bool Says(const CheckResult& result, const LanguageString& cause) {
    return result.verdict == CheckVerdict::kProblem && result.cause != nullptr && *result.cause == cause;
}

}  // namespace

std::optional<Breakage> BreakageFound(const CheckResult& result) {
    if (result.verdict != CheckVerdict::kProblem)
        return std::nullopt;
    switch (result.id) {
        case CheckId::kHostedNetworkStarted:
            if (Says(result, kCheckCauseHostedNetworkStopped))
                return Breakage::kHostedNetworkStopped;
            break;
        case CheckId::kSharingPair:
            if (Says(result, kCheckCausePairNotShared) || Says(result, kSharingCauseStaleRecords))
                return Breakage::kSharingRemoved;
            break;
        case CheckId::kVirtualAddress:
            return Breakage::kAddressLost;
        case CheckId::kDhcpServer:
            return Breakage::kDhcpServerEnded;
        case CheckId::kPublicConnection:
            if (Says(result, kCheckCauseConnectionDown))
                return Breakage::kPublicConnectionDown;
            if (Says(result, kCheckCauseNoDefaultRoute))
                return Breakage::kDefaultRouteElsewhere;
            break;
        default:
            break;
    }
    return std::nullopt;
}

StepResult StepResultOf(const std::optional<HostedNetworkFailure>& failure, const CheckResult& radio) {
    if (!failure)
        return StepResult::kDone;
    if (Says(radio, kCheckCauseHardwareRadioOff))
        return StepResult::kHardwareRadioOff;
    return failure->reason == HostedNetworkReason::kGpDenied ? StepResult::kServiceDisabled
                                                             : StepResult::kFailed;
}

StepResult StepResultOf(const ServiceStartOutcome& outcome) {
    if (outcome.running)
        return StepResult::kDone;
    return outcome.error == kErrorServiceDisabled || outcome.error == kErrorAccessDenied
               ? StepResult::kServiceDisabled
               : StepResult::kFailed;
}

}  // namespace aerowisp
