// The network connections of the simulated machine, as the sharing manager, IP Helper, the network class
// key and netsh.exe see them, with the sharing rules of the real ICS service: one public and one private
// connection at a time.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/ansi_code_page.h"
#include "core/platform/network_adapters.h"
#include "core/platform/sharing_manager.h"
#include "sim/scenario.h"

namespace aerowisp {

class FailurePlan;
class Journal;
class SimServices;
class SimWlanService;

// The HRESULTs the simulated sharing manager returns.
inline constexpr uint32_t kRpcETooLate = 0x80010119;
inline constexpr uint32_t kEFail = 0x80004005;
inline constexpr uint32_t kHresultNotFound = 0x80070490;
inline constexpr uint32_t kErrorBufferOverflow = 111;
// GetBestInterface without a route to the address: ERROR_CAN_NOT_COMPLETE.
inline constexpr uint32_t kErrorCanNotComplete = 1003;
// The first interface index IP Helper gives the scenario's connections, in their order.
inline constexpr uint32_t kFirstInterfaceIndex = 11;

// Journal entries (besides those named in res/sim/README.md), connections named by their real names:
//   CoInitializeSecurity  authnLevel=RPC_C_AUTHN_LEVEL_PKT impLevel=RPC_C_IMP_LEVEL_IMPERSONATE
//                         capabilities=EOAC_NONE (RPC_E_TOO_LATE after the first call)
//   CoCreateInstance      clsid=CLSID_NetSharingManager context=CLSCTX_ALL iid=IID_INetSharingManager
//   INetSharingManager::get_EnumEveryConnection           connections=3 (out)
//   INetSharingManager::get_NetConnectionProps            connection="..." guid="{...}" name="..."
//                         device="..." status=2 media=3 characteristics=0 (out; NULL strings as NULL)
//   INetSharingManager::get_INetSharingConfigurationForINetConnection  connection="..."
//   INetSharingConfiguration::get_SharingEnabled          connection="..." enabled=1 (out)
//   INetSharingConfiguration::get_SharingConnectionType   connection="..." type=public (out)
//   INetSharingConfiguration::EnableSharing               connection="..." type=private
//   INetSharingConfiguration::DisableSharing              connection="..."
//   INetSharingManager::get_EnumPublicConnections / get_EnumPrivateConnections  connections=1 (out)
//   GetAdaptersInfo       buffer=NULL (result 111, or 232 with no adapter), then adapters=3; each adapter
//                         has its connection's address, "0.0.0.0" while it is on automatic addressing
//   GetBestInterface      destination=8.8.8.8 index=11 (out; result 1003 when no connection has the route)
//   RegOpenKeyExW, RegQueryValueExW, RegCloseKey on key="HKLM\\System\\..."
//   netsh.SetAddress      name="..." source=static addr=192.168.139.1 (result 1168: no such connection)
class SimNetwork final : public SharingManagerService, public NetworkAdapters {
  public:
    // The virtual adapter's connection is the scenario's with the virtual adapter's GUID, or else one
    // named "Wireless Network Connection 2"; it is there while `wlan` runs the hosted network.
    // Sharing calls start the sharing service in `services` on demand, as the real COM server does.
    SimNetwork(const Scenario& scenario, const SimWlanService& wlan, SimServices& services, Journal& journal,
               FailurePlan& failures);
    SimNetwork(const SimNetwork&) = delete;
    SimNetwork& operator=(const SimNetwork&) = delete;

    void InitializeSecurity() override;
    std::unique_ptr<NetSharingManager> CreateSharingManager(HResult& result) override;
    uint32_t GetAdaptersInfo(std::vector<AdapterInfo>& adapters) override;
    std::optional<std::u16string> ReadMachineText(std::u16string_view subkey,
                                                  std::u16string_view valueName) override;
    uint32_t GetBestInterface(uint32_t destination, uint32_t& interfaceIndex) override;

    // What netsh.exe does with "int ip set address name="NAME" source=static addr=A mask=M" or
    // "... source=dhcp", and with "interface set interface name="NAME" admin=enabled" (or "disabled"). False
    // for any other command.
    bool RunNetshCommand(const std::u16string& parameters);

    // ---- Preparing and inspecting (not journaled) ----
    // Reads descriptions into IP Helper's ANSI texts; without one, characters beyond ASCII become '?'.
    void UseCodePage(AnsiCodePage* codePage) { codePage_ = codePage; }
    // EnableSharing and DisableSharing each take `sharingChangeMs`, passed through `passTime`.
    void UseTime(std::function<void(uint32_t)> passTime, uint32_t sharingChangeMs) {
        passTime_ = std::move(passTime);
        sharingChangeMs_ = sharingChangeMs;
    }
    // Nothing for an unknown connection.
    std::optional<SharingState> SharingOf(std::u16string_view connectionName) const;
    // "dhcp" or the static address; nothing for an unknown connection.
    std::optional<std::u16string> AddressOf(std::u16string_view connectionName) const;
    // public="NAME" private="NAME" (none for a side nobody shares) virtualAddress="dhcp".
    std::string StateSummary() const;
    // The virtual adapter's address: "dhcp" or the static one.
    std::u16string VirtualAddress() const;
    // Sharing's own address allocator answers the virtual adapter's stations: the adapter is shared as
    // private and its address still lies in the allocator's scope (the /24 of "ScopeAddress").
    bool SharingAllocatorServes() const;
    // The address sharing gives a private adapter: "ScopeAddress", else 192.168.137.1.
    const std::u16string& ScopeAddress() const { return scopeAddress_; }
    // The braced upper-case GUID text the sharing manager and IP Helper give.
    static std::u16string GuidText(const Guid& guid);

  private:
    friend class SimNetConnection;
    friend class SimSharingConfiguration;
    friend class SimSharingManager;

    struct Connection {
        ScenarioConnection scenario;
        bool isVirtual = false;
        SharingState sharing = SharingState::kNone;
        std::u16string address = u"dhcp";
        uint32_t index = 0;
    };

    bool Present(const Connection& connection) const;
    // The time a change of sharing takes.
    void TakeSharingTime();
    // The connection with this GUID while it is there (the virtual one goes when the hosted network stops).
    Connection* FindPresent(const Guid& guid);
    // Also a connection that is gone, whose sharing record the service still keeps.
    Connection* FindAny(const Guid& guid);
    std::optional<std::u16string> ReadScopeAddress(const std::string& keyArgument,
                                                   std::u16string_view valueName);
    // What sharing calls give while the sharing service cannot be started: its error as an HRESULT.
    HResult SharingServiceError();
    const Connection* FindByName(std::u16string_view name) const;
    bool RunInterfaceCommand(std::u16string_view rest);
    // Also a connection that is not there now.
    const Connection* FindAnyByName(std::u16string_view name) const;
    // A failure the plan holds for `operation`, journaled with `arguments`; nothing when the call proceeds.
    std::optional<uint32_t> Failed(std::string_view operation, const std::string& arguments);
    // The connection by its name, or by `guid` when it is not there.
    std::string ConnectionArgument(const Connection* connection, const Guid& guid) const;

    const SimWlanService& wlan_;
    SimServices& services_;
    Journal& journal_;
    FailurePlan& failures_;
    AnsiCodePage* codePage_ = nullptr;
    std::vector<Connection> connections_;
    bool securitySet_ = false;
    std::optional<std::u16string> scopeValue_;
    std::u16string scopeAddress_;
    std::function<void(uint32_t)> passTime_;
    uint32_t sharingChangeMs_ = 0;
};

}  // namespace aerowisp
