// Device and power events of the main window.
#include "core/app/device_events.h"

#include <optional>

#include "core/app/device_broadcast.h"
#include "core/resource.h"

namespace aerowisp {

DeviceEvents::DeviceEvents(const ModelPorts& ports, MainView& view, MainWindowState& state,
                           const WlanClientState& wlanClient, HostedNetworkControl& hostedNetwork,
                           const MainWindowCallbacks& callbacks)
    : ports_(ports),
      view_(view),
      state_(state),
      wlanClient_(wlanClient),
      hostedNetwork_(hostedNetwork),
      callbacks_(callbacks) {}

void DeviceEvents::OnDeviceChange(uint32_t event, std::span<const uint8_t> record) {
    if (state_.hostedNetwork.startGuard)
        return;
    const std::optional<Guid> interfaceClass = DeviceInterfaceClass(record);
    if (interfaceClass != kNetworkInterfaceClass)
        return;
    if (event == kDbtDeviceArrival) {
        RestartRediscoveryTimer();
    } else if (event == kDbtDeviceRemoveComplete) {
        if (!callbacks_.isSelectedCardPresent(wlanClient_.cardDescription))
            callbacks_.hideMainWindow();
    }
}

void DeviceEvents::OnPowerBroadcast(uint32_t event) {
    if (event == kPbtApmSuspend) {
        state_.cardPresent = false;
        // The virtual adapter goes with the network, so the sharing and address it carries are undone
        // first, as at any stop: a resume that cannot start the network again finds nothing left on.
        if (state_.hostedNetwork.apMode) {
            view_.ClearAssociationList();
            hostedNetwork_.StopApStaNetwork();
        }
        callbacks_.hideMainWindow();
    } else if (event == kPbtApmResumeAutomatic) {
        RestartRediscoveryTimer();
    }
}

void DeviceEvents::RestartRediscoveryTimer() {
    KillTimerIfSet(ports_.timers, state_.rediscoveryTimer);
    state_.rediscoveryTimer = ports_.timers.SetTimer(IDT_REDISCOVERY, kRediscoveryPeriodMs);
}

}  // namespace aerowisp
