// The main window's own timers: the re-discovery after a device arrival or a resume, the show request of
// a second copy, the notification-area icon's retries, the DHCP server's launch, the restart after the
// radio came back on and the end of the start guard.
#pragma once

#include <cstdint>

#include "core/hostednet/hosted_network_control.h"
#include "core/hostednet/problem_reporter.h"
#include "core/ports/main_window_callbacks.h"
#include "core/ports/control_context.h"
#include "core/app/tray_control.h"

namespace aerowisp {

// The notification-area icon is added again on this many ticks of its timer.
inline constexpr int kTrayReaddTicks = 3;

class StatusTimers {
  public:
    StatusTimers(const ControlContext& context, HostedNetworkControl& hostedNetwork,
                 ProblemReporter& problems, TrayControl& tray, const MainWindowCallbacks& callbacks);
    StatusTimers(const StatusTimers&) = delete;
    StatusTimers& operator=(const StatusTimers&) = delete;

    // A tick of a main-window timer. Only a timer whose identifier is held now acts; a tick of one that
    // was killed after the tick was queued changes nothing.
    void OnTimer(TimerId id);

  private:
    void OnRediscoveryTimer();
    void OnShowRequestTimer();
    void OnTrayReaddTimer();
    void OnDhcpLaunchTimer();
    void WatchDhcpServer();
    void OnRadioOnStartTimer();

    ModelPorts ports_;
    MainView& view_;
    const LanguageTexts& texts_;
    MainWindowState& state_;
    HostedNetworkControl& hostedNetwork_;
    ProblemReporter& problems_;
    TrayControl& tray_;
    const MainWindowCallbacks& callbacks_;
};

}  // namespace aerowisp
