// The main window's own timers.
#include "core/app/status_timers.h"

#include "core/programs/external_programs.h"
#include "core/ics/dhcp_server_firewall.h"
#include "core/ics/sharing_failure.h"
#include "core/lang/language_strings.h"
#include "core/resource.h"
#include "core/looks/start_looks.h"
#include "core/settings/settings_operations.h"

namespace aerowisp {
namespace {

// A second copy asks for the window with this value of "Show Window".
constexpr uint32_t kShowWindowRequested = 1;

bool Holds(TimerId held, TimerId id) {
    return held != 0 && held == id;
}

}  // namespace

StatusTimers::StatusTimers(const ControlContext& context, HostedNetworkControl& hostedNetwork,
                           ProblemReporter& problems, TrayControl& tray, const MainWindowCallbacks& callbacks)
    : ports_(context.ports),
      view_(context.view),
      texts_(context.texts),
      state_(context.state),
      hostedNetwork_(hostedNetwork),
      problems_(problems),
      tray_(tray),
      callbacks_(callbacks) {}

void StatusTimers::OnTimer(TimerId id) {
    if (Holds(state_.rediscoveryTimer, id)) {
        OnRediscoveryTimer();
    } else if (Holds(state_.showRequestTimer, id)) {
        OnShowRequestTimer();
    } else if (Holds(state_.trayReaddTimer, id)) {
        OnTrayReaddTimer();
    } else if (Holds(state_.dhcpLaunchTimer, id)) {
        OnDhcpLaunchTimer();
    } else if (Holds(state_.radioOnStartTimer, id)) {
        OnRadioOnStartTimer();
    } else if (Holds(state_.hostedNetwork.guardTimer, id)) {
        hostedNetwork_.OnStartGuardTimer(id);
    }
}

// The mode kept in the AP mode flag is entered again; the registry is not read.
void StatusTimers::OnRediscoveryTimer() {
    KillTimerIfSet(ports_.timers, state_.rediscoveryTimer);
    callbacks_.discoverInterface(false);
    if (!state_.cardPresent)
        return;
    view_.ApplyControlLook(RadioButtonLook(state_.radioOn));
    if (state_.radioOn) {
        if (state_.hostedNetwork.apMode) {
            hostedNetwork_.SwitchToApStaMode(SwitchOrigin::kRestore);
        } else {
            hostedNetwork_.ShowStationMode();
        }
    }
    view_.ApplyControlLook({.controlId = IDC_RADIO_BUTTON, .repaint = true});
    callbacks_.enableControlsForRadio(state_.radioOn);
}

// Without a card the request stays in the registry until one is found again.
void StatusTimers::OnShowRequestTimer() {
    WatchDhcpServer();
    if (ReadShowWindowRequest(ports_.settings) != kShowWindowRequested || !state_.cardPresent)
        return;
    ClearShowWindowRequest(ports_.settings);
    tray_.OnLaunchConfigUtility();
}

// Adding an icon that exists fails harmlessly, so the result is not looked at.
void StatusTimers::OnTrayReaddTimer() {
    ++state_.trayReaddCount;
    tray_.AddTrayIcon();
    if (state_.trayReaddCount >= kTrayReaddTicks)
        KillTimerIfSet(ports_.timers, state_.trayReaddTimer);
}

void StatusTimers::OnDhcpLaunchTimer() {
    KillTimerIfSet(ports_.timers, state_.dhcpLaunchTimer);
    // The switch that set the timer is long over, so the notification area says it. Without the rule the
    // server still starts: the firewall may be off, or another rule may let the stations through.
    if (const uint32_t error = EnsureDhcpServerRule(ports_.firewall, state_.programFolder))
        problems_.NoteProblem(kFirewallRuleFailedMessage, HresultCodeText(texts_, error));
    state_.dhcpServer = StartDhcpServer(ports_.processes, state_.programFolder);
    if (!state_.dhcpServer)
        problems_.NoteProblem(kDhcpServerStartFailedMessage);
    problems_.TellProblems(SwitchOrigin::kRestore);
}

// A server closed by the program ends quietly; one that gave up on its port says why it stopped.
void StatusTimers::WatchDhcpServer() {
    if (!state_.dhcpServer)
        return;
    const std::optional<uint32_t> exitCode = state_.dhcpServer->ExitCode();
    if (!exitCode)
        return;
    state_.dhcpServer.reset();
    if (*exitCode == kDhcpServerPortBusyExitCode) {
        problems_.NoteProblem(kDhcpServerPortBusyMessage);
        problems_.TellProblems(SwitchOrigin::kRestore);
    }
}

void StatusTimers::OnRadioOnStartTimer() {
    KillTimerIfSet(ports_.timers, state_.radioOnStartTimer);
    hostedNetwork_.SwitchToApStaMode(SwitchOrigin::kRestore);
}

}  // namespace aerowisp
