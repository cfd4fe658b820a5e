// The main window model on a simulated machine, with a recording view, for native tests.
#pragma once

#include <string>
#include <vector>

#include "core/app/main_window_model.h"
#include "core/lang/language_choice.h"
#include "core/ports/retrying_ports.h"
#include "core/settings/settings_operations.h"
#include "dhcp/core/contract.h"
#include "sim/sim_machine.h"
#include "sim/sim_processes.h"
#include "sim/sim_text.h"
#include "sim/sim_timers.h"
#include "iconv_code_page.h"
#include "memory_file_reader.h"
#include "recording_main_view.h"
#include "recording_tray_view.h"

namespace aerowisp::test {

inline Scenario HarnessScenario() {
    Scenario scenario;
    ScenarioCard card;
    card.guid = {0x1d2c3b4a, 0x5e6f, 0x4a7b, {0x8c, 0x9d, 0xae, 0xbf, 0xc0, 0xd1, 0xe2, 0xf3}};
    card.description = u"Intel(R) Centrino(R) Advanced-N 6205";
    scenario.cards.push_back(card);
    // The key exists, so writing "Current Mode" is one open, one write and one close.
    scenario.registry.push_back({});
    return scenario;
}

// A connected LAN connection whose GUID and MAC address are numbered by `index`.
inline ScenarioConnection LanConnection(std::u16string name, std::u16string device, uint8_t index) {
    ScenarioConnection connection;
    connection.name = std::move(name);
    connection.deviceName = std::move(device);
    connection.guid = {
        0x8d2e6a00u + index, 0x4c3b, 0x4f9e, {0xa5, 0x7d, 0x0b, 0x1c, 0x2d, 0x3e, 0x4f, index}};
    connection.mac = {0x00, 0x1E, 0x68, 0x4B, 0x2C, index};
    return connection;
}

// The harness machine with a LAN connection "Connection N" for each device name, in order.
inline Scenario HarnessScenarioWith(const std::vector<std::u16string>& devices) {
    Scenario scenario = HarnessScenario();
    for (size_t i = 0; i < devices.size(); ++i) {
        scenario.connections.push_back(
            LanConnection(u"Connection " + std::u16string(1, u'1' + static_cast<char16_t>(i)), devices[i],
                          static_cast<uint8_t>(i + 1)));
    }
    return scenario;
}

// What stopping sharing calls on the harness machine while its hosted network runs: the virtual adapter's
// connection is looked up, put back on DHCP and, not being shared, left alone; the service lists nothing
// else as shared.
inline const std::vector<std::string> kStopSharingOfVirtualAdapterOnly = {
    "EnumWindows",
    "View.ShowPleaseWait",
    "CoInitializeSecurity",
    "CoCreateInstance",
    "INetSharingManager::get_EnumEveryConnection",
    "INetSharingManager::get_INetSharingConfigurationForINetConnection",
    "INetSharingConfiguration::get_SharingEnabled",
    "INetSharingManager::get_NetConnectionProps",
    "GetSystemDirectoryW",
    "CreateProcessW",
    "netsh.SetAddress",
    "WaitForSingleObject",
    "GetExitCodeProcess",
    "CoInitializeSecurity",
    "CoCreateInstance",
    "INetSharingManager::get_EnumPublicConnections",
    "INetSharingManager::get_EnumPrivateConnections",
    "View.ClosePleaseWait"};

// The model with its parts open, so a test drives and reads them one by one.
struct OpenModel final : MainWindowModel {
    using MainWindowModel::hostedNetwork_;
    using MainWindowModel::MainWindowModel;
    using MainWindowModel::pages_;
    using MainWindowModel::radio_;
    using MainWindowModel::sharing_;
    using MainWindowModel::state_;
    using MainWindowModel::stationWatch_;
    using MainWindowModel::tray_;
    using MainWindowModel::window_;
    using MainWindowModel::wizard_;
    using MainWindowModel::wlanClient_;
};

struct ModelHarness {
    // `codePage` is the ANSI code page as iconv names it.
    explicit ModelHarness(const Scenario& scenario, const char* codePageName = "CP1252")
        : ModelHarness(codePageName, scenario) {}
    explicit ModelHarness(const char* codePageName = "CP1252", Scenario scenario = HarnessScenario())
        : machine(scenario),
          codePage(codePageName),
          processes(machine.Processes()),
          timers(machine.Timers()),
          view(&machine.Journal()),
          tray(&machine.Journal()),
          retry(kPlatformAttempts, TraceFailedAttempts(processes)),
          ports(ModelPorts{machine.Wlan(), machine.Settings(), codePage, timers, processes, machine.Network(),
                           machine.Network(), files, machine.Services(), machine.Firewall(), retry}),
          model(ports.Ports(), view, tray) {
        machine.Network().UseCodePage(&codePage);
        State().programFolder = machine.Scenario().machine.programFolder;
        machine.InstallDhcpServer({State().programFolder + dhcp::kServerProgram, dhcp::kServerWindowTitle,
                                   dhcp::AddressText(dhcp::kServerAddress), dhcp::kServerPort});
        machine.Wlan().OpenHandle(kWlanClientVersion, State().wlanHandle);
        machine.Journal().Clear();
    }

    ModelHarness(const ModelHarness&) = delete;
    ModelHarness& operator=(const ModelHarness&) = delete;
    ~ModelHarness() {
        if (languageFileSet_)
            SetLanguageFilePath({});
    }

    // A language file of `lines` ("String4=Radio off\r\n..."), in the harness's code page, where the main
    // window's initialisation looks for it; the process-wide path points there until the harness ends.
    void SetLanguageFile(std::u16string_view lines) {
        const std::u16string path = LanguageFilePathFor(State().programFolder, 0);
        files.SetFile(path, codePage.WideToAnsi(lines));
        SetLanguageFilePath(path);
        languageFileSet_ = true;
    }

    // The model's parts, driven and read one by one.
    MainWindowState& State() { return model.state_; }
    HostedNetworkSettings& Hosted() { return model.state_.hostedNetwork; }
    HostedNetworkControl& Control() { return model.hostedNetwork_; }
    HostedNetworkControl& HostedNetwork() { return model.hostedNetwork_; }
    ConnectionSharingControl& Sharing() { return model.sharing_; }
    MainWindowControl& Window() { return model.window_; }
    RadioControl& Radio() { return model.radio_; }
    TrayControl& Tray() { return model.tray_; }
    SetupWizardControl& Wizard() { return model.wizard_; }
    ContentPagesControl& Pages() { return model.pages_; }
    WlanClient& Wlan() { return model.wlanClient_; }
    StationWatch& Stations() { return model.stationWatch_; }
    Journal& Log() { return machine.Journal(); }

    std::u16string IniPath() { return ApSettingsIniPath(State().programFolder); }
    void SetIni(std::u16string_view ssid, std::u16string_view key) {
        machine.Settings().SetProfileString(IniPath(), kApSettingsSection, kApSettingsSsid, ssid);
        machine.Settings().SetProfileString(IniPath(), kApSettingsSection, kApSettingsKey, key);
    }
    std::optional<std::u16string> IniValue(std::u16string_view key) {
        return machine.Settings().ProfileString(IniPath(), kApSettingsSection, key);
    }
    std::optional<RegistryValue> CurrentMode() {
        return machine.Settings().Value(kSettingsKey, kValueCurrentMode);
    }
    void AnswerDialog(std::u16string ssid, std::u16string key) {
        view.dialogAnswers.push_back({true, std::move(ssid), std::move(key)});
    }

    std::vector<std::string> Operations() { return Log().Operations(); }
    size_t Count(std::string_view operation) { return Log().Count(operation); }
    // The arguments of the only entry of `operation`; fails the test when there is not exactly one.
    std::string OnlyArguments(std::string_view operation) {
        auto found = Log().Find(operation);
        return found.size() == 1 ? found.front().arguments : "<" + std::to_string(found.size()) + " entries>";
    }

    SimMachine machine;
    IconvCodePage codePage;
    SimProcessesAndWindows& processes;
    SimTimerService& timers;
    RecordingMainView view;
    RecordingTrayView tray;
    // The files beside the program.
    MemoryFileReader files;
    // Composed as the program composes them.
    RetryPolicy retry;
    RetryingPorts ports;
    OpenModel model;

  private:
    bool languageFileSet_ = false;
};

}  // namespace aerowisp::test
