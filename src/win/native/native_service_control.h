// The service control manager of the real machine.
#pragma once

#include "core/platform/service_control.h"

namespace aerowisp {

class NativeServiceControl final : public ServiceControl {
  public:
    uint32_t QueryService(const std::u16string& name, ServiceInfo& info) override;
    uint32_t SetStartType(const std::u16string& name, ServiceStartType startType) override;
    // Also waits, a bounded time, until the service has left its start-pending state: the sharing
    // manager's calls fail while it is still starting.
    uint32_t Start(const std::u16string& name) override;
};

}  // namespace aerowisp
