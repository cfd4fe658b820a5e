// The main window's run-time state, held for the whole life of the program.
#pragma once

#include <memory>
#include <string>

#include "core/hostednet/hosted_network_settings.h"
#include "core/ics/ics_state.h"
#include "core/platform/processes_and_windows.h"
#include "core/platform/timer_service.h"
#include "core/platform/wlan_types.h"

namespace aerowisp {

// The items of the tray menus, read from the language file once at initialisation.
struct TrayMenuTexts {
    std::u16string launch;
    std::u16string toStationMode;
    std::u16string wizard;
    std::u16string about;
    std::u16string exit;
    std::u16string toApStaMode;
};

struct MainWindowState {
    // The folder of the executable, ending in a backslash.
    std::u16string programFolder;
    bool radioOn = true;
    // Whether the hosted network was meant to run when the radio last went off: it comes back with the
    // radio.
    bool resumeApMode = false;
    bool cardPresent = false;
    // Opening the WLAN client found no WLAN service on this machine: no card can ever be present.
    bool wlanServiceMissing = false;
    // The main window is meant to be visible.
    bool shown = true;
    // The notification-area icon exists, so a hidden main window can be brought back.
    bool trayIconShown = false;
    // The WLAN client handle; 0 when none is open.
    WlanHandle wlanHandle = 0;
    HostedNetworkSettings hostedNetwork;
    // Device name of the connection shared with the hosted network ("ICS CardName").
    std::u16string chosenConnection;
    // The connections the sharing manager showed and the pair shared from them.
    IcsState ics;
    AdapterTable adapters;
    // Identifiers of the running one-shot main-window timers, 0 when not running.
    TimerId rediscoveryTimer = 0;
    TimerId dhcpLaunchTimer = 0;
    // The DHCP server this run started, watched until it ends.
    std::shared_ptr<RunningProcess> dhcpServer;
    TimerId radioOnStartTimer = 0;
    // The status timers, running from the end of the initialisation, and how often the notification-area
    // icon was added again.
    TimerId showRequestTimer = 0;
    TimerId trayReaddTimer = 0;
    int trayReaddCount = 0;
    TrayMenuTexts trayMenu;
    // The setup wizard: shown again after it ends, and running now.
    bool wizardShowAgain = false;
    bool wizardRunning = false;
};

}  // namespace aerowisp
