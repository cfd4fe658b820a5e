// Plain words for what the WLAN service refused.
#include "core/hostednet/hosted_network_failure.h"

#include <array>
#include <string>

#include "core/text/number_text.h"
#include "core/text/utf16_text.h"

namespace aerowisp {
namespace {

// One cause for every WLAN_HOSTED_NETWORK_REASON, by value. Success and "unspecified" tell nothing: the
// error code speaks instead. Notifications that only arrive as a failure when something changed during
// the call share one cause.
constexpr std::array<const LanguageString*, kHostedNetworkReasonCount> kReasonCauses = {
    nullptr,                        // success
    nullptr,                        // unspecified
    &kCauseBadParameters,           // bad_parameters
    &kCauseServiceShuttingDown,     // service_shutting_down
    &kCauseResources,               // insufficient_resources
    &kCauseElevation,               // elevation_required
    &kCauseReadOnly,                // read_only
    &kCausePersistence,             // persistence_failed
    &kCauseCrypt,                   // crypt_error
    &kCauseImpersonation,           // impersonation
    &kCauseNotRunning,              // stop_before_start
    &kCauseChanged,                 // interface_available
    &kCauseCardUnavailable,         // interface_unavailable
    &kCauseDriverStopped,           // miniport_stopped
    &kCauseChanged,                 // miniport_started
    &kCauseIncompatibleConnection,  // incompatible_connection_started
    &kCauseChanged,                 // incompatible_connection_stopped
    &kCauseStoppedByOther,          // user_action
    &kCauseStoppedByOther,          // client_abort
    &kCauseDriverRefused,           // ap_start_failed
    &kCauseChanged,                 // peer_arrived
    &kCauseChanged,                 // peer_departed
    &kCauseChanged,                 // peer_timeout
    &kCausePolicy,                  // gp_denied
    &kCauseServiceStopped,          // service_unavailable
    &kCauseChanged,                 // device_change
    &kCauseChanged,                 // properties_change
    &kCauseVirtualStation,          // virtual_station_blocking_use
    &kCauseVirtualStation,          // service_available_on_virtual_station
};

struct ErrorCause {
    WlanResult error;
    const LanguageString* cause;
};

constexpr ErrorCause kErrorCauses[] = {
    {kErrorInvalidState, &kCauseNotAvailableNow},
    {win32::kAccessDenied, &kCauseElevation},
    {win32::kServiceNotActive, &kCauseServiceStopped},
    {win32::kRpcServerUnavailable, &kCauseServiceStopped},
    {win32::kNotSupported, &kCauseNotSupported},
    {win32::kCallNotImplemented, &kCauseNotSupported},
    {win32::kBusy, &kCauseBusy},
    {kErrorInvalidParameter, &kCauseBadParameters},
    {kErrorInvalidHandle, &kCauseServiceLost},
    {win32::kNotEnoughMemory, &kCauseResources},
    {win32::kOutOfMemory, &kCauseResources},
    {win32::kGenFailure, &kCauseDriverRefused},
    {kErrorNotFound, &kCauseCardUnavailable},
};

std::u16string CodeLine(const LanguageTexts& texts, const HostedNetworkFailure& failure) {
    std::u16string code = DecimalText(failure.error);
    if (failure.reason != HostedNetworkReason::kSuccess)
        code.append(u"/").append(DecimalText(static_cast<uint32_t>(failure.reason)));
    return FailureCodeText(texts, code);
}

}  // namespace

const LanguageString& FailureCause(WlanResult error, HostedNetworkReason reason) {
    const auto value = static_cast<uint32_t>(reason);
    if (value < kReasonCauses.size() && kReasonCauses[value] != nullptr)
        return *kReasonCauses[value];
    for (const ErrorCause& known : kErrorCauses) {
        if (known.error == error)
            return *known.cause;
    }
    return kCauseUnknown;
}

const LanguageString& FailureHeadline(HostedNetworkStep step, bool restoring) {
    switch (step) {
        case HostedNetworkStep::kStart:
            return restoring ? kRestoreFailedMessage : kStartFailedMessage;
        case HostedNetworkStep::kStop:
            return kStopFailedMessage;
        case HostedNetworkStep::kSsid:
            return kSsidRefusedMessage;
        case HostedNetworkStep::kKey:
            return kKeyRefusedMessage;
        case HostedNetworkStep::kNetshKey:
            return kNetshFailedMessage;
    }
    return kStartFailedMessage;
}

// netsh.exe gives no code: its headline says all there is.
std::u16string FailureMessage(const LanguageTexts& texts, const HostedNetworkFailure& failure) {
    std::u16string text = texts.ShownText(FailureHeadline(failure.step, false));
    if (failure.step == HostedNetworkStep::kNetshKey)
        return text;
    return text + u"\r\n\r\n" + texts.ShownText(FailureCause(failure.error, failure.reason)) + u"\r\n\r\n" +
           CodeLine(texts, failure);
}

std::u16string FailureCodeText(const LanguageTexts& texts, std::u16string_view code) {
    return texts.ShownText(kFailureCodeLabel).append(u" ").append(code);
}

std::u16string BalloonText(std::u16string_view text) {
    return CutWithoutSplittingPairs(text, kBalloonTextMaxLength);
}

std::u16string FailureBalloon(const LanguageTexts& texts, const HostedNetworkFailure& failure) {
    std::u16string text = texts.ShownText(FailureHeadline(failure.step, true));
    if (failure.step == HostedNetworkStep::kNetshKey)
        return text;
    return text + u" " + texts.ShownText(FailureCause(failure.error, failure.reason));
}

}  // namespace aerowisp
