// The hosted network's properties as the simulated WLAN service keeps them: allowed or not, and the
// configured name.
#pragma once

#include "core/platform/hosted_network_properties.h"
#include "sim/sim_wlan_service.h"

namespace aerowisp {

class SimHostedNetworkProperties : public HostedNetworkProperties {
  public:
    explicit SimHostedNetworkProperties(SimWlanService& wlan) : wlan_(wlan) {}

    std::optional<bool> Allowed() override { return wlan_.HostedNetworkAllowed(); }
    std::optional<Dot11Ssid> ConfiguredSsid() override { return wlan_.StoredConnectionSettings().ssid; }

  private:
    SimWlanService& wlan_;
};

}  // namespace aerowisp
