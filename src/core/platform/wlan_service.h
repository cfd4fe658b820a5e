// Port: the operating system's WLAN service, one operation per Native Wifi call the program makes.
// Implementations: NativeWlanService (src/win/native, over wlanapi.dll), SimWlanService (src/sim).
// Every call passes a null reserved pointer. The hosted-network calls that take a failure-reason pointer
// pass the caller's `failReason` on (null: the reason is not wanted); the service sets it when the call
// fails. Buffers the service allocates are released inside the implementation, so callers only see
// values.
#pragma once

#include <string>

#include "core/platform/wlan_types.h"

namespace aerowisp {

class WlanService {
  public:
    virtual ~WlanService() = default;

    virtual WlanResult OpenHandle(uint32_t clientVersion, WlanHandle& handle) = 0;
    virtual WlanResult CloseHandle(WlanHandle handle) = 0;
    virtual WlanResult EnumInterfaces(WlanHandle handle, WlanInterfaceList& list) = 0;

    // opcode 4 (radio state), 6 (interface state), 7 (current connection) or 8 (channel number).
    virtual WlanResult QueryInterface(WlanHandle handle, const Guid& interfaceGuid, WlanIntfOpcode opcode,
                                      WlanInterfaceQueryResult& result) = 0;
    virtual WlanResult GetInterfaceCapability(WlanHandle handle, const Guid& interfaceGuid,
                                              uint32_t& numberOfSupportedPhys) = 0;
    // WlanSetInterface with opcode 4 and one PHY's radio state.
    virtual WlanResult SetRadioState(WlanHandle handle, const Guid& interfaceGuid,
                                     const PhyRadioState& state) = 0;

    virtual WlanResult HostedNetworkInitSettings(WlanHandle handle, HostedNetworkReason* failReason) = 0;
    // WlanHostedNetworkSetProperty with opcode 0 (connection settings).
    virtual WlanResult HostedNetworkSetConnectionSettings(WlanHandle handle,
                                                          const HostedNetworkConnectionSettings& settings,
                                                          HostedNetworkReason* failReason) = 0;
    // WlanHostedNetworkSetProperty with opcode 3 (enable), 4-byte BOOL.
    virtual WlanResult HostedNetworkSetEnable(WlanHandle handle, bool enable,
                                              HostedNetworkReason* failReason) = 0;
    // `ansiKey` is the key in the ANSI code page, without a terminator; the length passed to the
    // service counts the terminating zero as well (a 63-byte passphrase goes as length 64).
    virtual WlanResult HostedNetworkSetSecondaryKey(WlanHandle handle, const std::string& ansiKey,
                                                    bool isPassPhrase, bool persistent,
                                                    HostedNetworkReason* failReason) = 0;
    virtual WlanResult HostedNetworkStartUsing(WlanHandle handle, HostedNetworkReason* failReason) = 0;
    virtual WlanResult HostedNetworkForceStart(WlanHandle handle, HostedNetworkReason* failReason) = 0;
    virtual WlanResult HostedNetworkStopUsing(WlanHandle handle, HostedNetworkReason* failReason) = 0;
    virtual WlanResult HostedNetworkForceStop(WlanHandle handle, HostedNetworkReason* failReason) = 0;
    virtual WlanResult HostedNetworkQueryStatus(WlanHandle handle, HostedNetworkStatus& status) = 0;
};

}  // namespace aerowisp
