// Healing's incidents: what broke, the attempts to bring it back, and what the user is told.
#include "core/healing/healing_engine.h"

#include <algorithm>

#include "core/resource.h"

namespace aerowisp {
namespace {

// The step a breakage is healed from: the pieces above a broken one stand on it, so they are set up
// again after it.
size_t FirstStep(Breakage breakage) {
    switch (breakage) {
        case Breakage::kSharingRemoved:
            return 1;
        case Breakage::kAddressLost:
            return 2;
        case Breakage::kDhcpServerEnded:
            return 3;
        default:
            return 0;
    }
}

const LanguageString& CauseText(Breakage breakage) {
    switch (breakage) {
        case Breakage::kHostedNetworkStopped:
            return kHealingCauseHostedNetwork;
        case Breakage::kAddressLost:
            return kHealingCauseAddress;
        case Breakage::kSharingRemoved:
            return kHealingCauseSharing;
        case Breakage::kDhcpServerEnded:
            return kHealingCauseDhcpServer;
        case Breakage::kPublicConnectionDown:
            return kHealingCausePublicDown;
        case Breakage::kDefaultRouteElsewhere:
            return kHealingCauseRouteElsewhere;
    }
    return kHealingCauseHostedNetwork;
}

}  // namespace

uint32_t HealingCounters::MedianHealMs() const {
    if (healMs.empty())
        return 0;
    std::vector<uint32_t> sorted = healMs;
    std::ranges::sort(sorted);
    return sorted[(sorted.size() - 1) / 2];
}

HealingEngine::HealingEngine(HealingOperations& operations, HealingTeller& teller, TimerService& timers,
                             Clock& clock)
    : operations_(operations), teller_(teller), timers_(timers), clock_(clock), policy_(kHealingAttempts) {}

void HealingEngine::OnBreakage(Breakage breakage, const std::u16string& connection) {
    // The steps themselves stop and start pieces.
    if (running_ || !AllowsHealing(operations_.Conditions()))
        return;
    if (breakage == Breakage::kPublicConnectionDown) {
        if (publicDown_)
            return;
        publicDown_ = true;
        ++counters_.breakages;
        if (!routeHolder_.empty())
            Offer(routeHolder_);
        else
            TellNeedsUser(breakage, kHealingCausePublicDown, kHealingRemedyPublicDown);
        return;
    }
    if (breakage == Breakage::kDefaultRouteElsewhere) {
        if (connection.empty())
            return;
        routeHolder_ = connection;
        if (publicDown_) {
            Offer(connection);
        } else if (!routeElsewhereTold_) {
            routeElsewhereTold_ = true;
            ++counters_.breakages;
            TellNeedsUser(breakage, kHealingCauseRouteElsewhere, kCheckRemedyChooseRoute);
        }
        return;
    }
    if (waitingForUser_)
        return;
    const size_t from = FirstStep(breakage);
    if (!incident_) {
        incident_ = Incident{.cause = breakage, .from = from, .since = clock_.GetTickCount()};
        ++counters_.breakages;
        Arm(kHealingBackoffMs[0]);
    } else if (from < incident_->from) {
        // The lower piece explains the others.
        incident_->cause = breakage;
        incident_->from = from;
    }
}

void HealingEngine::OnPublicConnectionBack() {
    publicDown_ = false;
    offered_.clear();
}

// Each action ends healing alike: the user has taken the hotspot in hand.
void HealingEngine::OnUserAction(UserAction) {
    Forget();
    if (running_) {
        userActed_ = true;
        return;
    }
    if (incident_) {
        ++counters_.endedByUser;
        End(IncidentEnd::kEndedByUser, nullptr);
    }
}

void HealingEngine::OnHotspotStarted() {
    // A step's own start is not a new beginning.
    if (running_)
        return;
    Forget();
    if (incident_)
        End(IncidentEnd::kRestarted, nullptr);
}

void HealingEngine::Forget() {
    waitingForUser_ = false;
    publicDown_ = false;
    routeElsewhereTold_ = false;
    routeHolder_.clear();
    offered_.clear();
}

bool HealingEngine::OnTimer(TimerId id) {
    if (timer_ == 0 || id != timer_)
        return false;
    KillTimerIfSet(timers_, timer_);
    Attempt();
    return true;
}

void HealingEngine::Attempt() {
    if (!incident_)
        return;
    if (!AllowsHealing(operations_.Conditions())) {
        ++counters_.endedByUser;
        End(IncidentEnd::kEndedByUser, nullptr);
        return;
    }
    ++incident_->attempts;
    running_ = true;
    userActed_ = false;
    StepResult result = StepResult::kDone;
    size_t at = incident_->from;
    for (; at < kHealStepOrder.size(); ++at) {
        result = operations_.Run(kHealStepOrder[at]);
        if (userActed_ || !AllowsHealing(operations_.Conditions())) {
            running_ = false;
            if (result == StepResult::kDone) {
                ++counters_.foughtUser;
                End(IncidentEnd::kFoughtUser, nullptr);
            } else {
                ++counters_.endedByUser;
                End(IncidentEnd::kEndedByUser, nullptr);
            }
            return;
        }
        if (result != StepResult::kDone)
            break;
        incident_->done.push_back(kHealStepOrder[at]);
    }
    running_ = false;
    const Breakage cause = incident_->cause;
    if (result == StepResult::kDone) {
        ++counters_.healed;
        counters_.healMs.push_back(clock_.GetTickCount() - incident_->since);
        const HealingTell back{
            .kind = TellKind::kBack, .message = &kHealingBackNotice, .cause = &CauseText(cause)};
        End(IncidentEnd::kBack, &back);
        return;
    }
    if (result == StepResult::kHardwareRadioOff || result == StepResult::kServiceDisabled) {
        waitingForUser_ = true;
        ++counters_.toldUser;
        const bool radio = result == StepResult::kHardwareRadioOff;
        const HealingTell needsUser{
            .kind = TellKind::kNeedsUser,
            .message = &kHealingNeedsUserNotice,
            .cause = radio ? &kHealingCauseHardwareRadio : &kHealingCauseServiceDisabled,
            .remedy = radio ? &kCheckRemedyHardwareSwitch : &kHealingRemedyService};
        End(IncidentEnd::kNeedsUser, &needsUser);
        return;
    }
    incident_->from = at;
    if (policy_.TriesAgainAfter(incident_->attempts)) {
        Arm(kHealingBackoffMs[static_cast<size_t>(incident_->attempts)]);
        return;
    }
    // The check-up says what is wrong; trying on would only repeat the same balloon.
    waitingForUser_ = true;
    ++counters_.notHealed;
    const HealingTell notBack{
        .kind = TellKind::kNotBack, .message = &kHealingNotBackNotice, .cause = &CauseText(cause)};
    End(IncidentEnd::kNotBack, &notBack);
}

void HealingEngine::Arm(uint32_t delayMs) {
    KillTimerIfSet(timers_, timer_);
    timer_ = timers_.SetTimer(IDT_HEALING, delayMs);
    if (timer_ != 0)
        return;
    // Without a timer nothing would ever try again: better told than silently waiting.
    waitingForUser_ = true;
    ++counters_.notHealed;
    const HealingTell notBack{
        .kind = TellKind::kNotBack, .message = &kHealingNotBackNotice, .cause = &CauseText(incident_->cause)};
    End(IncidentEnd::kNotBack, &notBack);
}

void HealingEngine::End(IncidentEnd end, const HealingTell* tell) {
    KillTimerIfSet(timers_, timer_);
    IncidentRecord record{.cause = incident_->cause,
                          .end = end,
                          .attempts = incident_->attempts,
                          .elapsedMs = clock_.GetTickCount() - incident_->since,
                          .steps = std::move(incident_->done)};
    incident_.reset();
    teller_.Log(record);
    if (tell)
        teller_.Tell(*tell);
}

void HealingEngine::TellAlone(Breakage cause, IncidentEnd end, const HealingTell& tell) {
    teller_.Log({.cause = cause, .end = end, .connection = tell.connection});
    teller_.Tell(tell);
}

void HealingEngine::TellNeedsUser(Breakage cause, const LanguageString& problem,
                                  const LanguageString& remedy) {
    ++counters_.toldUser;
    TellAlone(cause, IncidentEnd::kNeedsUser,
              {.kind = TellKind::kNeedsUser,
               .message = &kHealingNeedsUserNotice,
               .cause = &problem,
               .remedy = &remedy});
}

void HealingEngine::Offer(const std::u16string& connection) {
    if (!offered_.insert(connection).second)
        return;
    ++counters_.offers;
    TellAlone(Breakage::kPublicConnectionDown, IncidentEnd::kOffered,
              {.kind = TellKind::kOfferConnection,
               .message = &kHealingOfferNotice,
               .cause = &kHealingCausePublicDown,
               .connection = connection});
}

}  // namespace aerowisp
