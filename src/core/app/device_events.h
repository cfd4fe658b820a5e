// Network adapters arriving and going, and the machine suspending and resuming: when the card may have
// gone the main window hides, and when it may be back the re-discovery timer runs 10 s later.
#pragma once

#include <cstdint>
#include <span>

#include "core/hostednet/hosted_network_control.h"
#include "core/ports/main_view.h"
#include "core/ports/main_window_callbacks.h"
#include "core/state/main_window_state.h"
#include "core/ports/model_ports.h"
#include "core/hostednet/wlan_client.h"

namespace aerowisp {

// WM_DEVICECHANGE events acted on.
inline constexpr uint32_t kDbtDeviceArrival = 0x8000;
inline constexpr uint32_t kDbtDeviceRemoveComplete = 0x8004;
// WM_POWERBROADCAST events acted on.
inline constexpr uint32_t kPbtApmSuspend = 0x4;
inline constexpr uint32_t kPbtApmResumeAutomatic = 0x12;

// The re-discovery waits this long after the last device arrival or resume.
inline constexpr uint32_t kRediscoveryPeriodMs = 10000;

class DeviceEvents {
  public:
    DeviceEvents(const ModelPorts& ports, MainView& view, MainWindowState& state,
                 const WlanClientState& wlanClient, HostedNetworkControl& hostedNetwork,
                 const MainWindowCallbacks& callbacks);
    DeviceEvents(const DeviceEvents&) = delete;
    DeviceEvents& operator=(const DeviceEvents&) = delete;

    // `record` is the event's notification record (dbch_size bytes from lParam; empty when lParam is
    // null). Only network-adapter interfaces count, and nothing counts while the start guard is on: a
    // starting hosted network brings up its own virtual adapter.
    void OnDeviceChange(uint32_t event, std::span<const uint8_t> record);
    // Suspend: the card counts as gone, a running hosted network stops with its DHCP server and sharing
    // (the mode is kept for the resume) and the window hides. Resume: the re-discovery timer.
    void OnPowerBroadcast(uint32_t event);

  private:
    // Several arrivals in a row restart the wait, so only one re-discovery runs.
    void RestartRediscoveryTimer();

    ModelPorts ports_;
    MainView& view_;
    MainWindowState& state_;
    const WlanClientState& wlanClient_;
    HostedNetworkControl& hostedNetwork_;
    const MainWindowCallbacks& callbacks_;
};

}  // namespace aerowisp
