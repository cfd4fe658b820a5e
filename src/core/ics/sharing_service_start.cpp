// Starting the sharing service and checking its address range.
#include "core/ics/sharing_service_start.h"

#include "core/hostednet/hosted_network_failure.h"
#include "core/platform/sharing_service.h"
#include "core/lang/language_strings.h"
#include "core/text/number_text.h"
#include "core/text/pattern_text.h"
#include "core/text/utf16_text.h"
#include "dhcp/core/config.h"

namespace aerowisp {
namespace {

ServiceStartOutcome Failed(const std::u16string& service, uint32_t error) {
    return {false, false, service, error};
}

bool IsRunning(const ServiceInfo& info) {
    return info.state == ServiceState::kRunning;
}

}  // namespace

ServiceStartOutcome EnsureServiceRunning(ServiceControl& services, const std::u16string& name) {
    ServiceInfo info;
    if (uint32_t error = services.QueryService(name, info))
        return Failed(name, error);
    if (IsRunning(info))
        return {true, false, {}, 0};
    if (info.startType == ServiceStartType::kDisabled) {
        if (uint32_t error = services.SetStartType(name, ServiceStartType::kAutomatic))
            return Failed(name, error);
    }
    for (const std::u16string& dependency : info.dependencies) {
        ServiceInfo needed;
        if (uint32_t error = services.QueryService(dependency, needed))
            return Failed(dependency, error);
        if (IsRunning(needed))
            continue;
        if (needed.startType == ServiceStartType::kDisabled) {
            if (uint32_t error = services.SetStartType(dependency, ServiceStartType::kManual))
                return Failed(dependency, error);
        }
        const uint32_t error = services.Start(dependency);
        if (error != 0 && error != kErrorServiceAlreadyRunning)
            return Failed(dependency, error);
    }
    const uint32_t error = services.Start(name);
    if (error != 0 && error != kErrorServiceAlreadyRunning)
        return Failed(name, error);
    return {true, true, {}, 0};
}

std::u16string ServiceFailureText(const LanguageTexts& texts, const ServiceStartOutcome& outcome) {
    const LanguageString* cause = &kServiceCauseOther;
    switch (outcome.error) {
        case kErrorServiceDisabled:
            cause = &kServiceCauseDisabled;
            break;
        case kErrorServiceDependencyFail:
            cause = &kServiceCauseDependency;
            break;
        case kErrorServiceDoesNotExist:
            cause = &kServiceCauseMissing;
            break;
        case win32::kAccessDenied:
            cause = &kCauseElevation;
            break;
        default:
            break;
    }
    return FillPattern(texts.ShownText(kServiceStartFailedMessage), {outcome.failedService}) + u" " +
           texts.ShownText(*cause) + u" " + FailureCodeText(texts, DecimalText(outcome.error));
}

std::optional<std::u16string> ConflictingScopeAddress(NetworkAdapters& adapters) {
    std::optional<std::u16string> scope = adapters.ReadMachineText(kSharingParametersKey, kScopeAddressValue);
    if (!scope)
        return std::nullopt;
    const std::optional<Ipv4> address = ParseIpv4(Utf16ToUtf8(*scope));
    return address && dhcp::InSubnet(*address) ? scope : std::nullopt;
}

}  // namespace aerowisp
