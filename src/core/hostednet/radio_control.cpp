// The radio button.
#include "core/hostednet/radio_control.h"

#include <algorithm>
#include <optional>

#include "core/looks/start_looks.h"
#include "core/lang/language_strings.h"
#include "core/resource.h"
#include "core/settings/settings_operations.h"

namespace aerowisp {
namespace {

Dot11RadioState RadioStateFor(bool on) {
    return on ? Dot11RadioState::kOn : Dot11RadioState::kOff;
}

}  // namespace

RadioControl::RadioControl(const ControlContext& context, HostedNetworkControl& hostedNetwork,
                           ProblemReporter& problems, const WlanClientState& wlanClient,
                           const MainWindowCallbacks& callbacks)
    : ports_(context.ports),
      view_(context.view),
      texts_(context.texts),
      state_(context.state),
      hostedNetwork_(hostedNetwork),
      problems_(problems),
      wlanClient_(wlanClient),
      callbacks_(callbacks) {}

// Without a card the button is disabled anyway; a GUID text that does not convert would send every call
// to no card, so nothing changes then either.
void RadioControl::OnRadioButton() {
    if (!wlanClient_.interfaceGuidText)
        return;
    const std::optional<Guid> card = GuidFromString(*wlanClient_.interfaceGuidText);
    if (!card)
        return;
    KillTimerIfSet(ports_.timers, state_.dhcpLaunchTimer);
    KillTimerIfSet(ports_.timers, state_.radioOnStartTimer);

    const bool turningOn = !state_.radioOn;
    const bool stopsNetwork = !turningOn && state_.hostedNetwork.apMode;
    bool modeSaved = true;
    if (!turningOn) {
        view_.ClearAssociationList();
        if (stopsNetwork)
            modeSaved = StopApStaMode();
    }

    uint32_t phys = 0;
    bool switched = ports_.wlan.GetInterfaceCapability(state_.wlanHandle, *card, phys) == kWlanSuccess;
    if (switched) {
        // The capability record has room for no more PHYs than this.
        phys = std::min(phys, kWlanMaxPhyIndex);
        const uint32_t done = SetPhys(*card, phys, RadioStateFor(turningOn));
        switched = done == phys;
        if (!switched)
            SetPhys(*card, done, RadioStateFor(!turningOn));
    }
    if (!switched) {
        // The restart stores AP+STA mode again, and says so itself when it cannot.
        if (stopsNetwork)
            hostedNetwork_.SwitchToApStaMode();
        ReportFailure(*card, turningOn);
        return;
    }

    if (!turningOn)
        state_.resumeApMode = state_.hostedNetwork.apMode;
    state_.radioOn = turningOn;
    if (!turningOn)
        view_.ShowPage(ContentPage::kAbout);
    ShowRadioState();
    if (!WriteModeSetting(ports_.settings, kModeSelectorRadioState, 0, turningOn ? 1 : 0))
        problems_.NoteProblem(kRadioStateSaveFailedMessage);
    if (turningOn && state_.resumeApMode)
        state_.radioOnStartTimer = ports_.timers.SetTimer(IDT_RADIO_ON_START, kRadioOnStartPeriodMs);
    if (!modeSaved)
        problems_.NoteProblem(kRegistrySaveFailedMessage);
    problems_.TellProblems(SwitchOrigin::kUser);
}

// The AP mode flag is kept: it says whether the network comes back with the radio.
bool RadioControl::StopApStaMode() {
    hostedNetwork_.StopApStaNetwork();
    return WriteModeSetting(ports_.settings, kModeSelectorCurrentMode, 0, 0);
}

uint32_t RadioControl::SetPhys(const Guid& card, uint32_t count, Dot11RadioState state) {
    for (uint32_t phy = 0; phy < count; ++phy) {
        const PhyRadioState radio{.phyIndex = phy, .softwareRadioState = state};
        if (ports_.wlan.SetRadioState(state_.wlanHandle, card, radio) != kWlanSuccess)
            return phy;
    }
    return count;
}

// The service refuses a software "on" while the switch on the case is off, with no code of its own for
// it, so the switch is asked for.
bool RadioControl::HardwareSwitchOff(const Guid& card) {
    WlanInterfaceQueryResult result;
    if (ports_.wlan.QueryInterface(state_.wlanHandle, card, WlanIntfOpcode::kRadioState, result) !=
        kWlanSuccess) {
        return false;
    }
    return std::any_of(result.radioStates.begin(), result.radioStates.end(), [](const PhyRadioState& phy) {
        return phy.hardwareRadioState == Dot11RadioState::kOff;
    });
}

void RadioControl::ReportFailure(const Guid& card, bool turningOn) {
    const LanguageString& message = !turningOn                ? kRadioOffFailedMessage
                                    : HardwareSwitchOff(card) ? kHardwareRadioOffMessage
                                                              : kRadioOnFailedMessage;
    view_.ShowMessage(texts_.ShownText(message));
}

void RadioControl::ShowRadioState() {
    ControlLook look = RadioButtonLook(state_.radioOn);
    look.repaint = true;
    view_.ApplyControlLook(look);
    callbacks_.enableControlsForRadio(state_.radioOn);
}

}  // namespace aerowisp
