// The notification-area icon: its tip for each state, the four menus, the mouse on the icon and the
// menu commands.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/app/about_flag.h"
#include "core/hostednet/hosted_network_failure.h"
#include "core/resource.h"
#include "support/tray_harness.h"

namespace aerowisp {
namespace {

using test::TrayHarness;
using Calls = std::vector<std::string>;

// The harness's card, connected to a network whose name has the bytes `ssid`.
void ConnectCard(TrayHarness& h, std::string ssid) {
    ScenarioCard card = h.machine.Wlan().Cards().front();
    h.machine.Wlan().RemoveCard(card.guid);
    card.state = WlanInterfaceState::kConnected;
    card.ssid = std::move(ssid);
    h.machine.Wlan().InsertCard(card);
}

void ApMode(TrayHarness& h, std::u16string ssid) {
    h.Hosted().apMode = true;
    h.Hosted().desiredSsid = std::move(ssid);
}

TEST(UpdateTrayTip, DescribesTheState) {
    const std::u16string x116(116, u'x');
    struct Case {
        const char* label;
        std::function<void(TrayHarness&)> arrange;
        std::optional<std::u16string> tip;  // nothing: the tip stays as it was
    };
    const Case cases[] = {
        {"no card", [](TrayHarness& h) { h.State().cardPresent = false; }, u"Wireless LAN Card Not Exit"},
        {"no WLAN service",
         [](TrayHarness& h) {
             h.State().cardPresent = false;
             h.State().wlanServiceMissing = true;
         },
         u"Wireless LAN Card Not Exit\nThe Wireless LAN Service is not installed on this computer."},
        {"radio off", [](TrayHarness& h) { h.State().radioOn = false; }, u"Radio off"},
        {"AP+STA", [](TrayHarness& h) { ApMode(h, u"Home AP"); }, u"AP mode : Home AP"},
        {"disconnected", [](TrayHarness&) {}, u"Status : Disconnected "},
        {"connected", [](TrayHarness& h) { ConnectCard(h, "Caf\xe9"); },
         u" SSID : Caf\u00e9 \n Status : Connected "},
        {"zero byte in the name", [](TrayHarness& h) { ConnectCard(h, std::string("ab\0c", 4)); },
         u" SSID : ab \n Status : Connected "},
        {"cut to 127", [&](TrayHarness& h) { ApMode(h, x116 + u"yz"); }, u"AP mode : " + x116 + u"y"},
        {"no half pair", [&](TrayHarness& h) { ApMode(h, x116 + u"\U0001F600"); }, u"AP mode : " + x116},
        {"no GUID text", [](TrayHarness& h) { h.Wlan().State().interfaceGuidText.reset(); }, {}},
        {"bad GUID text", [](TrayHarness& h) { h.Wlan().State().interfaceGuidText = u"x"; }, {}},
        {"query fails", [](TrayHarness& h) { h.machine.Failures().FailNext("WlanQueryInterface", 5); }, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TrayHarness h;
        h.FindCard();
        c.arrange(h);
        h.trayControl.UpdateTrayTip();
        EXPECT_EQ(h.tray.tip, c.tip);
    }
}

// One rule for every text of the language file: a line that gives only its line end is not missing, so
// the place shows a blank; only a missing line gives the English text.
TEST(LanguageTexts, ALineWithOnlyItsLineEndGivesABlankEverywhere) {
    struct Case {
        const char* label;
        std::optional<std::u16string> line;  // nothing: no line for the key
        std::u16string tip;
        std::u16string menuText;
        std::u16string failureMessage;
    };
    const std::u16string netshFailed(kNetshFailedMessage.englishDefault);
    const Case cases[] = {
        {"no line", std::nullopt, u"Radio off", u"Launch config utility", netshFailed},
        {"line end only", u"\r\n", u"", u"\r\n", u""},
        {"text and line end", u"Funk aus\r\n", u"Funk aus", u"Funk aus\r\n", u"Funk aus"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TrayHarness h;
        h.FindCard();
        if (c.line) {
            h.SetLanguageFile(u"String4=" + *c.line + u"String40=" + *c.line +
                              std::u16string(kNetshFailedMessage.key) + u"=" + *c.line);
        }
        h.State().radioOn = false;
        h.trayControl.UpdateTrayTip();
        EXPECT_EQ(h.tray.tip, c.tip);
        h.Window().LoadTrayMenuTexts();
        EXPECT_EQ(h.State().trayMenu.launch, c.menuText);
        EXPECT_EQ(FailureMessage(h.model.Texts(), {.step = HostedNetworkStep::kNetshKey}), c.failureMessage);
    }
}

TEST(TrayMenu, ItemsFollowTheState) {
    struct Case {
        bool card, radioOn, apMode;
        std::vector<TrayMenuItem> items;
    };
    const Case cases[] = {
        {false, false, true, {{32791, u"A"}, {32792, u"E"}}},
        {true, false, true, {{32778, u"L"}, {32791, u"A"}, {32792, u"E"}}},
        {true, true, true, {{32787, u"L"}, {32788, u"S"}, {32796, u"W"}, {32789, u"A"}, {32790, u"E"}}},
        {true, true, false, {{32778, u"L"}, {32779, u"P"}, {32795, u"W"}, {32783, u"A"}, {32784, u"E"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.items.size());
        TrayHarness h;
        h.State().trayMenu = {u"L", u"S", u"W", u"A", u"E", u"P"};
        h.State().cardPresent = c.card;
        h.State().radioOn = c.radioOn;
        h.Hosted().apMode = c.apMode;
        h.trayControl.OnTrayNotify(kWmRButtonUp);
        EXPECT_EQ(h.tray.menus, std::vector<std::vector<TrayMenuItem>>{c.items});
    }
}

TEST(OnTrayNotify, MouseMessages) {
    struct Case {
        uint32_t message;
        bool card;
        Calls calls;
    };
    const Case cases[] = {
        {kWmMouseMove, true, {"ModifyTrayTip 210 \"Status : Disconnected \""}},
        {kWmLButtonDblClk, true, {"ShowMainWindow", "BringMainWindowToForeground"}},
        {kWmLButtonDblClk, false, {}},
        {kWmRButtonUp, true, {"TrackTrayMenu 5"}},
        {0x201, true, {}},  // WM_LBUTTONDOWN
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.message << " card " << c.card);
        TrayHarness h;
        h.FindCard();
        h.State().cardPresent = c.card;
        h.State().shown = false;
        h.trayControl.OnTrayNotify(c.message);
        EXPECT_EQ(h.tray.calls, c.calls);
        EXPECT_EQ(h.State().shown, c.calls.size() == 2);
    }
}

TEST(TrayCommands, EachCommandReachesItsHandler) {
    const std::pair<uint32_t, std::string> cases[] = {
        {32778, "ActivateMainWindow"},
        {32787, "ActivateMainWindow"},
        {32783, "RunAboutDialog"},
        {32789, "RunAboutDialog"},
        {32791, "RunAboutDialog"},
        {32784, "PostCloseToMainWindow"},
        {32790, "PostCloseToMainWindow"},
        {32792, "PostCloseToMainWindow"},
        {32795, "RunSetupWizard"},
        {32796, "RunSetupWizard"},
        {32780, ""},
    };
    for (const auto& [command, call] : cases) {
        SCOPED_TRACE(command);
        TrayHarness h;
        // The wizard commands act only where their menus offer them.
        h.State().cardPresent = true;
        h.Hosted().apMode = command == 32796;
        EXPECT_EQ(h.trayControl.OnTrayCommand(command), !call.empty());
        EXPECT_EQ(h.tray.calls.empty() ? "" : h.tray.calls.back(), call);
    }
}

TEST(OnLaunchConfigUtility, ShowsTheWindowWithTheModesLook) {
    const Calls looks = {"ApplyControlLook 1005", "ApplyControlLook 1007", "ApplyControlLook 1001",
                         "ApplyControlLook 1002"};
    struct Case {
        bool minimized, radioOn, apMode;
        const char* firstTrayCall;
        const char* page;  // null: no page and no looks
    };
    const Case cases[] = {{false, true, false, "ShowMainWindow", "ShowPage LinkStatus"},
                          {false, true, true, "ShowMainWindow", "ShowPage ApConfig"},
                          {true, true, false, "RestoreMainWindow", "ShowPage LinkStatus"},
                          {false, false, true, "ShowMainWindow", nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.minimized << c.radioOn << c.apMode);
        TrayHarness h;
        h.tray.minimized = c.minimized;
        h.State().shown = false;
        h.State().radioOn = c.radioOn;
        h.Hosted().apMode = c.apMode;

        h.trayControl.OnLaunchConfigUtility();

        EXPECT_EQ(h.tray.calls,
                  (Calls{c.firstTrayCall, "BringMainWindowToForeground", "ActivateMainWindow"}));
        EXPECT_EQ(h.State().shown, !c.minimized);
        Calls view = looks;
        if (c.page)
            view.insert(view.begin(), c.page);
        EXPECT_EQ(h.view.calls, c.page ? view : Calls{});
        if (c.page) {
            EXPECT_EQ(h.view.looks[1].iconId, c.apMode ? IDI_APSTA_MODE : IDI_STATION_MODE);
            EXPECT_EQ(h.view.enabled[IDC_ASSOC_LIST_BUTTON], c.apMode);
        }
    }
}

TEST(ShowAboutDialog, OneDialogAtATime) {
    TrayHarness h;
    bool openMeanwhile = false;
    h.tray.whileAboutOpen = [&] {
        openMeanwhile = IsAboutDialogOpen();
        h.trayControl.OnTrayCommand(ID_ABOUT_APSTA);
    };
    h.trayControl.ShowAboutDialog();
    h.trayControl.ShowAboutDialog();
    EXPECT_TRUE(openMeanwhile);
    EXPECT_EQ(h.tray.calls, (Calls{"RunAboutDialog", "RunAboutDialog"})) << "one per request, none nested";
    EXPECT_FALSE(IsAboutDialogOpen());
}

TEST(OnExitCommand, ClosesAnOpenWizardWindowFirst) {
    struct Case {
        ExitVariant variant;
        bool wizardOpen, running;
        Calls operations;
        bool openAfter, runningAfter;
    };
    const Calls closeWizard = {"Tray.CloseSetupWizard", "Tray.PostCloseToMainWindow"};
    const Case cases[] = {
        {ExitVariant::kStation, true, false, closeWizard, false, false},
        {ExitVariant::kStation, false, false, closeWizard, false, false},
        {ExitVariant::kApSta, true, true, closeWizard, false, false},
        {ExitVariant::kApSta, true, false, {"Tray.PostCloseToMainWindow"}, true, false},
        {ExitVariant::kPlain, true, true, {"Tray.PostCloseToMainWindow"}, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.variant) << c.wizardOpen << c.running);
        TrayHarness h;
        h.tray.wizardOpen = c.wizardOpen;
        h.State().wizardRunning = c.running;
        h.Log().Clear();
        h.trayControl.OnExitCommand(c.variant);
        EXPECT_EQ(h.Operations(), c.operations);
        EXPECT_EQ(h.tray.wizardOpen, c.openAfter);
        EXPECT_EQ(h.State().wizardRunning, c.runningAfter);
    }
}

}  // namespace
}  // namespace aerowisp
