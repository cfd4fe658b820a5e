// The simulated service control manager.
#include "sim/sim_services.h"

#include <algorithm>

#include "core/text/utf16_text.h"
#include "sim/failure_plan.h"
#include "sim/journal.h"
#include "sim/journaled_call.h"
#include "sim/operations.h"
#include "sim/sim_text.h"

namespace aerowisp {
namespace {

// No service chain on a real machine is deeper; a scenario with a cycle ends here.
constexpr int kMaxDependencyDepth = 8;

std::string_view StateName(ServiceState state) {
    return state == ServiceState::kRunning ? "running" : "stopped";
}

std::string ServiceArgument(const std::u16string& name) {
    return "service=" + QuoteText(name);
}

}  // namespace

std::string_view ServiceStartTypeName(ServiceStartType startType) {
    switch (startType) {
        case ServiceStartType::kBoot:
            return "boot";
        case ServiceStartType::kSystem:
            return "system";
        case ServiceStartType::kAutomatic:
            return "automatic";
        case ServiceStartType::kManual:
            return "manual";
        case ServiceStartType::kDisabled:
            break;
    }
    return "disabled";
}

SimServices::SimServices(const std::vector<ScenarioService>& services, Journal& journal,
                         FailurePlan& failures)
    : services_(services), journal_(journal), failures_(failures) {}

ScenarioService* SimServices::Find(const std::u16string& name) {
    auto it = std::ranges::find_if(
        services_, [&](const ScenarioService& s) { return FoldAsciiCase(s.name) == FoldAsciiCase(name); });
    return it == services_.end() ? nullptr : &*it;
}

const ScenarioService* SimServices::Find(const std::u16string& name) const {
    return const_cast<SimServices*>(this)->Find(name);
}

uint32_t SimServices::QueryService(const std::u16string& name, ServiceInfo& info) {
    return JournaledCall(journal_, failures_, op::kQueryServiceConfigW, ServiceArgument(name),
                         [&](std::string& arguments) -> uint32_t {
                             const ScenarioService* service = Find(name);
                             if (!service)
                                 return kErrorServiceDoesNotExist;
                             info = {service->startType, service->state, service->dependencies};
                             std::u16string dependencies;
                             for (const std::u16string& dependency : service->dependencies)
                                 dependencies += (dependencies.empty() ? u"" : u",") + dependency;
                             arguments +=
                                 " startType=" + std::string(ServiceStartTypeName(service->startType)) +
                                 " state=" + std::string(StateName(service->state)) +
                                 " dependencies=" + QuoteText(dependencies);
                             return 0;
                         });
}

uint32_t SimServices::SetStartType(const std::u16string& name, ServiceStartType startType) {
    return JournaledCall(journal_, failures_, op::kChangeServiceConfigW,
                         ServiceArgument(name) + " startType=" + std::string(ServiceStartTypeName(startType)),
                         [&](std::string&) -> uint32_t {
                             ScenarioService* service = Find(name);
                             if (!service)
                                 return kErrorServiceDoesNotExist;
                             service->startType = startType;
                             return 0;
                         });
}

uint32_t SimServices::Start(const std::u16string& name) {
    return JournaledCall(
        journal_, failures_, op::kStartServiceW, ServiceArgument(name), [&](std::string&) -> uint32_t {
            ScenarioService* service = Find(name);
            if (!service)
                return kErrorServiceDoesNotExist;
            return service->state == ServiceState::kRunning ? kErrorServiceAlreadyRunning
                                                            : StartWithDependencies(*service, 0);
        });
}

uint32_t SimServices::DemandStart(const std::u16string& name) {
    ScenarioService* service = Find(name);
    if (!service)
        return kErrorServiceDoesNotExist;
    return service->state == ServiceState::kRunning ? 0 : StartWithDependencies(*service, 0);
}

// A disabled service does not start; a dependency that cannot start fails the whole start with 1068.
uint32_t SimServices::StartWithDependencies(ScenarioService& service, int depth) {
    if (service.state == ServiceState::kRunning)
        return 0;
    if (service.startType == ServiceStartType::kDisabled)
        return kErrorServiceDisabled;
    if (depth >= kMaxDependencyDepth)
        return kErrorServiceDependencyFail;
    for (const std::u16string& name : service.dependencies) {
        ScenarioService* dependency = Find(name);
        if (!dependency || StartWithDependencies(*dependency, depth + 1) != 0)
            return kErrorServiceDependencyFail;
    }
    if (service.startError != 0)
        return service.startError;
    service.state = ServiceState::kRunning;
    return 0;
}

std::optional<ServiceState> SimServices::StateOf(const std::u16string& name) const {
    const ScenarioService* service = Find(name);
    return service ? std::optional(service->state) : std::nullopt;
}

std::optional<ServiceStartType> SimServices::StartTypeOf(const std::u16string& name) const {
    const ScenarioService* service = Find(name);
    return service ? std::optional(service->startType) : std::nullopt;
}

}  // namespace aerowisp
