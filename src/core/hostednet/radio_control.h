// The radio button: the chosen card's software radio switched off and on for every PHY, the hosted
// network stopped with it and started again once the radio is back.
#pragma once

#include <cstdint>

#include "core/ports/main_window_callbacks.h"
#include "core/ports/control_context.h"
#include "core/hostednet/hosted_network_control.h"
#include "core/hostednet/problem_reporter.h"
#include "core/hostednet/wlan_client.h"

namespace aerowisp {

class RadioControl {
  public:
    RadioControl(const ControlContext& context, HostedNetworkControl& hostedNetwork,
                 ProblemReporter& problems, const WlanClientState& wlanClient,
                 const MainWindowCallbacks& callbacks);
    RadioControl(const RadioControl&) = delete;
    RadioControl& operator=(const RadioControl&) = delete;

    // Button 1004. The radio flag, the button's look, the controls and "Radio state" change only once
    // every PHY took the new state; otherwise the PHYs already switched are set back, a network stopped
    // on the way is started again and the user is told.
    void OnRadioButton();

  private:
    // Closes the DHCP server, stops sharing and the hosted network, and stores station mode; false when
    // the registry did not take it.
    bool StopApStaMode();
    // Sets PHYs [0, count) to `state`; the number that took it.
    uint32_t SetPhys(const Guid& card, uint32_t count, Dot11RadioState state);
    bool HardwareSwitchOff(const Guid& card);
    void ReportFailure(const Guid& card, bool turningOn);
    void ShowRadioState();

    ModelPorts ports_;
    MainView& view_;
    const LanguageTexts& texts_;
    MainWindowState& state_;
    HostedNetworkControl& hostedNetwork_;
    ProblemReporter& problems_;
    const WlanClientState& wlanClient_;
    const MainWindowCallbacks& callbacks_;
};

}  // namespace aerowisp
