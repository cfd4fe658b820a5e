// The simulated WLAN service where the program relies on it: stations by the clock, radio, refusals,
// injected failures and what the journal says about each call.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/operations.h"
#include "sim/sim_machine.h"
#include "sim_test_support.h"

namespace aerowisp {
namespace {

using testing_support::ParseOrFail;

constexpr MacAddress kFirstStation{0x8C, 0x3A, 0xE3, 0x11, 0x22, 0x33};
constexpr MacAddress kSecondStation{0x40, 0xB0, 0xFA, 0x44, 0x55, 0x66};

std::vector<MacAddress> Macs(const HostedNetworkStatus& status) {
    std::vector<MacAddress> macs;
    for (const HostedNetworkPeerState& peer : status.peers)
        macs.push_back(peer.macAddress);
    return macs;
}

class SimWlan : public testing::Test {
  protected:
    explicit SimWlan(const Scenario& scenario = DefaultScenario()) : machine_(scenario) {
        EXPECT_EQ(Wlan().OpenHandle(kWlanClientVersion, handle_), kWlanSuccess);
    }

    SimWlanService& Wlan() { return machine_.Wlan(); }
    Journal& Log() { return machine_.Journal(); }
    const Guid& CardGuid() { return Wlan().Cards().front().guid; }

    HostedNetworkStatus Status() {
        HostedNetworkStatus status;
        EXPECT_EQ(Wlan().HostedNetworkQueryStatus(handle_, status), kWlanSuccess);
        return status;
    }

    WlanResult SetRadio(uint32_t phy, Dot11RadioState state) {
        return Wlan().SetRadioState(handle_, CardGuid(), {phy, state, Dot11RadioState::kUnknown});
    }

    SimMachine machine_;
    WlanHandle handle_ = 0;
};

TEST_F(SimWlan, StationsJoinByTheClockAndLeaveWhenTheNetworkStops) {
    SimClock& clock = *machine_.ManualClock();
    ASSERT_EQ(Wlan().HostedNetworkStartUsing(handle_, nullptr), kWlanSuccess);
    EXPECT_TRUE(Status().peers.empty());

    clock.Advance(2999);
    EXPECT_TRUE(Status().peers.empty());
    clock.Advance(1);
    EXPECT_EQ(Macs(Status()), (std::vector<MacAddress>{kFirstStation}));
    clock.Advance(2000);
    const HostedNetworkStatus both = Status();
    EXPECT_EQ(both.state, HostedNetworkState::kActive);
    EXPECT_EQ(Macs(both), (std::vector<MacAddress>{kFirstStation, kSecondStation}));
    EXPECT_EQ(both.peers[1].authState, kPeerAuthenticated);
    EXPECT_EQ(both.channelFrequency, 2437u);

    Wlan().HostedNetworkStopUsing(handle_, nullptr);
    Wlan().HostedNetworkForceStop(handle_, nullptr);
    EXPECT_EQ(Status().state, HostedNetworkState::kIdle);
    EXPECT_TRUE(Status().peers.empty());

    // A new start counts from the new start.
    ASSERT_EQ(Wlan().HostedNetworkStartUsing(handle_, nullptr), kWlanSuccess);
    clock.Advance(4000);
    EXPECT_EQ(Macs(Status()), (std::vector<MacAddress>{kFirstStation}));
}

TEST(SimWlanClock, MachineRunsOnTheClockItIsGiven) {
    SimClock outside(0xFFFFF000);  // wraps while the network runs
    SimMachine machine(DefaultScenario(), outside);
    EXPECT_EQ(machine.ManualClock(), nullptr);
    WlanHandle handle = 0;
    machine.Wlan().OpenHandle(kWlanClientVersion, handle);
    machine.Wlan().HostedNetworkForceStart(handle, nullptr);
    outside.Advance(5000);
    EXPECT_EQ(machine.Wlan().Peers().size(), 2u);
}

TEST_F(SimWlan, SoftwareRadioOffStopsTheNetworkAndDisconnectsTheCard) {
    ASSERT_EQ(Wlan().HostedNetworkForceStart(handle_, nullptr), kWlanSuccess);
    EXPECT_EQ(SetRadio(0, Dot11RadioState::kOff), kWlanSuccess);

    EXPECT_FALSE(Wlan().HostedNetworkRunning());
    EXPECT_EQ(Wlan().SoftwareRadio(CardGuid(), 0), Dot11RadioState::kOff);
    EXPECT_EQ(Status().state, HostedNetworkState::kUnavailable);
    EXPECT_EQ(Wlan().HostedNetworkStartUsing(handle_, nullptr), kErrorInvalidState);
    WlanInterfaceQueryResult result;
    EXPECT_EQ(Wlan().QueryInterface(handle_, CardGuid(), WlanIntfOpcode::kInterfaceState, result),
              kWlanSuccess);
    EXPECT_EQ(result.value, static_cast<uint32_t>(WlanInterfaceState::kDisconnected));
    EXPECT_EQ(Wlan().QueryInterface(handle_, CardGuid(), WlanIntfOpcode::kCurrentConnection, result),
              kErrorInvalidState);

    EXPECT_EQ(SetRadio(0, Dot11RadioState::kOn), kWlanSuccess);
    EXPECT_FALSE(Wlan().HostedNetworkRunning());
    EXPECT_EQ(Wlan().HostedNetworkStartUsing(handle_, nullptr), kWlanSuccess);
    EXPECT_EQ(SetRadio(1, Dot11RadioState::kOff), kErrorInvalidParameter);
    EXPECT_EQ(Log().Find(op::kWlanSetInterface)[0].arguments,
              "handle=1 guid=3b5f8c21-9a4e-4d7b-b0c6-2e1f7a9d4c58 opcode=4 dataSize=12 phy=0 radio=off");
}

// The switch on the case wins: software "on" is refused while it is off, "off" is taken, and the radio
// query tells both states of each PHY.
TEST_F(SimWlan, HardwareSwitchOffRefusesSoftwareOn) {
    ASSERT_TRUE(Wlan().SetHardwareRadio(CardGuid(), 0, Dot11RadioState::kOff));
    EXPECT_EQ(SetRadio(0, Dot11RadioState::kOff), kWlanSuccess);
    EXPECT_EQ(SetRadio(0, Dot11RadioState::kOn), kErrorInvalidState);
    EXPECT_EQ(Wlan().SoftwareRadio(CardGuid(), 0), Dot11RadioState::kOff);
    WlanInterfaceQueryResult result;
    ASSERT_EQ(Wlan().QueryInterface(handle_, CardGuid(), WlanIntfOpcode::kRadioState, result), kWlanSuccess);
    EXPECT_EQ(result.dataSize, kWlanRadioStateSize);
    ASSERT_EQ(result.radioStates.size(), 1u);
    EXPECT_EQ(result.radioStates[0].softwareRadioState, Dot11RadioState::kOff);
    EXPECT_EQ(result.radioStates[0].hardwareRadioState, Dot11RadioState::kOff);
    EXPECT_EQ(Log().Find(op::kWlanQueryInterface).back().arguments,
              "handle=1 guid=3b5f8c21-9a4e-4d7b-b0c6-2e1f7a9d4c58 opcode=4 dataSize=772 phys=1 software=off "
              "hardware=off");
}

TEST(SimWlanRefusals, StartNeedsACardWithItsRadioOnAndTheNetworkAllowed) {
    constexpr char kTwoPhys[] = R"(
[Card]
Guid = 11111111-2222-3333-4444-555555555555
Description = Dual band card
Phys = 2
HardwareRadio = on, off
[Card]
Guid = 21111111-2222-3333-4444-555555555555
Description = Second card
)";
    Scenario notAllowed = DefaultScenario();
    notAllowed.hostedNetwork.allowed = false;
    struct Case {
        const char* label;
        Scenario scenario;
        HostedNetworkReason reason;
    };
    const Case cases[] = {
        {"no card", Scenario{}, HostedNetworkReason::kInterfaceUnavailable},
        {"hardware radio off on the second PHY", ParseOrFail(kTwoPhys),
         HostedNetworkReason::kInterfaceUnavailable},
        {"not allowed", notAllowed, HostedNetworkReason::kUnspecified},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SimMachine machine(c.scenario);
        WlanHandle handle = 0;
        machine.Wlan().OpenHandle(kWlanClientVersion, handle);
        HostedNetworkReason reason = HostedNetworkReason::kSuccess;
        EXPECT_EQ(machine.Wlan().HostedNetworkStartUsing(handle, &reason), kErrorInvalidState);
        EXPECT_EQ(reason, c.reason);
        EXPECT_EQ(machine.Wlan().HostedNetworkForceStart(handle, nullptr), kErrorInvalidState);
        HostedNetworkStatus status;
        machine.Wlan().HostedNetworkQueryStatus(handle, status);
        EXPECT_EQ(status.state, HostedNetworkState::kUnavailable);
    }
}

TEST_F(SimWlan, RemovingTheCardStopsTheNetwork) {
    ASSERT_EQ(Wlan().HostedNetworkStartUsing(handle_, nullptr), kWlanSuccess);
    const Guid card = CardGuid();
    EXPECT_TRUE(Wlan().RemoveCard(card));
    EXPECT_FALSE(Wlan().HostedNetworkRunning());
    WlanInterfaceList list;
    EXPECT_EQ(Wlan().EnumInterfaces(handle_, list), kWlanSuccess);
    EXPECT_TRUE(list.interfaces.empty());
    uint32_t phys = 0;
    EXPECT_EQ(Wlan().GetInterfaceCapability(handle_, card, phys), kErrorNotFound);
}

TEST_F(SimWlan, StartUsingLastsAsLongAsItsHandleForceStartUntilForceStop) {
    ASSERT_EQ(Wlan().HostedNetworkStartUsing(handle_, nullptr), kWlanSuccess);
    EXPECT_EQ(Wlan().CloseHandle(handle_), kWlanSuccess);
    EXPECT_FALSE(Wlan().HostedNetworkRunning());

    ASSERT_EQ(Wlan().OpenHandle(kWlanClientVersion, handle_), kWlanSuccess);
    ASSERT_EQ(Wlan().HostedNetworkForceStart(handle_, nullptr), kWlanSuccess);
    EXPECT_EQ(Wlan().HostedNetworkStopUsing(handle_, nullptr), kWlanSuccess);
    EXPECT_TRUE(Wlan().HostedNetworkRunning());
    EXPECT_EQ(Wlan().HostedNetworkForceStop(handle_, nullptr), kWlanSuccess);
    EXPECT_FALSE(Wlan().HostedNetworkRunning());
}

TEST_F(SimWlan, InjectedFailuresReplaceTheCallAndAreJournaled) {
    machine_.Failures().FailNext(op::kWlanHostedNetworkStartUsing, kErrorInvalidState, 1,
                                 static_cast<uint32_t>(HostedNetworkReason::kGpDenied));
    machine_.Failures().FailAlways(op::kWlanHostedNetworkQueryStatus, kErrorInvalidParameter);

    HostedNetworkReason reason = HostedNetworkReason::kSuccess;
    EXPECT_EQ(Wlan().HostedNetworkStartUsing(handle_, &reason), kErrorInvalidState);
    EXPECT_EQ(reason, HostedNetworkReason::kGpDenied);
    EXPECT_FALSE(Wlan().HostedNetworkRunning());
    EXPECT_EQ(Wlan().HostedNetworkStartUsing(handle_, nullptr), kWlanSuccess);
    HostedNetworkStatus status;
    EXPECT_EQ(Wlan().HostedNetworkQueryStatus(handle_, status), kErrorInvalidParameter);
    EXPECT_EQ(Wlan().HostedNetworkQueryStatus(handle_, status), kErrorInvalidParameter);
    machine_.Failures().Clear(op::kWlanHostedNetworkQueryStatus);
    EXPECT_EQ(Wlan().HostedNetworkQueryStatus(handle_, status), kWlanSuccess);

    const std::vector<JournalEntry> expected = {
        {"WlanOpenHandle", "clientVersion=2 handle=1", 0},
        {"WlanHostedNetworkStartUsing", "handle=1 reason=gp_denied", kErrorInvalidState},
        {"WlanHostedNetworkStartUsing", "handle=1", 0},
        {"WlanHostedNetworkQueryStatus", "handle=1", kErrorInvalidParameter},
        {"WlanHostedNetworkQueryStatus", "handle=1", kErrorInvalidParameter},
        {"WlanHostedNetworkQueryStatus", "handle=1 state=active peers=0", 0},
    };
    EXPECT_EQ(Log().Entries(), expected);
}

// "From = 2, Times = 1": the first call passes, the second fails, the third passes again; without Times
// every call from the Nth on fails.
TEST(SimWlanFailures, ScenarioFailureFromTheNthCall) {
    SimMachine machine(
        ParseOrFail(std::string(DefaultScenarioText()) +
                    "[Failure]\nOperation = WlanOpenHandle\nError = 1062\nFrom = 2\nTimes = 1\n"
                    "[Failure]\nOperation = WlanEnumInterfaces\nError = 13\nFrom = 3\n"));
    WlanHandle handle = 0;
    WlanInterfaceList list;
    std::vector<WlanResult> opens;
    std::vector<WlanResult> enums;
    for (int call = 0; call < 4; ++call) {
        opens.push_back(machine.Wlan().OpenHandle(kWlanClientVersion, handle));
        enums.push_back(machine.Wlan().EnumInterfaces(handle, list));
    }
    EXPECT_EQ(opens, (std::vector<WlanResult>{0, 1062, 0, 0}));
    EXPECT_EQ(enums, (std::vector<WlanResult>{0, 0, 13, 13}));
}

TEST(SimWlanFailures, ScenarioFailuresCountDown) {
    SimMachine machine(ParseOrFail(std::string(DefaultScenarioText()) +
                                   "[Failure]\nOperation = WlanOpenHandle\nError = 1062\nTimes = 2\n"));
    WlanHandle handle = 0;
    EXPECT_EQ(machine.Wlan().OpenHandle(kWlanClientVersion, handle), 1062u);
    EXPECT_EQ(machine.Wlan().OpenHandle(kWlanClientVersion, handle), 1062u);
    EXPECT_EQ(handle, 0u);
    EXPECT_EQ(machine.Wlan().OpenHandle(kWlanClientVersion, handle), kWlanSuccess);
    EXPECT_NE(handle, 0u);
}

TEST_F(SimWlan, SettingsAndKeyAreJournaledAndKept) {
    HostedNetworkConnectionSettings settings;
    settings.ssid.length = 10;
    std::copy_n("HomeNet AP", 10, settings.ssid.ssid.begin());
    settings.maxNumberOfPeers = 20;
    EXPECT_EQ(Wlan().HostedNetworkInitSettings(handle_, nullptr), kWlanSuccess);
    EXPECT_EQ(Wlan().StoredConnectionSettings().ssid.length, 20u);  // "AEROWISP-SIM_Network"
    EXPECT_EQ(Wlan().HostedNetworkSetConnectionSettings(handle_, settings, nullptr), kWlanSuccess);
    EXPECT_EQ(Wlan().HostedNetworkInitSettings(handle_, nullptr), kWlanSuccess);
    EXPECT_EQ(Wlan().HostedNetworkSetEnable(handle_, true, nullptr), kWlanSuccess);
    EXPECT_EQ(Wlan().HostedNetworkSetSecondaryKey(handle_, "secret \"63\"\xB5", true, true, nullptr),
              kWlanSuccess);
    EXPECT_EQ(Wlan().HostedNetworkSetSecondaryKey(handle_, "short", true, true, nullptr),
              kErrorInvalidParameter);

    EXPECT_EQ(Wlan().StoredConnectionSettings().ssid.length, 10u);
    EXPECT_EQ(Wlan().StoredConnectionSettings().maxNumberOfPeers, 20u);
    EXPECT_EQ(Wlan().StoredKey(), (HostedNetworkKey{"secret \"63\"\xB5", true, true}));
    EXPECT_TRUE(Wlan().HostedNetworkAllowed());

    const auto properties = Log().Find(op::kWlanHostedNetworkSetProperty);
    ASSERT_EQ(properties.size(), 2u);
    EXPECT_EQ(properties[0].arguments,
              R"(handle=1 opcode=0 dataSize=40 ssid="HomeNet AP" ssidLength=10 maxPeers=20)");
    EXPECT_EQ(properties[1].arguments, "handle=1 opcode=3 dataSize=4 enable=1");
    const auto keys = Log().Find(op::kWlanHostedNetworkSetSecondaryKey);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].arguments,
              R"(handle=1 keyLength=13 key="secret \"63\"\xB5" passphrase=1 persistent=1)");
    EXPECT_EQ(keys[1].result, kErrorInvalidParameter);
}

TEST_F(SimWlan, QueriesAnswerLikeTheService) {
    WlanInterfaceQueryResult result;
    ASSERT_EQ(Wlan().QueryInterface(handle_, CardGuid(), WlanIntfOpcode::kCurrentConnection, result),
              kWlanSuccess);
    EXPECT_EQ(result.dataSize, kWlanConnectionAttributesSize);
    const WlanConnectionAttributes& c = result.connection;
    EXPECT_EQ(std::string(c.ssid.ssid.begin(), c.ssid.ssid.begin() + c.ssid.length), "HomeNet");
    EXPECT_EQ(c.state, WlanInterfaceState::kConnected);
    EXPECT_EQ(c.rxRate, 130000u);
    EXPECT_TRUE(c.securityEnabled);

    ASSERT_EQ(Wlan().QueryInterface(handle_, CardGuid(), WlanIntfOpcode::kChannelNumber, result),
              kWlanSuccess);
    EXPECT_EQ(result.value, 6u);
    EXPECT_EQ(Wlan().QueryInterface(handle_, Guid{}, WlanIntfOpcode::kInterfaceState, result),
              kErrorNotFound);
    EXPECT_EQ(Wlan().QueryInterface(handle_, Guid{}, WlanIntfOpcode::kRadioState, result), kErrorNotFound);
    WlanHandle other = 0;
    EXPECT_EQ(Wlan().OpenHandle(3, other), kErrorInvalidParameter);
    EXPECT_EQ(Wlan().EnumInterfaces(0, *std::make_unique<WlanInterfaceList>()), kErrorInvalidHandle);
}

}  // namespace
}  // namespace aerowisp
