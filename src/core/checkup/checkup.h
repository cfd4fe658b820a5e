// The check-up: finds which of the layers under the access point keeps stations from getting online, one
// bounded check at a time, and clears what one click can clear. The caller runs it off the window's thread.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/checkup/checkup_operations.h"
#include "core/checkup/checkup_result.h"
#include "core/platform/hosted_network_properties.h"
#include "core/hostednet/station_leases.h"
#include "core/ics/ics_state.h"
#include "core/platform/ansi_code_page.h"
#include "core/platform/clock.h"
#include "core/platform/file_reader.h"
#include "core/platform/firewall.h"
#include "core/platform/network_adapters.h"
#include "core/platform/processes_and_windows.h"
#include "core/platform/service_control.h"
#include "core/platform/sharing_manager.h"
#include "core/platform/wlan_service.h"

namespace aerowisp {

// The service behind every Native Wifi call.
inline constexpr char16_t kWlanServiceName[] = u"Wlansvc";
// A station that has been associated this long without a lease points at the firewall or the address server.
inline constexpr uint32_t kStationLeaseGraceMs = 30000;

struct CheckupPorts {
    WlanService& wlan;
    HostedNetworkProperties& hostedNetwork;
    ServiceControl& services;
    SharingManagerService& sharingManager;
    NetworkAdapters& adapters;
    Firewall& firewall;
    ProcessesAndWindows& processes;
    FileReader& files;
    AnsiCodePage& codePage;
    Clock& clock;
};

// What the program has stored, which the machine is compared with.
struct CheckupSettings {
    // Ends in a backslash.
    std::u16string programFolder;
    // The chosen card's description; empty: the first card the service lists.
    std::u16string cardDescription;
    // The chosen connection's device name ("ICS CardName").
    std::u16string chosenConnection;
    std::u16string storedSsid;
};

class Checkup {
  public:
    Checkup(const CheckupPorts& ports, CheckupOperations& operations, CheckupSettings settings);
    Checkup(const Checkup&) = delete;
    Checkup& operator=(const Checkup&) = delete;

    // One check: a few calls to the machine, none of which waits for a program or sleeps.
    CheckResult Run(CheckId id);
    // Every check in kCheckOrder.
    std::vector<CheckResult> RunAll();
    // False when a step of the fix failed; the caller runs the check-up again either way.
    bool ApplyFix(FixId fix);

  private:
    // The chosen card, through a client handle of the check-up's own.
    struct CardView {
        uint32_t error = 0;
        std::optional<Guid> card;
        std::vector<PhyRadioState> radios;
        std::optional<HostedNetworkStatus> status;
    };
    CardView LookAtCard(bool withRadio, bool withStatus);
    bool RadioOn(const CardView& view) const;

    CheckResult CheckService(CheckId id, const char16_t* name, const LanguageString& cause, FixId fix);
    CheckResult CheckDriverSupport();
    CheckResult CheckAllowed();
    CheckResult CheckRadio();
    CheckResult CheckVirtualAdapter();
    CheckResult CheckHostedNetworkStarted();
    CheckResult CheckPublicConnection();
    CheckResult CheckSharingPair();
    CheckResult CheckVirtualAddress();
    CheckResult CheckSharingScope();
    CheckResult CheckFirewallRule();
    CheckResult CheckDhcpServer();
    CheckResult CheckStationLeases();

    // The adapter table and the sharing records as they are now.
    void Refresh();
    const AdapterRow* ChosenRow() const;
    std::optional<ConnectionRecord> RecordOf(const std::u16string& guid) const;
    std::optional<AdapterInfo> VirtualAdapterInfo();
    // The sharing service still lists a shared connection that is no longer there.
    bool StaleSharingRecords();
    bool HostedNetworkActive();

    bool StartService(const char16_t* name);
    bool SwitchRadioOn();
    bool EnableVirtualAdapter();
    bool ReapplySharing();
    std::u16string VirtualConnectionName() const;
    bool SetAddress();
    bool RestartDhcpServer();

    CheckupPorts ports_;
    CheckupOperations& operations_;
    CheckupSettings settings_;
    IcsState ics_;
    AdapterTable table_;
    // Whether the sharing manager failed a call during the last refresh, and its first error.
    bool sharingTroubled_ = false;
    HResult sharingError_ = kSOk;
    // When each associated station was first seen without a lease, by the clock's ticks.
    std::map<StationMac, uint32_t> waitingSince_;
    std::unique_ptr<RunningProcess> dhcpServer_;
};

}  // namespace aerowisp
