// Assembles the simulated machine from a scenario.
#include "sim/sim_machine.h"

#include <algorithm>

#include "core/platform/wlan_types.h"
#include "core/text/ascii_case.h"
#include "core/text/utf16_text.h"

namespace aerowisp {

SimMachine::SimMachine(const aerowisp::Scenario& scenario) : SimMachine(scenario, nullptr) {}

SimMachine::SimMachine(const aerowisp::Scenario& scenario, aerowisp::Clock& clock)
    : SimMachine(scenario, &clock) {}

SimMachine::SimMachine(const aerowisp::Scenario& scenario, aerowisp::Clock* clock)
    : scenario_(scenario),
      ownClock_(clock == nullptr ? std::make_unique<SimClock>(scenario.machine.startTick, &journal_)
                                 : nullptr),
      clock_(clock == nullptr ? *ownClock_ : *clock),
      wlan_(scenario_, clock_, journal_, failures_),
      services_(scenario_.services, journal_, failures_),
      network_(scenario_, wlan_, services_, journal_, failures_),
      firewall_(scenario_.firewallRules, journal_, failures_),
      settings_(journal_, failures_),
      processes_(journal_, &failures_),
      timers_(journal_) {
    // Time another program or service takes passes on the machine's own clock without a Sleep of the
    // program's; on a given clock it really passes.
    auto passTime = [this](uint32_t milliseconds) {
        if (ownClock_) {
            ownClock_->Advance(milliseconds);
        } else {
            clock_.Sleep(milliseconds);
        }
    };
    processes_.UseTime(&clock_, passTime);
    processes_.SetProgramRun(u"netsh.exe",
                             {scenario_.machine.netshDurationMs, scenario_.machine.netshExitCode});
    network_.UseTime(passTime, scenario_.machine.sharingChangeMs);
    Preload();
}

void SimMachine::Preload() {
    for (const ScenarioRegistryKey& key : scenario_.registry) {
        settings_.CreateKey(key.path);
        for (const auto& [name, value] : key.values)
            settings_.SetValue(key.path, name, value);
        if (key.readOnly)
            settings_.SetKeyReadOnly(key.path);
    }
    for (const ScenarioIniFile& ini : scenario_.iniFiles) {
        const std::u16string path = IniFilePath(scenario_.machine, ini);
        for (const auto& [key, value] : ini.entries)
            settings_.SetProfileString(path, ini.section, key, value);
    }
    processes_.OnShellExecute([this](const std::u16string& file, const std::u16string& parameters) {
        RunShellCommand(file, parameters);
    });
    // Failures come last, so that nothing above uses them up.
    for (const ScenarioFailure& failure : scenario_.failures)
        failures_.FailAfter(failure.operation, failure.from - 1, failure.error, failure.times,
                            failure.reason);
}

// "netsh wlan set hostednetwork key=K" keeps K as the hosted network's persistent key: 64 hexadecimal
// digits as a key, anything else as a passphrase. "netsh int ip set address ..." addresses a connection.
void SimMachine::RunShellCommand(const std::u16string& file, const std::u16string& parameters) {
    constexpr std::u16string_view kNetsh = u"\\netsh.exe";
    constexpr std::u16string_view kSetKey = u"wlan set hostednetwork key=";
    std::u16string_view fileName =
        std::u16string_view(file).substr(file.size() - std::min(file.size(), kNetsh.size()));
    if (!EqualsIgnoringCaseAZ(fileName, kNetsh) || network_.RunNetshCommand(parameters) ||
        !parameters.starts_with(kSetKey))
        return;
    std::u16string key = parameters.substr(kSetKey.size());
    key = key.substr(0, key.find(u' '));
    wlan_.SetStoredKey({Utf16ToUtf8(key), !IsHexKey(key), true});
}

}  // namespace aerowisp

namespace aerowisp {

void SimMachine::InstallDhcpServer(const SimDhcpServer& server) {
    processes_.AddProgram(server.path, server.windowTitle);
    dhcpServer_ = server;
}

std::string SimMachine::StationLeaseSource() const {
    const bool serverAnswers = dhcpServer_ && processes_.IsWindowOpen(dhcpServer_->windowTitle) &&
                               network_.VirtualAddress() == dhcpServer_->address &&
                               firewall_.AllowsInbound(dhcpServer_->path, kFirewallProtocolUdp,
                                                       dhcpServer_->port, kFirewallProfilePublic);
    const bool sharingAnswers = network_.SharingAllocatorServes();
    if (serverAnswers)
        return sharingAnswers ? "both" : "DhcpServer.exe";
    return sharingAnswers ? "sharing" : "none";
}

}  // namespace aerowisp
