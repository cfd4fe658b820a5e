// Reading scenario files: every section and key, the built-in scenario, and errors by line.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "sim/operations.h"
#include "sim/scenario.h"
#include "sim_test_support.h"

namespace aerowisp {
namespace {

using testing_support::ParseOrFail;

constexpr char kFullScenario[] = R"(; every section once
[Machine]
StartTick = 0x10
ComputerName = LAPTOP
ProgramFolder = D:\Tools\

[Card]
Guid = {3B5F8C21-9A4E-4D7B-B0C6-2E1F7A9D4C58}
Description = First card
Phys = 2
SoftwareRadio = on, off
HardwareRadio = off
State = ad_hoc_network_formed
Ssid = Cafe Net
BssType = independent
Bssid = 00:24:01:5a:3c:7e
PhyType = 6
SignalQuality = 120
RxRate = 54000
TxRate = 48000
Auth = wpa_psk
Cipher = 0x100
Channel = 11

[card]
guid = 11111111-2222-3333-4444-555555555555
DESCRIPTION = Second card
Phys = 0

[Connection]
Name = Local Area Connection
Device = Realtek PCIe GBE Family Controller
Guid = 8d2e6a10-4c3b-4f9e-a57d-0b1c2d3e4f50
Mac = 00-1E-68-4B-2C-90
Status = media_disconnected
Type = wireless
Sharing = public

[HostedNetwork]
Allowed = no
Ssid = Duva AP
MaxPeers = 20
Key = secret123
Passphrase = yes
Persistent = no
Running = yes

[Station]
Mac = 8C-3A-E3-11-22-33
JoinAfter = 3000
Authenticated = no

[Failure]
Operation = wlanhostednetworkstartusing
Error = 5023
Times = 2
Reason = Interface_Unavailable

[Failure]
Operation = RegCreateKeyExW
Error = 5

[Registry]
Current Mode = dword:0x1
ICS CardName = sz:Realtek = wired
Path = expand_sz:%TEMP%\x
Blob = binary:01 02,ff

[Registry]
Key = Software\Other
ReadOnly = yes

[Ini]
SSID = Duva AP
KEY =
)";

TEST(Scenario, ReadsEverySection) {
    const Scenario s = ParseOrFail(kFullScenario);
    EXPECT_EQ(s.machine.startTick, 16u);
    EXPECT_EQ(s.machine.computerName, u"LAPTOP");
    EXPECT_EQ(s.machine.programFolder, u"D:\\Tools\\");

    ASSERT_EQ(s.cards.size(), 2u);
    const ScenarioCard& card = s.cards[0];
    EXPECT_EQ(GuidToString(card.guid), u"3b5f8c21-9a4e-4d7b-b0c6-2e1f7a9d4c58");
    EXPECT_EQ(card.description, u"First card");
    ASSERT_EQ(card.phys.size(), 2u);
    EXPECT_EQ(card.phys[0].software, Dot11RadioState::kOn);
    EXPECT_EQ(card.phys[1].software, Dot11RadioState::kOff);
    EXPECT_EQ(card.phys[1].hardware, Dot11RadioState::kOff);
    EXPECT_EQ(card.state, WlanInterfaceState::kAdHocNetworkFormed);
    EXPECT_EQ(card.ssid, "Cafe Net");
    EXPECT_EQ(card.bssType, Dot11BssType::kIndependent);
    EXPECT_EQ(card.bssid, (MacAddress{0x00, 0x24, 0x01, 0x5A, 0x3C, 0x7E}));
    EXPECT_EQ(card.phyType, 6u);
    EXPECT_EQ(card.signalQuality, 120u);
    EXPECT_EQ(card.rxRate, 54000u);
    EXPECT_EQ(card.txRate, 48000u);
    EXPECT_EQ(card.authAlgorithm, 4u);
    EXPECT_EQ(card.cipherAlgorithm, 0x100u);
    EXPECT_EQ(card.channel, 11u);
    EXPECT_EQ(s.cards[1].description, u"Second card");
    EXPECT_TRUE(s.cards[1].phys.empty());

    ASSERT_EQ(s.connections.size(), 1u);
    EXPECT_EQ(s.connections[0].deviceName, u"Realtek PCIe GBE Family Controller");
    EXPECT_EQ(s.connections[0].status, 7u);
    EXPECT_EQ(s.connections[0].adapterType, kIfTypeIeee80211);
    EXPECT_EQ(s.connections[0].sharing, SharingState::kPublic);

    EXPECT_FALSE(s.hostedNetwork.allowed);
    EXPECT_EQ(s.hostedNetwork.ssid, "Duva AP");
    EXPECT_EQ(s.hostedNetwork.maxPeers, 20u);
    EXPECT_EQ(s.hostedNetwork.key, "secret123");
    EXPECT_FALSE(s.hostedNetwork.persistent);
    EXPECT_TRUE(s.hostedNetwork.running);

    ASSERT_EQ(s.stations.size(), 1u);
    EXPECT_EQ(s.stations[0].joinAfter, 3000u);
    EXPECT_FALSE(s.stations[0].authenticated);

    ASSERT_EQ(s.failures.size(), 2u);
    EXPECT_EQ(s.failures[0].operation, op::kWlanHostedNetworkStartUsing);
    EXPECT_EQ(s.failures[0].times, 2u);
    EXPECT_FALSE(s.failures[1].times.has_value());
    EXPECT_EQ(s.failures[0].reason, static_cast<uint32_t>(HostedNetworkReason::kInterfaceUnavailable));
    EXPECT_EQ(s.failures[1].reason, 0u);

    ASSERT_EQ(s.registry.size(), 2u);
    const auto& values = s.registry[0].values;
    ASSERT_EQ(values.size(), 4u);
    EXPECT_EQ(s.registry[0].path, u"Software\\Duva DI");
    EXPECT_EQ(values[0].second, RegistryValue::Dword(1));
    EXPECT_EQ(values[1].second, RegistryValue::Sz(u"Realtek = wired"));
    EXPECT_EQ(values[2].first, u"Path");
    EXPECT_EQ(values[2].second, RegistryValue::ExpandSz(u"%TEMP%\\x"));
    EXPECT_EQ(values[3].second, RegistryValue::Binary({1, 2, 0xFF}));
    EXPECT_EQ(s.registry[1].path, u"Software\\Other");
    EXPECT_TRUE(s.registry[1].readOnly);

    ASSERT_EQ(s.iniFiles.size(), 1u);
    EXPECT_EQ(IniFilePath(s.machine, s.iniFiles[0]), u"D:\\Tools\\DuvaDI.ini");
    EXPECT_EQ(s.iniFiles[0].entries[1], (std::pair<std::u16string, std::u16string>{u"KEY", u""}));
}

TEST(Scenario, BuiltInScenarioDescribesTheHomeLaptop) {
    const Scenario s = ParseOrFail(DefaultScenarioText());
    ASSERT_EQ(s.cards.size(), 1u);
    EXPECT_EQ(s.cards[0].description, u"Simulated 802.11n Wireless LAN Card");
    EXPECT_EQ(s.cards[0].state, WlanInterfaceState::kConnected);
    EXPECT_EQ(s.cards[0].ssid, "HomeNet");
    EXPECT_EQ(s.cards[0].channel, 6u);
    EXPECT_EQ(s.cards[0].authAlgorithm, kDot11AuthRsnaPsk);
    EXPECT_EQ(s.cards[0].cipherAlgorithm, kDot11CipherCcmp);
    const auto wired =
        std::find_if(s.connections.begin(), s.connections.end(),
                     [](const ScenarioConnection& c) { return c.name == u"Local Area Connection"; });
    ASSERT_NE(wired, s.connections.end());
    EXPECT_EQ(wired->deviceName, u"Realtek PCIe GBE Family Controller");
    ASSERT_EQ(s.stations.size(), 2u);
    EXPECT_EQ(s.stations[0].joinAfter, 3000u);
    EXPECT_EQ(s.stations[1].joinAfter, 5000u);
}

TEST(Scenario, EachMalformedLineIsNamed) {
    struct Case {
        const char* text;
        int line;
        const char* message;
    };
    const Case cases[] = {
        {"Ssid = x\n", 1, "text outside a section: 'Ssid = x'"},
        {"; comment\n[Cards]\n", 2, "unknown section [Cards]"},
        {"[Machine\n", 1, "section header without closing ']'"},
        {"[]\n", 1, "empty section name"},
        {"[Station]\nMac = 00-11-22-33-44-55\nColour = red\n", 3, "unknown key 'Colour' in [Station]"},
        {"[Machine]\nStartTick\n", 2, "expected 'key = value', found 'StartTick'"},
        {"[Machine]\n = 5\n", 2, "missing key before '='"},
        {"[Station]\nMac = 00-11-22-33-44-55\nJoinAfter = soon\n", 3, "bad number 'soon' for JoinAfter"},
        {"[Station]\nMac = 00-11-22-33-44-55\nJoinAfter = -1\n", 3, "bad number '-1' for JoinAfter"},
        {"[Station]\nMac = 00-11-22-33-44-55\nJoinAfter = 4294967296\n", 3,
         "number out of range '4294967296' for JoinAfter"},
        {"[Station]\nMac = 00-11-22-33-44\n", 2, "bad MAC address '00-11-22-33-44' for Mac"},
        {"[Station]\nMac = 00-11-22-33-44-5G\n", 2, "bad MAC address '00-11-22-33-44-5G' for Mac"},
        {"[Station]\nMac = 00-11-22-33-44-55\nAuthenticated = maybe\n", 3,
         "expected yes or no, found 'maybe' for Authenticated"},
        {"[Station]\nJoinAfter = 1\n", 1, "[Station] needs Mac"},
        {"[Card]\nGuid = 3b5f8c21-9a4e\nDescription = x\n", 2, "bad GUID '3b5f8c21-9a4e' for Guid"},
        {"[Card]\nDescription = x\n", 1, "[Card] needs Guid"},
        {"[Card]\nGuid = 11111111-2222-3333-4444-555555555555\nDescription = x\nState = flying\n", 4,
         "unknown value 'flying' (expected a number or one of: not_ready, connected, ad_hoc_network_formed, "
         "disconnecting, disconnected, associating, discovering, authenticating) for State"},
        {"[Card]\nGuid = 11111111-2222-3333-4444-555555555555\nDescription = x\nPhys = 2\nSoftwareRadio = "
         "on, off, on\n",
         5, "SoftwareRadio lists 3 states for 2 PHYs"},
        {"[Card]\nGuid = 11111111-2222-3333-4444-555555555555\nDescription = x\nPhys = 65\n", 4,
         "more than 64 PHYs for Phys"},
        {"[Card]\nGuid = 11111111-2222-3333-4444-555555555555\nGuid = 11111111-2222-3333-4444-555555555555\n"
         "Description = x\n",
         3, "Guid given twice in [Card] (first on line 2)"},
        {"[Card]\nGuid = 11111111-2222-3333-4444-555555555555\nDescription = \xC3\x28\n", 3,
         "text is not valid UTF-8 for Description"},
        {"[HostedNetwork]\nSsid = 123456789012345678901234567890123\n", 2,
         "SSID longer than 32 bytes '123456789012345678901234567890123' for Ssid"},
        {"[Machine]\n[Machine]\n", 2, "[Machine] may appear only once (first on line 1)"},
        {"[Machine]\nProgramFolder = C:\\Aerowisp\n", 2,
         "the folder must end with a backslash for ProgramFolder"},
        {"[Connection]\nName = a\nDevice = b\nGuid = 11111111-2222-3333-4444-555555555555\nMac = "
         "00-11-22-33-44-55\n"
         "Sharing = 1\n",
         6, "unknown value '1' (expected one of: none, public, private) for Sharing"},
        {"[Connection]\nName = a\nDevice = b\nGuid = 11111111-2222-3333-4444-555555555555\n"
         "NullProperties = guid, mac\n",
         5, "unknown property 'mac' (expected guid, name or device) for NullProperties"},
        {"[Connection]\nName = a\nDevice = b\nGuid = 11111111-2222-3333-4444-555555555555\nRegistryName = "
         "a\n",
         5, "a registry value needs a type: dword:, sz:, expand_sz: or binary:, found 'a' for RegistryName"},
        {"[Failure]\nOperation = WlanFly\nError = 5\n", 2, "unknown operation 'WlanFly' for Operation"},
        {"[Failure]\nOperation = WlanHostedNetworkStartUsing\nError = 5\nReason = sleepy\n", 4,
         "unknown value 'sleepy' (expected a number or a WLAN_HOSTED_NETWORK_REASON name without its "
         "prefix, such as interface_unavailable) for Reason"},
        {"[Failure]\nOperation = RegCloseKey\nError = 5\nTimes = 0\n", 4,
         "expected a count of at least 1 or 'always', found '0' for Times"},
        {"[Failure]\nOperation = RegCloseKey\nError = 5\nFrom = 0\n", 4,
         "expected a call number of at least 1, found '0' for From"},
        {"[Registry]\nCurrent Mode = 1\n", 2,
         "a registry value needs a type: dword:, sz:, expand_sz: or binary:, found '1' for Current Mode"},
        {"[Registry]\nCurrent Mode = dword:x\n", 2, "bad number 'x' for Current Mode"},
        {"[Registry]\nBlob = binary:0\n", 2, "bad binary data '0' for Blob"},
        {"[Registry]\nA = dword:1\na = dword:2\n", 3, "registry value 'a' given twice"},
        {"[Ini]\nSSID = a\nssid = b\n", 3, "INI entry 'ssid' given twice"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ScenarioResult result = ParseScenario(c.text);
        EXPECT_FALSE(result.scenario.has_value());
        ASSERT_EQ(result.errors.size(), 1u);
        EXPECT_EQ(result.errors[0].line, c.line);
        EXPECT_EQ(result.errors[0].message, c.message);
    }
}

TEST(Scenario, AllErrorsAreReportedInLineOrder) {
    const ScenarioResult result = ParseScenario(
        "[Card]\nGuid = 11111111-2222-3333-4444-555555555555\nDescription = a\n"
        "[Card]\nGuid = 11111111-2222-3333-4444-555555555555\nDescription = b\nChannel = six\n"
        "[Bogus]\n");
    ASSERT_EQ(result.errors.size(), 3u);
    EXPECT_EQ(result.errors[0].ToString(), "line 4: a card with this Guid is already on line 1");
    EXPECT_EQ(result.errors[1].ToString(), "line 7: bad number 'six' for Channel");
    EXPECT_EQ(result.errors[2].ToString(), "line 8: unknown section [Bogus]");
}

TEST(Scenario, AcceptsByteOrderMarkCrLfAndEmptyText) {
    const Scenario s = ParseOrFail("\xEF\xBB\xBF[Station]\r\nMac = 00-11-22-33-44-55\r\n\r\n# done\r\n");
    ASSERT_EQ(s.stations.size(), 1u);
    EXPECT_TRUE(ParseScenario("").scenario.has_value());
}

TEST(Scenario, LoadsFromFile) {
    const std::filesystem::path path =
        std::filesystem::path(testing::TempDir()) / "aerowisp-scenario-test.ini";
    {
        std::ofstream file(path, std::ios::binary);
        file << "[Station]\nMac = 00-11-22-33-44-55\nJoinAfter = 7\n";
    }
    const ScenarioResult loaded = LoadScenarioFile(path.u16string());
    std::filesystem::remove(path);
    ASSERT_TRUE(loaded.scenario.has_value());
    EXPECT_EQ(loaded.scenario->stations[0].joinAfter, 7u);

    const ScenarioResult missing = LoadScenarioFile(path.u16string());
    ASSERT_EQ(missing.errors.size(), 1u);
    EXPECT_EQ(missing.errors[0].line, 0);
    EXPECT_NE(missing.errors[0].message.find("cannot read the scenario file"), std::string::npos);
    EXPECT_FALSE(LoadScenarioFile(std::filesystem::temp_directory_path().u16string()).scenario.has_value());
}

}  // namespace
}  // namespace aerowisp
