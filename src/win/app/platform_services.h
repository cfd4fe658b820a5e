// The ports the program runs on: the real machine's, or a simulated machine's from a scenario file.
#pragma once

#include <memory>
#include <string>

#include "app/window_events.h"
#include "core/app/launch_options.h"
#include "core/platform/ansi_code_page.h"
#include "core/platform/clock.h"
#include "core/platform/file_reader.h"
#include "core/platform/firewall.h"
#include "core/platform/network_adapters.h"
#include "core/platform/processes_and_windows.h"
#include "core/platform/service_control.h"
#include "core/platform/settings_store.h"
#include "core/platform/sharing_manager.h"
#include "core/platform/timer_service.h"
#include "core/platform/web_browser.h"
#include "core/platform/wlan_service.h"
#include "fw/blocking_call_runner.h"

namespace aerowisp {

// Implementations: NativePlatform and SimulatedPlatform (platform_services.cpp).
class PlatformServices {
  public:
    virtual ~PlatformServices() = default;

    virtual WlanService& Wlan() = 0;
    virtual SettingsStore& Settings() = 0;
    virtual Clock& SystemClock() = 0;
    virtual AnsiCodePage& CodePage() = 0;
    // The files beside the program, such as the language files: the real ones, also in simulation.
    virtual FileReader& Files() = 0;
    // The sharing manager, and the adapter list with the connections' names.
    virtual SharingManagerService& SharingManager() = 0;
    virtual NetworkAdapters& Adapters() = 0;
    // The service control manager and Windows Firewall's rules.
    virtual ServiceControl& Services() = 0;
    virtual Firewall& FirewallRules() = 0;
    // The programs and windows the main window works with: netsh.exe, the DHCP server and its window,
    // the start-hidden marker file and the debug trace.
    virtual ProcessesAndWindows& Processes() = 0;
    // The desktop where the copies of this program and the companion application meet. Always the
    // real one: the single-instance decision is between real processes, also in simulation.
    virtual ProcessesAndWindows& Desktop() = 0;
    // Where the About page opens the maker's web site: the real browser, or in simulation the journal.
    virtual WebBrowser& Browser() = 0;
    // The worker on which SharingManager(), Processes() and Services() make their calls that block for
    // seconds.
    virtual fw::BlockingCallRunner& BlockingCalls() = 0;

    // The timers the main window's model runs on, given the window's own: those themselves on the
    // real machine; on a simulated one the machine's journaled timers, passing each call on to the
    // window's. DetachWindowTimers ends that before the window's timers go away.
    virtual TimerService& AttachWindowTimers(TimerService& windowTimers) = 0;
    virtual void DetachWindowTimers() = 0;

    // What the main window's model and the window's own events go through, given the window's tray
    // view: on the real machine that view itself and events nobody hears; on a simulated one a
    // journaling decorator in front of it, which also makes the machine's events happen when a tool asks.
    // DetachWindow ends that before the window goes.
    virtual AttachedWindow AttachWindow(TrayView& tray) = 0;
    virtual void DetachWindow() = 0;
};

std::unique_ptr<PlatformServices> CreateNativePlatform();

// Builds the simulated machine from the options' scenario (or the built-in one). On a bad scenario
// returns null with a message naming the file and line in `error`.
std::unique_ptr<PlatformServices> CreateSimulatedPlatform(const LaunchOptions& options, std::wstring& error);

}  // namespace aerowisp
