// The hosted network's stations: their leases from the DHCP server's file, the association list's
// address and name columns, and the balloons telling of arrivals and departures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/hostednet/hosted_network_failure.h"
#include "core/hostednet/station_leases.h"
#include "core/hostednet/station_notices.h"
#include "core/resource.h"
#include "dhcp/core/lease_file.h"
#include "sim/operations.h"
#include "support/memory_file_reader.h"
#include "support/model_harness.h"

namespace aerowisp {
namespace {

using test::ModelHarness;

constexpr StationMac kPhone{0x8C, 0x3A, 0xE3, 0x11, 0x22, 0x33};
constexpr StationMac kTablet{0x40, 0xB0, 0xFA, 0x44, 0x55, 0x66};

// As the DHCP server writes it: the phone renewed after an older lease, the tablet known only by its
// client identifier, a released and a damaged line.
constexpr char kLeaseFile[] =
    "# DhcpServer leases: address state expires client hardware =host\r\n"
    "192.168.139.5 bound 1767225600 018c3ae3112233 018c3ae3112233 =old-name\r\n"
    "192.168.139.7 bound 1767229200 018c3ae3112233 018c3ae3112233 =pixel-7\r\n"
    "192.168.139.9 bound 1767229200 0140b0fa445566 - =\r\n"
    "192.168.139.11 released 1767229200 01aabbccddeeff 01aabbccddeeff =gone\r\n"
    "192.168.139.12 bound 17672 zz =broken\r\n";

// Read in pieces of 7 bytes; the file cut in the middle of a line, missing or not text at all.
TEST(StationLeases, FoundByMacInAnyCaseAndSeparators) {
    const std::string whole = kLeaseFile;
    const StationLease phone{u"192.168.139.7", u"pixel-7"};
    const struct {
        std::string file;
        std::u16string_view mac;
        std::optional<StationLease> lease;
    } cases[] = {
        {whole, u"8C-3A-E3-11-22-33", phone},
        {whole, u"8c:3a:e3:11:22:33", phone},
        {whole, u"8c3aE3112233", phone},
        {whole, u"8C3A.E311.2233", phone},
        {whole, u"40-B0-FA-44-55-66", StationLease{u"192.168.139.9", u""}},
        {whole, u"AA-BB-CC-DD-EE-FF", std::nullopt},  // released
        {whole, u"8C-3A-E3-11-22", std::nullopt},
        {whole, u"8C-3A-E3-11-22-33-44", std::nullopt},
        {whole, u"8C-3A-E3-11-22-3G", std::nullopt},
        {whole.substr(0, whole.find("=pixel") - 3), u"8C-3A-E3-11-22-33",
         StationLease{u"192.168.139.5", u"old-name"}},
        {"", u"8C-3A-E3-11-22-33", std::nullopt},
        {std::string("\0\xff\r\n\x01", 5), u"8C-3A-E3-11-22-33", std::nullopt},
    };
    const std::u16string path = u"C:\\Aerowisp\\DhcpServer.leases";
    for (const auto& c : cases) {
        test::MemoryFileReader files(7);
        if (!c.file.empty())
            files.SetFile(path, c.file);
        EXPECT_EQ(StationLeases::Read(files, path).Find(c.mac), c.lease)
            << std::string(c.mac.begin(), c.mac.end()) << " in " << c.file.size() << " bytes";
    }
}

// "+joined,names -left,names".
std::string Told(const StationNotice& notice) {
    std::string text;
    for (const auto& [sign, names] : {std::pair{" +", notice.joined}, std::pair{" -", notice.left}}) {
        for (size_t i = 0; i < names.size(); ++i)
            text += (i == 0 ? sign : ",") + std::string(names[i].begin(), names[i].end());
    }
    return text.empty() ? text : text.substr(1);
}

TEST(StationNotices, GatheredAndToldAtMostEveryOtherLook) {
    // Each look: "!" first forgets everything; the stations present, 'p' the phone and 't' the tablet, a
    // capital letter when its lease has a name; what is told ("" nothing).
    struct Look {
        std::string present;
        std::string told;
    };
    const struct {
        const char* label;
        std::vector<Look> looks;
    } cases[] = {
        {"a burst of arrivals is one notice", {{"PT", "+phone,tablet"}}},
        {"arrivals close together keep the gap", {{"P", "+phone"}, {"PT", ""}, {"PT", "+tablet"}}},
        {"a nameless arrival waits one look for its lease", {{"p", ""}, {"p", "+8C-3A-E3-11-22-33"}}},
        {"its lease named in time", {{"p", ""}, {"P", "+phone"}}},
        {"come and gone between notices", {{"P", "+phone"}, {"PT", ""}, {"P", ""}, {"P", ""}}},
        {"gone and back between notices", {{"P", "+phone"}, {"", ""}, {"P", ""}}},
        {"departures", {{"PT", "+phone,tablet"}, {"", ""}, {"", "-phone,tablet"}}},
        {"arrivals and departures together", {{"P", "+phone"}, {"", ""}, {"T", "+tablet -phone"}}},
        {"forgotten when watching stops", {{"P", "+phone"}, {"!P", "+phone"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        StationNotices notices;
        for (const Look& look : c.looks) {
            std::string_view present = look.present;
            if (present.starts_with('!')) {
                notices.Reset();
                present.remove_prefix(1);
            }
            const auto named = [&](const StationMac& mac) -> std::u16string {
                if (present.find(mac == kPhone ? 'p' : 't') != std::string_view::npos)
                    return u"";
                return mac == kPhone ? u"phone" : u"tablet";
            };
            std::vector<StationMac> macs;
            for (char letter : present)
                macs.push_back(letter == 'p' || letter == 'P' ? kPhone : kTablet);
            const auto notice = notices.Look(macs, named);
            const std::string told = notice ? Told(*notice) : "";
            EXPECT_EQ(told, look.told) << "present " << look.present;
        }
    }
}

// The harness machine in AP+STA mode with the radio on, its hosted network "Net" running with `stations`,
// and the lease file beside the program.
void RunHostedNetwork(ModelHarness& h, std::vector<StationMac> stations) {
    h.files.SetFile(h.State().programFolder + std::u16string(dhcp::kLeaseFileName), kLeaseFile);
    h.State().cardPresent = true;
    h.Hosted().apMode = true;
    h.Hosted().desiredSsid = u"Net";
    h.machine.Wlan().HostedNetworkForceStart(h.State().wlanHandle, nullptr);
    for (const StationMac& mac : stations)
        h.machine.Wlan().JoinStationNow(mac);
    h.Stations().Start();
}

TEST(StationWatch, BalloonsOnlyInApStaModeWithTheRadioOn) {
    const struct {
        std::string state;             // how it differs from AP+STA mode with an authenticated station
        std::u16string joinedPattern;  // the language file's, when it has one
        std::u16string balloon;        // none when empty
    } cases[] = {
        {"", u"", u"pixel-7 joined Net"},
        {"", u"%s \u5DF2\u52A0\u5165 %s\r\n", u"pixel-7 \u5DF2\u52A0\u5165 Net"},
        {"", u"Joined: %s %d", u"Joined: pixel-7 %d"},
        {"not authenticated", u"", u""},
        {"station mode", u"", u""},
        {"radio off", u"", u""},
        {"failed query", u"", u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        Scenario scenario = test::HarnessScenario();
        scenario.stations = {{kPhone, 0, kStationStays, c.state != "not authenticated"}};
        ModelHarness h(scenario, "GBK");  // the pattern below has Chinese letters
        RunHostedNetwork(h, {});
        h.State().radioOn = c.state != "radio off";
        h.Hosted().apMode = c.state != "station mode";
        if (!c.joinedPattern.empty())
            h.SetLanguageFile(u"String172=" + c.joinedPattern);
        if (c.state == "failed query")
            h.machine.Failures().FailNext(op::kWlanHostedNetworkQueryStatus, kErrorInvalidState);
        h.model.OnTimer(IDT_STATION_WATCH);
        EXPECT_EQ(h.tray.infoBalloons,
                  c.balloon.empty() ? std::vector<std::u16string>{} : std::vector{c.balloon});
    }
}

// Two stations, one without a lease: told together once it had a look's time to get one, in the
// service's order both ways.
TEST(StationWatch, DeparturesTellTheLeasesNamesOrMacs) {
    ModelHarness h;
    RunHostedNetwork(h, {kPhone, {0x02, 0, 0x5E, 0, 0, 1}});
    for (int tick = 0; tick < 4; ++tick) {
        if (tick == 2) {
            h.machine.Wlan().DropLastStation();
            h.machine.Wlan().DropLastStation();
        }
        h.model.OnTimer(IDT_STATION_WATCH);
    }
    EXPECT_EQ(h.tray.infoBalloons, (std::vector<std::u16string>{u"pixel-7, 02-00-5E-00-00-01 joined Net",
                                                                u"pixel-7, 02-00-5E-00-00-01 left Net"}));
}

TEST(StationWatch, ManyArrivalsEndInAnEllipsis) {
    ModelHarness h;
    std::vector<StationMac> stations(8, kPhone);
    for (uint8_t i = 0; i < stations.size(); ++i)
        stations[i].back() = i;
    RunHostedNetwork(h, stations);
    h.model.OnTimer(IDT_STATION_WATCH);
    h.model.OnTimer(IDT_STATION_WATCH);
    EXPECT_EQ(h.tray.infoBalloons,
              std::vector<std::u16string>{u"8C-3A-E3-11-22-00, 8C-3A-E3-11-22-01, "
                                          u"8C-3A-E3-11-22-02, 8C-3A-E3-11-22-03, "
                                          u"8C-3A-E3-11-22-04, 8C-3A-E3-11-22-05, \u2026 joined Net"});
}

// Five names of 63 characters, the most a lease holds: the list is cut, the sentence kept whole.
TEST(StationWatch, LongNamesAreCutNotTheSentence) {
    ModelHarness h;
    std::vector<StationMac> stations(5, kPhone);
    std::string leases;
    for (uint8_t i = 0; i < stations.size(); ++i) {
        stations[i].back() = i;
        leases += "192.168.139." + std::to_string(20 + i) + " bound 1767229200 018c3ae311220" +
                  std::to_string(i) + " - =" + std::string(63, static_cast<char>('a' + i)) + "\r\n";
    }
    RunHostedNetwork(h, stations);
    h.files.SetFile(h.State().programFolder + std::u16string(dhcp::kLeaseFileName), leases);
    h.model.OnTimer(IDT_STATION_WATCH);
    h.model.OnTimer(IDT_STATION_WATCH);
    ASSERT_EQ(h.tray.infoBalloons.size(), 1u);
    const std::u16string& balloon = h.tray.infoBalloons.front();
    EXPECT_LE(balloon.size(), kBalloonTextMaxLength);
    EXPECT_EQ(balloon.substr(0, 65), std::u16string(63, u'a') + u", ");
    EXPECT_TRUE(balloon.ends_with(u"d\u2026 joined Net")) << std::string(balloon.begin(), balloon.end());
}

TEST(AssociationListRefresh, AddressAndNameFromTheLeases) {
    ModelHarness h;
    RunHostedNetwork(h, {kPhone, {0x02, 0, 0x5E, 0, 0, 1}});
    h.Pages().OnPageTimer(IDT_ASSOC_LIST_REFRESH);
    EXPECT_EQ(h.view.associationRows,
              (std::vector<AssociationRow>{
                  {u"1", u"8C-3A-E3-11-22-33", u"authenticated", u"192.168.139.7", u"pixel-7"},
                  {u"2", u"02-00-5E-00-00-01", u"authenticated", u"", u""}}));
}

}  // namespace
}  // namespace aerowisp
