// Healing on simulated timers: what each breakage makes it do, in which order, with which waits, and
// what it tells; how it gives way to the user.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/healing/healing_engine.h"
#include "core/healing/healing_findings.h"
#include "core/resource.h"
#include "sim/journal.h"
#include "sim/sim_clock.h"
#include "sim/sim_timers.h"

namespace aerowisp {
namespace {

using Trace = std::vector<std::string>;

std::string Narrow(std::u16string_view text) {
    return std::string(text.begin(), text.end());
}

// Each step's name as the incident log writes it.
std::string StepName(HealStep step) {
    const std::u16string line = IncidentLogLine({.steps = {step}}, u"");
    return Narrow(line.substr(line.find(u"steps=") + 6));
}

// Records every step and tell in one trace; steps answer from a script, kDone when it has no more.
struct Host final : HealingOperations, HealingTeller {
    HealingConditions conditions{.apStaMode = true, .radioOn = true};
    std::map<std::string, std::vector<StepResult>> results;
    // Runs while the step runs, as a window message handled inside it would.
    std::function<void(const std::string&)> during = [](const std::string&) {};
    std::vector<std::u16string> log;
    std::string trace;

    void Note(const std::string& text) { trace += (trace.empty() ? "" : ", ") + text; }
    HealingConditions Conditions() override { return conditions; }
    StepResult Run(HealStep step) override {
        const std::string name = StepName(step);
        Note(name);
        during(name);
        std::vector<StepResult>& script = results[name];
        if (script.empty())
            return StepResult::kDone;
        const StepResult result = script.front();
        script.erase(script.begin());
        return result;
    }
    void Tell(const HealingTell& tell) override {
        std::string text = "tell " + Narrow(tell.message->key) + " " + Narrow(tell.cause->key);
        if (tell.remedy)
            text += " " + Narrow(tell.remedy->key);
        if (!tell.connection.empty())
            text += " " + Narrow(tell.connection);
        Note(text);
    }
    void Log(const IncidentRecord& record) override { log.push_back(IncidentLogLine(record, u"T")); }
};

struct Rig {
    Journal journal;
    SimTimerService timers{journal};
    SimClock clock;
    Host host;
    HealingEngine engine{host, host, timers, clock};

    // Time passes to the healing timer's tick, which the trace shows as the wait it was.
    void Tick() {
        const std::optional<uint32_t> period = timers.Period(IDT_HEALING);
        host.Note(period ? "wait " + std::to_string(*period) : "no timer");
        if (!period)
            return;
        clock.Advance(*period);
        engine.OnTimer(IDT_HEALING);
    }

    // One word of a case's script: a breakage, a tick, the user or the program acting, a change of the
    // conditions, "fail:STEP" and the like for a step's next answer, or "during:STEP:WORD".
    void Do(const std::string& word) {
        static const std::map<std::string, Breakage> breakages{{"hn", Breakage::kHostedNetworkStopped},
                                                               {"share", Breakage::kSharingRemoved},
                                                               {"addr", Breakage::kAddressLost},
                                                               {"dhcp", Breakage::kDhcpServerEnded},
                                                               {"down", Breakage::kPublicConnectionDown}};
        static const std::map<std::string, StepResult> answers{{"fail", StepResult::kFailed},
                                                               {"switch-off", StepResult::kHardwareRadioOff},
                                                               {"policy", StepResult::kServiceDisabled}};
        static const std::map<std::string, std::pair<bool HealingConditions::*, bool>> conditions{
            {"wizard", {&HealingConditions::wizardOpen, true}},
            {"checkup", {&HealingConditions::checkupRunning, true}},
            {"station", {&HealingConditions::apStaMode, false}},
            {"radio-off", {&HealingConditions::radioOn, false}}};
        const size_t colon = word.find(':');
        const std::string verb = word.substr(0, colon);
        const std::string rest = colon == std::string::npos ? "" : word.substr(colon + 1);
        if (breakages.contains(word)) {
            engine.OnBreakage(breakages.at(word));
        } else if (verb == "route") {
            engine.OnBreakage(Breakage::kDefaultRouteElsewhere, std::u16string(rest.begin(), rest.end()));
        } else if (answers.contains(verb)) {
            host.results[rest].push_back(answers.at(verb));
        } else if (verb == "during") {
            const std::string step = rest.substr(0, rest.find(':')), then = rest.substr(rest.find(':') + 1);
            host.during = [this, step, then](const std::string& running) {
                if (running == step)
                    Do(then);
            };
        } else if (word == "tick") {
            Tick();
        } else if (word == "stop" || word == "mode") {
            engine.OnUserAction(word == "stop" ? UserAction::kStop : UserAction::kModeSwitch);
        } else if (word == "back") {
            engine.OnPublicConnectionBack();
        } else if (word == "started") {
            engine.OnHotspotStarted();
        } else if (conditions.contains(word)) {
            const auto& [member, value] = conditions.at(word);
            host.conditions.*member = value;
        } else {
            ADD_FAILURE() << "no such word: " << word;
        }
    }
};

const char kAllSteps[] = "restart-hosted-network, reapply-sharing, set-address, restart-dhcp-server";

TEST(HealingEngine, HealsInTheStartsOrderAndGivesWayToTheUser) {
    struct Case {
        std::string script;
        std::string trace;
        // Breakages, healed, not healed, told the user, offers, ended by the user, fought the user, and
        // the median time to heal.
        std::vector<uint32_t> counts;
        std::u16string lastLog = {};
    };
    const Case cases[] = {
        {"hn tick",
         "wait 2000, " + std::string(kAllSteps) + ", tell String450 String454",
         {1, 1, 0, 0, 0, 0, 0, 2000},
         u"T cause=hosted-network-stopped end=back attempts=1 time=2.0s "
         u"steps=restart-hosted-network,reapply-sharing,set-address,restart-dhcp-server"},
        {"share tick",
         "wait 2000, reapply-sharing, set-address, restart-dhcp-server, tell String450 String456",
         {1, 1, 0, 0, 0, 0, 0, 2000}},
        {"addr tick",
         "wait 2000, set-address, restart-dhcp-server, tell String450 String455",
         {1, 1, 0, 0, 0, 0, 0, 2000}},
        {"dhcp tick",
         "wait 2000, restart-dhcp-server, tell String450 String457",
         {1, 1, 0, 0, 0, 0, 0, 2000}},
        // A burst is one incident, healed from its lowest piece.
        {"dhcp hn addr tick tick",
         "wait 2000, " + std::string(kAllSteps) + ", tell String450 String454, no timer",
         {1, 1, 0, 0, 0, 0, 0, 2000}},
        // The waits widen; each attempt starts at the step that failed; after the last the check-up is
        // named and no later breakage starts a loop.
        {"fail:set-address fail:set-address fail:set-address fail:set-address share tick tick tick tick tick "
         "dhcp tick",
         "wait 2000, reapply-sharing, set-address, wait 5000, set-address, wait 15000, set-address, "
         "wait 60000, set-address, tell String451 String456, no timer, no timer",
         {1, 0, 1, 0, 0, 0, 0, 0},
         u"T cause=sharing-removed end=not-back attempts=4 time=82.0s steps=reapply-sharing"},
        // Timed from the breakage.
        {"fail:restart-hosted-network hn tick tick",
         "wait 2000, restart-hosted-network, wait 5000, " + std::string(kAllSteps) +
             ", tell String450 String454",
         {1, 1, 0, 0, 0, 0, 0, 7000}},
        // A user stop during a back-off ends it at once.
        {"fail:restart-hosted-network hn tick stop tick",
         "wait 2000, restart-hosted-network, no timer",
         {1, 0, 0, 0, 0, 1, 0, 0},
         u"T cause=hosted-network-stopped end=ended-by-user attempts=1 time=2.0s steps=none"},
        // A mode switch during a step that failed: nothing runs after it.
        {"fail:reapply-sharing during:reapply-sharing:mode hn tick tick",
         "wait 2000, restart-hosted-network, reapply-sharing, no timer",
         {1, 0, 0, 0, 0, 1, 0, 0}},
        // The radio switched off during a step that then finished: that step fought the user.
        {"during:set-address:radio-off addr tick", "wait 2000, set-address", {1, 0, 0, 0, 0, 0, 1, 0}},
        // Causes the user must clear are told once and not retried until the program starts the hotspot.
        {"switch-off:restart-hosted-network hn tick hn addr tick",
         "wait 2000, restart-hosted-network, tell String452 String460 String343, no timer",
         {1, 0, 0, 1, 0, 0, 0, 0}},
        {"policy:reapply-sharing share tick share tick started dhcp tick",
         "wait 2000, reapply-sharing, tell String452 String461 String462, no timer, wait 2000, "
         "restart-dhcp-server, tell String450 String457",
         {2, 1, 0, 1, 0, 0, 0, 2000}},
        // Another connection holding the route is offered once when the chosen one is down, never
        // switched to.
        {"route:Mobile down down route:Mobile tick",
         "tell String452 String459 String357, tell String453 String458 Mobile, no timer",
         {2, 0, 0, 1, 1, 0, 0, 0},
         u"T cause=public-connection-down end=offered attempts=0 time=0.0s steps=none connection=Mobile"},
        {"down route:LAN back down",
         "tell String452 String458 String463, tell String453 String458 LAN, tell String453 String458 LAN",
         {2, 0, 0, 1, 2, 0, 0, 0}},
        // Not watched beside the wizard or the check-up, nor in station mode.
        {"wizard hn station down tick", "no timer", {0, 0, 0, 0, 0, 0, 0, 0}},
        {"addr checkup tick", "wait 2000", {1, 0, 0, 0, 0, 1, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        Rig r;
        std::istringstream words(c.script);
        for (std::string word; words >> word;)
            r.Do(word);
        EXPECT_EQ(r.host.trace, c.trace);
        const HealingCounters& n = r.engine.Counters();
        const std::vector<int> counts{n.breakages, n.healed,      n.notHealed, n.toldUser,
                                      n.offers,    n.endedByUser, n.foughtUser};
        EXPECT_EQ(std::vector<uint32_t>(counts.begin(), counts.end()),
                  std::vector<uint32_t>(c.counts.begin(), c.counts.end() - 1));
        EXPECT_EQ(n.MedianHealMs(), c.counts.back());
        EXPECT_FALSE(r.engine.Healing());
        if (!c.lastLog.empty()) {
            ASSERT_FALSE(r.host.log.empty());
            EXPECT_EQ(Narrow(r.host.log.back()), Narrow(c.lastLog));
        }
    }
}

TEST(HealingFindings, NameTheBrokenPieceAndWhatOnlyTheUserCanClear) {
    const auto problem = [](CheckId id, const LanguageString& cause) {
        return CheckResult{id, CheckVerdict::kProblem, &cause, nullptr, FixId::kNone, {}};
    };
    const struct {
        CheckResult result;
        std::optional<Breakage> breakage;
    } checks[] = {
        {problem(CheckId::kHostedNetworkStarted, kCheckCauseHostedNetworkStopped),
         Breakage::kHostedNetworkStopped},
        {problem(CheckId::kHostedNetworkStarted, kCheckCauseWrongName), {}},
        {problem(CheckId::kSharingPair, kSharingCauseStaleRecords), Breakage::kSharingRemoved},
        {problem(CheckId::kSharingPair, kCheckCauseOtherShared), {}},
        {problem(CheckId::kVirtualAddress, kCheckCauseAddressMissing), Breakage::kAddressLost},
        {problem(CheckId::kDhcpServer, kCheckCauseDhcpServerStopped), Breakage::kDhcpServerEnded},
        {problem(CheckId::kPublicConnection, kCheckCauseConnectionDown), Breakage::kPublicConnectionDown},
        {problem(CheckId::kPublicConnection, kCheckCauseNoDefaultRoute), Breakage::kDefaultRouteElsewhere},
        {problem(CheckId::kFirewallRule, kCheckCauseFirewallRule), {}},
        {{CheckId::kDhcpServer,
          CheckVerdict::kCouldNotCheck,
          &kCheckCauseNoAnswer,
          nullptr,
          FixId::kNone,
          {}},
         {}},
    };
    for (const auto& c : checks) {
        SCOPED_TRACE(Narrow(c.result.cause->key));
        EXPECT_EQ(BreakageFound(c.result), c.breakage);
    }

    const auto service = [](bool running, uint32_t error) {
        return ServiceStartOutcome{running, false, u"SharedAccess", error};
    };
    const CheckResult radioOk{CheckId::kRadio, CheckVerdict::kOk, nullptr, nullptr, FixId::kNone, {}};
    const CheckResult switchOff = problem(CheckId::kRadio, kCheckCauseHardwareRadioOff);
    const HostedNetworkFailure refused{.error = win32::kAccessDenied};
    const HostedNetworkFailure denied{.error = win32::kAccessDenied,
                                      .reason = HostedNetworkReason::kGpDenied};
    EXPECT_EQ((std::vector<StepResult>{StepResultOf(std::nullopt, switchOff), StepResultOf(refused, radioOk),
                                       StepResultOf(refused, switchOff), StepResultOf(denied, radioOk),
                                       StepResultOf(service(true, 0)), StepResultOf(service(false, 1058)),
                                       StepResultOf(service(false, 5)), StepResultOf(service(false, 1068))}),
              (std::vector<StepResult>{StepResult::kDone, StepResult::kFailed, StepResult::kHardwareRadioOff,
                                       StepResult::kServiceDisabled, StepResult::kDone,
                                       StepResult::kServiceDisabled, StepResult::kServiceDisabled,
                                       StepResult::kFailed}));
}

}  // namespace
}  // namespace aerowisp
