// The model's ports with the calls that fail for a moment made again.
#include "core/ports/retrying_ports.h"

#include "core/text/number_text.h"

namespace aerowisp {
namespace {

constexpr char16_t kTracePrefix[] = u"Aerowisp: ";
constexpr char16_t kTraceFailedOnAttempt[] = u" failed on attempt ";
constexpr char16_t kTraceMadeAgain[] = u"; it is made again";
constexpr char16_t kTraceGivenUp[] = u"; given up";

constexpr char16_t kEnumInterfaces[] = u"WlanEnumInterfaces";
constexpr char16_t kGetAdaptersInfo[] = u"GetAdaptersInfo";
constexpr char16_t kConnectionNameRead[] = u"the read of a connection name";

}  // namespace

RetryPolicy::Observer TraceFailedAttempts(ProcessesAndWindows& processes) {
    return [&processes](const FailedAttempt& failed) {
        processes.TraceDebug(kTracePrefix + std::u16string(failed.what) + kTraceFailedOnAttempt +
                             DecimalText(failed.attempt) + (failed.last ? kTraceGivenUp : kTraceMadeAgain));
    };
}

RetryingPorts::RetryingPorts(const ModelPorts& plain)
    : wlan_(plain.wlan),
      adapters_(plain.adapters),
      retry_(plain.retry),
      ports_{*this, plain.settings, plain.codePage, plain.timers,   plain.processes, plain.sharingManager,
             *this, plain.files,    plain.services, plain.firewall, plain.retry} {}

WlanResult RetryingPorts::OpenHandle(uint32_t clientVersion, WlanHandle& handle) {
    return wlan_.OpenHandle(clientVersion, handle);
}

WlanResult RetryingPorts::CloseHandle(WlanHandle handle) {
    return wlan_.CloseHandle(handle);
}

WlanResult RetryingPorts::EnumInterfaces(WlanHandle handle, WlanInterfaceList& list) {
    return retry_.Retried(
        kEnumInterfaces, [&] { return wlan_.EnumInterfaces(handle, list); },
        [](WlanResult result) { return result != kWlanSuccess; });
}

WlanResult RetryingPorts::QueryInterface(WlanHandle handle, const Guid& interfaceGuid, WlanIntfOpcode opcode,
                                         WlanInterfaceQueryResult& result) {
    return wlan_.QueryInterface(handle, interfaceGuid, opcode, result);
}

WlanResult RetryingPorts::GetInterfaceCapability(WlanHandle handle, const Guid& interfaceGuid,
                                                 uint32_t& numberOfSupportedPhys) {
    return wlan_.GetInterfaceCapability(handle, interfaceGuid, numberOfSupportedPhys);
}

WlanResult RetryingPorts::SetRadioState(WlanHandle handle, const Guid& interfaceGuid,
                                        const PhyRadioState& state) {
    return wlan_.SetRadioState(handle, interfaceGuid, state);
}

WlanResult RetryingPorts::HostedNetworkInitSettings(WlanHandle handle, HostedNetworkReason* failReason) {
    return wlan_.HostedNetworkInitSettings(handle, failReason);
}

WlanResult RetryingPorts::HostedNetworkSetConnectionSettings(WlanHandle handle,
                                                             const HostedNetworkConnectionSettings& settings,
                                                             HostedNetworkReason* failReason) {
    return wlan_.HostedNetworkSetConnectionSettings(handle, settings, failReason);
}

WlanResult RetryingPorts::HostedNetworkSetEnable(WlanHandle handle, bool enable,
                                                 HostedNetworkReason* failReason) {
    return wlan_.HostedNetworkSetEnable(handle, enable, failReason);
}

WlanResult RetryingPorts::HostedNetworkSetSecondaryKey(WlanHandle handle, const std::string& ansiKey,
                                                       bool isPassPhrase, bool persistent,
                                                       HostedNetworkReason* failReason) {
    return wlan_.HostedNetworkSetSecondaryKey(handle, ansiKey, isPassPhrase, persistent, failReason);
}

WlanResult RetryingPorts::HostedNetworkStartUsing(WlanHandle handle, HostedNetworkReason* failReason) {
    return wlan_.HostedNetworkStartUsing(handle, failReason);
}

WlanResult RetryingPorts::HostedNetworkForceStart(WlanHandle handle, HostedNetworkReason* failReason) {
    return wlan_.HostedNetworkForceStart(handle, failReason);
}

WlanResult RetryingPorts::HostedNetworkStopUsing(WlanHandle handle, HostedNetworkReason* failReason) {
    return wlan_.HostedNetworkStopUsing(handle, failReason);
}

WlanResult RetryingPorts::HostedNetworkForceStop(WlanHandle handle, HostedNetworkReason* failReason) {
    return wlan_.HostedNetworkForceStop(handle, failReason);
}

WlanResult RetryingPorts::HostedNetworkQueryStatus(WlanHandle handle, HostedNetworkStatus& status) {
    return wlan_.HostedNetworkQueryStatus(handle, status);
}

// "No adapter at all" is an answer, not a failure.
uint32_t RetryingPorts::GetAdaptersInfo(std::vector<AdapterInfo>& adapters) {
    return retry_.Retried(
        kGetAdaptersInfo, [&] { return adapters_.GetAdaptersInfo(adapters); },
        [](uint32_t result) { return result != 0 && result != kErrorNoData; });
}

// A key that does not open is an answer (the adapter has no connection); other values, such as the
// sharing service's address range, are often missing for real.
std::optional<std::u16string> RetryingPorts::ReadMachineText(std::u16string_view subkey,
                                                             std::u16string_view valueName) {
    const auto read = [&] { return adapters_.ReadMachineText(subkey, valueName); };
    if (valueName != kConnectionNameValue)
        return read();
    return retry_.Retried(kConnectionNameRead, read,
                          [](const std::optional<std::u16string>& name) { return name && name->empty(); });
}

uint32_t RetryingPorts::GetBestInterface(uint32_t destination, uint32_t& interfaceIndex) {
    return adapters_.GetBestInterface(destination, interfaceIndex);
}

}  // namespace aerowisp
