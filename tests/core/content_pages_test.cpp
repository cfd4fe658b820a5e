// The content pages' refreshes and the AP configuration page's Apply, against the simulated machine.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/hostednet/link_status.h"
#include "core/resource.h"
#include "sim/operations.h"
#include "support/iconv_code_page.h"
#include "support/model_harness.h"

namespace aerowisp {
namespace {

using test::ModelHarness;

constexpr MacAddress kHomeBssid{0x00, 0x24, 0x01, 0x5A, 0x3C, 0x7E};

ScenarioCard ConnectedCard() {
    ScenarioCard card = test::HarnessScenario().cards.front();
    card.state = WlanInterfaceState::kConnected;
    card.ssid = "HomeNet";
    card.bssid = kHomeBssid;
    card.channel = 6;
    card.signalQuality = 90;
    card.txRate = 144000;
    card.rxRate = 130000;
    card.authAlgorithm = 7;
    card.cipherAlgorithm = 4;
    return card;
}

LinkStatusFigures Connected(std::u16string channel, std::u16string type, std::u16string auth,
                            std::u16string cipher, std::u16string tx, std::u16string rx,
                            std::u16string quality, uint32_t bar) {
    return {u"Connected",
            u"HomeNet",
            std::move(channel),
            u"00-24-01-5A-3C-7E",
            std::move(type),
            std::move(auth),
            std::move(cipher),
            std::move(tx),
            std::move(rx),
            std::move(quality),
            bar};
}

LinkStatusFigures Disconnected() {
    LinkStatusFigures figures;
    figures.status = u"Disconnected";
    return figures;
}

TEST(LinkStatusRefresh, ShowsTheCardsConnectionOrKeepsThePage) {
    struct Case {
        const char* label;
        std::function<void(ScenarioCard&)> change;
        std::optional<std::string_view> failingOperation;
        std::optional<LinkStatusFigures> expected;  // nothing: the page keeps what it shows
    };
    const Case cases[] = {
        {"connected",
         [](ScenarioCard&) {},
         {},
         Connected(u"6", u"Infrastructure", u"RSNA-PSK", u"CCMP", u"144 Mbps", u"130 Mbps", u"excellent : 90",
                   90)},
        {"ad hoc, unknown algorithms, implausible rates, quality above 100",
         [](ScenarioCard& c) {
             c.bssType = Dot11BssType::kIndependent;
             c.authAlgorithm = 8;
             c.cipherAlgorithm = 3;
             c.txRate = 999;
             c.rxRate = 500000;
             c.signalQuality = 120;
         },
         {},
         Connected(u"6", u"independent", u"Open", u"NONE", u"150 Mbps", u"150 Mbps", u"excellent : 100",
                   100)},
        {"plausible rates kept, good quality",
         [](ScenarioCard& c) {
             c.authAlgorithm = 0;
             c.cipherAlgorithm = 0x100;
             c.txRate = 499999;
             c.rxRate = 54000;
             c.signalQuality = 85;
         },
         {},
         Connected(u"6", u"Infrastructure", u"Open", u"WPA-GROUP", u"499 Mbps", u"54 Mbps", u"good : 85",
                   85)},
        {"disconnected",
         [](ScenarioCard& c) { c.state = WlanInterfaceState::kDisconnected; },
         {},
         Disconnected()},
        {"radio off reads as disconnected",
         [](ScenarioCard& c) { c.phys[0].software = Dot11RadioState::kOff; },
         {},
         Disconnected()},
        {"ad hoc network formed is not connected",
         [](ScenarioCard& c) { c.state = WlanInterfaceState::kAdHocNetworkFormed; },
         {},
         Disconnected()},
        {"driver without channel numbers", [](ScenarioCard& c) { c.channel = 0; }, {}, std::nullopt},
        {"failing queries", [](ScenarioCard&) {}, op::kWlanQueryInterface, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Scenario scenario = test::HarnessScenario();
        scenario.cards.front() = ConnectedCard();
        c.change(scenario.cards.front());
        ModelHarness h("CP1252", scenario);
        h.model.DiscoverInterface(false);
        if (c.failingOperation)
            h.machine.Failures().FailAlways(*c.failingOperation, kErrorInvalidState);
        h.Pages().OnPageTimer(IDT_LINK_STATUS_REFRESH);
        EXPECT_EQ(h.view.linkStatus, c.expected);
    }
}

TEST(LinkStatusRefresh, BandWordsAndSsidBytes) {
    test::IconvCodePage gbk("GBK");
    WlanConnectionAttributes connection;
    const struct {
        uint32_t quality;
        const char16_t* text;
    } bands[] = {{100, u"excellent : 100"}, {86, u"excellent : 86"}, {85, u"good : 85"}, {71, u"good : 71"},
                 {70, u"normal : 70"},      {41, u"normal : 41"},    {40, u"weak : 40"}, {0, u"weak : 0"}};
    for (const auto& band : bands) {
        connection.signalQuality = band.quality;
        EXPECT_EQ(ConnectedFigures(connection, 1, gbk).quality, band.text);
    }
    const struct {
        std::string bytes;
        uint32_t lengthField;
        std::u16string shown;
    } ssids[] = {{"\xC4\xE3\xBA\xC3", 4, u"\u4F60\u597D"},
                 {std::string(32, 'A'), 32, std::u16string(32, u'A')},
                 {std::string(32, 'B'), 4000, std::u16string(32, u'B')}};
    for (const auto& ssid : ssids) {
        connection.ssid.length = ssid.lengthField;
        std::copy(ssid.bytes.begin(), ssid.bytes.end(), connection.ssid.ssid.begin());
        EXPECT_EQ(ConnectedFigures(connection, 1, gbk).ssid, ssid.shown);
    }
}

// Every path of the refresh, 10,000 times: under the sanitizers' leak check every buffer is released.
TEST(LinkStatusRefresh, TenThousandRefreshesOnEveryPath) {
    constexpr int kRefreshes = 10000;
    Scenario scenario = test::HarnessScenario();
    scenario.cards.front() = ConnectedCard();
    ModelHarness h("CP1252", scenario);
    h.model.DiscoverInterface(false);
    int shown = 0;
    for (int i = 0; i < kRefreshes; ++i) {
        switch (i % 4) {
            case 1:
                h.machine.Failures().FailNext(op::kWlanQueryInterface, kErrorInvalidState);
                break;
            case 2:
                h.machine.Wlan().SetSoftwareRadio(ConnectedCard().guid, 0, Dot11RadioState::kOff);
                break;
            case 3:
                h.machine.Wlan().SetSoftwareRadio(ConnectedCard().guid, 0, Dot11RadioState::kOn);
                h.machine.Failures().FailNext(op::kWlanQueryInterface, kErrorInvalidState);
                break;
        }
        h.view.linkStatus.reset();
        h.Pages().OnPageTimer(IDT_LINK_STATUS_REFRESH);
        shown += h.view.linkStatus.has_value() ? 1 : 0;
        h.Log().Clear();
    }
    EXPECT_EQ(shown, kRefreshes / 2);
}

constexpr MacAddress kPhone{0x8C, 0x3A, 0xE3, 0x11, 0x22, 0x33};
constexpr MacAddress kTablet{0x40, 0xB0, 0xFA, 0x44, 0x55, 0x66};

TEST(AssociationListRefresh, RowsOfTheStationsAssociatedNow) {
    struct Case {
        const char* label;
        std::vector<ScenarioStation> stations;
        uint32_t elapsedMs;
        bool apMode;
        bool queryFails;
        std::vector<AssociationRow> rows;
    };
    const ScenarioStation phone{kPhone, 3000, kStationStays, true};
    const ScenarioStation tablet{kTablet, 1000, kStationStays, false};
    const ScenarioStation leavingTablet{kTablet, 1000, 4000, true};
    const Case cases[] = {
        {"no stations", {}, 5000, true, false, {}},
        {"every auth state, in joining order",
         {phone, tablet},
         5000,
         true,
         false,
         {{u"1", u"40-B0-FA-44-55-66", u"invalid"}, {u"2", u"8C-3A-E3-11-22-33", u"authenticated"}}},
        {"not yet joined", {phone}, 2999, true, false, {}},
        {"left again, the rest renumbered",
         {phone, leavingTablet},
         5000,
         true,
         false,
         {{u"1", u"8C-3A-E3-11-22-33", u"authenticated"}}},
        {"emptied in station mode", {phone}, 5000, false, false, {}},
        {"failed query", {phone}, 5000, true, true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Scenario scenario = test::HarnessScenario();
        scenario.stations = c.stations;
        ModelHarness h("CP1252", scenario);
        h.machine.Wlan().HostedNetworkForceStart(h.State().wlanHandle, nullptr);
        h.machine.ManualClock()->Advance(c.elapsedMs);
        h.Hosted().apMode = c.apMode;
        h.view.associationRows = {{u"0", u"stale", u"row"}};
        if (c.queryFails)
            h.machine.Failures().FailNext(op::kWlanHostedNetworkQueryStatus, kErrorInvalidState);
        h.Pages().OnPageTimer(IDT_ASSOC_LIST_REFRESH);
        EXPECT_EQ(h.view.associationRows, c.rows);
        EXPECT_EQ(h.Count(op::kWlanHostedNetworkQueryStatus), c.apMode ? 1u : 0u);
    }
}

TEST(ApConfigPage, TimerSetsOnlyTheBssidOnce) {
    ModelHarness h;
    h.State().adapters.virtualAdapterMac = u"02-1A-2B-3C-4D-5E";
    h.Pages().OnPageTimer(IDT_AP_CONFIG_PAGE);
    EXPECT_EQ(h.view.calls,
              (std::vector<std::string>{"KillPageTimer ApConfig", "SetApConfigBssid \"02-1A-2B-3C-4D-5E\""}));
}

TEST(ApConfigPage, ApplyValidatesThenAppliesAndReportsRefusals) {
    struct Case {
        const char* label;
        std::u16string ssid, key, confirmation;
        std::optional<std::string_view> failingOperation;
        ApConfigApplyResult expected;
        bool restarted;
        std::u16string storedSsid;
    };
    const Case cases[] = {
        {"invalid SSID",
         u"",
         u"secret-key",
         u"secret-key",
         {},
         {ApInputFault::kInvalidSsid, false},
         false,
         u"Old Name"},
        {"mismatched key",
         u"New Name",
         u"secret-key",
         u"secret-kex",
         {},
         {ApInputFault::kKeyMismatch, false},
         false,
         u"Old Name"},
        {"new name",
         u"New Name",
         u"secret-key",
         u"secret-key",
         {},
         {ApInputFault::kNone, true},
         true,
         u"New Name"},
        {"new name refused",
         u"New Name",
         u"secret-key",
         u"secret-key",
         op::kWlanHostedNetworkStartUsing,
         {ApInputFault::kNone, false},
         true,
         u"New Name"},
        {"new key refused",
         u"Old Name",
         u"other-key",
         u"other-key",
         op::kWlanHostedNetworkSetSecondaryKey,
         {ApInputFault::kNone, false},
         false,
         u"Old Name"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ModelHarness h;
        h.SetIni(u"Old Name", u"secret-key");
        h.Hosted().desiredSsid = u"Old Name";
        h.Hosted().desiredKey = u"secret-key";
        h.Hosted().apMode = true;
        if (c.failingOperation)
            h.machine.Failures().FailAlways(*c.failingOperation, kErrorInvalidParameter);
        const ApConfigApplyResult result = h.Pages().OnApConfigApply(c.ssid, c.key, c.confirmation);
        EXPECT_EQ(result.fault, c.expected.fault);
        EXPECT_EQ(result.accepted, c.expected.accepted);
        EXPECT_EQ(h.Count(op::kWlanHostedNetworkStopUsing), c.restarted ? 1u : 0u);
        EXPECT_EQ(h.IniValue(kApSettingsSsid), c.storedSsid);
        // The QR code button shows the network as stored.
        const std::optional<JoinCode> code = h.Pages().OnApConfigJoinCode();
        ASSERT_TRUE(code.has_value());
        EXPECT_EQ(code->ssid, c.storedSsid);
    }
}

TEST(IcsPage, SelectsTheChosenConnectionsRow) {
    const std::vector<ConnectionListRow> rows = {{u"Realtek PCIe GBE", u"Local Area Connection"},
                                                 {u"Intel 82579LM", u"Ethernet 2"},
                                                 {u"REALTEK pcie gbe", u"LAN 3"}};
    const struct {
        const char16_t* chosen;
        size_t selected;
    } cases[] = {{u"Intel 82579LM", 1}, {u"realtek PCIE GBE", 2}, {u"Broadcom", 0}, {u"", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(ConnectionListFor(rows, c.chosen).selected, c.selected)
            << std::string(c.chosen, c.chosen + 3);
}

TEST(IcsPage, ApplyRestartsSharingOnlyForAnotherConnection) {
    struct Case {
        const char* label;
        ConnectionListRow row;
        bool disablesApply;
        std::optional<std::string> sharedPublicly;  // the connection enabled as public, if any
        std::u16string chosen;
    };
    const Case cases[] = {
        {"another connection", {u"Intel 82579LM", u"Connection 2"}, true, "Connection 2", u"Intel 82579LM"},
        {"the shared one in other letter case",
         {u"REALTEK pcie GBE", u"Connection 1"},
         false,
         {},
         u"Realtek PCIe GBE"},
        {"a row without a network name", {u"Intel 82579LM", u""}, true, {}, u"Realtek PCIe GBE"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Scenario scenario = test::HarnessScenarioWith({u"Realtek PCIe GBE", u"Intel 82579LM"});
        scenario.hostedNetwork.running = true;
        ModelHarness h("CP1252", scenario);
        h.State().chosenConnection = u"Realtek PCIe GBE";
        h.Sharing().ScanAdapters();
        h.Log().Clear();
        EXPECT_EQ(h.Pages().OnConnectionListApply(c.row), c.disablesApply);
        const std::vector<JournalEntry> enabled = h.Log().Find("INetSharingConfiguration::EnableSharing");
        if (c.sharedPublicly) {
            ASSERT_FALSE(enabled.empty());
            EXPECT_EQ(enabled.front().arguments.find("connection=\"" + *c.sharedPublicly + "\" type=public"),
                      0u)
                << enabled.front().arguments;
            EXPECT_EQ(ReadIcsCardName(h.machine.Settings()), c.chosen);
        } else {
            EXPECT_TRUE(h.Operations().empty());
        }
        EXPECT_EQ(h.State().chosenConnection, c.chosen);
    }
}

}  // namespace
}  // namespace aerowisp
