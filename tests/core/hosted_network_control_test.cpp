// The hosted network's control: the mode switches in their exact order, pushing the name and key, the
// apply operations, the start guard and the choice of the connection to share.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/programs/external_programs.h"
#include "core/resource.h"
#include "core/text/utf16_text.h"
#include "support/model_harness.h"

namespace aerowisp {
namespace {

using test::ModelHarness;
using Ops = std::vector<std::string>;

constexpr uint32_t kErrorInvalidState = 5023;

std::u16string Repeat(std::u16string_view unit, size_t times) {
    std::u16string text;
    for (size_t i = 0; i < times; ++i)
        text += unit;
    return text;
}

const std::u16string kHexKey = Repeat(u"0123456789ABCDEF", 4);

// The operations with the six entries of applying a look folded into one.
Ops Trimmed(const Ops& operations) {
    Ops result;
    for (const std::string& op : operations) {
        if (op == "View.ApplyControlLook" && !result.empty() && result.back() == "View.ApplyControlLook x6")
            continue;
        result.push_back(op == "View.ApplyControlLook" ? "View.ApplyControlLook x6" : op);
    }
    return result;
}

const Ops kWriteCurrentMode = {"RegOpenKeyExW", "RegSetValueExW", "RegCloseKey"};
// Adapter scans: with no adapter at all, and with only the running hosted network's virtual adapter.
const Ops kScanNoAdapter = {"GetAdaptersInfo"};
const Ops kScanVirtualAdapter = {"GetAdaptersInfo", "GetAdaptersInfo", "RegOpenKeyExW", "RegQueryValueExW",
                                 "RegCloseKey"};

Ops Join(std::initializer_list<Ops> parts) {
    Ops all;
    for (const Ops& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(SwitchToApStaMode, RunsItsStepsInOrder) {
    ModelHarness h;
    h.SetIni(u"DuvaDI", u"secret-key");

    EXPECT_TRUE(h.Control().SwitchToApStaMode());

    EXPECT_EQ(
        Trimmed(h.Operations()),
        Join({{"GetPrivateProfileStringW", "GetPrivateProfileStringW", "WritePrivateProfileStringW",
               "WritePrivateProfileStringW", "WlanHostedNetworkInitSettings", "WlanHostedNetworkSetProperty",
               "WlanHostedNetworkSetSecondaryKey", "WlanHostedNetworkStartUsing", "SetTimer"},
              kWriteCurrentMode,
              kScanVirtualAdapter,
              {"View.ShowPage", "View.FillApConfigPage", "View.RestartPageTimer", "View.ApplyControlLook x6",
               "View.EnableButton"}}));

    auto handle = "handle=" + std::to_string(h.State().wlanHandle);
    EXPECT_EQ(h.OnlyArguments("WlanHostedNetworkSetProperty"),
              handle + " opcode=0 dataSize=40 ssid=\"DuvaDI\" ssidLength=6 maxPeers=20");
    EXPECT_EQ(h.OnlyArguments("WlanHostedNetworkSetSecondaryKey"),
              handle + " keyLength=11 key=\"secret-key\" passphrase=1 persistent=1");
    EXPECT_EQ(h.OnlyArguments("SetTimer"), "id=108 period=6000");
    EXPECT_EQ(h.OnlyArguments("View.ShowPage"), "ApConfig");
    EXPECT_EQ(h.OnlyArguments("View.FillApConfigPage"), "\"DuvaDI\" \"secret-key\"");
    EXPECT_EQ(h.OnlyArguments("View.RestartPageTimer"), "ApConfig 106 2000");
    EXPECT_EQ(h.OnlyArguments("View.EnableButton"), "1005 on");
    EXPECT_EQ(h.CurrentMode(), RegistryValue::Dword(1));
    EXPECT_TRUE(h.Hosted().apMode);
    EXPECT_TRUE(h.Hosted().startGuard);
    EXPECT_EQ(h.Hosted().appliedSsid, u"DuvaDI");
    EXPECT_EQ(h.Hosted().appliedKey, u"secret-key");
    EXPECT_TRUE(h.machine.Wlan().HostedNetworkRunning());
    EXPECT_EQ(h.view.dialogRuns, 0);
}

TEST(SwitchToApStaMode, FailedStartIsForcedExactlyOnce) {
    ModelHarness h;
    h.SetIni(u"DuvaDI", u"secret-key");
    h.machine.Failures().FailNext("WlanHostedNetworkStartUsing", kErrorInvalidState);

    EXPECT_TRUE(h.Control().SwitchToApStaMode());

    Ops ops = h.Operations();
    auto start = std::ranges::find(ops, "WlanHostedNetworkStartUsing");
    ASSERT_NE(start, ops.end());
    EXPECT_EQ(*(start + 1), "WlanHostedNetworkForceStart");
    EXPECT_EQ(*(start + 2), "SetTimer");
    EXPECT_EQ(h.Count("WlanHostedNetworkForceStart"), 1u);
    EXPECT_EQ(h.Count("WlanHostedNetworkStartUsing"), 1u);
}

TEST(SwitchToApStaMode, UnusableStoredValuesAskForBoth) {
    ModelHarness h;  // CP1252
    struct Case {
        const char* label;
        std::u16string ssid;
        std::u16string key;
    };
    const Case cases[] = {
        {"no file", u"", u""},
        {"ssid missing", u"", u"secret-key"},
        {"key missing", u"DuvaDI", u""},
        {"64 characters with a space", u"DuvaDI", kHexKey.substr(0, 40) + u" " + kHexKey.substr(0, 23)},
        {"64 characters with a quote", u"DuvaDI", kHexKey.substr(0, 63) + u"\""},
        {"key too short", u"DuvaDI", u"short"},
        {"key over 64", u"DuvaDI", Repeat(u"k", 65)},
        {"ssid over 32", Repeat(u"s", 33), u"secret-key"},
        {"ssid beyond U+0100", u"\u7f51\u7edc", u"secret-key"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ModelHarness h;
        if (!c.ssid.empty() || !c.key.empty())
            h.SetIni(c.ssid, c.key);
        h.AnswerDialog(u"Typed", u"typed-key");

        EXPECT_TRUE(h.Control().SwitchToApStaMode());

        EXPECT_EQ(h.view.dialogRuns, 1);
        Ops ops = h.Operations();
        auto dialog = std::ranges::find(ops, "View.ExtendedApSettingsDialog");
        ASSERT_NE(dialog, ops.end());
        EXPECT_EQ(std::ranges::count(ops.begin(), dialog, "WritePrivateProfileStringW"), 0);
        EXPECT_EQ(*(dialog + 1), "WritePrivateProfileStringW");
        EXPECT_EQ(h.IniValue(u"SSID"), u"Typed");
        EXPECT_EQ(h.IniValue(u"KEY"), u"typed-key");
        EXPECT_EQ(h.Count("ShellExecuteW"), 0u);
        EXPECT_EQ(h.OnlyArguments("WlanHostedNetworkSetSecondaryKey").find("key=\"typed-key\"") !=
                      std::string::npos,
                  true);
    }
}

TEST(SwitchToApStaMode, SsidOver32BytesInGbkCountsAsMissing) {
    ModelHarness h("GBK");
    h.SetIni(Repeat(u"\u00e9", 17), u"secret-key");  // 17 characters, 34 bytes
    h.AnswerDialog(Repeat(u"\u00e9", 16), u"secret-key");

    EXPECT_TRUE(h.Control().SwitchToApStaMode());

    EXPECT_EQ(h.view.dialogRuns, 1);
    EXPECT_NE(h.OnlyArguments("WlanHostedNetworkSetProperty").find("ssidLength=32"), std::string::npos);
}

TEST(SwitchToApStaMode, BothStoredMeansNoDialog) {
    ModelHarness h;
    h.SetIni(u"DuvaDI", kHexKey);
    EXPECT_TRUE(h.Control().SwitchToApStaMode());
    EXPECT_EQ(h.view.dialogRuns, 0);
}

TEST(SwitchToApStaMode, CancelledDialogChangesNothing) {
    ModelHarness h;
    h.SetIni(u"DuvaDI", u"");

    EXPECT_FALSE(h.Control().SwitchToApStaMode());

    EXPECT_EQ(h.Operations(), (Ops{"GetPrivateProfileStringW", "GetPrivateProfileStringW",
                                   "View.ExtendedApSettingsDialog", "View.EnableButton"}));
    EXPECT_EQ(h.OnlyArguments("View.EnableButton"), "1005 on");
    EXPECT_FALSE(h.Hosted().apMode);
    EXPECT_FALSE(h.CurrentMode());
    EXPECT_EQ(h.IniValue(u"KEY"), u"");
}

TEST(PushKey, SixtyFourHexDigitsGoThroughNetshByItsFullPath) {
    ModelHarness h;
    h.SetIni(u"DuvaDI", kHexKey);

    h.Control().SwitchToApStaMode();

    EXPECT_EQ(h.Count("WlanHostedNetworkSetSecondaryKey"), 0u);
    EXPECT_EQ(h.OnlyArguments("ShellExecuteW"),
              "verb=\"open\" file=" + QuoteText(u"C:\\Windows\\system32\\netsh.exe") +
                  " parameters=" + QuoteText(u"wlan set hostednetwork key=" + kHexKey) + " show=SW_HIDE");
    // netsh is not waited for: the start follows at once.
    Ops ops = h.Operations();
    auto shell = std::ranges::find(ops, "ShellExecuteW");
    ASSERT_NE(shell, ops.end());
    EXPECT_EQ(*(shell + 1), "WlanHostedNetworkStartUsing");
    EXPECT_EQ(h.Hosted().appliedKey, kHexKey);
    EXPECT_EQ(h.machine.Wlan().StoredKey(), (HostedNetworkKey{Utf16ToUtf8(kHexKey), false, true}));
}

TEST(PushKey, KeyLengthCountsTheTerminator) {
    struct Case {
        const char* label;
        const char* codePage;
        std::u16string key;
        std::string keyLength;
    };
    const Case cases[] = {
        {"8 characters", "CP1252", u"12345678", "keyLength=9 "},
        {"63 characters", "CP1252", Repeat(u"k", 63), "keyLength=64 "},
        {"63 hex digits", "CP1252", kHexKey.substr(0, 63), "keyLength=64 "},
        // 62 letters and one double-byte character: 64 bytes, but no hex key, so never netsh.
        {"64 bytes in GBK", "GBK", Repeat(u"k", 62) + u"\u4e00", "keyLength=65 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ModelHarness h(c.codePage);
        h.Control().ApplyApConfig(u"DuvaDI", c.key);
        EXPECT_EQ(h.Count("ShellExecuteW"), 0u);
        EXPECT_NE(h.OnlyArguments("WlanHostedNetworkSetSecondaryKey").find(c.keyLength), std::string::npos);
    }
}

TEST(PushSsid, MultiByteNameIsCutAtAWholeCharacter) {
    ModelHarness h("GBK");
    h.Control().ApplyApConfig(u"a" + Repeat(u"\u00e9", 16), u"secret-key");  // 33 bytes
    std::string expected = "a";
    for (int i = 0; i < 15; ++i)
        expected += "\xa8\xa6";
    EXPECT_NE(h.OnlyArguments("WlanHostedNetworkSetProperty")
                  .find("ssid=" + QuoteBytes(expected) + " ssidLength=31"),
              std::string::npos);
    EXPECT_EQ(h.Hosted().appliedSsid, u"a" + Repeat(u"\u00e9", 16));
}

TEST(PushSsid, ChineseNameInGbk) {
    ModelHarness h("GBK");
    h.Control().PushSsid(u"\u65e0\u7ebf");  // 无线
    EXPECT_NE(
        h.OnlyArguments("WlanHostedNetworkSetProperty").find("ssid=\"\\xCE\\xDE\\xCF\\xDF\" ssidLength=4"),
        std::string::npos);
}

struct ApplyCase {
    const char* label;
    std::u16string ssid;
    std::u16string key;
    bool restarts;
    bool pushesKey;
};

TEST(ApplyApConfig, RestartsOnlyForANewNamePushesOnlyANewKey) {
    const std::u16string ssid = u"Caf\u00e9";
    const std::u16string key = u"cl\u00e9-secret";
    const ApplyCase cases[] = {
        {"same", ssid, key, false, false},
        {"name differs in A-Z case only: another network on the air", u"CAF\u00e9", key, true, true},
        {"key differs in A-Z case only: a different key", ssid, u"CL\u00e9-SECRET", false, true},
        {"name differs in the case of an accented letter", u"Caf\u00c9", key, true, true},
        {"key differs in the case of an accented letter", ssid, u"cl\u00c9-secret", false, true},
        {"new name", u"Other", key, true, true},
        {"new name, new key", u"Other", u"another-key", true, true},
        {"new key", ssid, u"another-key", false, true},
    };
    for (const ApplyCase& c : cases) {
        SCOPED_TRACE(c.label);
        ModelHarness h;
        h.Hosted().desiredSsid = ssid;
        h.Hosted().desiredKey = key;

        h.Control().ApplyApConfig(c.ssid, c.key);

        EXPECT_EQ(h.Count("WlanHostedNetworkStopUsing"), c.restarts ? 1u : 0u);
        EXPECT_EQ(h.Count("WlanHostedNetworkStartUsing"), c.restarts ? 1u : 0u);
        EXPECT_EQ(h.Count("WlanHostedNetworkSetProperty"), c.restarts ? 1u : 0u);
        EXPECT_EQ(h.Count("WlanHostedNetworkSetSecondaryKey"), c.pushesKey ? 1u : 0u);
        EXPECT_EQ(h.Count("WritePrivateProfileStringW"), c.pushesKey ? 2u : 0u);
        EXPECT_EQ(h.Count("SetTimer"), c.restarts ? 1u : 0u);
        EXPECT_EQ(h.Hosted().desiredSsid, c.restarts ? c.ssid : ssid);
        EXPECT_EQ(h.Hosted().desiredKey, c.pushesKey ? c.key : key);
        EXPECT_EQ(h.CurrentMode(), RegistryValue::Dword(1));
        EXPECT_TRUE(h.Hosted().apMode);
    }
}

TEST(ApplyApConfig, NewNameRunsStopPushStartGuardSaveInOrder) {
    ModelHarness h;
    h.Hosted().desiredSsid = u"DuvaDI";
    h.Hosted().desiredKey = u"secret-key";

    h.Control().ApplyApConfig(u"Other", u"other-key");

    EXPECT_EQ(h.Operations(), Join({{"WlanHostedNetworkStopUsing", "WlanHostedNetworkForceStop",
                                     "WlanHostedNetworkSetProperty", "WlanHostedNetworkSetSecondaryKey",
                                     "WlanHostedNetworkStartUsing", "SetTimer", "WritePrivateProfileStringW",
                                     "WritePrivateProfileStringW"},
                                    kWriteCurrentMode}));
    EXPECT_EQ(h.IniValue(u"SSID"), u"Other");
    EXPECT_EQ(h.IniValue(u"KEY"), u"other-key");
}

TEST(ApplyWizardNetwork, StartsInStationModeWithoutTouchingTheMode) {
    ModelHarness h;
    h.Hosted().desiredSsid = u"Wizard";
    h.Hosted().desiredKey = u"wizard-key";

    EXPECT_TRUE(h.Control().ApplyWizardNetwork());

    EXPECT_EQ(h.Operations(),
              Join({{"WlanHostedNetworkInitSettings", "WlanHostedNetworkSetProperty",
                     "WlanHostedNetworkSetSecondaryKey", "WlanHostedNetworkStartUsing", "SetTimer"},
                    kScanVirtualAdapter}));
    EXPECT_TRUE(h.Hosted().wizardStart);
    EXPECT_FALSE(h.Hosted().apMode);
    EXPECT_FALSE(h.CurrentMode());
}

TEST(ApplyWizardNetwork, InApStaModeComparesWithWhatWasPushed) {
    struct Case {
        const char* label;
        std::u16string ssid;
        std::u16string key;
        Ops expected;
    };
    const Case cases[] = {
        {"unchanged", u"DuvaDI", u"secret-key", Join({kWriteCurrentMode, kScanNoAdapter})},
        {"name in other A-Z case: a new name", u"duvadi", u"secret-key",
         Join({{"WlanHostedNetworkStopUsing", "WlanHostedNetworkForceStop", "WlanHostedNetworkSetProperty",
                "WlanHostedNetworkSetSecondaryKey", "WlanHostedNetworkStartUsing", "SetTimer"},
               kWriteCurrentMode,
               kScanVirtualAdapter})},
        {"key in other A-Z case: a new key", u"DuvaDI", u"SECRET-KEY",
         Join({{"WlanHostedNetworkSetSecondaryKey"}, kWriteCurrentMode, kScanNoAdapter})},
        {"new key", u"DuvaDI", u"other-key",
         Join({{"WlanHostedNetworkSetSecondaryKey"}, kWriteCurrentMode, kScanNoAdapter})},
        {"new name", u"Other", u"secret-key",
         Join({{"WlanHostedNetworkStopUsing", "WlanHostedNetworkForceStop", "WlanHostedNetworkSetProperty",
                "WlanHostedNetworkSetSecondaryKey", "WlanHostedNetworkStartUsing", "SetTimer"},
               kWriteCurrentMode,
               kScanVirtualAdapter})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ModelHarness h;
        h.Hosted().apMode = true;
        h.Hosted().appliedSsid = u"DuvaDI";
        h.Hosted().appliedKey = u"secret-key";
        h.Hosted().desiredSsid = c.ssid;
        h.Hosted().desiredKey = c.key;

        h.Control().ApplyWizardNetwork();

        EXPECT_EQ(h.Operations(), c.expected);
        EXPECT_FALSE(h.Hosted().wizardStart);
    }
}

TEST(ArmStartGuard, EveryStartRearmsTheGuardTimer) {
    ModelHarness h;
    h.SetIni(u"DuvaDI", u"secret-key");
    h.Control().SwitchToApStaMode();
    h.Log().Clear();

    h.Control().ApplyApConfig(u"Second", u"secret-key");

    Ops ops = h.Operations();
    auto kill = std::ranges::find(ops, "KillTimer");
    ASSERT_NE(kill, ops.end());
    EXPECT_EQ(*(kill + 1), "SetTimer");
    EXPECT_EQ(h.OnlyArguments("KillTimer"), "id=108");
    EXPECT_EQ(h.OnlyArguments("SetTimer"), "id=108 period=6000");
    EXPECT_TRUE(h.timers.IsRunning(IDT_START_GUARD));
    EXPECT_TRUE(h.Hosted().startGuard);
}

TEST(ArmStartGuard, OnlyTheGuardTimersTickEndsTheGuard) {
    ModelHarness h;
    h.Control().AllowHostedNetwork();
    EXPECT_EQ(h.Operations(), (Ops{"SetTimer", "WlanHostedNetworkSetProperty"}));
    EXPECT_NE(h.OnlyArguments("WlanHostedNetworkSetProperty").find("opcode=3 dataSize=4 enable=1"),
              std::string::npos);

    h.model.OnTimer(IDT_REDISCOVERY);
    EXPECT_TRUE(h.Hosted().startGuard);

    h.model.OnTimer(IDT_START_GUARD);
    EXPECT_FALSE(h.Hosted().startGuard);
    EXPECT_EQ(h.Hosted().guardTimer, 0u);
    EXPECT_FALSE(h.timers.IsRunning(IDT_START_GUARD));
    EXPECT_EQ(h.Count("KillTimer"), 1u);

    h.model.OnTimer(IDT_START_GUARD);  // a tick queued before the kill
    EXPECT_EQ(h.Count("KillTimer"), 1u);
}

TEST(SwitchToStationMode, RunsItsStepsInOrder) {
    ModelHarness h;
    h.SetIni(u"DuvaDI", u"secret-key");
    h.Control().SwitchToApStaMode();
    h.State().rediscoveryTimer = h.timers.SetTimer(IDT_REDISCOVERY, 10000);
    h.State().radioOnStartTimer = h.timers.SetTimer(IDT_RADIO_ON_START, 2000);
    h.State().dhcpServer = StartDhcpServer(h.processes, h.State().programFolder);
    ASSERT_TRUE(h.processes.IsWindowOpen(u"Tftpd32"));
    h.Log().Clear();

    h.Control().SwitchToStationMode();

    EXPECT_EQ(Trimmed(h.Operations()),
              Join({{"KillTimer", "KillTimer", "View.ClearAssociationList", "EnumWindows",
                     "QueryFullProcessImageNameW", "SendMessageTimeoutW"},
                    test::kStopSharingOfVirtualAdapterOnly,
                    {"WlanHostedNetworkStopUsing", "WlanHostedNetworkForceStop"},
                    kWriteCurrentMode,
                    {"View.ShowPage", "View.EnableButton", "View.ApplyControlLook x6"}}));
    auto kills = h.Log().Find("KillTimer");
    EXPECT_EQ(kills[0].arguments, "id=100");
    EXPECT_EQ(kills[1].arguments, "id=107");
    EXPECT_EQ(h.OnlyArguments("View.ShowPage"), "LinkStatus");
    EXPECT_EQ(h.OnlyArguments("View.EnableButton"), "1005 on");
    EXPECT_EQ(h.CurrentMode(), RegistryValue::Dword(0));
    EXPECT_FALSE(h.Hosted().apMode);
    EXPECT_EQ(h.State().rediscoveryTimer, 0u);
    EXPECT_EQ(h.State().radioOnStartTimer, 0u);
    EXPECT_FALSE(h.processes.IsWindowOpen(u"Tftpd32"));
    EXPECT_FALSE(h.machine.Wlan().HostedNetworkRunning());
}

TEST(OnModeButton, DisablesTheButtonThenSwitchesTheOtherWay) {
    ModelHarness h;
    h.SetIni(u"DuvaDI", u"secret-key");
    h.State().cardPresent = true;

    auto modePictureIcon = [&] {
        auto picture = std::ranges::find(h.view.looks, IDC_MODE_PICTURE, &ControlLook::controlId);
        return picture == h.view.looks.end() ? 0u : picture->iconId;
    };

    h.Control().OnModeButton();
    EXPECT_EQ(h.view.calls.front(), "EnableButton 1005 off");
    EXPECT_EQ(h.view.calls.back(), "EnableButton 1005 on");
    EXPECT_TRUE(h.Hosted().apMode);
    EXPECT_EQ(modePictureIcon(), IDI_APSTA_MODE);

    h.view.calls.clear();
    h.view.looks.clear();
    h.Control().OnModeButton();
    EXPECT_EQ(h.view.calls.front(), "EnableButton 1005 off");
    EXPECT_FALSE(h.Hosted().apMode);
    EXPECT_EQ(h.view.currentPage, ContentPage::kLinkStatus);
    EXPECT_EQ(modePictureIcon(), IDI_STATION_MODE);
}

TEST(SwitchToApStaMode, ChoosesTheConnectionToShare) {
    struct Case {
        const char* label;
        std::u16string chosen;
        std::vector<std::u16string> rows;
        std::u16string shared;  // empty: sharing not started
        std::u16string chosenAfter;
    };
    const Case cases[] = {
        {"chosen is listed", u"Intel WiFi", {u"Realtek LAN", u"Intel WiFi"}, u"Intel WiFi", u"Intel WiFi"},
        {"listed in other A-Z case",
         u"intel wifi",
         {u"Realtek LAN", u"Intel WiFi"},
         u"intel wifi",
         u"intel wifi"},
        {"not listed: first row",
         u"Gone Adapter",
         {u"Realtek LAN", u"Intel WiFi"},
         u"Realtek LAN",
         u"Realtek LAN"},
        {"none chosen: first row", u"", {u"Realtek LAN"}, u"Realtek LAN", u"Realtek LAN"},
        {"no adapters: kept, nothing shared", u"Intel WiFi", {}, u"", u"Intel WiFi"},
        {"none chosen, no adapters", u"", {}, u"", u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ModelHarness h("CP1252", test::HarnessScenarioWith(c.rows));
        h.SetIni(u"DuvaDI", u"secret-key");
        h.State().chosenConnection = c.chosen;

        h.Control().SwitchToApStaMode();

        // A start of sharing ends by storing the connection it shared.
        EXPECT_EQ(ReadIcsCardName(h.machine.Settings()), c.shared);
        EXPECT_EQ(h.State().chosenConnection, c.chosenAfter);
    }
}

TEST(ShowApStaLook, ShowsThePageAndLookAndStartsNothing) {
    ModelHarness h;
    h.Hosted().desiredSsid = u"DuvaDI";
    h.Hosted().desiredKey = u"secret-key";

    h.Control().ShowApStaLook();

    EXPECT_EQ(Trimmed(h.Operations()), (Ops{"View.ShowPage", "View.FillApConfigPage", "View.RestartPageTimer",
                                            "View.ApplyControlLook x6", "View.EnableButton",
                                            "View.EnableButton", "View.EnableButton"}));
    std::vector<std::string> enabled;
    for (const JournalEntry& entry : h.Log().Find("View.EnableButton"))
        enabled.push_back(entry.arguments);
    EXPECT_EQ(enabled, (std::vector<std::string>{"1005 on", "1001 on", "1002 on"}));
    EXPECT_FALSE(h.Hosted().apMode);
}

}  // namespace
}  // namespace aerowisp
