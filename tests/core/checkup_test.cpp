// The check-up on the simulated machine: each fault it can inject is named, its fix clears it, and the
// report never carries the network key.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/checkup/checkup.h"
#include "core/checkup/checkup_report.h"
#include "core/programs/external_programs.h"
#include "core/sim_test_support.h"
#include "sim/sim_hosted_network_properties.h"
#include "sim/sim_machine.h"
#include "support/iconv_code_page.h"
#include "support/memory_file_reader.h"

namespace aerowisp {
namespace {

constexpr char16_t kFolder[] = u"C:\\Program Files\\Aerowisp\\";
constexpr char kStoredSsid[] = "Duva AP";
constexpr char16_t kCardGuid[] = u"1d2c3b4a-5e6f-4a7b-8c9d-aebfc0d1e2f3";

// A machine in AP+STA mode with everything in place; each slot holds the lines a fault replaces.
struct Fault {
    const char* name = "";
    std::string card = {};
    std::string hosted = "Ssid = Duva AP\n";
    std::string lan = "Sharing = public\nDefaultRoute = yes\n";
    std::string virtualAdapter = "Sharing = private\n";
    std::string rule =
        "[FirewallRule]\nName = Aerowisp DHCP Server\n"
        "Program = C:\\Program Files\\Aerowisp\\DhcpServer.exe\nLocalPorts = 67\n";
    std::string extra = {};
    bool addressed = true;
    bool serverRunning = true;
    std::function<void(SimMachine&, Checkup&)> inject = {};
    // Nothing: the machine is healthy.
    std::optional<CheckId> named = {};
    CheckVerdict verdict = CheckVerdict::kProblem;
    FixId fix = FixId::kNone;
    // Where one check tells several causes apart, the one expected.
    const LanguageString* cause = nullptr;
    // The fix clears the fault on this machine, and the re-run is all OK.
    bool cleared = true;
};

std::string ScenarioOf(const Fault& fault) {
    return "[Card]\nGuid = 1d2c3b4a-5e6f-4a7b-8c9d-aebfc0d1e2f3\nDescription = Intel(R) Centrino(R) "
           "Advanced-N 6205\n" +
           fault.card + "[HostedNetwork]\nRunning = yes\nKey = secret123\n" + fault.hosted +
           "[Connection]\nName = Local Area Connection\nDevice = Realtek PCIe GBE Family Controller\n"
           "Guid = 8d2e6a10-4c3b-4f9e-a57d-0b1c2d3e4f50\n" +
           fault.lan +
           "[Connection]\nName = Wireless Network Connection 2\nDevice = Microsoft Virtual WiFi Miniport "
           "Adapter\n"
           "Guid = 5c1a4b6e-7d2f-4e38-9a41-3b6c2d8e7105\n" +
           fault.virtualAdapter + fault.rule + fault.extra;
}

// The model's start sequence as far as the machine sees it: the stored name, then a forced start.
class ForcedRestart final : public CheckupOperations {
  public:
    explicit ForcedRestart(WlanService& wlan) : wlan_(wlan) {}
    bool RestartHostedNetwork() override {
        WlanHandle handle = 0;
        if (wlan_.OpenHandle(kWlanClientVersion, handle) != kWlanSuccess)
            return false;
        HostedNetworkConnectionSettings settings;
        settings.ssid.length = sizeof(kStoredSsid) - 1;
        std::copy_n(kStoredSsid, settings.ssid.length, settings.ssid.ssid.begin());
        settings.maxNumberOfPeers = 20;
        wlan_.HostedNetworkForceStop(handle, nullptr);
        const bool started =
            wlan_.HostedNetworkSetConnectionSettings(handle, settings, nullptr) == kWlanSuccess &&
            wlan_.HostedNetworkForceStart(handle, nullptr) == kWlanSuccess;
        wlan_.CloseHandle(handle);
        return started;
    }

  private:
    WlanService& wlan_;
};

struct CheckupHarness {
    explicit CheckupHarness(const Fault& fault)
        : machine(testing_support::ParseOrFail(ScenarioOf(fault))),
          properties(machine.Wlan()),
          restart(machine.Wlan()),
          checkup({machine.Wlan(), properties, machine.Services(), machine.Network(), machine.Network(),
                   machine.Firewall(), machine.Processes(), files, codePage, machine.Clock()},
                  restart, {kFolder, {}, u"Realtek PCIe GBE Family Controller", u"Duva AP"}) {
        machine.InstallDhcpServer({kFolder + std::u16string(dhcp::kServerProgram), dhcp::kServerWindowTitle,
                                   dhcp::AddressText(dhcp::kServerAddress), dhcp::kServerPort});
        if (fault.addressed)
            RunNetshAndWait(machine.Processes(),
                            u"int ip set address name=\"Wireless Network Connection 2\" source=static "
                            u"addr=192.168.139.1 mask=255.255.255.0");
        if (fault.serverRunning)
            server = StartDhcpServer(machine.Processes(), kFolder);
        if (fault.inject)
            fault.inject(machine, checkup);
    }

    test::IconvCodePage codePage{"CP1252"};
    test::MemoryFileReader files;
    SimMachine machine;
    SimHostedNetworkProperties properties;
    ForcedRestart restart;
    Checkup checkup;
    std::unique_ptr<RunningProcess> server;
};

CheckResult ResultOf(const std::vector<CheckResult>& results, CheckId id) {
    return *std::ranges::find_if(results, [&](const CheckResult& r) { return r.id == id; });
}

std::string Summary(const std::vector<CheckResult>& results) {
    std::string summary;
    for (const CheckResult& r : results) {
        if (r.verdict != CheckVerdict::kOk)
            summary +=
                std::to_string(static_cast<int>(r.id)) + (r.verdict == CheckVerdict::kProblem ? "P " : "? ");
    }
    return summary;
}

TEST(Checkup, NamesEachInjectedFaultAndItsFixClearsIt) {
    const Fault faults[] = {
        {.name = "nothing wrong"},
        {.name = "WLAN AutoConfig stopped",
         .extra = "[Service]\nName = Wlansvc\nStartType = manual\n",
         .named = CheckId::kWlanService,
         .fix = FixId::kStartWlanService},
        {.name = "driver without hosted network",
         .card = "HostedNetwork = no\n",
         .named = CheckId::kDriverSupport},
        {.name = "hosted network disallowed",
         .inject =
             [](SimMachine& machine, Checkup&) {
                 WlanHandle handle = 0;
                 machine.Wlan().OpenHandle(kWlanClientVersion, handle);
                 machine.Wlan().HostedNetworkSetEnable(handle, false, nullptr);
                 machine.Wlan().CloseHandle(handle);
             },
         .named = CheckId::kHostedNetworkAllowed,
         .fix = FixId::kRestartHostedNetwork},
        {.name = "software radio off",
         .inject =
             [](SimMachine& machine, Checkup&) {
                 machine.Wlan().SetSoftwareRadio(*GuidFromString(kCardGuid), 0, Dot11RadioState::kOff);
             },
         .named = CheckId::kRadio,
         .fix = FixId::kRadioOn},
        {.name = "hardware switch off",
         .card = "HardwareRadio = off\n",
         .named = CheckId::kRadio,
         .cause = &kCheckCauseHardwareRadioOff},
        {.name = "virtual adapter disabled",
         .virtualAdapter = "Sharing = private\nStatus = hardware_disabled\n",
         .named = CheckId::kVirtualAdapter,
         .fix = FixId::kEnableVirtualAdapter},
        {.name = "hosted network stopped",
         .inject =
             [](SimMachine& machine, Checkup&) {
                 WlanHandle handle = 0;
                 machine.Wlan().OpenHandle(kWlanClientVersion, handle);
                 machine.Wlan().HostedNetworkForceStop(handle, nullptr);
                 machine.Wlan().CloseHandle(handle);
             },
         .named = CheckId::kHostedNetworkStarted,
         .fix = FixId::kRestartHostedNetwork},
        {.name = "hosted network under another name",
         .hosted = "Ssid = Other AP\n",
         .named = CheckId::kHostedNetworkStarted,
         .fix = FixId::kRestartHostedNetwork,
         .cause = &kCheckCauseWrongName},
        {.name = "sharing service stopped",
         .extra = "[Service]\nName = SharedAccess\nStartType = disabled\nDependsOn = BFE\n",
         .named = CheckId::kSharingService,
         .fix = FixId::kStartSharingService},
        {.name = "connection unplugged",
         .lan = "Sharing = public\nDefaultRoute = yes\nStatus = media_disconnected\n",
         .named = CheckId::kPublicConnection,
         .cause = &kCheckCauseConnectionDown},
        {.name = "no default route",
         .lan = "Sharing = public\n",
         .named = CheckId::kPublicConnection,
         .cause = &kCheckCauseNoDefaultRoute},
        {.name = "virtual adapter not shared",
         .virtualAdapter = "",
         .named = CheckId::kSharingPair,
         .fix = FixId::kReapplySharing},
        {.name = "another connection shared",
         .lan = "DefaultRoute = yes\n",
         .extra = "[Connection]\nName = Office\nDevice = Intel 82579LM\nGuid = "
                  "6e1f0a2b-3c4d-4e5f-8a9b-0c1d2e3f4a5b\n"
                  "Sharing = public\n",
         .named = CheckId::kSharingPair,
         .fix = FixId::kReapplySharing,
         .cause = &kCheckCausePairNotShared},
        {.name = "stale sharing record",
         .extra = "[Connection]\nName = Old Link\nDevice = USB Modem\nGuid = "
                  "7a8b9c0d-1e2f-4a3b-8c4d-5e6f7a8b9c0d\n"
                  "Present = no\nSharing = public\n",
         .named = CheckId::kSharingPair,
         .fix = FixId::kReapplySharing,
         .cause = &kSharingCauseStaleRecords},
        {.name = "sharing manager refuses",
         .extra = "[Failure]\nOperation = CoCreateInstance\nError = 0x80070005\n",
         .named = CheckId::kSharingPair,
         .verdict = CheckVerdict::kCouldNotCheck,
         .cause = &kCheckCauseNoAnswer},
        {.name = "address missing",
         .addressed = false,
         .named = CheckId::kVirtualAddress,
         .fix = FixId::kSetAddress},
        {.name = "sharing scope collides",
         .extra = "[SharingService]\nScopeAddress = 192.168.139.1\n",
         .named = CheckId::kSharingScope},
        {.name = "firewall rule missing",
         .rule = "",
         .named = CheckId::kFirewallRule,
         .fix = FixId::kAddFirewallRule},
        {.name = "firewall rule disabled",
         .rule = "[FirewallRule]\nName = Aerowisp DHCP Server\nProgram = C:\\Program "
                 "Files\\Aerowisp\\DhcpServer.exe\n"
                 "LocalPorts = 67\nEnabled = no\n",
         .named = CheckId::kFirewallRule,
         .fix = FixId::kAddFirewallRule},
        {.name = "DHCP server not running",
         .serverRunning = false,
         .named = CheckId::kDhcpServer,
         .fix = FixId::kRestartDhcpServer},
        {.name = "station without a lease",
         .extra = "[Station]\nMac = 8C-3A-E3-11-22-33\n",
         .inject =
             [](SimMachine& machine, Checkup& checkup) {
                 EXPECT_EQ(checkup.Run(CheckId::kStationLeases).verdict, CheckVerdict::kCouldNotCheck);
                 machine.ManualClock()->Advance(kStationLeaseGraceMs);
             },
         .named = CheckId::kStationLeases,
         .fix = FixId::kRestartDhcpServer,
         .cleared = false},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.name);
        CheckupHarness harness(fault);
        const std::vector<CheckResult> before = harness.checkup.RunAll();
        ASSERT_EQ(before.size(), kCheckOrder.size());
        if (!fault.named) {
            EXPECT_EQ(Summary(before), "");
            continue;
        }
        const CheckResult named = ResultOf(before, *fault.named);
        EXPECT_EQ(named.verdict, fault.verdict) << Summary(before);
        EXPECT_NE(named.cause, nullptr);
        EXPECT_EQ(named.fix, fault.fix);
        if (fault.cause) {
            EXPECT_EQ(named.cause, fault.cause);
        }
        if (fault.fix == FixId::kNone)
            continue;
        EXPECT_TRUE(harness.checkup.ApplyFix(fault.fix));
        const std::vector<CheckResult> after = harness.checkup.RunAll();
        EXPECT_EQ(Summary(after).empty(), fault.cleared) << Summary(after);
    }
}

TEST(CheckupReport, NamesEachProblemWithCauseAndRemedyAndNeverTheKey) {
    Fault fault{.name = "named like the key", .hosted = "Ssid = secret123\n", .rule = ""};
    CheckupHarness harness(fault);
    const TextLookup english = [](const LanguageString&) { return std::u16string(); };
    const std::u16string report = CheckupReport(harness.checkup.RunAll(), english, u"secret123");

    EXPECT_EQ(report.find(u"secret123"), std::u16string::npos);
    EXPECT_NE(report.find(u"[Problem] Access point started with the stored name (********)\r\n    Cause: "),
              std::u16string::npos);
    EXPECT_NE(
        report.find(u"[Problem] Firewall rule for DhcpServer.exe\r\n    Cause: No enabled firewall rule"),
        std::u16string::npos);
    EXPECT_NE(report.find(u"    Remedy: Press Fix to add the rule.\r\n[OK] DhcpServer.exe running\r\n"),
              std::u16string::npos);
}

}  // namespace
}  // namespace aerowisp
