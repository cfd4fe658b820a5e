// The main window's control of the hosted network: pushing the name and key to the WLAN service,
// starting and stopping the network, and the switches between station and AP+STA mode.
#pragma once

#include <optional>
#include <string>

#include "core/looks/control_looks.h"
#include "core/ports/control_context.h"
#include "core/hostednet/hosted_network_failure.h"
#include "core/hostednet/problem_reporter.h"
#include "core/ics/connection_sharing_control.h"

namespace aerowisp {

// What a start does when the WLAN service refuses the ordinary start: the switch to AP+STA mode forces
// the network on; the applies of a new name keep the service's answer.
enum class StartFallback { kNone, kForceStart };

// Nothing when the service did what was asked.
using MaybeFailure = std::optional<HostedNetworkFailure>;

class HostedNetworkControl {
  public:
    HostedNetworkControl(const ControlContext& context, ProblemReporter& problems,
                         ConnectionSharingControl& sharing);
    HostedNetworkControl(const HostedNetworkControl&) = delete;
    HostedNetworkControl& operator=(const HostedNetworkControl&) = delete;

    // Pushes `ssid` with the peer limit as the connection settings; it becomes the applied SSID once the
    // service took it.
    MaybeFailure PushSsid(const std::u16string& ssid);
    // Pushes `key`: 64 hexadecimal digits through netsh.exe, any other key as the secondary key; it
    // becomes the applied key once the service (or netsh.exe's start) took it.
    MaybeFailure PushKey(const std::u16string& key);
    // Pushes the desired name and key and, when both were taken, starts the network (with `kForceStart`,
    // forcing it when the ordinary start fails) and arms the start guard.
    MaybeFailure StartHostedNetwork(StartFallback fallback);
    // Quiets device notifications for 6 s after a start; a new start restarts the 6 s.
    void ArmStartGuard();
    // The stop pair. A failure counts only when the network still runs (or its state is unknown).
    MaybeFailure StopHostedNetwork();
    // Ends AP+STA mode's services and then the network: the DHCP server, connection sharing, the stop
    // pair. The mode flag and "Current Mode" are the caller's.
    MaybeFailure StopApStaNetwork();

    // The mode button and the tray's mode commands act only when the mode button could be pressed: a
    // card is present, its radio is on and no switch is running.
    bool ModeSwitchAllowed() const;
    // The mode button: disabled while the switch runs; a click it could not have had does nothing.
    void OnModeButton();
    // False when the program stays in station mode: the user cancelled the Extended AP Settings dialog
    // (nothing was started), or the service refused the start, which leaves the station look and
    // "Current Mode" as they were and is told as `origin` says.
    bool SwitchToApStaMode(SwitchOrigin origin = SwitchOrigin::kUser);
    // A stop the service refused while the network still runs keeps AP+STA mode and is told.
    void SwitchToStationMode();
    // The AP configuration page's Apply, with validated input. Name and key are compared exactly: a name
    // in other letter case is another network on the air. When the network cannot be started again with
    // the new name the program falls back to station mode. False when the service refused what was new
    // (the user has been told).
    bool ApplyApConfig(const std::u16string& ssid, const std::u16string& key);
    // The wizard's apply of the desired SSID and key it has stored: starts the network in station mode,
    // or changes the one running (in AP+STA mode, or started by an earlier pass of this wizard run);
    // false when the service refused it (the user has been told).
    bool ApplyWizardNetwork();
    // The AP+STA look after the wizard created an access point; starts and writes nothing.
    void ShowApStaLook();
    // Station mode as the window shows it: the link status page, the flag, the look.
    void ShowStationMode();
    // After a successful interface enumeration: allows the hosted network on the machine.
    void AllowHostedNetwork();

    // Timer 108's tick ends the start guard; false when `id` is not the guard timer.
    bool OnStartGuardTimer(TimerId id);

  private:
    HostedNetworkSettings& Settings() { return state_.hostedNetwork; }
    const HostedNetworkSettings& Settings() const { return state_.hostedNetwork; }
    void LoadApSettings();
    void SaveApSettings();
    void WriteCurrentMode(bool apMode);
    bool NeedsApSettingsDialog();
    void ShowApConfigPage();
    void ApplyLook(ModeLook look);
    void StartSharingChosenConnection();
    // The station switch's steps before the stop: timers, association list, DHCP server, sharing.
    void LeaveApStaMode();
    void CloseApStaServices();

    ModelPorts ports_;
    MainView& view_;
    ProblemReporter& problems_;
    MainWindowState& state_;
    ConnectionSharingControl& sharing_;
    bool switching_ = false;
};

}  // namespace aerowisp
