// The main window's timers: the show request, the icon's retries, the re-discovery, the one-shot
// launches, and ticks that arrive after their timer was killed.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/programs/external_programs.h"
#include "core/resource.h"
#include "support/tray_harness.h"

namespace aerowisp {
namespace {

using test::TrayHarness;
using Ops = std::vector<std::string>;

TEST(ShowRequestTimer, ActsWithinOneTickOnlyWithACard) {
    struct Case {
        std::optional<uint32_t> request;
        bool card;
        bool shown;
    };
    const Case cases[] = {
        {1, true, true}, {1, false, false}, {0, true, false}, {2, true, false}, {{}, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.request.value_or(99) << " card " << c.card);
        TrayHarness h;
        if (!c.card)
            h.machine.Wlan().RemoveCard(h.machine.Wlan().Cards().front().guid);
        h.FindCard();
        h.State().shown = false;
        if (c.request)
            h.machine.Settings().SetValue(kSettingsKey, kValueShowWindow, RegistryValue::Dword(*c.request));
        h.Start(h.State().showRequestTimer, IDT_SHOW_REQUEST, kShowRequestPeriodMs);
        h.Log().Clear();

        h.statusTimers.OnTimer(IDT_SHOW_REQUEST);

        const Ops read = {"RegOpenKeyExW", "RegQueryValueExW", "RegCloseKey"};
        if (!c.shown) {
            EXPECT_EQ(h.Operations(), read) << "one key open, one read, one close";
        }
        EXPECT_EQ(h.State().shown, c.shown);
        EXPECT_EQ(ReadShowWindowRequest(h.machine.Settings()), c.shown ? 0 : c.request.value_or(0));
    }
}

TEST(TrayReaddTimer, AddsTheIconOnExactlyThreeTicks) {
    TrayHarness h;
    h.Start(h.State().trayReaddTimer, IDT_TRAY_READD, kTrayReaddPeriodMs);
    h.tray.addSucceeds = false;  // the shell has the icon already

    for (int tick = 0; tick < 5; ++tick)
        h.statusTimers.OnTimer(IDT_TRAY_READD);

    ASSERT_EQ(h.tray.added.size(), 3u);
    const TrayIconData& icon = h.tray.added.back();
    EXPECT_EQ((std::vector<uint32_t>{icon.uid, icon.flags, icon.callbackMessage, icon.iconResource}),
              (std::vector<uint32_t>{210, 7, 0x464, 210}));
    EXPECT_EQ(icon.tip, u" ");
    EXPECT_EQ(h.State().trayReaddTimer, 0u);
    EXPECT_FALSE(h.timers.IsRunning(IDT_TRAY_READD));
}

TEST(StaleTicks, ChangeNothingAndOnlyTimer108EndsTheStartGuard) {
    TrayHarness h;
    h.FindCard();
    h.Control().ArmStartGuard();
    h.Forget();
    const TimerId staleIds[] = {
        0, IDT_REDISCOVERY, IDT_DHCP_LAUNCH, IDT_RADIO_ON_START, IDT_TRAY_READD, IDT_SHOW_REQUEST, 999};
    for (TimerId id : staleIds)
        h.statusTimers.OnTimer(id);
    EXPECT_TRUE(h.Operations().empty());
    EXPECT_TRUE(h.Hosted().startGuard);

    h.statusTimers.OnTimer(IDT_START_GUARD);
    h.statusTimers.OnTimer(IDT_START_GUARD);
    EXPECT_FALSE(h.Hosted().startGuard);
    EXPECT_EQ(h.Hosted().guardTimer, 0u);
    EXPECT_EQ(h.Operations(), Ops{"KillTimer"});
}

TEST(OneShotTimers, ActOnceAndClearTheirIdentifier) {
    TrayHarness h;
    h.FindCard();
    h.SetIni(u"DuvaDI", u"secret-key");
    h.Start(h.State().dhcpLaunchTimer, IDT_DHCP_LAUNCH, 6000);
    h.Start(h.State().radioOnStartTimer, IDT_RADIO_ON_START, 2000);
    for (TimerId id : {IDT_DHCP_LAUNCH, IDT_DHCP_LAUNCH, IDT_RADIO_ON_START, IDT_RADIO_ON_START})
        h.statusTimers.OnTimer(id);

    const std::u16string server = h.State().programFolder + u"DhcpServer.exe";
    EXPECT_EQ(h.OnlyArguments("CreateProcessW"), "application=" + QuoteText(server) +
                                                     " commandLine=" + QuoteText(u"\"" + server + u"\"") +
                                                     " flags=CREATE_NO_WINDOW show=SW_HIDE process=1");
    EXPECT_NE(h.State().dhcpServer, nullptr);
    EXPECT_EQ(h.Count("WlanHostedNetworkStartUsing"), 1u);
    EXPECT_EQ(h.State().dhcpLaunchTimer + h.State().radioOnStartTimer, 0u);
    EXPECT_FALSE(h.timers.IsRunning(IDT_DHCP_LAUNCH) || h.timers.IsRunning(IDT_RADIO_ON_START));
}

TEST(RediscoveryTimer, ReentersTheKeptModeWhenTheCardIsBack) {
    struct Case {
        const char* label;
        bool card, radioOn, apMode, running;
        ContentPage page;
        uint32_t radioIcon;
    };
    const Case cases[] = {
        {"no card", false, true, true, false, ContentPage::kAbout, 0},
        {"station", true, true, false, false, ContentPage::kLinkStatus, IDI_RADIO_ON},
        {"AP+STA", true, true, true, true, ContentPage::kApConfig, IDI_RADIO_ON},
        {"radio off", true, false, true, false, ContentPage::kAbout, IDI_RADIO_OFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TrayHarness h;
        if (!c.card)
            h.machine.Wlan().RemoveCard(h.machine.Wlan().Cards().front().guid);
        h.SetIni(u"DuvaDI", u"secret-key");
        h.State().radioOn = c.radioOn;
        h.Hosted().apMode = c.apMode;
        h.Start(h.State().rediscoveryTimer, IDT_REDISCOVERY, 10000);

        h.statusTimers.OnTimer(IDT_REDISCOVERY);

        EXPECT_EQ(h.State().rediscoveryTimer, 0u);
        EXPECT_EQ(h.machine.Wlan().HostedNetworkRunning(), c.running);
        EXPECT_EQ(h.view.currentPage, c.page);
        EXPECT_EQ(h.view.looks.empty() ? 0 : h.view.looks.front().iconId, c.radioIcon);
        if (c.card) {
            EXPECT_EQ(h.view.enabled[IDC_LINK_STATUS_BUTTON], c.radioOn) << "EnableControlsForRadio ran";
        }
    }
}

// The server is watched on the show-request ticks: a server that gave up on its port is told of once;
// one that was closed, or still runs, is not.
TEST(ShowRequestTimer, TellsOfADhcpServerThatCouldNotBindItsPort) {
    struct Case {
        const char* label;
        std::optional<uint32_t> exitCode;  // nothing: it still runs
        bool told;
    };
    const Case cases[] = {{"still running", std::nullopt, false},
                          {"closed", 0u, false},
                          {"port 67 taken", kDhcpServerPortBusyExitCode, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TrayHarness h;
        h.FindCard();
        h.Start(h.State().dhcpLaunchTimer, IDT_DHCP_LAUNCH, kDhcpLaunchDelayMs);
        h.Start(h.State().showRequestTimer, IDT_SHOW_REQUEST, kShowRequestPeriodMs);
        h.statusTimers.OnTimer(IDT_DHCP_LAUNCH);
        if (c.exitCode)
            h.processes.EndProgram(h.State().programFolder + dhcp::kServerProgram, *c.exitCode);
        h.Log().Clear();

        h.statusTimers.OnTimer(IDT_SHOW_REQUEST);
        h.statusTimers.OnTimer(IDT_SHOW_REQUEST);

        EXPECT_EQ(h.Count("Tray.ShowBalloon"), c.told ? 1u : 0u);
        if (c.told) {
            EXPECT_NE(h.Log().Find("Tray.ShowBalloon")[0].arguments.find("UDP 67"), std::string::npos);
        }
        EXPECT_EQ(h.State().dhcpServer == nullptr, c.exitCode.has_value());
    }
}

}  // namespace
}  // namespace aerowisp
