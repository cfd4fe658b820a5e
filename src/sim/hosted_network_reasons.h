// The names of WLAN_HOSTED_NETWORK_REASON values as scenario files and the journal write them: the
// Native Wifi names without their "wlan_hosted_network_reason_" prefix.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/platform/wlan_types.h"

namespace aerowisp {

inline constexpr std::array<std::string_view, kHostedNetworkReasonCount> kHostedNetworkReasonNames = {
    "success",
    "unspecified",
    "bad_parameters",
    "service_shutting_down",
    "insufficient_resources",
    "elevation_required",
    "read_only",
    "persistence_failed",
    "crypt_error",
    "impersonation",
    "stop_before_start",
    "interface_available",
    "interface_unavailable",
    "miniport_stopped",
    "miniport_started",
    "incompatible_connection_started",
    "incompatible_connection_stopped",
    "user_action",
    "client_abort",
    "ap_start_failed",
    "peer_arrived",
    "peer_departed",
    "peer_timeout",
    "gp_denied",
    "service_unavailable",
    "device_change",
    "properties_change",
    "virtual_station_blocking_use",
    "service_available_on_virtual_station",
};

// The name of `reason`, or its number when it has none.
inline std::string HostedNetworkReasonName(HostedNetworkReason reason) {
    const auto value = static_cast<uint32_t>(reason);
    return value < kHostedNetworkReasonNames.size() ? std::string(kHostedNetworkReasonNames[value])
                                                    : std::to_string(value);
}

}  // namespace aerowisp
