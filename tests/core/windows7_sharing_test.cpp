// Sharing on a machine that behaves like a fresh Windows 7: the sharing service disabled, a firewall that
// drops what no rule allows, stale sharing records, sharing's own address allocator and the default route.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/ics/connection_sharing_control.h"
#include "core/ics/dhcp_server_firewall.h"
#include "core/ics/sharing_service_start.h"
#include "core/resource.h"
#include "core/text/utf16_text.h"
#include "sim/operations.h"
#include "support/sharing_harness.h"

namespace aerowisp {
namespace {

// Two wired connections, the second holding the default route; each case adds its own sections.
constexpr std::string_view kConnections = R"(
[Connection]
Name = VirtualBox Host-Only Network
Device = VirtualBox Host-Only Ethernet Adapter
Guid = 8d2e6a10-4c3b-4f9e-a57d-0b1c2d3e4f51

[Connection]
Name = Local Area Connection
Device = Realtek PCIe GBE Family Controller
Guid = 8d2e6a10-4c3b-4f9e-a57d-0b1c2d3e4f50
DefaultRoute = yes
)";

constexpr char16_t kRealtek[] = u"Realtek PCIe GBE Family Controller";
constexpr char16_t kVirtualBox[] = u"VirtualBox Host-Only Ethernet Adapter";

// The sharing service running, as the sharing manager leaves it.
constexpr std::string_view kRunningService = R"(
[Service]
Name = SharedAccess
StartType = automatic
State = running
DependsOn = BFE
)";

struct Machine : test::SharingHarness {
    explicit Machine(std::string_view sections = "", std::u16string chosen = kRealtek)
        : test::SharingHarness(kConnections, sections, std::move(chosen)) {}
    bool Start() { return Sharing().StartConnectionSharing(); }
    void LaunchServer() { model.OnTimer(IDT_DHCP_LAUNCH); }
    std::string Told() {
        std::string told;
        for (const JournalEntry& entry : Log().Entries()) {
            if (entry.operation == "Tray.ShowBalloon" || entry.operation == "Tray.ShowInfoBalloon" ||
                entry.operation == "View.ShowMessage")
                told += entry.operation + " " + entry.arguments + "\n";
        }
        return told;
    }
    std::vector<std::string> Calls(std::initializer_list<std::string_view> operations) {
        std::vector<std::string> calls;
        for (const JournalEntry& entry : Log().Entries()) {
            if (std::ranges::find(operations, entry.operation) != operations.end())
                calls.push_back(entry.operation + " " + entry.arguments + " -> " +
                                std::to_string(entry.result));
        }
        return calls;
    }
};

TEST(SharingService, FreshMachineStartsServiceAndDependenciesThenShares) {
    Machine h;
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(h.Calls({op::kChangeServiceConfigW, op::kStartServiceW}),
              (std::vector<std::string>{
                  R"(ChangeServiceConfigW service="SharedAccess" startType=automatic -> 0)",
                  R"(StartServiceW service="Netman" -> 0)", R"(StartServiceW service="RasMan" -> 0)",
                  R"(StartServiceW service="SharedAccess" -> 0)"}));
    EXPECT_NE(h.Told().find("Tray.ShowInfoBalloon"), std::string::npos) << h.Told();
    EXPECT_EQ(h.machine.Services().StateOf(kSharingServiceName), ServiceState::kRunning);
    h.Log().Clear();
    h.Sharing().StopConnectionSharing();
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(h.Count(op::kStartServiceW), 0u) << "a running service is left alone";
    EXPECT_EQ(h.Told(), "");
}

TEST(SharingService, StartThatFailsNamesServiceAndReason) {
    struct Case {
        const char* label;
        std::string sections;
        std::string told;  // part of the message
    };
    const Case cases[] = {
        {"dependency fails", "[Service]\nName = RasMan\nStartError = 1068\n",
         "\"RasMan\" could not be started"},
        {"disabled again", "[Failure]\nOperation = ChangeServiceConfigW\nError = 5\n",
         "Administrator rights"},
        {"service missing", "[Failure]\nOperation = QueryServiceConfigW\nError = 1060\n", "not installed"},
        {"start refused", "[Service]\nName = SharedAccess\nStartType = manual\nStartError = 1079\n",
         "Error code: 1079"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Machine h(c.sections);
        EXPECT_FALSE(h.Start());
        EXPECT_EQ(h.Count(op::kEnableSharing), 0u);
        const std::string detail = Utf16ToUtf8(h.Sharing().FailureDetail());
        EXPECT_NE(detail.find(c.told), std::string::npos) << detail;
    }
}

TEST(SharingErrors, EachHresultIsToldInWords) {
    struct Case {
        std::string_view operation;
        uint32_t hresult;
        const char* words;
    };
    const Case cases[] = {
        {op::kEnableSharing, 0x80070422, "service is disabled"},
        {op::kEnableSharing, 0x8007042C, "could not be started (Base Filtering Engine"},
        {op::kEnableSharing, 0x80040201, "no longer there"},
        {op::kEnableSharing, 0x80070005, "administrator rights"},
        {op::kEnableSharing, 0x80004005, "Error code: 0x80004005"},
        {op::kCoCreateInstance, 0x80040154, "Error code: 0x80040154"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words);
        Machine h;
        h.machine.Failures().FailAlways(c.operation, c.hresult);
        EXPECT_FALSE(h.Start());
        EXPECT_NE(Utf16ToUtf8(h.Sharing().FailureDetail()).find(c.words), std::string::npos)
            << Utf16ToUtf8(h.Sharing().FailureDetail());
    }
}

// A modem that was shared and is gone: the service keeps its record and refuses every enable.
const std::string kStaleModem = std::string(kRunningService) + R"(
[Connection]
Name = Dial-up Connection
Device = Huawei Mobile Connect - Modem
Guid = 8d2e6a10-4c3b-4f9e-a57d-0b1c2d3e4f59
Media = phone
Present = no
Sharing = public
)";

TEST(StaleRecords, AreUnsharedThroughTheServiceListsAndTheStartTriedAgain) {
    Machine h(kStaleModem);
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(
        h.Calls({op::kEnableSharing, op::kGetEnumPublicConnections, op::kDisableSharing}),
        (std::vector<std::string>{
            // The chosen connection is unshared before it is shared, whatever its state.
            R"(INetSharingConfiguration::DisableSharing connection="Local Area Connection" -> 0)",
            R"(INetSharingConfiguration::EnableSharing connection="Local Area Connection" type=public -> 2147746305)",
            R"(INetSharingConfiguration::EnableSharing connection="Wireless Network Connection 2" type=private -> 2147746305)",
            "INetSharingManager::get_EnumPublicConnections connections=1 -> 0",
            R"(INetSharingConfiguration::DisableSharing connection="Dial-up Connection" -> 0)",
            R"(INetSharingConfiguration::DisableSharing connection="Local Area Connection" -> 0)",
            R"(INetSharingConfiguration::EnableSharing connection="Local Area Connection" type=public -> 0)",
            R"(INetSharingConfiguration::EnableSharing connection="Wireless Network Connection 2" type=private -> 0)",
        }));
    EXPECT_EQ(h.machine.Network().SharingOf(u"Dial-up Connection"), SharingState::kNone);
}

TEST(StaleRecords, StopLeavesNothingSharedWhoeverSharedIt) {
    Machine h(std::string(kRunningService) + R"(
[Connection]
Name = Bluetooth Network Connection
Device = Bluetooth Device (Personal Area Network)
Guid = 8d2e6a10-4c3b-4f9e-a57d-0b1c2d3e4f58
Sharing = private
)");
    EXPECT_TRUE(h.Sharing().StopConnectionSharing());
    EXPECT_EQ(h.machine.Network().StateSummary(), R"(public=none private=none virtualAddress="dhcp")");
}

TEST(DhcpServerRule, IsMadeSureOfBeforeTheServerStarts) {
    const std::string wanted =
        R"(INetFwRules::Add name="Aerowisp DHCP Server" program="C:\\Program Files\\Aerowisp\\DhcpServer.exe" )"
        R"(protocol=17 localPorts="67" direction=in action=allow profiles=2147483647 enabled=1 -> 0)";
    struct Case {
        const char* label;
        std::string sections;
        std::vector<std::string> calls;
        const char* leases;
    };
    const Case cases[] = {
        {"fresh machine",
         "",
         {R"(INetFwPolicy2::get_Rules name="Aerowisp DHCP Server" rules=0 -> 0)", wanted},
         "DhcpServer.exe"},
        {"installed rule",
         "[FirewallRule]\nName = Aerowisp DHCP Server\nProgram = C:\\PROGRAM "
         "FILES\\Aerowisp\\DhcpServer.exe\n"
         "LocalPorts = 67\n",
         {R"(INetFwPolicy2::get_Rules name="Aerowisp DHCP Server" rules=1 -> 0)"},
         "DhcpServer.exe"},
        {"rule of an old folder",
         "[FirewallRule]\nName = Aerowisp DHCP Server\nProgram = D:\\Old\\DhcpServer.exe\nLocalPorts = 67\n",
         {R"(INetFwPolicy2::get_Rules name="Aerowisp DHCP Server" rules=1 -> 0)",
          R"(INetFwRules::Remove name="Aerowisp DHCP Server" -> 0)", wanted},
         "DhcpServer.exe"},
        {"add refused",
         "[Failure]\nOperation = INetFwRules::Add\nError = 0x80070005\n",
         {R"(INetFwPolicy2::get_Rules name="Aerowisp DHCP Server" rules=0 -> 0)",
          wanted.substr(0, wanted.size() - 1) + "2147942405"},
         "none"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Machine h(c.sections);
        ASSERT_TRUE(h.Start());
        h.Log().Clear();
        h.LaunchServer();
        EXPECT_EQ(h.Calls({op::kFwGetRules, op::kFwAddRule, op::kFwRemoveRule}), c.calls);
        EXPECT_EQ(h.Count(op::kCreateProcessW), 1u) << "the server starts";
        EXPECT_EQ(h.machine.StationLeaseSource(), c.leases);
        EXPECT_EQ(h.Told().find("Tray.ShowBalloon") != std::string::npos, std::string(c.leases) == "none")
            << h.Told();
    }
}

TEST(SharingAllocator, AnswersUntilTheAddressMovesAndScopeAddressInOurNetworkIsTold) {
    struct Case {
        const char* label;
        std::string sections;
        const char* leases;
        bool told;
    };
    const Case cases[] = {
        {"default scope", "", "DhcpServer.exe", false},
        {"scope elsewhere", "[SharingService]\nScopeAddress = 10.0.0.1\n", "DhcpServer.exe", false},
        {"scope in 192.168.139.0/24", "[SharingService]\nScopeAddress = 192.168.139.1\n", "both", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Machine h(c.sections + "[Failure]\nOperation = CreateProcessW\nError = 2\nFrom = 2\n");
        h.Start();
        EXPECT_EQ(h.machine.StationLeaseSource(), "sharing") << "static address not set yet";
        h.machine.Failures().ClearAll();
        h.Start();
        h.LaunchServer();
        EXPECT_EQ(h.machine.StationLeaseSource(), c.leases);
        EXPECT_EQ(h.Told().find("ScopeAddress") != std::string::npos, c.told) << h.Told();
    }
}

TEST(DefaultRoute, FirstShareTakesTheConnectionToTheInternet) {
    struct Case {
        const char* label;
        std::u16string stored;
        std::string sections;
        std::u16string shared;
    };
    const Case cases[] = {
        {"no stored choice", u"", "", kRealtek},
        {"stored choice gone", u"Old Adapter", "", kRealtek},
        {"stored choice listed", kVirtualBox, "", kVirtualBox},
        {"no route", u"", "[Failure]\nOperation = GetBestInterface\nError = 1003\n", kVirtualBox},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Machine h(c.sections, c.stored);
        h.SetIni(u"Net", u"secret-key");
        EXPECT_TRUE(h.Control().SwitchToApStaMode());
        EXPECT_EQ(h.State().chosenConnection, c.shared);
    }
}

}  // namespace
}  // namespace aerowisp
