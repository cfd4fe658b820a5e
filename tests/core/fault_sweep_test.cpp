// The main flows on the simulated machine, each run clean and then once for every platform call it makes
// with that call failing. After each run the registry, the window and the machine must agree, a stop must
// leave nothing shared and the virtual adapter on automatic addressing, and whatever the user asked for
// and did not get must have been told.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/programs/external_programs.h"
#include "core/lang/language_choice.h"
#include "core/resource.h"
#include "sim/operations.h"
#include "support/model_harness.h"
#include "support/scripted_wizard.h"

namespace aerowisp {
namespace {

using test::ModelHarness;

constexpr char16_t kFirstDevice[] = u"Realtek PCIe GBE Family Controller";
constexpr char16_t kSecondDevice[] = u"Intel(R) 82579LM Gigabit Network Connection";

// The machine as its sharing summary and the DHCP server's window show it.
const std::string kSharingFirst =
    R"(public="Connection 1" private="Wireless Network Connection 2" virtualAddress="192.168.139.1" Tftpd32)";
const std::string kSharingSecond =
    R"(public="Connection 2" private="Wireless Network Connection 2" virtualAddress="192.168.139.1" Tftpd32)";
const std::string kNothingShared = R"(public=none private=none virtualAddress="dhcp")";

struct Flow {
    const char* name;
    uint32_t storedMode;  // "Current Mode" when the program starts
    bool runsAtStart;     // the flow is the program's start, not something after it
    // What the machine shows when the flow did what it is for.
    const std::string& wanted;
    bool wantsRunning;
    bool exits;
    std::function<void(ModelHarness&)> run;
};

std::string Machine(ModelHarness& h) {
    return h.machine.Network().StateSummary() +
           (h.processes.IsWindowOpen(dhcp::kServerWindowTitle) ? " Tftpd32" : "");
}

// Time passing: the one-shot timers the flows set run out, shortest first, as often as they are set again.
void LetTimersRun(ModelHarness& h) {
    constexpr TimerId kOneShots[] = {IDT_RADIO_ON_START, IDT_DHCP_LAUNCH, IDT_START_GUARD, IDT_REDISCOVERY};
    for (int tick = 0; tick < 16; ++tick) {
        std::optional<TimerId> next;
        for (TimerId id : kOneShots) {
            if (h.timers.IsRunning(id) && (!next || *h.timers.Period(id) < *h.timers.Period(*next)))
                next = id;
        }
        if (!next)
            return;
        h.model.OnTimer(*next);
    }
}

std::optional<uint32_t> StoredNumber(ModelHarness& h, const char16_t* name) {
    const std::optional<RegistryValue> value = h.machine.Settings().Value(kSettingsKey, name);
    if (!value || value->type != RegistryValueType::kDword || value->data.size() != 4)
        return std::nullopt;
    return static_cast<uint32_t>(value->data[0] | value->data[1] << 8 | value->data[2] << 16 |
                                 value->data[3] << 24);
}

bool MachineRadioOn(ModelHarness& h) {
    const ScenarioCard& card = h.machine.Wlan().Cards().front();
    for (uint32_t phy = 0; phy < card.phys.size(); ++phy) {
        if (h.machine.Wlan().SoftwareRadio(card.guid, phy) != Dot11RadioState::kOn)
            return false;
    }
    return true;
}

bool AnyFailed(ModelHarness& h, std::initializer_list<std::string_view> operations) {
    return std::ranges::any_of(h.Log().Entries(), [&](const JournalEntry& entry) {
        return entry.result != 0 && std::ranges::find(operations, entry.operation) != operations.end();
    });
}

// The rules every run must keep; each broken one as a line.
std::vector<std::string> Inconsistencies(ModelHarness& h, const Flow& flow) {
    std::vector<std::string> found;
    const bool running = h.machine.Wlan().HostedNetworkRunning();
    // A message box, or a balloon for what the program did on its own (a restore, the DHCP server's start).
    const bool told = h.Count("View.ShowMessage") + h.Count("Tray.ShowBalloon") > 0;
    const bool settingUnsaved = told && AnyFailed(h, {op::kRegSetValueExW, op::kRegCreateKeyExW});
    const bool storedApSta = StoredNumber(h, kValueCurrentMode).value_or(0) != 0;
    const std::string machine = Machine(h);

    // A stored mode that cannot be read is no request: the program starts in station mode and the
    // registry keeps the mode for the next start.
    const bool modeUnread =
        std::ranges::any_of(h.Log().Find(op::kRegQueryValueExW), [](const JournalEntry& e) {
            return e.result != 0 && e.arguments.find("name=\"Current Mode\"") != std::string::npos;
        });
    if (flow.exits) {
        if (running || !storedApSta)
            found.push_back("after the exit the network runs or \"Current Mode\" lost the mode to restore");
    } else {
        // A start the program made on its own and the service refused keeps the mode for the next try.
        const bool keptForRetry = storedApSta && !running && (told || modeUnread);
        if (storedApSta != running && !settingUnsaved && !keptForRetry)
            found.push_back("\"Current Mode\" says " + std::string(storedApSta ? "AP+STA" : "station") +
                            " mode, the network " + (running ? "runs" : "is stopped"));
        // With the radio off or no card the flag keeps the mode to come back to.
        if (h.State().radioOn && h.State().cardPresent && h.Hosted().apMode != running)
            found.push_back("the window shows the other mode than the machine is in");
    }
    const bool radioOn = MachineRadioOn(h);
    if ((StoredNumber(h, kValueRadioState).value_or(1) == 1) != radioOn && !settingUnsaved)
        found.push_back("\"Radio state\" disagrees with the radio");
    if (h.State().radioOn != radioOn)
        found.push_back("the window shows the other radio state");
    if (!running && machine != kNothingShared)
        found.push_back("stopped, yet " + machine);
    const bool gotIt = machine == flow.wanted && running == flow.wantsRunning;
    if (!gotIt && !told && !modeUnread)
        found.push_back("not told that the flow ended with " + machine);
    return found;
}

// The calls of a run the failure plan can fail, with how often each was made.
std::vector<std::pair<std::string, size_t>> FailableCalls(ModelHarness& h) {
    std::vector<std::pair<std::string, size_t>> calls;
    for (std::string_view operation : op::kFailableOperations) {
        if (const size_t count = h.Count(operation))
            calls.emplace_back(operation, count);
    }
    return calls;
}

uint32_t ErrorFor(std::string_view operation) {
    if (operation.starts_with("Wlan"))
        return 5023;  // ERROR_INVALID_STATE
    if (operation.starts_with("Co") || operation.starts_with("INet"))
        return 0x80004005;  // E_FAIL
    return 5;               // ERROR_ACCESS_DENIED
}

struct FlowRun {
    std::vector<std::string> inconsistencies;
    std::vector<std::pair<std::string, size_t>> calls;
};

// One run of `flow`; with `failing`, the call of that name after `passes` successful ones fails.
FlowRun RunFlow(const Flow& flow, const std::string* failing, size_t passes) {
    ModelHarness h{test::HarnessScenarioWith({kFirstDevice, kSecondDevice})};
    h.SetIni(u"DuvaDI", u"secret-key");
    h.machine.Settings().SetValue(kSettingsKey, kValueCurrentMode, RegistryValue::Dword(flow.storedMode));
    if (!flow.runsAtStart) {
        h.model.OnInitDialog(h.State().programFolder);
        LetTimersRun(h);
    }
    h.Log().Clear();
    if (failing)
        h.machine.Failures().FailAfter(*failing, passes, ErrorFor(*failing), 1);
    flow.run(h);
    LetTimersRun(h);
    h.machine.Failures().ClearAll();
    FlowRun run{Inconsistencies(h, flow), FailableCalls(h)};
    SetLanguageFilePath({});  // chosen at start-up, for the whole process
    return run;
}

const Flow kFlows[] = {
    {"start in stored AP+STA mode", 1, true, kSharingFirst, true, false,
     [](ModelHarness& h) { h.model.OnInitDialog(h.State().programFolder); }},
    {"switch to AP+STA mode with sharing", 0, false, kSharingFirst, true, false,
     [](ModelHarness& h) { h.HostedNetwork().OnModeButton(); }},
    {"switch back to station mode", 1, false, kNothingShared, false, false,
     [](ModelHarness& h) { h.HostedNetwork().OnModeButton(); }},
    {"radio off and on", 1, false, kSharingFirst, true, false,
     [](ModelHarness& h) {
         h.Radio().OnRadioButton();
         LetTimersRun(h);
         h.Radio().OnRadioButton();
     }},
    {"ICS page Apply", 1, false, kSharingSecond, true, false,
     [](ModelHarness& h) {
         h.Pages().OnConnectionListApply({kSecondDevice, u"Connection 2"});
     }},
    {"suspend and resume", 1, false, kSharingFirst, true, false,
     [](ModelHarness& h) {
         h.model.OnPowerBroadcast(kPbtApmSuspend);
         h.model.OnPowerBroadcast(kPbtApmResumeAutomatic);
     }},
    {"wizard Finish", 0, false, kSharingFirst, true, false,
     [](ModelHarness& h) {
         test::ScriptedWizard sheet([](test::ScriptedWizard& wizard) {
             wizard.Create();
             wizard.TypeName(u"Wizard Net");
             wizard.TypeKeys(u"wizard-key", u"wizard-key");
             wizard.Select(0);
             return wizard.NextToFinish();
         });
         h.Wizard().RunSetupWizard(sheet);
     }},
    {"exit", 1, false, kNothingShared, false, true,
     [](ModelHarness& h) {
         h.model.OnTrayCommand(ID_EXIT_APSTA);
         h.model.OnClose();
     }},
};

TEST(FaultSweep, EveryFlowStaysConsistentWithAnyOneCallFailing) {
    size_t runs = 0;
    size_t consistent = 0;
    std::vector<std::string> report;
    std::set<std::string> swept;
    for (const Flow& flow : kFlows) {
        const FlowRun clean = RunFlow(flow, nullptr, 0);
        EXPECT_EQ(clean.inconsistencies, std::vector<std::string>{}) << flow.name << " without failures";
        for (const auto& [operation, count] : clean.calls) {
            swept.insert(operation);
            for (size_t passes = 0; passes < count; ++passes) {
                const FlowRun failed = RunFlow(flow, &operation, passes);
                ++runs;
                if (failed.inconsistencies.empty()) {
                    ++consistent;
                    continue;
                }
                for (const std::string& line : failed.inconsistencies) {
                    report.push_back(std::string(flow.name) + ", " + operation + " #" +
                                     std::to_string(passes + 1) + " failing: " + line);
                }
            }
        }
    }
    std::printf("flows \u00d7 calls: %zu runs, %zu consistent\n", runs, consistent);
    for (const std::string& line : report)
        std::printf("  %s\n", line.c_str());
    EXPECT_EQ(consistent, runs);
    // The calls a fresh Windows 7 asks for on the way to sharing are among those failed in turn.
    for (std::string_view operation :
         {op::kQueryServiceConfigW, op::kChangeServiceConfigW, op::kStartServiceW, op::kFwGetRules,
          op::kFwAddRule, op::kGetEnumPublicConnections, op::kGetEnumPrivateConnections,
          op::kGetBestInterface})
        EXPECT_TRUE(swept.contains(std::string(operation))) << operation;
}

}  // namespace
}  // namespace aerowisp
