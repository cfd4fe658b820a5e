// The two machines the program can run on: the real one, or a simulated one from a scenario.
#include "app/platform_services.h"

#include <windows.h>
// winbase.h maps WriteProfileString to WriteProfileStringW; here the name is the port's operation.
#undef WriteProfileString

#include <optional>
#include <string_view>

#include "core/programs/external_programs.h"
#include "app/forwarding_processes.h"
#include "app/journaling_window.h"
#include "app/off_thread_ports.h"
#include "fw/wide_text.h"
#include "native/native_clock.h"
#include "native/native_code_page.h"
#include "native/native_file_reader.h"
#include "native/native_firewall.h"
#include "native/native_network_adapters.h"
#include "native/native_processes.h"
#include "native/native_service_control.h"
#include "native/native_settings_store.h"
#include "native/native_sharing_manager.h"
#include "native/native_web_browser.h"
#include "native/native_wlan_service.h"
#include "native/program_folder.h"
#include "sim/failing_settings_store.h"
#include "sim/sim_machine.h"
#include "sim/sim_text.h"
#include "sim/sim_web_browser.h"

namespace aerowisp {
namespace {

// The real machine keeps no journal, and only its hardware raises its events.
class SilentWindowEvents final : public WindowEvents {
  public:
    void OnFirstShown() override {}
    void OnControlRequest(std::string_view) override {}
    void OnMessage(bool) override {}
    bool RaiseMachineEvent(MachineEvent) override { return false; }
};

class NativePlatform final : public PlatformServices {
  public:
    WlanService& Wlan() override { return wlan_; }
    SettingsStore& Settings() override { return settings_; }
    Clock& SystemClock() override { return clock_; }
    AnsiCodePage& CodePage() override { return codePage_; }
    FileReader& Files() override { return files_; }
    SharingManagerService& SharingManager() override { return offThreadSharing_; }
    NetworkAdapters& Adapters() override { return adapters_; }
    ServiceControl& Services() override { return offThreadServices_; }
    Firewall& FirewallRules() override { return firewall_; }
    ProcessesAndWindows& Processes() override { return offThreadProcesses_; }
    ProcessesAndWindows& Desktop() override { return processes_; }
    WebBrowser& Browser() override { return browser_; }
    fw::BlockingCallRunner& BlockingCalls() override { return runner_; }
    TimerService& AttachWindowTimers(TimerService& windowTimers) override { return windowTimers; }
    void DetachWindowTimers() override {}
    AttachedWindow AttachWindow(TrayView& tray) override { return {tray, silentEvents_}; }
    void DetachWindow() override {}

  private:
    // First made, last gone: the adapters below use it until they go.
    fw::BlockingCallRunner runner_;
    NativeWlanService wlan_;
    NativeSettingsStore settings_;
    NativeClock clock_;
    NativeAnsiCodePage codePage_;
    NativeFileReader files_;
    NativeSharingManagerService sharingManager_;
    NativeNetworkAdapters adapters_;
    NativeServiceControl services_;
    NativeFirewall firewall_;
    NativeProcessesAndWindows processes_;
    NativeWebBrowser browser_;
    SilentWindowEvents silentEvents_;
    OffThreadSharingManager offThreadSharing_{sharingManager_, runner_};
    OffThreadProcesses offThreadProcesses_{processes_, runner_};
    OffThreadServiceControl offThreadServices_{services_, runner_};
};

// Programs and their windows come from the simulated machine. The marker file and the debug trace
// stay real, because the profile files the program reads are the real ones; they are journaled too.
class SimulatedPrograms final : public ForwardingProcesses {
  public:
    SimulatedPrograms(SimProcessesAndWindows& simulated, ProcessesAndWindows& real, Journal& journal)
        : ForwardingProcesses(simulated), real_(real), journal_(journal) {}

    bool DeleteFileAt(const std::u16string& path) override {
        const bool deleted = real_.DeleteFileAt(path);
        journal_.Record("DeleteFileW", "path=" + QuoteText(path), deleted ? 0 : ::GetLastError());
        return deleted;
    }
    void TraceDebug(const std::u16string& text) override {
        real_.TraceDebug(text);
        journal_.Record("OutputDebugStringW", "text=" + QuoteText(text));
    }

  private:
    ProcessesAndWindows& real_;
    Journal& journal_;
};

// The simulated machine runs on real time; the registry, the profile files, the code page and the
// desktop stay the real ones, so a simulated run keeps its settings like an installed program does
// and meets other copies of the program as the real one would.
class SimulatedPlatform final : public PlatformServices {
  public:
    explicit SimulatedPlatform(const Scenario& scenario)
        : machine_(scenario, clock_),
          programs_(machine_.Processes(), desktop_, machine_.Journal()),
          browser_(machine_.Journal()) {
        machine_.Network().UseCodePage(&codePage_);
        // The program looks for the DHCP server beside itself, wherever the scenario puts its folder.
        machine_.InstallDhcpServer({ProgramFolder() + dhcp::kServerProgram, dhcp::kServerWindowTitle,
                                    dhcp::AddressText(dhcp::kServerAddress), dhcp::kServerPort});
    }

    // What the run left behind on the network, for outside tools to check.
    ~SimulatedPlatform() override {
        machine_.Journal().Record("NetworkAtExit", machine_.Network().StateSummary());
    }

    bool WriteJournalTo(const std::u16string& path) { return machine_.Journal().WriteTo(path); }

    WlanService& Wlan() override { return machine_.Wlan(); }
    SettingsStore& Settings() override { return failingSettings_; }
    Clock& SystemClock() override { return clock_; }
    AnsiCodePage& CodePage() override { return codePage_; }
    FileReader& Files() override { return files_; }
    SharingManagerService& SharingManager() override { return offThreadSharing_; }
    NetworkAdapters& Adapters() override { return machine_.Network(); }
    ServiceControl& Services() override { return offThreadServices_; }
    Firewall& FirewallRules() override { return machine_.Firewall(); }
    ProcessesAndWindows& Processes() override { return offThreadPrograms_; }
    ProcessesAndWindows& Desktop() override { return desktop_; }
    WebBrowser& Browser() override { return browser_; }
    fw::BlockingCallRunner& BlockingCalls() override { return runner_; }
    TimerService& AttachWindowTimers(TimerService& windowTimers) override {
        machine_.Timers().ForwardTo(&windowTimers);
        return machine_.Timers();
    }
    void DetachWindowTimers() override { machine_.Timers().ForwardTo(nullptr); }
    AttachedWindow AttachWindow(TrayView& tray) override {
        window_.emplace(tray, machine_);
        return {*window_, *window_};
    }
    void DetachWindow() override { window_.reset(); }

  private:
    // First made, last gone: the adapters below use it until they go.
    fw::BlockingCallRunner runner_;
    NativeClock clock_;
    NativeSettingsStore settings_;
    NativeAnsiCodePage codePage_;
    NativeFileReader files_;
    NativeProcessesAndWindows desktop_;
    SimMachine machine_;
    // The scenario's registry and profile failures, in front of the real registry and files.
    FailingSettingsStore failingSettings_{settings_, machine_.Failures(), machine_.Journal()};
    SimulatedPrograms programs_;
    SimWebBrowser browser_;
    // The simulated sharing manager and netsh.exe take their time on the worker, as the real ones would.
    OffThreadSharingManager offThreadSharing_{machine_.Network(), runner_};
    OffThreadProcesses offThreadPrograms_{programs_, runner_};
    OffThreadServiceControl offThreadServices_{machine_.Services(), runner_};
    std::optional<JournalingWindow> window_;
};

}  // namespace

std::unique_ptr<PlatformServices> CreateNativePlatform() {
    return std::make_unique<NativePlatform>();
}

std::unique_ptr<PlatformServices> CreateSimulatedPlatform(const LaunchOptions& options, std::wstring& error) {
    const std::wstring scenarioName =
        options.scenarioPath.empty() ? L"(built-in scenario)" : fw::ToWide(options.scenarioPath);
    const ScenarioResult parsed = options.scenarioPath.empty() ? ParseScenario(DefaultScenarioText())
                                                               : LoadScenarioFile(options.scenarioPath);
    if (!parsed.scenario) {
        error = L"The simulation scenario " + scenarioName + L" cannot be used:";
        for (const ScenarioError& problem : parsed.errors)
            error += L"\n" + fw::WideFromUtf8(problem.ToString());
        return nullptr;
    }
    auto platform = std::make_unique<SimulatedPlatform>(*parsed.scenario);
    if (!options.journalPath.empty() && !platform->WriteJournalTo(options.journalPath)) {
        error = L"The simulation journal cannot be written to " + fw::ToWide(options.journalPath) + L".";
        return nullptr;
    }
    return platform;
}

}  // namespace aerowisp
