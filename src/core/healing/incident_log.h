// The incidents healing met, as one line each of the small log kept beside the settings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace aerowisp {

// A piece under the hotspot that stopped without the user asking.
enum class Breakage {
    kHostedNetworkStopped,
    kAddressLost,
    kSharingRemoved,
    kDhcpServerEnded,
    kPublicConnectionDown,
    // Another connection with a default route came up.
    kDefaultRouteElsewhere,
};

enum class HealStep { kRestartHostedNetwork, kReapplySharing, kSetAddress, kRestartDhcpServer };

enum class IncidentEnd {
    kBack,
    kNotBack,
    // Told once and left to the user.
    kNeedsUser,
    kOffered,
    // A stop, mode switch, radio off or exit of the user's, or the wizard or check-up, ended it.
    kEndedByUser,
    // A step finished after the user had acted: it may have undone what the user did.
    kFoughtUser,
    // The program started the hotspot afresh itself.
    kRestarted,
};

struct IncidentRecord {
    Breakage cause = Breakage::kHostedNetworkStopped;
    IncidentEnd end = IncidentEnd::kBack;
    int attempts = 0;
    // From the breakage noticed to the end, by the tick count.
    uint32_t elapsedMs = 0;
    // The steps that succeeded, in their order.
    std::vector<HealStep> steps = {};
    // The connection offered.
    std::u16string connection = {};
};

// "WHEN cause=hosted-network-stopped end=back attempts=1 time=2.4s steps=restart-hosted-network,...",
// with " connection=NAME" for an offer. `when` is the caller's local time text.
std::u16string IncidentLogLine(const IncidentRecord& record, std::u16string_view when);

}  // namespace aerowisp
