// The radio button on the simulated machine: every PHY switched, the flag, look and "Radio state" changed
// only when all took it, PHYs set back and the user told when one refuses, and the hosted network stopped
// with the radio in AP+STA mode and started again by timer 107.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/lang/language_strings.h"
#include "core/resource.h"
#include "sim/operations.h"
#include "support/model_harness.h"

namespace aerowisp {
namespace {

constexpr WlanResult kRefused = 5023;

struct RadioHarness : test::ModelHarness {
    explicit RadioHarness(const Scenario& scenario) : test::ModelHarness(scenario) {
        Card() = GuidToString(scenario.cards.front().guid);
        State().cardPresent = true;
    }
    std::optional<std::u16string>& Card() { return Wlan().State().interfaceGuidText; }
    const Guid& CardGuid() { return machine.Scenario().cards.front().guid; }
    // Each WlanSetInterface call as PHY and state, "!" when it failed: "0off 1off! 0on".
    std::string RadioCalls() {
        std::string calls;
        for (const JournalEntry& entry : Log().Find("WlanSetInterface")) {
            const size_t phy = entry.arguments.find("phy=") + 4;
            const size_t radio = entry.arguments.find("radio=") + 6;
            calls += (calls.empty() ? "" : " ") +
                     entry.arguments.substr(phy, entry.arguments.find(' ', phy) - phy) +
                     entry.arguments.substr(radio) + (entry.result == kWlanSuccess ? "" : "!");
        }
        return calls;
    }
    std::optional<RegistryValue> RadioState() {
        return machine.Settings().Value(kSettingsKey, kValueRadioState);
    }
    std::vector<Dot11RadioState> SoftwareRadios() {
        std::vector<Dot11RadioState> radios;
        for (uint32_t phy = 0; machine.Wlan().SoftwareRadio(CardGuid(), phy); ++phy)
            radios.push_back(*machine.Wlan().SoftwareRadio(CardGuid(), phy));
        return radios;
    }
    void StartApSta() {
        SetIni(u"DuvaDI", u"secret-key");
        ASSERT_TRUE(Control().SwitchToApStaMode());
        ASSERT_TRUE(machine.Wlan().HostedNetworkRunning());
        Log().Clear();
    }
};

Scenario RadioScenario(size_t phys, Dot11RadioState software, Dot11RadioState hardware) {
    Scenario scenario = test::HarnessScenario();
    scenario.cards.front().phys.assign(phys, ScenarioPhy{software, hardware});
    return scenario;
}

constexpr auto kOn = Dot11RadioState::kOn;
constexpr auto kOff = Dot11RadioState::kOff;

TEST(RadioButton, SwitchesEveryPhyOrNoneAndTellsWhy) {
    struct Case {
        const char* name;
        size_t phys;
        bool radioOn;  // before the click
        Dot11RadioState hardware;
        // WlanSetInterface fails from this call on, once (0: never).
        uint32_t failFrom;
        bool capabilityFails;
        const char* calls;
        bool radioOnAfter;
        std::u16string message;  // empty: none
        std::vector<Dot11RadioState> radiosAfter;
    };
    const std::u16string offFailed(kRadioOffFailedMessage.englishDefault);
    const std::u16string onFailed(kRadioOnFailedMessage.englishDefault);
    const std::u16string hardwareOff(kHardwareRadioOffMessage.englishDefault);
    const Case cases[] = {
        {"one PHY off", 1, true, kOn, 0, false, "0off", false, u"", {kOff}},
        {"three PHYs on, in order", 3, false, kOn, 0, false, "0on 1on 2on", true, u"", {kOn, kOn, kOn}},
        {"no PHYs: no call, still switched", 0, true, kOn, 0, false, "", false, u"", {}},
        {"hardware switch off", 2, false, kOff, 0, false, "0on!", false, hardwareOff, {kOff, kOff}},
        {"second PHY refuses off", 2, true, kOn, 2, false, "0off 1off! 0on", true, offFailed, {kOn, kOn}},
        {"second PHY refuses on", 2, false, kOn, 2, false, "0on 1on! 0off", false, onFailed, {kOff, kOff}},
        {"capability fails", 1, true, kOn, 0, true, "", true, offFailed, {kOn}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RadioHarness h(RadioScenario(c.phys, c.radioOn ? kOn : kOff, c.hardware));
        h.State().radioOn = c.radioOn;
        if (c.failFrom != 0)
            h.machine.Failures().FailAfter("WlanSetInterface", c.failFrom - 1, kRefused, 1);
        if (c.capabilityFails)
            h.machine.Failures().FailNext("WlanGetInterfaceCapability", kRefused);

        h.Radio().OnRadioButton();

        EXPECT_EQ(h.RadioCalls(), c.calls);
        EXPECT_EQ(h.State().radioOn, c.radioOnAfter);
        EXPECT_EQ(h.SoftwareRadios(), c.radiosAfter);
        EXPECT_EQ(h.view.messages,
                  c.message.empty() ? std::vector<std::u16string>{} : std::vector<std::u16string>{c.message});
        EXPECT_EQ(h.Count("WlanQueryInterface"), c.message == hardwareOff || c.message == onFailed ? 1u : 0u);
        const bool switched = c.message.empty();
        // The look, the controls and "Radio state" follow only a switch that took.
        EXPECT_EQ(h.view.looks.size(), switched ? 1u : 0u);
        if (switched) {
            EXPECT_EQ(h.view.looks.front().iconId, c.radioOnAfter ? IDI_RADIO_ON : IDI_RADIO_OFF);
            EXPECT_TRUE(h.view.looks.front().repaint);
            EXPECT_EQ(h.view.enabled[IDC_LINK_STATUS_BUTTON], c.radioOnAfter);
            EXPECT_TRUE(h.view.enabled[IDC_RADIO_BUTTON]);
            EXPECT_EQ(h.RadioState(), RegistryValue::Dword(c.radioOnAfter ? 1 : 0));
        } else {
            EXPECT_EQ(h.RadioState(), std::nullopt);
        }
        // In station mode nothing else is stopped, started or stored.
        EXPECT_EQ(h.CurrentMode(), std::nullopt);
        EXPECT_FALSE(h.timers.IsRunning(IDT_RADIO_ON_START));
    }
}

TEST(RadioButton, ChangesNothingWithoutAUsableInterfaceGuid) {
    for (const std::optional<std::u16string>& guid :
         {std::optional<std::u16string>(), std::optional(std::u16string(u"{not-a-guid}"))}) {
        RadioHarness h(RadioScenario(1, kOn, kOn));
        h.State().dhcpLaunchTimer = h.timers.SetTimer(IDT_DHCP_LAUNCH, 6000);
        h.Card() = guid;
        h.Log().Clear();
        h.Radio().OnRadioButton();
        EXPECT_TRUE(h.State().radioOn);
        EXPECT_EQ(h.Operations(), std::vector<std::string>{});
    }
}

// Off in AP+STA mode: the DHCP server, sharing and the network stop before the radio; on again: timer 107
// restarts them 2 s later, and one tick brings the network back.
TEST(RadioButton, OffAndOnInApStaModeStopsAndRestartsTheNetwork) {
    RadioHarness h(RadioScenario(1, kOn, kOn));
    h.StartApSta();
    h.Radio().OnRadioButton();
    EXPECT_FALSE(h.machine.Wlan().HostedNetworkRunning());
    EXPECT_TRUE(h.Hosted().apMode);
    EXPECT_EQ(h.CurrentMode(), RegistryValue::Dword(0));
    EXPECT_EQ(h.view.currentPage, ContentPage::kAbout);
    const std::vector<std::string> off = h.Operations();
    auto at = [&](const std::string& operation) {
        return std::find(off.begin(), off.end(), operation) - off.begin();
    };
    EXPECT_LT(at("View.ClearAssociationList"), at("View.ShowPleaseWait"));
    EXPECT_LT(at("View.ShowPleaseWait"), at("WlanHostedNetworkStopUsing"));
    EXPECT_LT(at("WlanHostedNetworkForceStop"), at("WlanSetInterface"));
    EXPECT_LT(at("WlanSetInterface"), at("View.ShowPage"));

    h.Radio().OnRadioButton();
    EXPECT_EQ(h.timers.Period(IDT_RADIO_ON_START), kRadioOnStartPeriodMs);
    EXPECT_FALSE(h.machine.Wlan().HostedNetworkRunning());
    h.model.OnTimer(IDT_RADIO_ON_START);
    EXPECT_TRUE(h.machine.Wlan().HostedNetworkRunning());
    EXPECT_FALSE(h.timers.IsRunning(IDT_RADIO_ON_START));
    EXPECT_EQ(h.CurrentMode(), RegistryValue::Dword(1));
    EXPECT_EQ(h.RadioState(), RegistryValue::Dword(1));
}

// Off and on again before timer 107 fired: a second "off" ends the wait, and the network starts once,
// from the last "on".
TEST(RadioButton, OffAndOnAgainWithinTwoSecondsStartsTheNetworkOnce) {
    RadioHarness h(RadioScenario(1, kOn, kOn));
    h.StartApSta();
    h.Radio().OnRadioButton();
    h.Radio().OnRadioButton();
    h.Radio().OnRadioButton();
    EXPECT_FALSE(h.timers.IsRunning(IDT_RADIO_ON_START));
    h.Radio().OnRadioButton();
    EXPECT_EQ(h.timers.Period(IDT_RADIO_ON_START), kRadioOnStartPeriodMs);
    h.model.OnTimer(IDT_RADIO_ON_START);
    EXPECT_TRUE(h.machine.Wlan().HostedNetworkRunning());
    EXPECT_EQ(h.Count("WlanHostedNetworkStartUsing"), 1u);
    EXPECT_EQ(h.CurrentMode(), RegistryValue::Dword(1));
}

// A radio that would not go off leaves AP+STA mode as it was: the network stopped on the way runs again.
TEST(RadioButton, FailedOffInApStaModeRestartsTheNetwork) {
    RadioHarness h(RadioScenario(1, kOn, kOn));
    h.StartApSta();
    h.machine.Failures().FailNext("WlanSetInterface", kRefused);
    h.Radio().OnRadioButton();
    EXPECT_TRUE(h.State().radioOn);
    EXPECT_TRUE(h.machine.Wlan().HostedNetworkRunning());
    EXPECT_EQ(h.CurrentMode(), RegistryValue::Dword(1));
    EXPECT_EQ(h.view.messages,
              std::vector<std::u16string>{std::u16string(kRadioOffFailedMessage.englishDefault)});
}

// Station mode that the registry would not take is told once the radio is off; when the radio refuses too,
// the network runs again and "Current Mode" still says so, and only the radio's failure is told.
TEST(RadioButton, OffInApStaModeTellsWhenStationModeIsNotStored) {
    struct Case {
        const char* name;
        bool radioRefuses;
        const LanguageString& message;
        bool radioOnAfter;
    };
    const Case cases[] = {
        {"radio off", false, kRegistrySaveFailedMessage, false},
        {"radio refuses", true, kRadioOffFailedMessage, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RadioHarness h(RadioScenario(1, kOn, kOn));
        h.StartApSta();
        h.machine.Failures().FailNext(op::kRegSetValueExW, 5);
        if (c.radioRefuses)
            h.machine.Failures().FailNext("WlanSetInterface", kRefused);
        h.Radio().OnRadioButton();
        EXPECT_EQ(h.view.messages, std::vector<std::u16string>{std::u16string(c.message.englishDefault)});
        EXPECT_EQ(h.State().radioOn, c.radioOnAfter);
        EXPECT_EQ(h.CurrentMode(), RegistryValue::Dword(1));
    }
}

}  // namespace
}  // namespace aerowisp
