// A step of the hosted network that the WLAN service (or netsh.exe) refused, and how the user is told of
// it: what went wrong, why, and what to do, in the language file's words.
#pragma once

#include <string>

#include "core/lang/language_texts.h"
#include "core/lang/language_strings.h"
#include "core/platform/wlan_types.h"

namespace aerowisp {

// Win32 error codes the hosted-network calls give besides those of wlan_types.h.
namespace win32 {
inline constexpr WlanResult kAccessDenied = 5;
inline constexpr WlanResult kNotEnoughMemory = 8;
inline constexpr WlanResult kOutOfMemory = 14;
inline constexpr WlanResult kGenFailure = 31;
inline constexpr WlanResult kNotSupported = 50;
inline constexpr WlanResult kCallNotImplemented = 120;
inline constexpr WlanResult kBusy = 170;
inline constexpr WlanResult kServiceNotActive = 1062;
inline constexpr WlanResult kRpcServerUnavailable = 1722;
}  // namespace win32

enum class HostedNetworkStep {
    kStart,     // StartUsing (and ForceStart when the start is forced)
    kStop,      // the StopUsing/ForceStop pair, when the network still runs afterwards
    kSsid,      // SetProperty with the connection settings
    kKey,       // SetSecondaryKey
    kNetshKey,  // netsh.exe for a 64-digit key could not be run
};

struct HostedNetworkFailure {
    HostedNetworkStep step = HostedNetworkStep::kStart;
    WlanResult error = kWlanSuccess;
    HostedNetworkReason reason = HostedNetworkReason::kSuccess;
};

// Why a call failed: the service's reason where it tells one, else the error code's meaning.
const LanguageString& FailureCause(WlanResult error, HostedNetworkReason reason);
// What went wrong at `step`; a start the program made on its own says that it stays in station mode.
const LanguageString& FailureHeadline(HostedNetworkStep step, bool restoring);

// For a message box: the headline, the cause and the codes on lines of their own.
std::u16string FailureMessage(const LanguageTexts& texts, const HostedNetworkFailure& failure);
// For a balloon at the notification-area icon: the headline and the cause on one line.
std::u16string FailureBalloon(const LanguageTexts& texts, const HostedNetworkFailure& failure);

// "Error code: 1168" with the language file's label and `code` as given.
std::u16string FailureCodeText(const LanguageTexts& texts, std::u16string_view code);

// szInfo holds 256 characters with its terminator.
inline constexpr size_t kBalloonTextMaxLength = 255;
// The balloon's text as szInfo takes it: the first 255 characters, without half of a surrogate pair.
std::u16string BalloonText(std::u16string_view text);

}  // namespace aerowisp
