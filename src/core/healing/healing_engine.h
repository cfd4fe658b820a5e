// Healing: notices that a piece under the running hotspot stopped without the user asking, brings the
// pieces back in the order a start sets them up, with a widening wait between attempts and a limit, tells
// the user once per incident, and gives way at once to anything the user does.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/healing/healing_operations.h"
#include "core/healing/incident_log.h"
#include "core/platform/clock.h"
#include "core/platform/retry_policy.h"
#include "core/platform/timer_service.h"

namespace aerowisp {

// The wait before each attempt: the first lets a burst of notifications of one breakage gather into one
// incident; each later one gives a piece that is slow to come back more time.
inline constexpr std::array<uint32_t, 4> kHealingBackoffMs{2000, 5000, 15000, 60000};
inline constexpr int kHealingAttempts = static_cast<int>(kHealingBackoffMs.size());

// What the user did that ends any healing at once.
enum class UserAction { kStop, kModeSwitch, kRadioOff, kExit };

// What the soak prints.
struct HealingCounters {
    int breakages = 0;
    int healed = 0;
    int notHealed = 0;
    int toldUser = 0;
    int offers = 0;
    int endedByUser = 0;
    // Steps that finished after the user had acted; anything but 0 is a fault.
    int foughtUser = 0;
    // Of each healed incident, from the breakage noticed to the last step's end.
    std::vector<uint32_t> healMs;

    // The median of healMs (the lower of the middle two); 0 when nothing was healed.
    uint32_t MedianHealMs() const;
};

class HealingEngine {
  public:
    HealingEngine(HealingOperations& operations, HealingTeller& teller, TimerService& timers, Clock& clock);
    HealingEngine(const HealingEngine&) = delete;
    HealingEngine& operator=(const HealingEngine&) = delete;

    // A piece was seen broken now: the caller looks at the piece when its notification comes, so the
    // program's own stops and restarts do not count. Nothing is watched unless the conditions allow it.
    // `connection` names the connection that holds the default route now, for kDefaultRouteElsewhere.
    void OnBreakage(Breakage breakage, const std::u16string& connection = {});
    // The chosen connection is connected again.
    void OnPublicConnectionBack();
    void OnUserAction(UserAction action);
    // The program started the hotspot itself (a switch, a restore after resume or radio on): whatever was
    // healed, waited for or told is over.
    void OnHotspotStarted();
    // A main-window timer's tick: false when it is not healing's.
    bool OnTimer(TimerId id);

    bool Healing() const { return incident_.has_value(); }
    const HealingCounters& Counters() const { return counters_; }

  private:
    struct Incident {
        Breakage cause = Breakage::kHostedNetworkStopped;
        // The first step of the next attempt.
        size_t from = 0;
        // Made so far; each one but the last failed.
        int attempts = 0;
        uint32_t since = 0;
        std::vector<HealStep> done = {};
    };

    void Attempt();
    // What was told or waited for outside an incident: the user or a start has changed the hotspot.
    void Forget();
    void Arm(uint32_t delayMs);
    // Ends the incident with `end`, logs it and, unless it is null, tells `tell`.
    void End(IncidentEnd end, const HealingTell* tell);
    void TellAlone(Breakage cause, IncidentEnd end, const HealingTell& tell);
    void TellNeedsUser(Breakage cause, const LanguageString& problem, const LanguageString& remedy);
    void Offer(const std::u16string& connection);

    HealingOperations& operations_;
    HealingTeller& teller_;
    TimerService& timers_;
    Clock& clock_;
    RetryPolicy policy_;
    TimerId timer_ = 0;
    std::optional<Incident> incident_;
    bool running_ = false;
    bool userActed_ = false;
    // A cause only the user can clear was told: nothing is healed until the hotspot is started afresh or
    // the user acts.
    bool waitingForUser_ = false;
    bool publicDown_ = false;
    bool routeElsewhereTold_ = false;
    std::u16string routeHolder_;
    std::set<std::u16string> offered_;
    HealingCounters counters_;
};

}  // namespace aerowisp
