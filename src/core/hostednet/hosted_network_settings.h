// What the program holds about the hosted network: the chosen and the pushed name and key, the mode and
// the start guard that quiets device notifications while the virtual adapter comes up.
#pragma once

#include <cstdint>
#include <string>

#include "core/platform/timer_service.h"

namespace aerowisp {

// The most stations the hosted network admits.
inline constexpr uint32_t kHostedNetworkMaxPeers = 20;

struct HostedNetworkSettings {
    std::u16string desiredSsid;
    std::u16string desiredKey;
    // Copies of the desired values taken when they were last pushed to the WLAN service.
    std::u16string appliedSsid;
    std::u16string appliedKey;
    // AP+STA mode: the hosted network is meant to run; persisted as "Current Mode".
    bool apMode = false;
    // The wizard's apply started a hosted network that was not running.
    bool wizardStart = false;
    bool startGuard = false;
    TimerId guardTimer = 0;
};

}  // namespace aerowisp
