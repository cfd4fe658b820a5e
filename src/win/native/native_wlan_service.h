// The WLAN service of the real machine: Native Wifi (wlanapi.dll).
#pragma once

#include "core/platform/wlan_service.h"

namespace aerowisp {

// Every record the service hands back is copied into the core's types and released at once. The
// hosted-network functions are looked up in wlanapi.dll when called; where the system lacks one the
// call returns ERROR_CALL_NOT_IMPLEMENTED (Wine lacks most of them and aborts in the rest).
class NativeWlanService final : public WlanService {
  public:
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
};

}  // namespace aerowisp
