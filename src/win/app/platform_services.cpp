// The two machines the program can run on: the real one, or a simulated one from a scenario.
#include "app/platform_services.h"

#include <windows.h>
// winbase.h maps WriteProfileString to WriteProfileStringW; here the name is the port's operation.
#undef WriteProfileString

#include <algorithm>
#include <vector>

#include "core/programs/external_programs.h"
#include "app/forwarding_processes.h"
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
    void NoteEvent(const std::string&) override {}
    void NoteBalloon(const std::string&, const std::u16string&, const std::u16string&) override {}
    bool RaiseMachineEvent(MachineEvent) override { return false; }

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

    // The program's own windows (the setup wizard) are real ones, found and closed on the real desktop;
    // every other window belongs to a simulated program.
    WindowHandle FindWindowByTitle(const std::u16string& title) override {
        if (const WindowHandle own = OwnWindow(title)) {
            if (std::ranges::find(ownWindows_, own) == ownWindows_.end())
                ownWindows_.push_back(own);
            journal_.Record("FindWindowW", "class=NULL title=" + QuoteText(title) + " window=own");
            return own;
        }
        return ForwardingProcesses::FindWindowByTitle(title);
    }
    void SendSysCommandClose(WindowHandle window) override {
        if (std::ranges::find(ownWindows_, window) == ownWindows_.end()) {
            ForwardingProcesses::SendSysCommandClose(window);
            return;
        }
        journal_.Record("SendMessageW", "window=own message=WM_SYSCOMMAND wParam=SC_CLOSE lParam=0");
        real_.SendSysCommandClose(window);
    }
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
    WindowHandle OwnWindow(const std::u16string& title) {
        const HWND window = ::FindWindowW(nullptr, fw::ToWide(title).c_str());
        DWORD process = 0;
        if (window == nullptr || ::GetWindowThreadProcessId(window, &process) == 0 ||
            process != ::GetCurrentProcessId()) {
            return 0;
        }
        return reinterpret_cast<WindowHandle>(window);
    }

    ProcessesAndWindows& real_;
    Journal& journal_;
    std::vector<WindowHandle> ownWindows_;
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
    void NoteEvent(const std::string& what) override { machine_.Journal().Record(what, ""); }
    void NoteBalloon(const std::string& icon, const std::u16string& title,
                     const std::u16string& text) override {
        machine_.Journal().Record("TrayBalloon",
                                  "icon=" + icon + " title=" + QuoteText(title) + " text=" + QuoteText(text));
    }
    bool RaiseMachineEvent(MachineEvent event) override {
        const std::vector<ScenarioCard>& cards = machine_.Scenario().cards;
        switch (event) {
            case MachineEvent::kCardRemoved:
                if (cards.empty() || cardRemoved_ || !machine_.Wlan().RemoveCard(cards.front().guid))
                    return false;
                cardRemoved_ = true;
                NoteEvent("CardRemoved");
                return true;
            case MachineEvent::kCardInserted:
                if (!cardRemoved_)
                    return false;
                machine_.Wlan().InsertCard(cards.front());
                cardRemoved_ = false;
                NoteEvent("CardInserted");
                return true;
            case MachineEvent::kSuspend:
                NoteEvent("Suspend");
                return true;
            case MachineEvent::kResume:
                NoteEvent("Resume");
                return true;
            case MachineEvent::kStationJoined: {
                const MacAddress mac{0x02, 0x00, 0x5E, 0x00, 0x00, ++joinedStations_};
                if (!machine_.Wlan().JoinStationNow(mac))
                    return false;
                machine_.Journal().Record("StationJoined", "mac=" + MacToText(mac));
                return true;
            }
            case MachineEvent::kStationLeft:
                if (!machine_.Wlan().DropLastStation())
                    return false;
                NoteEvent("StationLeft");
                return true;
        }
        return false;
    }

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
    bool cardRemoved_ = false;
    // The stations joined from outside, numbering their MAC addresses.
    uint8_t joinedStations_ = 0;
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
