// What one check of the check-up found: its verdict and, for a problem, the cause, the remedy and the fix
// that can clear it, all as language-file entries so the window and the report word them alike.
#pragma once

#include <array>
#include <string>

#include "core/lang/language_strings.h"

namespace aerowisp {

// The checks, in the order they run: each one stands on the ones above it.
enum class CheckId {
    kWlanService,
    kDriverSupport,
    kHostedNetworkAllowed,
    kRadio,
    kVirtualAdapter,
    kHostedNetworkStarted,
    kSharingService,
    kPublicConnection,
    kSharingPair,
    kVirtualAddress,
    kSharingScope,
    kFirewallRule,
    kDhcpServer,
    kStationLeases,
};

inline constexpr std::array kCheckOrder{
    CheckId::kWlanService,    CheckId::kDriverSupport,    CheckId::kHostedNetworkAllowed,
    CheckId::kRadio,          CheckId::kVirtualAdapter,   CheckId::kHostedNetworkStarted,
    CheckId::kSharingService, CheckId::kPublicConnection, CheckId::kSharingPair,
    CheckId::kVirtualAddress, CheckId::kSharingScope,     CheckId::kFirewallRule,
    CheckId::kDhcpServer,     CheckId::kStationLeases,
};

enum class CheckVerdict { kOk, kProblem, kCouldNotCheck };

// What one click can do about a problem.
enum class FixId {
    kNone,
    kStartWlanService,
    kRadioOn,
    kEnableVirtualAdapter,
    kRestartHostedNetwork,
    kStartSharingService,
    kReapplySharing,
    kSetAddress,
    kAddFirewallRule,
    kRestartDhcpServer,
};

struct CheckResult {
    CheckId id = CheckId::kWlanService;
    CheckVerdict verdict = CheckVerdict::kOk;
    // For a problem, and for a check that could not be made (why not); null otherwise.
    const LanguageString* cause = nullptr;
    const LanguageString* remedy = nullptr;
    FixId fix = FixId::kNone;
    // Facts beside the cause in no language: an error code, a connection's name, a station's MAC address.
    // Never the network key.
    std::u16string detail;
};

}  // namespace aerowisp
