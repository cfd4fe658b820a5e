// The simulated machine's service control manager: the scenario's services with their start types,
// states and dependencies, started the way the real manager starts them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/service_control.h"
#include "sim/scenario.h"

namespace aerowisp {

class FailurePlan;
class Journal;

// Journal entries (service names quoted):
//   QueryServiceConfigW   service="SharedAccess" startType=disabled state=stopped
//                         dependencies="BFE,Netman,RasMan,Winmgmt" (out; result 1060 for no such service)
//   ChangeServiceConfigW  service="SharedAccess" startType=automatic
//   StartServiceW         service="SharedAccess" (result 1058 disabled, 1056 running, 1068 a dependency
//                         could not start, or the scenario's StartError)
class SimServices final : public ServiceControl {
  public:
    SimServices(const std::vector<ScenarioService>& services, Journal& journal, FailurePlan& failures);
    SimServices(const SimServices&) = delete;
    SimServices& operator=(const SimServices&) = delete;

    uint32_t QueryService(const std::u16string& name, ServiceInfo& info) override;
    uint32_t SetStartType(const std::u16string& name, ServiceStartType startType) override;
    uint32_t Start(const std::u16string& name) override;

    // What a program's demand start of `name` gives, as a COM server started on demand reports it:
    // 0 once it runs (started now if need be, not journaled), else the Win32 error.
    uint32_t DemandStart(const std::u16string& name);

    // ---- Inspecting (not journaled) ----
    std::optional<ServiceState> StateOf(const std::u16string& name) const;
    std::optional<ServiceStartType> StartTypeOf(const std::u16string& name) const;

  private:
    ScenarioService* Find(const std::u16string& name);
    const ScenarioService* Find(const std::u16string& name) const;
    // Starts `service` and, first, what it depends on; `depth` bounds a dependency cycle.
    uint32_t StartWithDependencies(ScenarioService& service, int depth);

    std::vector<ScenarioService> services_;
    Journal& journal_;
    FailurePlan& failures_;
};

std::string_view ServiceStartTypeName(ServiceStartType startType);

}  // namespace aerowisp
