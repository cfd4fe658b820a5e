// Connection sharing on the simulated machine: the refresh of the connections, the adapter scan, the start
// and stop of sharing with the virtual adapter's address and the DHCP server, and what the machine is
// left with afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "core/ics/connection_sharing_control.h"
#include "core/resource.h"
#include "sim/operations.h"
#include "support/sharing_harness.h"

namespace aerowisp {
namespace {

using Steps = std::vector<std::string>;

// One wired connection; each case adds its own sections.
constexpr std::string_view kLanConnection = R"(
[Connection]
Name = Local Area Connection
Device = Realtek PCIe GBE Family Controller
Guid = 8d2e6a10-4c3b-4f9e-a57d-0b1c2d3e4f50
Mac = 00-1E-68-4B-2C-90
)";
constexpr char16_t kRealtek[] = u"Realtek PCIe GBE Family Controller";
constexpr char16_t kLan[] = u"Local Area Connection";
constexpr char16_t kVirtual[] = u"Wireless Network Connection 2";

struct SharingHarness : test::SharingHarness {
    explicit SharingHarness(std::string_view sections = "", std::u16string chosen = kRealtek)
        : test::SharingHarness(kLanConnection, sections, std::move(chosen)) {}

    std::string Network() { return machine.Network().StateSummary(); }

    // The calls that matter to the outcome, in order: the please-wait window, sharing changes, netsh's
    // parameters, timer 104, stored values, the DHCP server and debug traces.
    Steps Taken() {
        Steps steps;
        for (const JournalEntry& entry : Log().Entries()) {
            const std::string& op = entry.operation;
            const std::string failed = entry.result == 0 ? "" : " failed";
            if (op == "View.ShowPleaseWait" || op == "View.ClosePleaseWait" || op == "SendMessageTimeoutW" ||
                op == "OutputDebugStringW") {
                steps.push_back(op);
            } else if (op == op::kEnableSharing || op == op::kDisableSharing) {
                steps.push_back(op.substr(op.find("::") + 2) + " " + entry.arguments + failed);
            } else if (op == op::kCreateProcessW) {
                const size_t from = entry.arguments.find("exe\\\" ") + 6;
                const size_t to = entry.arguments.find("\" flags=");
                steps.push_back(entry.arguments.find("DhcpServer.exe") != std::string::npos
                                    ? "DhcpServer.exe"
                                    : "netsh " + entry.arguments.substr(from, to - from) + failed);
            } else if ((op == "SetTimer" || op == "KillTimer") && entry.arguments.starts_with("id=104")) {
                steps.push_back(op + " 104");
            } else if (op == "RegSetValueExW") {
                steps.push_back(op + " " + entry.arguments.substr(entry.arguments.find("name=")));
            }
        }
        return steps;
    }
};

const std::string kDhcpCommand =
    R"(netsh int ip set address name=\"Wireless Network Connection 2\" source=dhcp)";
const std::string kStaticCommand =
    R"(netsh int ip set address name=\"Wireless Network Connection 2\" source=static addr=192.168.139.1 )"
    R"(mask=255.255.255.0)";
const std::string kShareLan = R"(EnableSharing connection="Local Area Connection" type=public)";
const std::string kShareVirtual = R"(EnableSharing connection="Wireless Network Connection 2" type=private)";
const std::string kNothingShared = R"(public=none private=none virtualAddress="dhcp")";

TEST(RefreshIcsConnections, FindsThePublicAndTheVirtualConnection) {
    constexpr std::string_view kConnections = R"(
[Connection]
Name = Local Area Connection 3
Device = 1394 Net Adapter
Guid = 11111111-0000-0000-0000-000000000001
[Connection]
Name = Teredo
Device = Teredo Tunneling Pseudo-Interface
Guid = 11111111-0000-0000-0000-000000000002
Media = tunnel
[Connection]
Name = Broadband
Device = WAN Miniport (PPPOE)
Guid = 11111111-0000-0000-0000-000000000003
Media = pppoe
[Connection]
Name = Unnamed
Device = 139
Guid = 11111111-0000-0000-0000-000000000004
NullProperties = name
)";
    struct Case {
        const char* label;
        std::u16string earlierChoice;  // refreshed with first, when not empty
        std::u16string chosen;
        std::u16string publicName;  // empty: no public GUID
        std::u16string virtualName;
    };
    const Case cases[] = {
        {"by device name, A-Z case ignored", u"", u"realtek pcie gbe family CONTROLLER", kLan, kVirtual},
        {"by name", u"", u"local area connection", kLan, kVirtual},
        {"PPPoE is eligible", u"", u"Broadband", u"Broadband", kVirtual},
        {"1394 adapters are ignored", u"", u"Local Area Connection 3", u"", kVirtual},
        {"tunnels are ignored", u"", u"Teredo", u"", kVirtual},
        {"the chosen one is never the virtual one", u"", u"Microsoft Virtual WiFi Miniport Adapter", kVirtual,
         u""},
        {"an empty choice matches no NULL name", u"", u"", u"", kVirtual},
        {"a choice that matches nothing clears the earlier match", kRealtek, u"Gone Adapter", u"", kVirtual},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SharingHarness h(kConnections);
        IcsController& controller = h.Sharing().Controller();
        if (!c.earlierChoice.empty())
            controller.RefreshIcsConnections(c.earlierChoice);

        controller.RefreshIcsConnections(c.chosen);

        const IcsState& ics = h.State().ics;
        std::vector<std::u16string> recorded;
        std::u16string publicName;
        for (const ConnectionRecord& record : ics.records) {
            recorded.push_back(record.name);
            if (record.guid == ics.publicGuid)
                publicName = record.name;
        }
        EXPECT_EQ(recorded, (std::vector<std::u16string>{kLan, u"Broadband", u"", kVirtual}));
        EXPECT_EQ(publicName, c.publicName);
        EXPECT_EQ(ics.publicGuid.empty(), c.publicName.empty());
        EXPECT_EQ(ics.virtualConnectionName, c.virtualName);
    }
}

TEST(StartConnectionSharing, SharesInOrderAndStopUndoesIt) {
    SharingHarness h;
    h.processes.OpenWindow(u"Tftpd32", true, h.State().programFolder + u"DhcpServer.exe");

    h.Sharing().StartConnectionSharing();

    // The public side is unshared first whatever its state, then the pair is shared.
    EXPECT_EQ(h.Taken(), (Steps{"SendMessageTimeoutW", "View.ShowPleaseWait", kDhcpCommand,
                                R"(DisableSharing connection="Local Area Connection")", kShareLan,
                                kShareVirtual, kStaticCommand, "SetTimer 104",
                                R"(RegSetValueExW name="ICS CardName" )"
                                R"(type=REG_SZ size=70 data="Realtek PCIe GBE Family Controller")",
                                "View.ClosePleaseWait"}));
    EXPECT_EQ(h.view.pleaseWaitTexts, (std::vector<std::u16string>{u"Enabling ICS. Please wait..."}));
    EXPECT_EQ(
        h.Network(),
        R"(public="Local Area Connection" private="Wireless Network Connection 2" virtualAddress="192.168.139.1")");
    EXPECT_TRUE(h.State().ics.sharing);
    EXPECT_TRUE(h.timers.IsRunning(IDT_DHCP_LAUNCH));
    h.Log().Clear();

    h.Sharing().StopConnectionSharing();

    EXPECT_EQ(h.Taken(), (Steps{"KillTimer 104", "View.ShowPleaseWait", kDhcpCommand,
                                R"(DisableSharing connection="Local Area Connection")",
                                R"(DisableSharing connection="Wireless Network Connection 2")",
                                "View.ClosePleaseWait"}));
    EXPECT_EQ(h.view.pleaseWaitTexts.back(), u"Disabling ICS. Please wait...");
    EXPECT_EQ(h.Network(), kNothingShared);
    EXPECT_FALSE(h.State().ics.sharing);
}

TEST(StartConnectionSharing, EndsWithOnlyThePairSharedAndTheFlagTrue) {
    struct Case {
        const char* label;
        std::string_view sections;
        std::u16string chosen;
        std::string network;  // after the start
        bool sharing;
    };
    const Case cases[] = {
        {"another public connection is unshared first",
         "[Connection]\nName = Office\nDevice = Intel 82579LM\nGuid = 22222222-0000-0000-0000-000000000001\n"
         "Sharing = public\n",
         kRealtek, R"(public="Local Area Connection" private="Wireless Network Connection 2")", true},
        {"sharing left on by an earlier run is undone and made again",
         "[Connection]\nName = Wireless Network Connection 2\nDevice = Microsoft Virtual WiFi Miniport "
         "Adapter\n"
         "Guid = 5c1a4b6e-7d2f-4e38-9a41-3b6c2d8e7105\nSharing = private\n"
         "[Connection]\nName = Office\nDevice = Intel 82579LM\nGuid = 22222222-0000-0000-0000-000000000001\n"
         "Sharing = public\n",
         kRealtek, R"(public="Local Area Connection" private="Wireless Network Connection 2")", true},
        {"a choice that matches nothing shares nothing and says so", "", u"Gone Adapter",
         "public=none private=none", false},
        {"the service refuses sharing",
         "[Failure]\nOperation = INetSharingConfiguration::EnableSharing\nError = 0x80004005\n", kRealtek,
         "public=none private=none", false},
        {"a refusal for a moment is tried once more",
         "[Failure]\nOperation = INetSharingConfiguration::EnableSharing\nError = 0x80004005\nTimes = 1\n",
         kRealtek, R"(public="Local Area Connection" private="Wireless Network Connection 2")", true},
        {"no sharing manager", "[Failure]\nOperation = CoCreateInstance\nError = 0x80040154\n", kRealtek,
         "public=none private=none", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SharingHarness h(c.sections, c.chosen);

        h.Sharing().StartConnectionSharing();

        EXPECT_EQ(h.Network().substr(0, c.network.size()), c.network);
        EXPECT_EQ(h.State().ics.sharing, c.sharing);
        // The address is set all the same: the virtual adapter's connection name is known from its key.
        EXPECT_EQ(h.machine.Network().AddressOf(kVirtual), u"192.168.139.1");
    }
}

// netsh runs one command at a time, each awaited; the DHCP server is due only once IP Helper shows the
// fixed address on the virtual adapter.
TEST(StartConnectionSharing, StartsTheServerOnlyOnAConfirmedAddress) {
    struct Case {
        const char* label;
        std::string_view sections;
        const char* failing;  // fails from its first call on, `times` times (0: always)
        uint32_t times;
        bool started;
    };
    const Case cases[] = {
        {"every step works", "", nullptr, 0, true},
        {"netsh fails every time", "[Machine]\nNetshExitCode = 1\n", nullptr, 0, false},
        {"netsh outlives its time limit", "[Machine]\nNetshDuration = 20000\n", nullptr, 0, false},
        {"netsh cannot be started", "", "CreateProcessW", 0, false},
        {"the address is never seen", "", "GetAdaptersInfo", 0, false},
        {"the static command fails once", "", "ExitProcess", 0, true},
        {"sharing is refused once", "", "INetSharingConfiguration::EnableSharing", 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SharingHarness h(c.sections);
        if (c.failing) {
            // The DHCP command is the first netsh run; a single failure hits the static one.
            const bool once = std::string_view(c.failing) == "ExitProcess";
            h.machine.Failures().FailAfter(c.failing, once ? 1 : 0, 1,
                                           once      ? std::optional<uint32_t>(1)
                                           : c.times ? std::optional<uint32_t>(c.times)
                                                     : std::nullopt);
        }

        EXPECT_EQ(h.Sharing().StartConnectionSharing(), c.started);

        EXPECT_EQ(h.timers.IsRunning(IDT_DHCP_LAUNCH), c.started);
        const Steps taken = h.Taken();
        EXPECT_EQ(std::ranges::count(taken, kDhcpCommand),
                  c.failing && std::string_view(c.failing) == "CreateProcessW" ? 0 : 1)
            << "the DHCP-source command runs once";
        if (c.started) {
            EXPECT_EQ(h.machine.Network().AddressOf(kVirtual), u"192.168.139.1");
            EXPECT_LT(std::ranges::find(taken, kShareVirtual), std::ranges::find(taken, kStaticCommand));
        }
    }
}

TEST(StartConnectionSharing, ClosesAServerLeftByAnEarlierRunEvenWithoutAdapters) {
    SharingHarness h;
    h.processes.OpenWindow(u"Tftpd32", true, h.State().programFolder + u"DhcpServer.exe");
    h.State().adapters.rows.clear();

    EXPECT_FALSE(h.Sharing().StartConnectionSharing());

    EXPECT_FALSE(h.processes.IsWindowOpen(u"Tftpd32"));
    EXPECT_EQ(h.Taken(), Steps{"SendMessageTimeoutW"});
}

TEST(StartConnectionSharing, RenewsOnlyTheAddressWhenTheSameConnectionIsShared) {
    SharingHarness h;
    h.Sharing().StartConnectionSharing();
    h.State().chosenConnection = u"REALTEK PCIe GBE Family Controller";
    h.Log().Clear();

    h.Sharing().StartConnectionSharing();

    EXPECT_EQ(h.Taken(), (Steps{kStaticCommand, "KillTimer 104", "SetTimer 104",
                                R"(RegSetValueExW name="ICS CardName" type=REG_SZ size=70 )"
                                R"(data="REALTEK PCIe GBE Family Controller")"}));
    EXPECT_EQ(h.Count(op::kCoCreateInstance), 0u);
}

TEST(StartConnectionSharing, LaunchesTheDhcpServerSixSecondsLaterUnlessStopped) {
    for (bool stopFirst : {false, true}) {
        SCOPED_TRACE(stopFirst ? "stopped within 6 s" : "not stopped");
        SharingHarness h;
        h.Sharing().StartConnectionSharing();
        EXPECT_EQ(h.timers.Period(IDT_DHCP_LAUNCH), kDhcpLaunchDelayMs);
        if (stopFirst)
            h.Sharing().StopConnectionSharing();
        h.Log().Clear();

        h.model.OnTimer(IDT_DHCP_LAUNCH);

        EXPECT_EQ(h.Count(op::kCreateProcessW), stopFirst ? 0u : 1u);
        EXPECT_EQ(h.processes.IsWindowOpen(u"Tftpd32"), !stopFirst);
    }
}

TEST(StopConnectionSharing, LeavesNothingSharedWhateverSharedIt) {
    constexpr std::string_view kLeftOver =
        "[Connection]\nName = Wireless Network Connection 2\nDevice = Microsoft Virtual WiFi Miniport "
        "Adapter\n"
        "Guid = 5c1a4b6e-7d2f-4e38-9a41-3b6c2d8e7105\nSharing = private\n"
        "[Connection]\nName = Office\nDevice = Intel 82579LM\nGuid = 22222222-0000-0000-0000-000000000001\n"
        "Sharing = public\n";
    struct Case {
        const char* label;
        std::string_view sections;
        std::u16string chosen;
        bool startFirst;
    };
    const Case cases[] = {
        {"after this run's start", "", kRealtek, true},
        {"sharing left on by an earlier run, before any start", kLeftOver, u"Intel 82579LM", false},
        {"sharing left on by an earlier run, after a start", kLeftOver, u"Intel 82579LM", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SharingHarness h(c.sections, c.chosen);
        if (c.startFirst) {
            h.Sharing().StartConnectionSharing();
        } else {
            h.machine.Network().RunNetshCommand(
                u"int ip set address name=\"Wireless Network Connection 2\" source=static addr=192.168.139.1 "
                u"mask=255.255.255.0");
        }

        h.Sharing().StopConnectionSharing();

        EXPECT_EQ(h.Network(), kNothingShared);
    }
}

TEST(NetshAddressParameters, RefusesNamesNetshCannotCarry) {
    // 511 characters of parameters at most: 78 of them are not the name.
    const std::u16string fits(433, u'x');
    const struct {
        std::u16string name;
        bool usable;
    } cases[] = {
        {u"Wireless Network Connection 2", true},
        {u"Wi\"Fi", false},
        {u"Wi\x01"
         u"Fi",
         false},
        {u"Wi\tFi", false},
        {u"Wi\x7F"
         u"Fi",
         false},
        {u"", false},
        {fits, true},
        {fits + u"x", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name.begin(), c.name.begin() + std::min<size_t>(c.name.size(), 20)));
        EXPECT_EQ(NetshAddressParameters(c.name, true).has_value(), c.usable);
        if (c.usable) {
            EXPECT_LT(NetshAddressParameters(c.name, true)->size(), kNetshParameterBuffer);
        }
    }
    EXPECT_EQ(NetshAddressParameters(u"A", false), u"int ip set address name=\"A\" source=dhcp");
}

TEST(StartConnectionSharing, RunsNoAddressCommandItCannotAimSafely) {
    struct Case {
        const char* label;
        std::string_view sections;
        std::u16string virtualName;
    };
    const Case cases[] = {
        {"a quote in the name",
         "[Connection]\nName = Wi\"Fi\" & del\nDevice = Microsoft Virtual WiFi Miniport Adapter\n"
         "Guid = 5c1a4b6e-7d2f-4e38-9a41-3b6c2d8e7105\n",
         u"Wi\"Fi\" & del"},
        {"no virtual connection known, another adapter's named like the default",
         "[Connection]\nName = Wireless Network Connection 2\nDevice = Atheros AR9285\n"
         "Guid = 22222222-0000-0000-0000-000000000003\n"
         "[Connection]\nName = Hosted\nDevice = Microsoft Virtual WiFi Miniport Adapter\n"
         "Guid = 5c1a4b6e-7d2f-4e38-9a41-3b6c2d8e7105\nRegistryName = nokey\nNullProperties = name\n",
         u"Hosted"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SharingHarness h(c.sections);

        EXPECT_FALSE(h.Sharing().StartConnectionSharing()) << "an address never set is a failed start";
        h.Sharing().StopConnectionSharing();

        EXPECT_EQ(h.Count(op::kCreateProcessW), 0u);
        const auto skipped = std::ranges::count_if(
            h.processes.DebugTraces(),
            [](const std::u16string& trace) { return trace.ends_with(u"left as it is"); });
        EXPECT_EQ(skipped, 4) << "DHCP, static twice and DHCP commands skipped";
        EXPECT_FALSE(h.timers.IsRunning(IDT_DHCP_LAUNCH));
        EXPECT_EQ(h.machine.Network().AddressOf(c.virtualName), u"192.168.137.1") << "as sharing left it";
        EXPECT_EQ(h.machine.Network().AddressOf(u"Wireless Network Connection 2").value_or(u"dhcp"), u"dhcp");
    }
}

TEST(ScanAdapters, BuildsTheTableAndFindsTheVirtualAdapterAnywhere) {
    std::string nine;
    for (char i = '1'; i <= '9'; ++i) {
        nine += std::string("[Connection]\nName = LAN ") + i + "\nDevice = NIC " + i +
                "\nGuid = 33333333-0000-0000-0000-00000000000" + i + "\n";
    }
    struct Case {
        const char* label;
        std::string sections;
        bool hostedNetworkStopped;
        std::vector<std::u16string> rows;  // "network name | device name"
        std::u16string mac;
    };
    const Case cases[] = {
        {"ten adapters: eight rows, the virtual one still seen",
         nine,
         false,
         {u"Local Area Connection | Realtek PCIe GBE Family Controller", u"LAN 1 | NIC 1", u"LAN 2 | NIC 2",
          u"LAN 3 | NIC 3", u"LAN 4 | NIC 4", u"LAN 5 | NIC 5", u"LAN 6 | NIC 6", u"LAN 7 | NIC 7"},
         u"02-1F-3C-8A-51-D2"},
        {"no adapter", "[Failure]\nOperation = GetAdaptersInfo\nError = 232\n", false, {}, u""},
        {"the network class key: no value, no key, not text, too long",
         "[Connection]\nName = A\nDevice = NIC A\nGuid = 44444444-0000-0000-0000-000000000001\nRegistryName "
         "= none\n"
         "[Connection]\nName = B\nDevice = NIC B\nGuid = 44444444-0000-0000-0000-000000000002\nRegistryName "
         "= nokey\n"
         "[Connection]\nName = C\nDevice = NIC C\nGuid = 44444444-0000-0000-0000-000000000003\n"
         "RegistryName = dword:7\n"
         "[Connection]\nName = D\nDevice = NIC D\nGuid = 44444444-0000-0000-0000-000000000004\nRegistryName "
         "= sz:" +
             std::string(300, 'n') + "\n",
         true,
         {u"Local Area Connection | Realtek PCIe GBE Family Controller", u" | NIC A", u"NIC B | NIC B",
          u" | NIC C", std::u16string(255, u'n') + u" | NIC D"},
         u""},
        {"a description without text is named by the sharing manager",
         "[Connection]\nName = Dial-up\nDevice = WAN Miniport (IP)\nGuid = "
         "44444444-0000-0000-0000-000000000005\n"
         "AdapterDescription =\nRegistryName = nokey\n",
         false,
         {u"Local Area Connection | Realtek PCIe GBE Family Controller", u"Dial-up | WAN Miniport (IP)"},
         u"02-1F-3C-8A-51-D2"},
        {"a description over 255 characters is cut",
         "[Connection]\nName = Long\nDevice = " + std::string(300, 'd') +
             "\nGuid = 44444444-0000-0000-0000-000000000006\nRegistryName = nokey\n",
         true,
         {u"Local Area Connection | Realtek PCIe GBE Family Controller",
          std::u16string(255, u'd') + u" | " + std::u16string(255, u'd')},
         u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SharingHarness h(c.sections);
        if (c.hostedNetworkStopped)
            h.machine.Wlan().HostedNetworkForceStop(h.State().wlanHandle, nullptr);
        h.State().adapters.virtualAdapterMac.clear();

        h.Sharing().ScanAdapters();

        std::vector<std::u16string> rows;
        for (const AdapterRow& row : h.State().adapters.rows)
            rows.push_back(row.connectionName + u" | " + row.deviceName);
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(h.State().adapters.virtualAdapterMac, c.mac);
        if (rows.empty()) {
            h.Sharing().StartConnectionSharing();
            EXPECT_EQ(h.Operations().back(), "EnumWindows") << "nothing after closing the DHCP server";
        }
    }
}

TEST(ScanAdapters, KeepsTheMacOverScansWithoutTheVirtualAdapter) {
    SharingHarness h("");
    h.Sharing().ScanAdapters();
    ASSERT_EQ(h.State().adapters.virtualAdapterMac, u"02-1F-3C-8A-51-D2");
    h.machine.Wlan().HostedNetworkForceStop(h.State().wlanHandle, nullptr);
    h.Sharing().ScanAdapters();
    h.Sharing().ScanAdapters();
    EXPECT_EQ(h.State().adapters.virtualAdapterMac, u"02-1F-3C-8A-51-D2");
    EXPECT_EQ(h.State().adapters.rows.size(), 1u);
}

TEST(SimNetwork, KeepsOnePublicAndOnePrivateConnection) {
    SharingHarness h(
        "[Connection]\nName = Office\nDevice = Intel 82579LM\nGuid = 22222222-0000-0000-0000-000000000001\n"
        "Sharing = public\n");
    HResult created = kEPointer;
    auto manager = h.machine.Network().CreateSharingManager(created);
    EXPECT_EQ(created, kSOk);
    auto connections = manager->EnumEveryConnection();
    ASSERT_TRUE(connections);
    ASSERT_EQ(connections->size(), 3u);
    auto lan = (*connections)[0]->SharingConfiguration();
    auto virtualSide = (*connections)[2]->SharingConfiguration();
    h.machine.Services().SetStartType(kSharingServiceName, ServiceStartType::kManual);

    EXPECT_EQ(lan->EnableSharing(IcsSharingType::kPublic), kEFail) << "Office is public already";
    EXPECT_EQ(virtualSide->EnableSharing(IcsSharingType::kPrivate), kSOk);
    EXPECT_EQ(lan->EnableSharing(IcsSharingType::kPrivate), kEFail);
    h.machine.Wlan().HostedNetworkForceStop(h.State().wlanHandle, nullptr);
    EXPECT_EQ(virtualSide->DisableSharing(), kHresultNotFound)
        << "the virtual adapter went with the hosted network";
    EXPECT_EQ(manager->EnumEveryConnection()->size(), 2u);
    EXPECT_EQ(h.machine.Network().SharingOf(kVirtual), SharingState::kPrivate);
}

}  // namespace
}  // namespace aerowisp
