// Healing on simulated timers: what each breakage makes it do, in which order, with which waits, and
// what it tells; how it gives way to the user.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/healing/healing_engine.h"
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

// Records every step and tell in one trace; steps answer from a script, kDone when it has no more.
struct Host final : HealingOperations, HealingTeller {
    HealingConditions conditions{.apStaMode = true, .radioOn = true};
    std::map<HealStep, std::vector<StepResult>> results;
    // Runs while the step runs, as a window message handled inside it would.
    std::function<void(HealStep)> during = [](HealStep) {};
    std::vector<std::u16string> log;
    Trace trace;

    HealingConditions Conditions() override { return conditions; }
    StepResult Run(HealStep step) override {
        IncidentRecord named{.steps = {step}};
        const std::u16string line = IncidentLogLine(named, u"");
        trace.push_back(Narrow(line.substr(line.find(u"steps=") + 6)));
        during(step);
        std::vector<StepResult>& script = results[step];
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
        trace.push_back(text);
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
        host.trace.push_back(period ? "wait " + std::to_string(*period) : "no timer");
        if (!period)
            return;
        clock.Advance(*period);
        engine.OnTimer(IDT_HEALING);
    }

    // One word of a case's script.
    void Do(const std::string& word) {
        static const std::map<std::string, Breakage> breakages{{"hn", Breakage::kHostedNetworkStopped},
                                                               {"share", Breakage::kSharingRemoved},
                                                               {"addr", Breakage::kAddressLost},
                                                               {"dhcp", Breakage::kDhcpServerEnded},
                                                               {"down", Breakage::kPublicConnectionDown}};
        if (breakages.contains(word))
            engine.OnBreakage(breakages.at(word));
        else if (word.starts_with("route:"))
            engine.OnBreakage(Breakage::kDefaultRouteElsewhere, std::u16string(word.begin() + 6, word.end()));
        else if (word == "tick")
            Tick();
        else if (word == "stop")
            engine.OnUserAction(UserAction::kStop);
        else if (word == "mode")
            engine.OnUserAction(UserAction::kModeSwitch);
        else if (word == "back")
            engine.OnPublicConnectionBack();
        else if (word == "started")
            engine.OnHotspotStarted();
        else if (word == "wizard")
            host.conditions.wizardOpen = true;
        else if (word == "checkup")
            host.conditions.checkupRunning = true;
        else if (word == "station")
            host.conditions.apStaMode = false;
        else if (word == "radio-off")
            host.conditions.radioOn = false;
        else
            ADD_FAILURE() << "no such word: " << word;
    }
};

const std::string kHn = "restart-hosted-network";
const std::string kShare = "reapply-sharing";
const std::string kAddr = "set-address";
const std::string kDhcp = "restart-dhcp-server";
constexpr StepResult kFail = StepResult::kFailed;

TEST(HealingEngine, HealsInTheStartsOrderAndGivesWayToTheUser) {
    struct Case {
        const char* name;
        std::vector<std::string> script;
        std::map<HealStep, std::vector<StepResult>> results;
        Trace trace;
        // Breakages, healed, not healed, told the user, offers, ended by the user, fought the user.
        std::vector<int> counts;
        std::vector<uint32_t> healMs = {};
        // Run while this step runs.
        std::string during = {};
        std::optional<HealStep> duringStep = {};
        std::u16string lastLog = {};
    };
    const Case cases[] = {
        {"hosted network stopped: every step, after 2 s",
         {"hn", "tick"},
         {},
         {"wait 2000", kHn, kShare, kAddr, kDhcp, "tell String450 String454"},
         {1, 1, 0, 0, 0, 0, 0},
         {2000},
         {},
         {},
         u"T cause=hosted-network-stopped end=back attempts=1 time=2.0s "
         u"steps=restart-hosted-network,reapply-sharing,set-address,restart-dhcp-server"},
        {"sharing removed",
         {"share", "tick"},
         {},
         {"wait 2000", kShare, kAddr, kDhcp, "tell String450 String456"},
         {1, 1, 0, 0, 0, 0, 0},
         {2000}},
        {"address lost",
         {"addr", "tick"},
         {},
         {"wait 2000", kAddr, kDhcp, "tell String450 String455"},
         {1, 1, 0, 0, 0, 0, 0},
         {2000}},
        {"DHCP server ended",
         {"dhcp", "tick"},
         {},
         {"wait 2000", kDhcp, "tell String450 String457"},
         {1, 1, 0, 0, 0, 0, 0},
         {2000}},
        {"a burst is one incident, healed from its lowest piece",
         {"dhcp", "hn", "addr", "tick", "tick"},
         {},
         {"wait 2000", kHn, kShare, kAddr, kDhcp, "tell String450 String454", "no timer"},
         {1, 1, 0, 0, 0, 0, 0},
         {2000}},
        {"back-off 2, 5, 15, 60 s from the failed step, then the check-up; no loop after",
         {"share", "tick", "tick", "tick", "tick", "tick", "dhcp", "tick"},
         {{HealStep::kSetAddress, {kFail, kFail, kFail, kFail}}},
         {"wait 2000", kShare, kAddr, "wait 5000", kAddr, "wait 15000", kAddr, "wait 60000", kAddr,
          "tell String451 String456", "no timer", "no timer"},
         {1, 0, 1, 0, 0, 0, 0},
         {},
         {},
         {},
         u"T cause=sharing-removed end=not-back attempts=4 time=82.0s steps=reapply-sharing"},
        {"healed on the second attempt, timed from the breakage",
         {"hn", "tick", "tick"},
         {{HealStep::kRestartHostedNetwork, {kFail}}},
         {"wait 2000", kHn, "wait 5000", kHn, kShare, kAddr, kDhcp, "tell String450 String454"},
         {1, 1, 0, 0, 0, 0, 0},
         {7000}},
        {"a user stop during a back-off ends it at once",
         {"hn", "tick", "stop", "tick"},
         {{HealStep::kRestartHostedNetwork, {kFail}}},
         {"wait 2000", kHn, "no timer"},
         {1, 0, 0, 0, 0, 1, 0},
         {},
         {},
         {},
         u"T cause=hosted-network-stopped end=ended-by-user attempts=1 time=2.0s steps=none"},
        {"a mode switch during a step that failed: nothing after it",
         {"hn", "tick", "tick"},
         {{HealStep::kReapplySharing, {kFail}}},
         {"wait 2000", kHn, kShare, "no timer"},
         {1, 0, 0, 0, 0, 1, 0},
         {},
         "mode",
         HealStep::kReapplySharing},
        {"radio off during a step that then finished fought the user",
         {"addr", "tick"},
         {},
         {"wait 2000", kAddr},
         {1, 0, 0, 0, 0, 0, 1},
         {},
         "radio-off",
         HealStep::kSetAddress},
        {"hardware radio off: told once, never retried",
         {"hn", "tick", "hn", "addr", "tick"},
         {{HealStep::kRestartHostedNetwork, {StepResult::kHardwareRadioOff}}},
         {"wait 2000", kHn, "tell String452 String460 String343", "no timer"},
         {1, 0, 0, 1, 0, 0, 0}},
        {"service disabled by policy: told once until the program starts the hotspot itself",
         {"share", "tick", "share", "tick", "started", "dhcp", "tick"},
         {{HealStep::kReapplySharing, {StepResult::kServiceDisabled}}},
         {"wait 2000", kShare, "tell String452 String461 String462", "no timer", "wait 2000", kDhcp,
          "tell String450 String457"},
         {2, 1, 0, 1, 0, 0, 0},
         {2000}},
        {"public connection down, another holds the route: offered once, never switched",
         {"route:Mobile Broadband", "down", "down", "route:Mobile Broadband", "tick"},
         {},
         {"tell String452 String459 String357", "tell String453 String458 Mobile Broadband", "no timer"},
         {2, 0, 0, 1, 1, 0, 0},
         {},
         {},
         {},
         u"T cause=public-connection-down end=offered attempts=0 time=0.0s steps=none "
         u"connection=Mobile Broadband"},
        {"public connection down alone: told; a route elsewhere then offered, again after it came back",
         {"down", "route:Ethernet 2", "back", "down"},
         {},
         {"tell String452 String458 String463", "tell String453 String458 Ethernet 2",
          "tell String453 String458 Ethernet 2"},
         {2, 0, 0, 1, 2, 0, 0}},
        {"not watched while the wizard works, nor in station mode",
         {"wizard", "hn", "station", "down", "tick"},
         {},
         {"no timer"},
         {0, 0, 0, 0, 0, 0, 0}},
        {"the check-up starting during a back-off sets the incident aside",
         {"addr", "checkup", "tick"},
         {},
         {"wait 2000"},
         {1, 0, 0, 0, 0, 1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig r;
        r.host.results = c.results;
        r.host.during = [&](HealStep step) {
            if (step == c.duringStep)
                r.Do(c.during);
        };
        for (const std::string& word : c.script)
            r.Do(word);
        EXPECT_EQ(r.host.trace, c.trace);
        const HealingCounters& n = r.engine.Counters();
        EXPECT_EQ((std::vector<int>{n.breakages, n.healed, n.notHealed, n.toldUser, n.offers, n.endedByUser,
                                    n.foughtUser}),
                  c.counts);
        EXPECT_EQ(n.healMs, c.healMs);
        EXPECT_FALSE(r.engine.Healing());
        if (!c.lastLog.empty()) {
            ASSERT_FALSE(r.host.log.empty());
            EXPECT_EQ(Narrow(r.host.log.back()), Narrow(c.lastLog));
        }
    }
}

}  // namespace
}  // namespace aerowisp
