// The main window's model: its run-time state and the operations the window forwards to it. The window
// itself only draws and passes on messages; what the model shows or asks goes through the MainView.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/app/content_pages_control.h"
#include "core/app/device_events.h"
#include "core/hostednet/hosted_network_control.h"
#include "core/hostednet/problem_reporter.h"
#include "core/lang/language_texts.h"
#include "core/hostednet/radio_control.h"
#include "core/ports/main_view.h"
#include "core/app/main_window_control.h"
#include "core/app/page_requests.h"
#include "core/state/main_window_state.h"
#include "core/ports/control_context.h"
#include "core/ports/model_ports.h"
#include "core/ports/main_window_callbacks.h"
#include "core/app/startup.h"
#include "core/app/station_watch.h"
#include "core/app/status_timers.h"
#include "core/app/tray_control.h"
#include "core/ports/tray_view.h"
#include "core/hostednet/wlan_client.h"
#include "core/ics/connection_sharing_control.h"
#include "core/wizard/setup_wizard_control.h"

namespace aerowisp {

// The window raises the model's events below; the parts behind them are the model's own.
class MainWindowModel {
  public:
    MainWindowModel(const ModelPorts& ports, MainView& view, TrayView& tray);
    MainWindowModel(const MainWindowModel&) = delete;
    MainWindowModel& operator=(const MainWindowModel&) = delete;

    // The texts the user sees, for the controls, pages and dialogs the window makes.
    const LanguageTexts& Texts() const { return texts_; }
    // The run-time state, for reading: the command line's status reply is made from it.
    const MainWindowState& State() const { return state_; }
    // The chosen card's name; empty without one.
    const std::u16string& CardDescription() const { return wlanClient_.State().cardDescription; }
    // Whether the mode may change now, as the mode button and the tray menu decide it.
    bool ModeSwitchAllowed() const { return hostedNetwork_.ModeSwitchAllowed(); }
    // The stations of the hosted network, as the association list page shows them.
    std::vector<AssociationRow> AssociationRows() { return pages_.AssociationRows(); }
    // What the content pages are given at their creation: their timers' ticks and buttons come here.
    PageRequests& Pages() { return pages_; }

    // The main window's initialisation, once its controls exist: the tray icon, the language, the stored
    // settings, the card, the buttons, the pages and the stored mode, in that order; then the watch on
    // the hosted network's stations starts.
    void OnInitDialog(std::u16string programFolder);

    // Opens the WLAN client and chooses the card; with `allowDialog` the user picks among several.
    void DiscoverInterface(bool allowDialog) { wlanClient_.DiscoverInterface(allowDialog); }
    // After a device removal: whether the card with `description` is still there.
    bool IsSelectedCardPresent(std::u16string_view description) {
        return wlanClient_.IsSelectedCardPresent(description);
    }

    // Connection sharing with the hosted network, for the radio, the ICS page and the wizard: start
    // sharing the chosen connection, stop it, or stop and start again after a new choice.
    void StartConnectionSharing() { sharing_.StartConnectionSharing(); }
    void StopConnectionSharing() { sharing_.StopConnectionSharing(); }
    void RestartConnectionSharing() { sharing_.RestartConnectionSharing(); }

    // Every frame paint: true when the window is to be hidden instead of painted.
    bool OnNcPaint();
    // The command line asked to start hidden: the first frame paint treats it as the start-hidden marker.
    void RequestStartHidden() { startHiddenBySwitch_ = true; }
    // The close clean-up before the main window's modal run ends. The mode and "Current Mode" are kept,
    // so the next start restores AP+STA mode.
    void OnClose();
    // The close box, Esc and the system menu's Close: hide to the notification area, or end the program
    // while there is no icon to come back from.
    void OnCloseBox();
    // A main-window timer's tick.
    void OnTimer(TimerId id) {
        if (!stationWatch_.OnTimer(id))
            statusTimers_.OnTimer(id);
    }
    // Message 0x464 with the mouse message from lParam; the window returns 1.
    void OnTrayNotify(uint32_t mouseMessage) { tray_.OnTrayNotify(mouseMessage); }
    // WM_COMMAND 32778 to 32796; false for any other command.
    bool OnTrayCommand(uint32_t commandId) { return tray_.OnTrayCommand(commandId); }
    // The registered "TaskbarCreated" message.
    void OnTaskbarCreated() { tray_.OnTaskbarCreated(); }
    // WM_DEVICECHANGE with the record lParam points to (empty when null); the window returns 0.
    void OnDeviceChange(uint32_t event, std::span<const uint8_t> record) {
        deviceEvents_.OnDeviceChange(event, record);
    }
    // WM_POWERBROADCAST; the window then runs the default processing.
    void OnPowerBroadcast(uint32_t event) { deviceEvents_.OnPowerBroadcast(event); }

    // The picture buttons' clicks: 1000, 1001, 1003, the radio button 1004 and the mode button 1005.
    void OnLinkStatusButton() { window_.OnLinkStatusButton(); }
    void OnAssocListButton() { window_.OnAssocListButton(); }
    void OnIcsButton() { window_.OnIcsButton(); }
    void OnRadioButton() { radio_.OnRadioButton(); }
    void OnModeButton() { hostedNetwork_.OnModeButton(); }
    // The About item of the system menu, as the tray's About.
    void OnAboutCommand() { tray_.ShowAboutDialog(); }
    // The tray's "Launch config utility", as the command line asks for it.
    void OnLaunchConfigUtility() { tray_.OnLaunchConfigUtility(); }
    // The tray view's run of the setup wizard, shown in `sheet`.
    void RunSetupWizard(WizardSheetRunner& sheet) { wizard_.RunSetupWizard(sheet); }

  protected:
    // The parts behind the events. Nothing of the program derives from the model; the native tests open
    // the parts through a subclass of their own to drive and read them one by one.
    ModelPorts ports_;
    MainView& view_;
    TrayView& trayView_;
    MainWindowState state_;
    LanguageTexts texts_;
    // Shared by the controls, so what goes wrong in one operation is told once.
    ProblemReporter problems_;
    // The parts above, as the controls take them.
    ControlContext context_;
    ConnectionSharingControl sharing_;
    HostedNetworkControl hostedNetwork_;
    WlanClient wlanClient_;
    MainWindowControl window_;
    ContentPagesControl pages_;
    MainWindowCallbacks callbacks_;
    TrayControl tray_;
    StationWatch stationWatch_;
    StatusTimers statusTimers_;
    DeviceEvents deviceEvents_;
    RadioControl radio_;
    SetupWizardControl wizard_;
    StartHiddenAllowance startHiddenAllowance_;
    bool startHiddenBySwitch_ = false;
};

}  // namespace aerowisp
