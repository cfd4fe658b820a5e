// The main window's control of the hosted network: pushing the name and key to the WLAN service,
// starting and stopping the network, and the switches between station and AP+STA mode.
#pragma once

#include <string>

#include "core/app/control_looks.h"
#include "core/app/main_view.h"
#include "core/app/main_window_state.h"
#include "core/app/model_ports.h"
#include "core/ics/connection_sharing_control.h"

namespace aerowisp {

// What a start does when the WLAN service refuses the ordinary start: the switch to AP+STA mode forces
// the network on; the applies of a new name keep the service's answer.
enum class StartFallback { kNone, kForceStart };

class HostedNetworkControl {
  public:
    HostedNetworkControl(const ModelPorts& ports, MainView& view, MainWindowState& state,
                         ConnectionSharingControl& sharing);
    HostedNetworkControl(const HostedNetworkControl&) = delete;
    HostedNetworkControl& operator=(const HostedNetworkControl&) = delete;

    // Pushes `ssid` with the peer limit as the connection settings.
    void PushSsid(const std::u16string& ssid);
    // Pushes `key`: 64 hexadecimal digits through netsh.exe, any other key as the secondary key.
    void PushKey(const std::u16string& key);
    // Pushes the desired name and key, starts the network (with `kForceStart`, forcing it when the
    // ordinary start fails) and arms the start guard.
    void StartHostedNetwork(StartFallback fallback);
    // Quiets device notifications for 6 s after a start; a new start restarts the 6 s.
    void ArmStartGuard();
    void StopHostedNetwork();

    // The mode button: disabled while the switch runs.
    void OnModeButton();
    // False when the user cancelled the Extended AP Settings dialog; nothing was started then.
    bool SwitchToApStaMode();
    void SwitchToStationMode();
    // The AP configuration page's Apply, with validated input.
    void ApplyApConfig(const std::u16string& ssid, const std::u16string& key);
    // The wizard's apply of the desired SSID and key it has stored.
    void ApplyWizardNetwork();
    // The AP+STA look after the wizard created an access point; starts and writes nothing.
    void ShowApStaLook();
    // After a successful interface enumeration: allows the hosted network on the machine.
    void AllowHostedNetwork();

    // Timer 108's tick ends the start guard; false when `id` is not the guard timer.
    bool OnStartGuardTimer(TimerId id);

  private:
    HostedNetworkSettings& Settings() { return state_.hostedNetwork; }
    void LoadApSettings();
    void SaveApSettings();
    void WriteCurrentMode(bool apMode);
    bool NeedsApSettingsDialog();
    void ShowApConfigPage();
    void ApplyLook(ModeLook look);
    void StartSharingChosenConnection();

    ModelPorts ports_;
    MainView& view_;
    MainWindowState& state_;
    ConnectionSharingControl& sharing_;
};

}  // namespace aerowisp
