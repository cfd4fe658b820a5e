// The setup wizard: its checks, its page flow, and what its end does to the network, the settings and
// sharing, read from the simulated machine's journal.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/wizard/setup_wizard_control.h"
#include "support/model_harness.h"
#include "support/scripted_wizard.h"

namespace aerowisp::test {
namespace {

using Script = ScriptedWizard::Script;

std::u16string Repeat(std::u16string_view piece, size_t times) {
    std::u16string text;
    for (size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

// The session's checks alone, on a session without a main window.
struct SessionHarness {
    explicit SessionHarness(const char* codePageName = "CP1252") : codePage(codePageName) {}
    IconvCodePage codePage;
    WizardSession session{WizardData{1, u"DuvaDI", u"secret-key", {}, {}}, nullptr, codePage};
};

std::u16string KeyOf(const WizardTurn& turn) {
    return turn.message ? std::u16string(turn.message->key) : u"";
}

TEST(WizardNameCheck, RefusesWithTheMessageOfTheFirstBrokenRule) {
    struct Case {
        const char* label;
        const char* codePage;
        std::u16string name;
        std::u16string message;  // empty: accepted
    };
    const Case cases[] = {
        {"empty", "CP1252", u"", u"String26"},
        {"a character above U+0100", "CP1252", u"Net\u0101", u"String20"},
        {"U+0100 has no exact form in CP1252", "CP1252", u"Net\u0100", u"String20"},
        {"a character CP1252 lacks", "CP1252", u"Net\u03A9", u"String20"},
        {"32 one-byte characters", "CP1252", Repeat(u"\u00E9", 32), u""},
        {"17 two-byte characters are 34 bytes", "GBK", Repeat(u"\u00E0", 17), u"String27"},
        {"16 two-byte characters are 32 bytes", "GBK", Repeat(u"\u00E0", 16), u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SessionHarness h(c.codePage);
        const WizardTurn turn = h.session.NextFromName(c.name);
        EXPECT_EQ(KeyOf(turn), c.message);
        if (c.message.empty()) {
            EXPECT_EQ(turn.to, WizardPage::kApSecurity);
            EXPECT_EQ(h.session.Data().ssid, c.name);
        } else {
            EXPECT_EQ(turn.focusControl, uint32_t{IDC_WIZ_SSID});
            EXPECT_EQ(h.session.Data().ssid, u"DuvaDI");
        }
    }
}

TEST(WizardKeyCheck, TakesPrintablePassphrasesAndHexKeysConfirmedExactly) {
    const std::u16string hex = Repeat(u"0123456789abcdefABCDEF0123456789", 2);
    struct Case {
        const char* label;
        std::u16string key;
        std::u16string confirmation;
        std::u16string message;
        uint32_t focus;
    };
    const Case cases[] = {
        {"7 characters", u"1234567", u"1234567", u"String24", IDC_WIZ_KEY},
        {"8 spaces", u"        ", u"        ", u"", 0},
        {"64 hexadecimal digits in mixed case", hex, hex, u"", 0},
        {"64 characters with a g", u"g" + hex.substr(1), u"g" + hex.substr(1), u"String24", IDC_WIZ_KEY},
        {"a passphrase outside printable ASCII", u"cl\u00E9-secr\u00E8te", u"cl\u00E9-secr\u00E8te",
         u"String24", IDC_WIZ_KEY},
        {"65 characters", Repeat(u"k", 65), Repeat(u"k", 65), u"String24", IDC_WIZ_KEY},
        {"confirmation in another case", u"secret-key", u"SECRET-KEY", u"String25", IDC_WIZ_CONFIRM},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SessionHarness h;
        const WizardTurn turn = h.session.NextFromKey(c.key, c.confirmation);
        EXPECT_EQ(KeyOf(turn), c.message);
        EXPECT_EQ(turn.focusControl, c.focus);
        EXPECT_EQ(h.session.Data().key, c.message.empty() ? c.key : u"secret-key");
    }
}

TEST(WizardConnectionChoice, TakesTheSelectedRowOrTheOnlyOne) {
    const std::vector<ConnectionListRow> two = {{u"Realtek", u"Local Area Connection"}, {u"Atheros", u""}};
    struct Case {
        const char* label;
        std::vector<ConnectionListRow> rows;
        std::optional<size_t> selected;
        std::optional<WizardPage> to;
        std::u16string message;
        std::u16string device;
    };
    const Case cases[] = {
        {"no rows", {}, std::nullopt, std::nullopt, u"String29", u""},
        {"two rows, none selected", two, std::nullopt, std::nullopt, u"String28", u""},
        {"one row, none selected", {two[1]}, std::nullopt, WizardPage::kFinish, u"", u"Atheros"},
        {"selected row without a name", two, 1, std::nullopt, u"", u"Atheros"},
        {"selected row", two, 0, WizardPage::kFinish, u"", u"Realtek"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SessionHarness h;
        const WizardTurn turn = h.session.NextFromConnection(c.rows, c.selected);
        EXPECT_EQ(turn.to, c.to);
        EXPECT_EQ(KeyOf(turn), c.message);
        EXPECT_EQ(h.session.Data().deviceName, c.device);
    }
}

// The effects that tell a wizard's end apart, in the order they happened, separated by blanks.
std::string Milestones(const Journal& journal) {
    std::string seen;
    std::string last;
    for (const JournalEntry& entry : journal.Entries()) {
        std::string milestone;
        if (entry.operation == "WlanHostedNetworkStartUsing")
            milestone = "start";
        else if (entry.operation == "WlanHostedNetworkForceStop")
            milestone = "stop";
        else if (entry.operation == "WlanHostedNetworkSetSecondaryKey")
            milestone = "key";
        else if (entry.operation == "View.ShowPage")
            milestone = entry.arguments;
        else if (entry.operation == "RegSetValueExW")
            milestone = entry.arguments.find("Current Mode") != std::string::npos ? "mode" : "card";
        else if (entry.operation == "WritePrivateProfileStringW")
            milestone = "ini";
        else if (entry.operation == "INetSharingConfiguration::EnableSharing")
            milestone = "share";
        else if (entry.operation == "View.ShowMessage")
            milestone = "ShowMessage";
        else if (entry.operation == "Tray.ShowMainWindow")
            milestone = "show";
        if (!milestone.empty() && milestone != last)
            seen += (seen.empty() ? "" : " ") + milestone;
        last = milestone.empty() ? last : milestone;
    }
    return seen;
}

std::string Narrow(const std::u16string& text) {
    return std::string(text.begin(), text.end());
}

struct WizardHarness : ModelHarness {
    explicit WizardHarness(bool apMode)
        : ModelHarness(HarnessScenarioWith({u"Realtek PCIe GBE", u"Atheros AR8151"})) {
        SetIni(u"OldNet", u"old-secret");
        State().chosenConnection = u"REALTEK pcie gbe";
        if (apMode)
            HostedNetwork().SwitchToApStaMode();
        Hosted().desiredSsid = u"OldNet";
        Hosted().desiredKey = u"old-secret";
        Log().Clear();
    }
    // What the run left: the name on the air, the desired name, the mode, DuvaDI.ini's name and
    // "ICS CardName".
    std::string Outcome() {
        const Dot11Ssid ssid = machine.Wlan().OnAirSsid();
        const std::string running = machine.Wlan().HostedNetworkRunning()
                                        ? std::string(ssid.ssid.begin(), ssid.ssid.begin() + ssid.length)
                                        : "stopped";
        return "net=" + running + " desired=" + Narrow(Hosted().desiredSsid) +
               " ap=" + std::to_string(Hosted().apMode) + " ini=" + Narrow(IniValue(u"SSID").value_or(u"")) +
               " card=" + Narrow(ReadIcsCardName(machine.Settings()));
    }
};

// Name, key and the second connection, then the finish page. The stored choice differs from the first
// device name only in the case of A-Z, so that row is the one selected when the list shows.
bool WalkToFinish(ScriptedWizard& w) {
    w.Next();
    w.TypeName(u"NewNet");
    w.Next();
    w.TypeKeys(u"new-secret", u"new-secret");
    w.Next();
    EXPECT_EQ(w.Listed().selected, 0u);
    w.Select(1);
    return w.Next();
}

TEST(SetupWizard, EndsAsTheUserLeftIt) {
    const Script finish = [](ScriptedWizard& w) { return WalkToFinish(w); };
    const Script cancelOnFinishPage = [](ScriptedWizard& w) { return WalkToFinish(w) && false; };
    const Script cancelOnConnectionPage = [](ScriptedWizard& w) {
        return WalkToFinish(w) && w.Back() && false;
    };
    const Script cancelOnKeyPage = [](ScriptedWizard& w) {
        w.Next();
        w.TypeName(u"NewNet");
        return w.Next() && false;
    };
    const Script joinAfterKeyPage = [](ScriptedWizard& w) {
        WalkToFinish(w);
        w.Back(), w.Back(), w.Back(), w.Back();
        w.Join();
        return w.Next();
    };
    const Script join = [](ScriptedWizard& w) {
        w.Join();
        return w.Next();
    };
    const Script cancelAtOnce = [](ScriptedWizard&) { return false; };
    // The key page starts "FirstNet"; Back to the name page, and Next with "NewNet" up to the key page's
    // apply again.
    const auto renameOnSecondPass = [](ScriptedWizard& w) {
        w.Next();
        w.TypeName(u"FirstNet");
        w.Next();
        w.Next();
        w.Back(), w.Back();
        w.TypeName(u"NewNet");
        w.Next();
        return w.Next();
    };
    const Script secondPass = [&](ScriptedWizard& w) {
        return renameOnSecondPass(w) && (w.Select(1), w.Next());
    };
    const Script cancelAfterRefusedSecondPass = [&](ScriptedWizard& w) {
        return renameOnSecondPass(w) && false;
    };
    const Script retryAfterRefusedSecondPass = [&](ScriptedWizard& w) {
        renameOnSecondPass(w);
        w.Back();
        return w.Next() && (w.Select(1), w.Next());
    };
    const std::string untouched = "net=stopped desired=OldNet ap=0 ini=OldNet card=";
    const std::string created = "net=NewNet desired=NewNet ap=1 ini=NewNet card=Atheros AR8151";
    struct Case {
        const char* label;
        bool apMode;
        Script script;
        std::string milestones;
        std::string outcome;
        const char* refused = nullptr;  // a WLAN call that fails once
        uint32_t refusedAfter = 0;      // after so many calls went through
    };
    const Case cases[] = {
        {"finish from station mode", false, finish, "key start ApConfig mode ini share card show", created},
        {"finish in AP+STA mode", true, finish, "stop key start mode ApConfig mode ini share card show",
         created},
        {"cancel on the mode page", false, cancelAtOnce, "show", untouched},
        {"cancel on the name page", false, [](ScriptedWizard& w) { return w.Next() && false; }, "show",
         untouched},
        {"cancel on the key page", false, cancelOnKeyPage, "show", untouched},
        {"cancel on the connection page", false, cancelOnConnectionPage, "key start stop show", untouched},
        {"cancel on the finish page", false, cancelOnFinishPage, "key start stop show", untouched},
        {"cancel after the key page renamed a running network", true, cancelOnFinishPage,
         "stop key start mode stop key start mode show",
         "net=OldNet desired=OldNet ap=1 ini=OldNet card=REALTEK pcie gbe"},
        {"finish after the start was refused", false, finish, "key start ShowMessage show", untouched,
         "WlanHostedNetworkStartUsing"},
        {"second pass renames the network the first started", false, secondPass,
         "key start stop key start ApConfig mode ini share card show", created},
        {"second start refused, then cancel: the first network is stopped", false,
         cancelAfterRefusedSecondPass, "key start stop key start ShowMessage stop show", untouched,
         "WlanHostedNetworkStartUsing", 1},
        {"second start refused, then Back and Next again: started", false, retryAfterRefusedSecondPass,
         "key start stop key start ShowMessage stop key start ApConfig mode ini share card show", created,
         "WlanHostedNetworkStartUsing", 1},
        {"join after the key page started the network", false, joinAfterKeyPage, "key start stop show",
         untouched},
        {"join in station mode", false, join, "show", untouched},
        {"join in AP+STA mode", true, join, "stop mode LinkStatus show",
         "net=stopped desired=OldNet ap=0 ini=OldNet card=REALTEK pcie gbe"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        WizardHarness h(c.apMode);
        if (c.refused != nullptr)
            h.machine.Failures().FailAfter(c.refused, c.refusedAfter, kErrorInvalidState, 1);
        ScriptedWizard wizard(c.script);
        h.Wizard().RunSetupWizard(wizard);
        EXPECT_EQ(Milestones(h.Log()), c.milestones);
        EXPECT_EQ(h.Outcome(), c.outcome);
        EXPECT_TRUE(wizard.messages.empty());
        EXPECT_FALSE(h.Hosted().wizardStart);
        EXPECT_FALSE(h.State().wizardRunning);
    }
}

TEST(SetupWizard, SecondCommandWhileRunningAndOutsideCloseLeaveTheWindowHidden) {
    WizardHarness h(false);
    size_t nestedRuns = 0;
    ScriptedWizard nested([&](ScriptedWizard&) { return ++nestedRuns, false; });
    ScriptedWizard wizard([&](ScriptedWizard&) {
        h.Wizard().RunSetupWizard(nested);
        h.Window().HideMainWindow();
        return false;
    });
    h.Wizard().RunSetupWizard(wizard);
    EXPECT_EQ(nestedRuns, 0u);
    EXPECT_EQ(h.Count("Tray.ShowMainWindow"), 0u);
    EXPECT_FALSE(h.State().shown);
}

}  // namespace
}  // namespace aerowisp::test
