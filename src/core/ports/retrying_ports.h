// The model's ports with the platform calls that fail for a moment made again under the one retry policy,
// composed wherever the main window's model is built.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/network_adapters.h"
#include "core/platform/processes_and_windows.h"
#include "core/platform/retry_policy.h"
#include "core/platform/wlan_service.h"
#include "core/ports/model_ports.h"

namespace aerowisp {

// An observer for RetryPolicy that writes each failed attempt to the debug trace.
RetryPolicy::Observer TraceFailedAttempts(ProcessesAndWindows& processes);

// Passes every call on to the plain ports. Made again as the policy allows: a failed interface
// enumeration; an adapter list that failed other than with "no adapter"; an adapter's connection name
// that came back empty (the network class key always names a connection, so an empty one is a read that
// failed). The other calls either change the machine or have an empty answer that is a real answer.
class RetryingPorts final : public WlanService, public NetworkAdapters {
  public:
    // `plain.retry` is the policy.
    explicit RetryingPorts(const ModelPorts& plain);
    RetryingPorts(const RetryingPorts&) = delete;
    RetryingPorts& operator=(const RetryingPorts&) = delete;

    // The plain ports with these two in place of their WLAN service and adapters.
    const ModelPorts& Ports() const { return ports_; }

    WlanResult OpenHandle(uint32_t clientVersion, WlanHandle& handle) override;
    WlanResult CloseHandle(WlanHandle handle) override;
    WlanResult EnumInterfaces(WlanHandle handle, WlanInterfaceList& list) override;
    WlanResult QueryInterface(WlanHandle handle, const Guid& interfaceGuid, WlanIntfOpcode opcode,
                              WlanInterfaceQueryResult& result) override;
    WlanResult GetInterfaceCapability(WlanHandle handle, const Guid& interfaceGuid,
                                      uint32_t& numberOfSupportedPhys) override;
    WlanResult SetRadioState(WlanHandle handle, const Guid& interfaceGuid,
                             const PhyRadioState& state) override;
    WlanResult HostedNetworkInitSettings(WlanHandle handle, HostedNetworkReason* failReason) override;
    WlanResult HostedNetworkSetConnectionSettings(WlanHandle handle,
                                                  const HostedNetworkConnectionSettings& settings,
                                                  HostedNetworkReason* failReason) override;
    WlanResult HostedNetworkSetEnable(WlanHandle handle, bool enable,
                                      HostedNetworkReason* failReason) override;
    WlanResult HostedNetworkSetSecondaryKey(WlanHandle handle, const std::string& ansiKey, bool isPassPhrase,
                                            bool persistent, HostedNetworkReason* failReason) override;
    WlanResult HostedNetworkStartUsing(WlanHandle handle, HostedNetworkReason* failReason) override;
    WlanResult HostedNetworkForceStart(WlanHandle handle, HostedNetworkReason* failReason) override;
    WlanResult HostedNetworkStopUsing(WlanHandle handle, HostedNetworkReason* failReason) override;
    WlanResult HostedNetworkForceStop(WlanHandle handle, HostedNetworkReason* failReason) override;
    WlanResult HostedNetworkQueryStatus(WlanHandle handle, HostedNetworkStatus& status) override;

    uint32_t GetAdaptersInfo(std::vector<AdapterInfo>& adapters) override;
    std::optional<std::u16string> ReadMachineText(std::u16string_view subkey,
                                                  std::u16string_view valueName) override;
    uint32_t GetBestInterface(uint32_t destination, uint32_t& interfaceIndex) override;

  private:
    WlanService& wlan_;
    NetworkAdapters& adapters_;
    const RetryPolicy& retry_;
    ModelPorts ports_;
};

}  // namespace aerowisp
