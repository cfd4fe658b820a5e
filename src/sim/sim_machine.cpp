// Assembles the simulated machine from a scenario.
#include "sim/sim_machine.h"

#include <algorithm>

#include "core/hostednet/ap_input_rules.h"
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
      processes_(journal_, nullptr, &failures_),
      timers_(journal_) {
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
    processes_.AddProgram(scenario_.machine.programFolder + u"DhcpServer.exe", u"Tftpd32");
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

std::string SimMachine::StationLeaseSource() const {
    constexpr uint16_t kDhcpServerPort = 67;
    const bool serverAnswers =
        processes_.IsWindowOpen(u"Tftpd32") && network_.VirtualAddress() == u"192.168.139.1" &&
        firewall_.AllowsInbound(scenario_.machine.programFolder + u"DhcpServer.exe", kFirewallProtocolUdp,
                                kDhcpServerPort, kFirewallProfilePublic);
    const bool sharingAnswers = network_.SharingAllocatorServes();
    if (serverAnswers)
        return sharingAnswers ? "both" : "DhcpServer.exe";
    return sharingAnswers ? "sharing" : "none";
}

}  // namespace aerowisp
