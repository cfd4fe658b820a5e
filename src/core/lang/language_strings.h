// The language file's string keys, each with the English text its place of use shows when the file has
// no text for it. A key used in two places with different English texts has one entry per place.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace aerowisp {

struct LanguageString {
    std::u16string_view key;
    std::u16string_view englishDefault;
    friend bool operator==(const LanguageString&, const LanguageString&) = default;
};

// The one rule for every place of use: the language file's text when the lookup found any, else the
// English text. A line with nothing after "=" but its line end gives the line end, which is not empty,
// so its place shows a blank rather than the English text.
inline std::u16string TextOrDefault(std::u16string lookedUp, const LanguageString& entry) {
    return lookedUp.empty() ? std::u16string(entry.englishDefault) : lookedUp;
}

// Tooltips of the main window's buttons. Their English texts are also the string resources 113, 103,
// 109, 107, 108, 110, 111, 114 and 105, which the buttons load themselves when the file has no text.
inline constexpr LanguageString kLinkStatusTip{u"String1", u"Link Status"};
inline constexpr LanguageString kAssociationListTip{u"String2", u"Association List"};
inline constexpr LanguageString kAboutTip{u"String3", u"About"};
inline constexpr LanguageString kRadioOffTip{u"String4", u"Radio Off"};
inline constexpr LanguageString kRadioOnTip{u"String5", u"Radio On"};
inline constexpr LanguageString kToApStaModeTip{u"String6", u"To AP+STA Mode"};
inline constexpr LanguageString kToStaModeTip{u"String7", u"To STA Mode"};
inline constexpr LanguageString kConfigTip{u"String8", u"Config"};
inline constexpr LanguageString kIcsTip{u"String9", u"ICS(Internet Connection Sharing)"};

// The address the About page's web button opens.
inline constexpr LanguageString kMakerWebAddress{u"String10", u"https://aerowisp.example/"};

// Messages of the AP configuration page, the Extended AP Settings dialog and the start-up check.
inline constexpr LanguageString kInvalidSsidMessage{u"String20", u"Invalid SSID"};
inline constexpr LanguageString kInvalidKeyMessage{
    u"String21",
    u"Invalid WPA Pre-Shared key. WPA-PSK used field should use 8-63 ASCII characters or 64 Hex characters"};
inline constexpr LanguageString kUnsupportedSystemMessage{u"String23",
                                                          u"Sorry! We do not support this operation system!"};
inline constexpr LanguageString kKeyMismatchMessage{u"String25", u"Confirm network key does not match"};

// Messages and texts of the setup wizard.
inline constexpr LanguageString kWizardInvalidNameMessage{u"String20", u"Invalid network name length"};
inline constexpr LanguageString kWizardKeyRuleMessage{
    u"String24", u"The WPA key can be entered as 8 to 63 characters or 64 hexadecimal characters."};
inline constexpr LanguageString kWizardKeyMismatchMessage{
    u"String25",
    u"The network keys you typed do not match Please reenter the network key in the confirmation text box."};
inline constexpr LanguageString kWizardNameRequiredMessage{
    u"String26", u"This configuration requires a network name. Please enter the SSID of the network."};
inline constexpr LanguageString kWizardNameLengthMessage{u"String27", u"Invalid network name length"};
inline constexpr LanguageString kWizardSelectConnectionMessage{u"String28",
                                                               u"Please select a internet connection"};
inline constexpr LanguageString kWizardNoConnectionMessage{
    u"String29", u"There is no any internet connection for sharing"};
inline constexpr LanguageString kWizardJoinHint{u"String58",
                                                u"Please use windows automatic wireless network "
                                                u"configuration \r\nto connect an existing wireless network "
                                                u"or change the wireless \r\nnetwork connection settings."};

// Items of the tray menus.
inline constexpr LanguageString kTrayMenuLaunch{u"String40", u"Launch config utility"};
inline constexpr LanguageString kTrayMenuToStationMode{u"String41", u"Switch to station mode"};
inline constexpr LanguageString kTrayMenuWizard{u"String42", u"Wizard"};
inline constexpr LanguageString kTrayMenuAbout{u"String43", u"About"};
inline constexpr LanguageString kTrayMenuExit{u"String44", u"Exit"};
inline constexpr LanguageString kTrayMenuToApStaMode{u"String45", u"Switch to AP STA mode"};

// Column headings of the association list, the ICS page and the wizard's connection page.
inline constexpr LanguageString kAidColumn{u"String50", u"AID"};
inline constexpr LanguageString kMacAddressColumn{u"String51", u"MAC address"};
inline constexpr LanguageString kTypeColumn{u"String52", u"Type"};
inline constexpr LanguageString kDeviceNameColumn{u"String53", u"Device Name"};
inline constexpr LanguageString kNetworkNameColumn{u"String54", u"Network Name"};

// The tray icon's tip.
inline constexpr LanguageString kNoCardTrayTip{u"String55", u"Wireless LAN Card Not Exit"};
inline constexpr LanguageString kRadioOffTrayTip{u"String4", u"Radio off"};
inline constexpr LanguageString kDisconnectedTrayTip{u"String56", u"Status : Disconnected "};
inline constexpr LanguageString kConnectedStatusLine{u"String57", u"Status : Connected"};
// Added to the no-card tip, and shown as the About page's device name, where Windows has no WLAN service.
inline constexpr LanguageString kWlanServiceMissingNotice{
    u"String240", u"The Wireless LAN Service is not installed on this computer."};

// Failures the user is told of: what went wrong (String100 to String107) with the label of the codes,
// then why, with what to do (String110 on). Several reasons of the WLAN service share one cause.
inline constexpr LanguageString kStartFailedMessage{u"String100", u"The access point could not be started."};
inline constexpr LanguageString kStopFailedMessage{
    u"String101", u"The access point could not be stopped; it may still be running."};
inline constexpr LanguageString kSsidRefusedMessage{
    u"String102", u"The wireless service did not accept the network name, so the network was not changed."};
inline constexpr LanguageString kKeyRefusedMessage{
    u"String103", u"The wireless service did not accept the network key, so the network was not changed."};
inline constexpr LanguageString kNetshFailedMessage{
    u"String104",
    u"netsh.exe could not be run, so the 64-digit network key was not set. Check that netsh.exe is in the "
    u"Windows system folder."};
inline constexpr LanguageString kIniSaveFailedMessage{
    u"String105",
    u"The network name and key could not be saved in DuvaDI.ini. Check that the program folder can be "
    u"written to."};
inline constexpr LanguageString kRegistrySaveFailedMessage{
    u"String106",
    u"The operating mode could not be saved in the registry (HKEY_CURRENT_USER\\Software\\Duva DI), so the "
    u"next start may not restore it."};
inline constexpr LanguageString kRestoreFailedMessage{
    u"String107",
    u"The access point could not be started again. Aerowisp stays in station mode and tries again at its "
    u"next start."};
inline constexpr LanguageString kFailureCodeLabel{u"String108", u"Error code:"};
inline constexpr LanguageString kCauseUnknown{
    u"String110", u"Windows gave no reason. Try again; if it keeps failing, restart the computer."};
inline constexpr LanguageString kCauseBadParameters{
    u"String111", u"The settings were not accepted. Check the network name and key."};
inline constexpr LanguageString kCauseServiceShuttingDown{
    u"String112", u"The WLAN AutoConfig service is shutting down. Wait a moment, then try again."};
inline constexpr LanguageString kCauseResources{
    u"String113", u"Windows is short of memory or resources. Close some programs, then try again."};
inline constexpr LanguageString kCauseElevation{
    u"String114", u"Administrator rights are needed. Start Aerowisp as an administrator."};
inline constexpr LanguageString kCauseReadOnly{
    u"String115", u"The hosted network settings are read-only on this computer. Ask your administrator."};
inline constexpr LanguageString kCausePersistence{u"String116",
                                                  u"Windows could not store the hosted network settings. Try "
                                                  u"again; if it keeps failing, restart the computer."};
inline constexpr LanguageString kCauseCrypt{
    u"String117", u"Windows could not encrypt the network key. Enter the key again."};
inline constexpr LanguageString kCauseImpersonation{
    u"String118",
    u"The wireless service could not act for your user account. Log off and on again, then try again."};
inline constexpr LanguageString kCauseNotRunning{u"String119", u"The access point was not running."};
inline constexpr LanguageString kCauseCardUnavailable{
    u"String120",
    u"The wireless card is not available. Check that it is plugged in and that its radio and wireless switch "
    u"are on."};
inline constexpr LanguageString kCauseDriverStopped{
    u"String121", u"The wireless card's driver has stopped. Turn the radio on, or restart the computer."};
inline constexpr LanguageString kCauseIncompatibleConnection{
    u"String122",
    u"Another connection on the wireless card (such as an ad hoc network) does not allow the access point. "
    u"Disconnect it, then try again."};
inline constexpr LanguageString kCauseStoppedByOther{
    u"String123", u"The access point was stopped by another program or user. Try again."};
inline constexpr LanguageString kCauseDriverRefused{
    u"String124",
    u"The wireless card's driver could not start the access point. Turn the radio off and on, or update the "
    u"driver."};
inline constexpr LanguageString kCauseChanged{
    u"String125", u"The wireless card or its settings changed meanwhile. Try again."};
inline constexpr LanguageString kCausePolicy{
    u"String126",
    u"A group policy does not allow the hosted network on this computer. Ask your administrator."};
inline constexpr LanguageString kCauseServiceStopped{
    u"String127",
    u"The WLAN AutoConfig service is not running. Start it in Services (services.msc), then try again."};
inline constexpr LanguageString kCauseVirtualStation{
    u"String128", u"A virtual wireless connection is using the card. Disconnect it, then try again."};
inline constexpr LanguageString kCauseNotAvailableNow{
    u"String129",
    u"The hosted network is not available now: the radio may be off or the hosted network disallowed. Turn "
    u"the radio on, then try again."};
inline constexpr LanguageString kCauseNotSupported{
    u"String130",
    u"The wireless card, its driver or this Windows does not support the hosted network. Update the driver "
    u"or use another card."};
inline constexpr LanguageString kCauseBusy{u"String131",
                                           u"The wireless card is busy. Wait a moment, then try again."};
inline constexpr LanguageString kCauseServiceLost{
    u"String132", u"The connection to the wireless service was lost. Restart Aerowisp."};

// Messages of the radio button.
inline constexpr LanguageString kRadioOffFailedMessage{
    u"String150", u"The wireless card's radio could not be switched off."};
inline constexpr LanguageString kRadioOnFailedMessage{u"String151",
                                                      u"The wireless card's radio could not be switched on."};
inline constexpr LanguageString kHardwareRadioOffMessage{
    u"String152",
    u"The wireless card's radio switch is off. Turn the switch on, then switch the radio on again."};

// The association list's columns from the DHCP server's leases, and the balloons telling of stations.
inline constexpr LanguageString kIpAddressColumn{u"String170", u"IP Address"};
inline constexpr LanguageString kStationNameColumn{u"String171", u"Device Name"};
// The station names, separated by commas, and the network name.
inline constexpr LanguageString kStationsJoinedNotice{u"String172", u"%s joined %s"};
inline constexpr LanguageString kStationsLeftNotice{u"String173", u"%s left %s"};

// The AP configuration page's QR code button and the join window it opens.
inline constexpr LanguageString kJoinCodeButton{u"String180", u"QR Code..."};
inline constexpr LanguageString kJoinCodeCaption{u"String181", u"Join by QR Code"};
inline constexpr LanguageString kJoinCodeHint{u"String182",
                                              u"Scan this code with a phone's camera to join the network."};
inline constexpr LanguageString kJoinCodeSsidLabel{u"String183", u"Network name (SSID):"};
inline constexpr LanguageString kJoinCodeKeyLabel{u"String184", u"Network key:"};
inline constexpr LanguageString kJoinCodeCopy{u"String185", u"Copy Key"};
inline constexpr LanguageString kJoinCodeClose{u"String186", u"Close"};
inline constexpr LanguageString kJoinCodeNothingStored{
    u"String187", u"No network name and key are stored yet. Enter them on this page, then press Apply."};
inline constexpr LanguageString kJoinCodeTooLong{u"String188",
                                                 u"The network name and key are too long for a QR code."};
inline constexpr LanguageString kJoinCodeCopied{u"String189", u"Copied"};

// Messages of connection sharing, the DHCP server and the saved radio state.
inline constexpr LanguageString kIcsStartFailedMessage{
    u"String190",
    u"Internet connection sharing could not be set up for the access point, so its stations may not reach "
    u"the Internet. Choose the connection on the ICS page and press Apply to try again."};
inline constexpr LanguageString kIcsStopFailedMessage{
    u"String191",
    u"Internet connection sharing could not be switched off completely. Switch it off on the Sharing tab of "
    u"the connection's properties."};
inline constexpr LanguageString kDhcpServerStartFailedMessage{
    u"String192",
    u"DhcpServer.exe could not be started, so stations get no address. Check that it is in the program "
    u"folder."};
inline constexpr LanguageString kRadioStateSaveFailedMessage{
    u"String193",
    u"The radio state could not be saved in the registry (HKEY_CURRENT_USER\\Software\\Duva DI), so the "
    u"next start may not restore it."};
inline constexpr LanguageString kDhcpServerPortBusyMessage{
    u"String220",
    u"DhcpServer.exe stopped because another program holds the DHCP port (UDP 67), so stations get no "
    u"address. Close that program, then switch to AP+STA mode again."};

// The sharing service, the sharing manager's refusals, the DHCP server's firewall rule and sharing's
// own address range.
inline constexpr LanguageString kSharingServiceStartedNotice{
    u"String200",
    u"The Internet Connection Sharing service (SharedAccess) was off. Aerowisp set it to start automatically "
    u"and started it."};
// The service's name replaces %s.
inline constexpr LanguageString kServiceStartFailedMessage{
    u"String201", u"The Windows service \"%s\" could not be started."};
inline constexpr LanguageString kServiceCauseDisabled{
    u"String202", u"It is disabled. Set its startup type to Automatic in Services (services.msc)."};
inline constexpr LanguageString kServiceCauseDependency{
    u"String203", u"A service it depends on could not be started. Check them in Services (services.msc)."};
inline constexpr LanguageString kServiceCauseMissing{u"String204", u"It is not installed on this computer."};
inline constexpr LanguageString kServiceCauseOther{
    u"String205", u"Windows gave the reason below. Restart the computer, then try again."};
inline constexpr LanguageString kSharingCauseServiceDisabled{
    u"String206",
    u"The Internet Connection Sharing service is disabled. Set it to Automatic in Services (services.msc), "
    u"then try again."};
inline constexpr LanguageString kSharingCauseDependency{
    u"String207",
    u"A service that Internet Connection Sharing needs could not be started (Base Filtering Engine, Network "
    u"Connections, Remote Access Connection Manager, Windows Management Instrumentation)."};
inline constexpr LanguageString kSharingCauseStaleRecords{
    u"String208",
    u"Windows still keeps the sharing of a connection that is no longer there. Switch sharing off on the "
    u"Sharing tab of each connection, then try again."};
inline constexpr LanguageString kSharingCauseAccessDenied{
    u"String209",
    u"Windows refused the change: administrator rights are needed, or a policy forbids connection sharing."};
inline constexpr LanguageString kFirewallRuleFailedMessage{
    u"String210",
    u"The firewall rule that lets stations reach DhcpServer.exe (UDP port 67) could not be added, so they "
    u"may "
    u"get no address. Allow DhcpServer.exe in Windows Firewall."};
// The ScopeAddress value replaces %s.
inline constexpr LanguageString kScopeAddressConflictMessage{
    u"String211",
    u"The sharing service's ScopeAddress (%s) lies in the access point's network 192.168.139.0/24, so its "
    u"address server competes with DhcpServer.exe. Delete ScopeAddress under "
    u"HKLM\\System\\CurrentControlSet\\"
    u"Services\\SharedAccess\\Parameters."};

// The check-up: its window, the title of each check, the verdicts, and each problem's cause and remedy.
inline constexpr LanguageString kCheckupCaption{u"String317", u"Check-up"};
inline constexpr LanguageString kCheckupFixButton{u"String318", u"Fix"};
inline constexpr LanguageString kCheckupCopyReport{u"String319", u"Copy report"};
inline constexpr LanguageString kCheckupCauseLabel{u"String320", u"Cause:"};
inline constexpr LanguageString kCheckupRemedyLabel{u"String321", u"Remedy:"};
inline constexpr LanguageString kCheckWlanServiceTitle{u"String300", u"WLAN AutoConfig service"};
inline constexpr LanguageString kCheckDriverTitle{u"String301", u"Wireless card and driver"};
inline constexpr LanguageString kCheckAllowedTitle{u"String302", u"Hosted network allowed"};
inline constexpr LanguageString kCheckRadioTitle{u"String303", u"Radio"};
inline constexpr LanguageString kCheckVirtualAdapterTitle{u"String304", u"Virtual adapter"};
inline constexpr LanguageString kCheckHostedNetworkTitle{u"String305",
                                                         u"Access point started with the stored name"};
inline constexpr LanguageString kCheckSharingServiceTitle{u"String306",
                                                          u"Internet Connection Sharing service"};
inline constexpr LanguageString kCheckPublicConnectionTitle{u"String307", u"Chosen Internet connection"};
inline constexpr LanguageString kCheckSharingPairTitle{
    u"String308", u"Sharing between the connection and the access point"};
inline constexpr LanguageString kCheckAddressTitle{u"String309",
                                                   u"Address 192.168.139.1 on the virtual adapter"};
inline constexpr LanguageString kCheckScopeTitle{u"String310", u"Sharing's own address range"};
inline constexpr LanguageString kCheckFirewallTitle{u"String311", u"Firewall rule for DhcpServer.exe"};
inline constexpr LanguageString kCheckDhcpServerTitle{u"String312", u"DhcpServer.exe running"};
inline constexpr LanguageString kCheckStationsTitle{u"String313", u"Addresses of the stations"};
inline constexpr LanguageString kCheckVerdictOk{u"String314", u"OK"};
inline constexpr LanguageString kCheckVerdictProblem{u"String315", u"Problem"};
inline constexpr LanguageString kCheckVerdictCouldNot{u"String316", u"Could not check"};
inline constexpr LanguageString kCheckCauseWlanServiceStopped{
    u"String330", u"The WLAN AutoConfig service (Wlansvc) is not running or does not start automatically."};
inline constexpr LanguageString kCheckRemedyStartService{u"String331",
                                                         u"Press Fix to start it and set it to Automatic."};
inline constexpr LanguageString kCheckRemedyWlanServiceMissing{
    u"String333", u"Use a Windows 7 edition with the Wireless LAN Service, or add that feature."};
inline constexpr LanguageString kCheckCauseNoCard{u"String334", u"No wireless card is present."};
inline constexpr LanguageString kCheckRemedyNoCard{
    u"String335", u"Plug in the wireless card or install its driver, then run the check-up again."};
inline constexpr LanguageString kCheckCauseNotSupported{
    u"String336", u"The wireless card's driver does not support the hosted network."};
inline constexpr LanguageString kCheckRemedyNotSupported{
    u"String337", u"Update the driver from the card's maker, or use another card."};
inline constexpr LanguageString kCheckCauseNotAllowed{u"String338",
                                                      u"The hosted network is disallowed on this computer."};
inline constexpr LanguageString kCheckRemedyAllow{u"String339",
                                                  u"Press Fix to allow it and start the access point again."};
inline constexpr LanguageString kCheckCauseSoftwareRadioOff{u"String340",
                                                            u"The wireless card's radio is switched off."};
inline constexpr LanguageString kCheckRemedyRadioOn{u"String341", u"Press Fix to switch it on."};
inline constexpr LanguageString kCheckCauseHardwareRadioOff{u"String342",
                                                            u"The wireless card's hardware switch is off."};
inline constexpr LanguageString kCheckRemedyHardwareSwitch{
    u"String343", u"Turn on the wireless switch or key of the computer."};
inline constexpr LanguageString kCheckCauseVirtualAdapterMissing{
    u"String344",
    u"The access point's virtual adapter (Microsoft Virtual WiFi Miniport Adapter) is missing or disabled."};
inline constexpr LanguageString kCheckRemedyEnableAdapter{
    u"String345", u"Press Fix to enable it, or enable it in Network Connections."};
inline constexpr LanguageString kCheckCauseHostedNetworkStopped{u"String346",
                                                                u"The access point is not running."};
inline constexpr LanguageString kCheckRemedyRestartHostedNetwork{u"String347",
                                                                 u"Press Fix to start it again."};
inline constexpr LanguageString kCheckCauseWrongName{
    u"String348", u"The access point runs with another name than the one stored in Aerowisp."};
inline constexpr LanguageString kCheckCauseSharingServiceOff{
    u"String350", u"The Internet Connection Sharing service (SharedAccess) is disabled or stopped."};
inline constexpr LanguageString kCheckCauseNoChosenConnection{
    u"String352", u"No Internet connection is chosen, or the chosen one is not there."};
inline constexpr LanguageString kCheckRemedyChooseConnection{
    u"String353", u"Choose the connection to share on the ICS page."};
inline constexpr LanguageString kCheckCauseConnectionDown{
    u"String354", u"The chosen Internet connection is not connected."};
inline constexpr LanguageString kCheckRemedyConnect{
    u"String355",
    u"Connect it (plug in the cable, dial in or join the network), then run the check-up again."};
inline constexpr LanguageString kCheckCauseNoDefaultRoute{
    u"String356", u"Internet traffic does not go through the chosen connection."};
inline constexpr LanguageString kCheckRemedyChooseRoute{
    u"String357", u"On the ICS page, choose the connection that leads to the Internet."};
inline constexpr LanguageString kCheckCausePairNotShared{
    u"String358", u"Sharing is not set up between the chosen connection and the access point."};
inline constexpr LanguageString kCheckRemedyReapplySharing{u"String359", u"Press Fix to share them again."};
inline constexpr LanguageString kCheckCauseOtherShared{
    u"String360", u"Another connection is shared too; Windows shares only one pair at a time."};
inline constexpr LanguageString kCheckCauseAddressMissing{
    u"String362",
    u"The virtual adapter does not have the address 192.168.139.1, so DhcpServer.exe cannot serve the "
    u"stations."};
inline constexpr LanguageString kCheckRemedySetAddress{u"String363", u"Press Fix to set the address again."};
inline constexpr LanguageString kCheckCauseScopeConflict{
    u"String364",
    u"The sharing service's ScopeAddress lies in 192.168.139.0/24, so its own address server competes with "
    u"DhcpServer.exe."};
inline constexpr LanguageString kCheckRemedyScope{
    u"String365",
    u"Delete ScopeAddress under HKLM\\System\\CurrentControlSet\\Services\\SharedAccess\\Parameters."};
inline constexpr LanguageString kCheckCauseFirewallRule{
    u"String366", u"No enabled firewall rule lets the stations reach DhcpServer.exe (UDP port 67)."};
inline constexpr LanguageString kCheckRemedyAddRule{u"String367", u"Press Fix to add the rule."};
inline constexpr LanguageString kCheckCauseDhcpServerStopped{
    u"String368", u"DhcpServer.exe is not running, so the stations get no address."};
inline constexpr LanguageString kCheckRemedyRestartDhcpServer{u"String369", u"Press Fix to start it again."};
inline constexpr LanguageString kCheckCauseStationWithoutLease{
    u"String370",
    u"A station has had no address for more than 30 seconds: the firewall or the address server keeps it "
    u"out."};
inline constexpr LanguageString kCheckRemedyStationLease{
    u"String371", u"Press Fix to restart DhcpServer.exe; if that does not help, check the firewall rule."};
inline constexpr LanguageString kCheckCauseNotRunning{
    u"String372", u"The access point is not running, so this cannot be checked."};
inline constexpr LanguageString kCheckCauseNoAnswer{u"String373", u"Windows did not answer the question."};
inline constexpr LanguageString kCheckCauseStationJustJoined{
    u"String374", u"A station joined a moment ago; its address is checked after 30 seconds."};

// Balloons of the healing that brings the hotspot back when a piece under it stops. A cause replaces the
// first %s; a remedy the second, a connection's name the offer's one.
inline constexpr LanguageString kHealingBackNotice{u"String450", u"The hotspot stopped (%s) and is back."};
inline constexpr LanguageString kHealingNotBackNotice{
    u"String451", u"The hotspot stopped (%s) and could not be brought back: open the check-up."};
inline constexpr LanguageString kHealingNeedsUserNotice{u"String452", u"The hotspot stopped (%s). %s"};
inline constexpr LanguageString kHealingOfferNotice{
    u"String453", u"The shared Internet connection is down. Click here to share %s instead."};
inline constexpr LanguageString kHealingCauseHostedNetwork{u"String454", u"the access point was stopped"};
inline constexpr LanguageString kHealingCauseAddress{u"String455", u"the access point lost its address"};
inline constexpr LanguageString kHealingCauseSharing{u"String456", u"another program removed the sharing"};
inline constexpr LanguageString kHealingCauseDhcpServer{u"String457", u"DhcpServer.exe ended"};
inline constexpr LanguageString kHealingCausePublicDown{u"String458", u"the Internet connection went down"};
inline constexpr LanguageString kHealingCauseRouteElsewhere{
    u"String459", u"another connection took the way to the Internet"};
inline constexpr LanguageString kHealingCauseHardwareRadio{u"String460", u"the wireless switch is off"};
inline constexpr LanguageString kHealingCauseServiceDisabled{u"String461",
                                                             u"a needed service is disabled by policy"};
inline constexpr LanguageString kHealingRemedyService{
    u"String462", u"Ask the computer's administrator to allow the service."};
inline constexpr LanguageString kHealingRemedyPublicDown{
    u"String463", u"Connect it again, or choose another connection on the ICS page."};

// What the command line's requests answer.
inline constexpr LanguageString kControlNoCard{u"String260", u"No wireless LAN card is present."};
inline constexpr LanguageString kControlRadioOff{u"String261", u"The radio is off. Switch it on first."};
inline constexpr LanguageString kControlBusy{u"String262",
                                             u"Aerowisp is busy with another change. Try again in a moment."};
inline constexpr LanguageString kControlNoApSettings{
    u"String263", u"No network name and key are stored yet. Set them in Aerowisp's window first."};
inline constexpr LanguageString kControlApAlreadyOn{u"String264", u"The access point is already on."};
inline constexpr LanguageString kControlApAlreadyOff{u"String265", u"The access point is already off."};
inline constexpr LanguageString kControlApOn{u"String266", u"The access point is on."};
inline constexpr LanguageString kControlApOff{u"String267", u"The access point is off."};
inline constexpr LanguageString kControlRadioIsOn{u"String268", u"The radio is on."};
inline constexpr LanguageString kControlRadioIsOff{u"String269", u"The radio is off."};
inline constexpr LanguageString kControlStartFailed{u"String270", u"The access point could not be started."};
inline constexpr LanguageString kControlStopFailed{u"String271", u"The access point could not be stopped."};
inline constexpr LanguageString kControlRadioFailed{u"String272", u"The radio could not be switched."};
inline constexpr LanguageString kControlWindowShown{u"String273", u"The window is shown."};
inline constexpr LanguageString kControlExiting{u"String274", u"Aerowisp is ending."};
inline constexpr LanguageString kControlNoStations{u"String275",
                                                   u"The access point is off, so no station is joined."};

// Every place of use above; three keys serve two places each.
inline constexpr std::array kLanguageStrings{
    kLinkStatusTip,
    kAssociationListTip,
    kAboutTip,
    kRadioOffTip,
    kRadioOnTip,
    kToApStaModeTip,
    kToStaModeTip,
    kConfigTip,
    kIcsTip,
    kMakerWebAddress,
    kInvalidSsidMessage,
    kInvalidKeyMessage,
    kUnsupportedSystemMessage,
    kKeyMismatchMessage,
    kWizardInvalidNameMessage,
    kWizardKeyRuleMessage,
    kWizardKeyMismatchMessage,
    kWizardNameRequiredMessage,
    kWizardNameLengthMessage,
    kWizardSelectConnectionMessage,
    kWizardNoConnectionMessage,
    kWizardJoinHint,
    kTrayMenuLaunch,
    kTrayMenuToStationMode,
    kTrayMenuWizard,
    kTrayMenuAbout,
    kTrayMenuExit,
    kTrayMenuToApStaMode,
    kAidColumn,
    kMacAddressColumn,
    kTypeColumn,
    kDeviceNameColumn,
    kNetworkNameColumn,
    kNoCardTrayTip,
    kRadioOffTrayTip,
    kDisconnectedTrayTip,
    kConnectedStatusLine,
    kStartFailedMessage,
    kStopFailedMessage,
    kSsidRefusedMessage,
    kKeyRefusedMessage,
    kNetshFailedMessage,
    kIniSaveFailedMessage,
    kRegistrySaveFailedMessage,
    kRestoreFailedMessage,
    kFailureCodeLabel,
    kCauseUnknown,
    kCauseBadParameters,
    kCauseServiceShuttingDown,
    kCauseResources,
    kCauseElevation,
    kCauseReadOnly,
    kCausePersistence,
    kCauseCrypt,
    kCauseImpersonation,
    kCauseNotRunning,
    kCauseCardUnavailable,
    kCauseDriverStopped,
    kCauseIncompatibleConnection,
    kCauseStoppedByOther,
    kCauseDriverRefused,
    kCauseChanged,
    kCausePolicy,
    kCauseServiceStopped,
    kCauseVirtualStation,
    kCauseNotAvailableNow,
    kCauseNotSupported,
    kCauseBusy,
    kCauseServiceLost,
    kRadioOffFailedMessage,
    kRadioOnFailedMessage,
    kHardwareRadioOffMessage,
    kIpAddressColumn,
    kStationNameColumn,
    kStationsJoinedNotice,
    kStationsLeftNotice,
    kJoinCodeButton,
    kJoinCodeCaption,
    kJoinCodeHint,
    kJoinCodeSsidLabel,
    kJoinCodeKeyLabel,
    kJoinCodeCopy,
    kJoinCodeClose,
    kJoinCodeNothingStored,
    kJoinCodeTooLong,
    kJoinCodeCopied,
    kIcsStartFailedMessage,
    kIcsStopFailedMessage,
    kDhcpServerStartFailedMessage,
    kRadioStateSaveFailedMessage,
    kSharingServiceStartedNotice,
    kServiceStartFailedMessage,
    kServiceCauseDisabled,
    kServiceCauseDependency,
    kServiceCauseMissing,
    kServiceCauseOther,
    kSharingCauseServiceDisabled,
    kSharingCauseDependency,
    kSharingCauseStaleRecords,
    kSharingCauseAccessDenied,
    kFirewallRuleFailedMessage,
    kScopeAddressConflictMessage,
    kWlanServiceMissingNotice,
    kDhcpServerPortBusyMessage,
    kControlNoCard,
    kControlRadioOff,
    kControlBusy,
    kControlNoApSettings,
    kControlApAlreadyOn,
    kControlApAlreadyOff,
    kControlApOn,
    kControlApOff,
    kControlRadioIsOn,
    kControlRadioIsOff,
    kControlStartFailed,
    kControlStopFailed,
    kControlRadioFailed,
    kControlWindowShown,
    kControlExiting,
    kControlNoStations,
    kCheckupCaption,
    kCheckupFixButton,
    kCheckupCopyReport,
    kCheckupCauseLabel,
    kCheckupRemedyLabel,
    kCheckWlanServiceTitle,
    kCheckDriverTitle,
    kCheckAllowedTitle,
    kCheckRadioTitle,
    kCheckVirtualAdapterTitle,
    kCheckHostedNetworkTitle,
    kCheckSharingServiceTitle,
    kCheckPublicConnectionTitle,
    kCheckSharingPairTitle,
    kCheckAddressTitle,
    kCheckScopeTitle,
    kCheckFirewallTitle,
    kCheckDhcpServerTitle,
    kCheckStationsTitle,
    kCheckVerdictOk,
    kCheckVerdictProblem,
    kCheckVerdictCouldNot,
    kCheckCauseWlanServiceStopped,
    kCheckRemedyStartService,
    kCheckRemedyWlanServiceMissing,
    kCheckCauseNoCard,
    kCheckRemedyNoCard,
    kCheckCauseNotSupported,
    kCheckRemedyNotSupported,
    kCheckCauseNotAllowed,
    kCheckRemedyAllow,
    kCheckCauseSoftwareRadioOff,
    kCheckRemedyRadioOn,
    kCheckCauseHardwareRadioOff,
    kCheckRemedyHardwareSwitch,
    kCheckCauseVirtualAdapterMissing,
    kCheckRemedyEnableAdapter,
    kCheckCauseHostedNetworkStopped,
    kCheckRemedyRestartHostedNetwork,
    kCheckCauseWrongName,
    kCheckCauseSharingServiceOff,
    kCheckCauseNoChosenConnection,
    kCheckRemedyChooseConnection,
    kCheckCauseConnectionDown,
    kCheckRemedyConnect,
    kCheckCauseNoDefaultRoute,
    kCheckRemedyChooseRoute,
    kCheckCausePairNotShared,
    kCheckRemedyReapplySharing,
    kCheckCauseOtherShared,
    kCheckCauseAddressMissing,
    kCheckRemedySetAddress,
    kCheckCauseScopeConflict,
    kCheckRemedyScope,
    kCheckCauseFirewallRule,
    kCheckRemedyAddRule,
    kCheckCauseDhcpServerStopped,
    kCheckRemedyRestartDhcpServer,
    kCheckCauseStationWithoutLease,
    kCheckRemedyStationLease,
    kCheckCauseNotRunning,
    kCheckCauseNoAnswer,
    kCheckCauseStationJustJoined,
    kHealingBackNotice,
    kHealingNotBackNotice,
    kHealingNeedsUserNotice,
    kHealingOfferNotice,
    kHealingCauseHostedNetwork,
    kHealingCauseAddress,
    kHealingCauseSharing,
    kHealingCauseDhcpServer,
    kHealingCausePublicDown,
    kHealingCauseRouteElsewhere,
    kHealingCauseHardwareRadio,
    kHealingCauseServiceDisabled,
    kHealingRemedyService,
    kHealingRemedyPublicDown,
    // Every place of use above; the 197 keys the program looks up, three of them twice.
};

// A text as it goes on screen: the language file's texts keep their line end, which a control, menu
// item or tooltip would show as stray characters. Only trailing CR and LF characters go.
constexpr std::u16string_view WithoutLineEnd(std::u16string_view text) {
    while (!text.empty() && (text.back() == u'\r' || text.back() == u'\n'))
        text.remove_suffix(1);
    return text;
}

}  // namespace aerowisp
