// The simulated machine: every port the program needs, built from one scenario, sharing one journal,
// one failure plan and one clock. New simulated services join here beside the WLAN service and the
// settings store.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/platform/clock.h"
#include "sim/failure_plan.h"
#include "sim/journal.h"
#include "sim/scenario.h"
#include "sim/sim_clock.h"
#include "sim/sim_firewall.h"
#include "sim/sim_network.h"
#include "sim/sim_processes.h"
#include "sim/sim_services.h"
#include "sim/sim_settings_store.h"
#include "sim/sim_timers.h"
#include "sim/sim_wlan_service.h"

namespace aerowisp {

// A DHCP server program on the machine: where it lies, the window it opens when started, and the address
// and UDP port it answers on.
struct SimDhcpServer {
    std::u16string path;
    std::u16string windowTitle;
    std::u16string address;
    uint16_t port = 0;
};

class SimMachine {
  public:
    // Runs on a clock of its own that starts at the scenario's start tick and moves only when told
    // to (ManualClock) or when the program sleeps.
    explicit SimMachine(const aerowisp::Scenario& scenario);
    // Runs on the given clock (for example the real one); it must outlive the machine.
    SimMachine(const aerowisp::Scenario& scenario, aerowisp::Clock& clock);
    SimMachine(const SimMachine&) = delete;
    SimMachine& operator=(const SimMachine&) = delete;

    SimWlanService& Wlan() { return wlan_; }
    SimSettingsStore& Settings() { return settings_; }
    // The network connections with their sharing, the adapter list and the connections' names.
    SimNetwork& Network() { return network_; }
    // netsh.exe in the system folder sets the hosted network's key and connections' addresses; an
    // installed DHCP server opens its window.
    SimProcessesAndWindows& Processes() { return processes_; }
    SimTimerService& Timers() { return timers_; }
    // The service control manager with the sharing service and what it depends on.
    SimServices& Services() { return services_; }
    // Windows Firewall; the hosted network's adapter is on the Public profile.
    SimFirewall& Firewall() { return firewall_; }
    // Puts a DHCP server program on the machine; the machine has none until then.
    void InstallDhcpServer(const SimDhcpServer& server);
    // Who answers the hosted network's stations' DHCP requests now: "DhcpServer.exe" (the installed server
    // runs, the virtual adapter has its address and the firewall lets its UDP port in on the Public
    // profile), "sharing" (sharing's own allocator), "both" (they fight) or "none" (stations get no lease).
    std::string StationLeaseSource() const;
    aerowisp::Journal& Journal() { return journal_; }
    FailurePlan& Failures() { return failures_; }
    // The clock everything on this machine runs by.
    aerowisp::Clock& Clock() { return clock_; }
    // The machine's own clock; null when it was given one.
    SimClock* ManualClock() { return ownClock_.get(); }
    const aerowisp::Scenario& Scenario() const { return scenario_; }

  private:
    SimMachine(const aerowisp::Scenario& scenario, aerowisp::Clock* clock);
    void Preload();
    void RunShellCommand(const std::u16string& file, const std::u16string& parameters);

    aerowisp::Scenario scenario_;
    aerowisp::Journal journal_;
    FailurePlan failures_;
    std::unique_ptr<SimClock> ownClock_;
    aerowisp::Clock& clock_;
    SimWlanService wlan_;
    SimServices services_;
    SimNetwork network_;
    SimFirewall firewall_;
    SimSettingsStore settings_;
    SimProcessesAndWindows processes_;
    SimTimerService timers_;
    std::optional<SimDhcpServer> dhcpServer_;
};

}  // namespace aerowisp
