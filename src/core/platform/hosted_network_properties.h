// Port: what the WLAN service keeps of the hosted network beyond its status: whether it is allowed and
// the name it is configured with (WlanHostedNetworkQueryProperty, opcodes enable and connection settings).
// Implementations: SimHostedNetworkProperties (src/sim); the native one over wlanapi.dll comes with the
// check-up's window.
#pragma once

#include <optional>

#include "core/platform/wlan_types.h"

namespace aerowisp {

class HostedNetworkProperties {
  public:
    virtual ~HostedNetworkProperties() = default;

    // Nothing when the service could not be asked.
    virtual std::optional<bool> Allowed() = 0;
    virtual std::optional<Dot11Ssid> ConfiguredSsid() = 0;
};

}  // namespace aerowisp
