// The program's fixed numbers: main-window timers, controls, icons, strings and commands, shared by the
// core and the Win32 layer's resource script.
#pragma once

#include <cstdint>

namespace aerowisp {

// Main-window timers and their periods.
inline constexpr uint32_t kTimerRediscovery = 100;
inline constexpr uint32_t kTimerDhcpLaunch = 104;
inline constexpr uint32_t kTimerRadioOnStart = 107;
inline constexpr uint32_t kTimerStartGuard = 108;
inline constexpr uint32_t kStartGuardPeriodMs = 6000;

// The AP configuration page's own one-shot timer, which shows the BSSID once the network is up.
inline constexpr uint32_t kTimerApConfigPage = 106;
inline constexpr uint32_t kApConfigPageTimerPeriodMs = 2000;

// The association list page's own refresh timer, restarted each time its button shows it.
inline constexpr uint32_t kTimerAssocListRefresh = 105;
inline constexpr uint32_t kAssocListRefreshPeriodMs = 3000;

// The main window's status timers, started at the end of its initialisation: the poll of the show
// request of a second copy, and the re-adding of the notification-area icon.
inline constexpr uint32_t kTimerShowRequest = 112;
inline constexpr uint32_t kShowRequestPeriodMs = 500;
inline constexpr uint32_t kTimerTrayReadd = 113;
inline constexpr uint32_t kTrayReaddPeriodMs = 2000;

// Main-window controls.
inline constexpr uint32_t kIdcLinkStatusButton = 1000;
inline constexpr uint32_t kIdcAssocListButton = 1001;
inline constexpr uint32_t kIdcAdvancedButton = 1002;
inline constexpr uint32_t kIdcIcsButton = 1003;
inline constexpr uint32_t kIdcRadioButton = 1004;
inline constexpr uint32_t kIdcModeButton = 1005;
inline constexpr uint32_t kIdcStaApButton = 1006;
inline constexpr uint32_t kIdcModePicture = 1007;

// Icons of the buttons and the mode picture.
inline constexpr uint32_t kIdiAssocList = 165;
inline constexpr uint32_t kIdiAssocListDisabled = 166;
inline constexpr uint32_t kIdiLinkStatus = 167;
inline constexpr uint32_t kIdiLinkStatusDisabled = 168;
inline constexpr uint32_t kIdiConfig = 169;
inline constexpr uint32_t kIdiConfigDisabled = 170;
inline constexpr uint32_t kIdiIcs = 171;
inline constexpr uint32_t kIdiRadioOn = 173;
inline constexpr uint32_t kIdiRadioOnDisabled = 174;
inline constexpr uint32_t kIdiStationMode = 175;
inline constexpr uint32_t kIdiApStaMode = 177;
inline constexpr uint32_t kIdiAbout = 179;
inline constexpr uint32_t kIdiRadioOff = 191;
inline constexpr uint32_t kIdiRadioOffDisabled = 192;
inline constexpr uint32_t kIdiModeButton = 194;
inline constexpr uint32_t kIdiModeButtonDisabled = 195;
// Passed as the disabled icon when a button has none.
inline constexpr uint32_t kNoIcon = 0;

// String resources.
inline constexpr uint32_t kIdsAppTitle = 102;  // "Aerowisp"
inline constexpr uint32_t kIdsAssocListTip = 103;  // "Association List"
inline constexpr uint32_t kIdsIcsTip = 105;        // "ICS(Internet Connection Sharing)"
inline constexpr uint32_t kIdsRadioOffTip = 107;   // "Radio Off"
inline constexpr uint32_t kIdsRadioOnTip = 108;    // "Radio On"
inline constexpr uint32_t kIdsAboutTip = 109;      // "About"
inline constexpr uint32_t kIdsToApStaMode = 110;
inline constexpr uint32_t kIdsToStaMode = 111;
inline constexpr uint32_t kIdsLinkStatusTip = 113;
inline constexpr uint32_t kIdsConfigTip = 114;

// Tray menu commands, also posted between programs.
inline constexpr uint32_t kCmdLaunchConfigUtility = 32778;
inline constexpr uint32_t kCmdSwitchToApStaMode = 32779;
inline constexpr uint32_t kCmdSwitchToStationMode = 32788;

// The title of the main window, matched exactly by a second copy of the program.
inline constexpr char16_t kMainWindowTitle[] = u"Aerowisp";
// The setup wizard's window, closed when the main window hides.
inline constexpr char16_t kWizardWindowTitle[] = u"Wireless Network Setup Wizard";

}  // namespace aerowisp
