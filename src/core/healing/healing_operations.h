// What the healing of a broken hotspot is given: the steps that bring each piece back, in the order a
// start takes them, the program's state that says whether healing may act, and where it tells the user.
// Implementations: test fakes. The main window model is to implement them over the hosted network's and
// the sharing's controls (HealingOperations) and the notification area and incident log (HealingTeller).
#pragma once

#include <array>
#include <string>

#include "core/healing/incident_log.h"
#include "core/lang/language_strings.h"

namespace aerowisp {

// The order of a start: the address is set after the sharing, which gives the private side an address of
// its own, and the DHCP server binds the address.
inline constexpr std::array kHealStepOrder{
    HealStep::kRestartHostedNetwork,
    HealStep::kReapplySharing,
    HealStep::kSetAddress,
    HealStep::kRestartDhcpServer,
};

// What one step came to. The last two are the user's to solve: no step can change them.
enum class StepResult { kDone, kFailed, kHardwareRadioOff, kServiceDisabled };

struct HealingConditions {
    bool apStaMode = false;
    bool radioOn = false;
    // The user's own switch, the wizard or the check-up: each sets the pieces up itself.
    bool switching = false;
    bool wizardOpen = false;
    bool checkupRunning = false;
};

// Healing watches and acts only in AP+STA mode with the radio on, and never beside the user's own work.
constexpr bool AllowsHealing(const HealingConditions& conditions) {
    return conditions.apStaMode && conditions.radioOn && !conditions.switching && !conditions.wizardOpen &&
           !conditions.checkupRunning;
}

class HealingOperations {
  public:
    virtual ~HealingOperations() = default;

    // The program's state as it is now.
    virtual HealingConditions Conditions() = 0;
    // One step, as the switch to AP+STA mode takes it, bounded in time like it.
    virtual StepResult Run(HealStep step) = 0;
};

enum class TellKind {
    // "The hotspot stopped (cause) and is back."
    kBack,
    // "The hotspot stopped (cause) and could not be brought back: open the check-up."
    kNotBack,
    // A cause healing cannot clear, with the user's remedy.
    kNeedsUser,
    // The chosen connection is down and `connection` holds the default route: one click shares it instead.
    kOfferConnection,
};

// One balloon. `message` holds %s for the cause, then, for kNeedsUser, %s for the remedy; for
// kOfferConnection its one %s is the connection.
struct HealingTell {
    TellKind kind = TellKind::kBack;
    const LanguageString* message = nullptr;
    const LanguageString* cause = nullptr;
    const LanguageString* remedy = nullptr;
    std::u16string connection = {};
};

class HealingTeller {
  public:
    virtual ~HealingTeller() = default;

    virtual void Tell(const HealingTell& tell) = 0;
    // Every incident's end, told or not, for the incident log.
    virtual void Log(const IncidentRecord& record) = 0;
};

}  // namespace aerowisp
