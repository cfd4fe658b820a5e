// The hosted network's stations: their leases from the DHCP server's file, the association list's
// address and name columns, and the balloons telling of arrivals and departures.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/hostednet/station_leases.h"
#include "core/hostednet/station_notices.h"
#include "core/resource.h"
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

TEST(StationLeases, FoundByMacInAnyCaseAndSeparators) {
    const StationLeases leases = StationLeases::Parse(kLeaseFile);
    const struct {
        std::u16string_view mac;
        std::optional<StationLease> lease;
    } cases[] = {
        {u"8C-3A-E3-11-22-33", StationLease{u"192.168.139.7", u"pixel-7"}},
        {u"8c:3a:e3:11:22:33", StationLease{u"192.168.139.7", u"pixel-7"}},
        {u"8c3aE3112233", StationLease{u"192.168.139.7", u"pixel-7"}},
        {u"8C3A.E311.2233", StationLease{u"192.168.139.7", u"pixel-7"}},
        {u"40-B0-FA-44-55-66", StationLease{u"192.168.139.9", u""}},
        {u"AA-BB-CC-DD-EE-FF", std::nullopt},  // released
        {u"8C-3A-E3-11-22", std::nullopt},
        {u"8C-3A-E3-11-22-33-44", std::nullopt},
        {u"8C-3A-E3-11-22-3G", std::nullopt},
        {u"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(leases.Find(c.mac), c.lease) << std::string(c.mac.begin(), c.mac.end());
}

TEST(StationLeases, ReadWholeInPiecesOrNotAtAll) {
    const std::u16string path = u"C:\\Aerowisp\\DhcpServer.leases";
    const std::string whole = kLeaseFile;
    const struct {
        const char* label;
        std::optional<std::string> file;
        std::optional<StationLease> phone;
    } cases[] = {
        {"whole", whole, StationLease{u"192.168.139.7", u"pixel-7"}},
        {"cut in the middle of a line", whole.substr(0, whole.find("=pixel") - 3),
         StationLease{u"192.168.139.5", u"old-name"}},
        {"missing", std::nullopt, std::nullopt},
        {"not text", std::string("\0\xff\r\n\x01", 5), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        test::MemoryFileReader files(7);
        if (c.file)
            files.SetFile(path, *c.file);
        EXPECT_EQ(StationLeases::Read(files, path).Find(kPhone), c.phone);
    }
}

// Stations by letter, 'p' the phone and 't' the tablet; a capital letter: its lease has a name.
std::vector<StationMac> Macs(std::string_view letters) {
    std::vector<StationMac> macs;
    for (char letter : letters)
        macs.push_back(letter == 'p' || letter == 'P' ? kPhone : kTablet);
    return macs;
}

std::string Told(const StationNotice& notice) {
    const auto list = [](char sign, const std::vector<std::u16string>& names) {
        std::string text;
        for (const std::u16string& name : names)
            text += (text.empty() ? std::string(1, sign) : ",") + std::string(name.begin(), name.end());
        return text;
    };
    const std::string joined = list('+', notice.joined);
    const std::string left = list('-', notice.left);
    return joined + (joined.empty() || left.empty() ? "" : " ") + left;
}

TEST(StationNotices, GatheredAndToldAtMostEveryOtherLook) {
    // Each look: "!" first forgets everything; the stations present; what is told ("" nothing).
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
            const auto notice = notices.Look(Macs(present), named);
            const std::string told = notice ? Told(*notice) : "";
            EXPECT_EQ(told, look.told) << "present " << look.present;
        }
    }
}

TEST(StationWatch, BalloonsOnlyInApStaModeWithTheRadioOn) {
    const struct {
        const char* label;
        bool apMode;
        bool radioOn;
        bool queryFails;
        bool authenticated;
        std::map<std::u16string, std::u16string> language;
        std::vector<std::u16string> balloons;
    } cases[] = {
        {"named by its lease", true, true, false, true, {}, {u"pixel-7 joined Aerowisp Net"}},
        {"a translation",
         true,
         true,
         false,
         true,
         {{u"String172", u"%s \u5DF2\u52A0\u5165 %s\r\n"}},
         {u"pixel-7 \u5DF2\u52A0\u5165 Aerowisp Net"}},
        {"a translation with one place",
         true,
         true,
         false,
         true,
         {{u"String172", u"Joined: %s %d"}},
         {u"Joined: pixel-7 %d"}},
        {"not yet authenticated", true, true, false, false, {}, {}},
        {"station mode", false, true, false, true, {}, {}},
        {"radio off", true, false, false, true, {}, {}},
        {"failed query", true, true, true, true, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Scenario scenario = test::HarnessScenario();
        scenario.stations = {{kPhone, 0, kStationStays, c.authenticated}};
        ModelHarness h(scenario);
        h.files.SetFile(h.State().programFolder + kDhcpLeaseFile, kLeaseFile);
        h.view.languageLines = c.language;
        h.State().cardPresent = true;
        h.State().radioOn = c.radioOn;
        h.Hosted().apMode = c.apMode;
        h.Hosted().desiredSsid = u"Aerowisp Net";
        h.machine.Wlan().HostedNetworkForceStart(h.State().wlanHandle, nullptr);
        h.model.Stations().Start();
        if (c.queryFails)
            h.machine.Failures().FailNext(op::kWlanHostedNetworkQueryStatus, kErrorInvalidState);
        h.model.OnTimer(IDT_STATION_WATCH);
        EXPECT_EQ(h.tray.infoBalloons, c.balloons);
    }
}

TEST(StationWatch, DeparturesTellTheLeasesNamesOrMacs) {
    ModelHarness h;
    h.files.SetFile(h.State().programFolder + kDhcpLeaseFile, kLeaseFile);
    h.State().cardPresent = true;
    h.Hosted().apMode = true;
    h.Hosted().desiredSsid = u"Net";
    h.machine.Wlan().HostedNetworkForceStart(h.State().wlanHandle, nullptr);
    h.machine.Wlan().JoinStationNow(kPhone);
    h.machine.Wlan().JoinStationNow({0x02, 0, 0x5E, 0, 0, 1});
    h.model.Stations().Start();
    for (int tick = 0; tick < 2; ++tick)
        h.model.OnTimer(IDT_STATION_WATCH);
    h.machine.Wlan().DropLastStation();
    h.machine.Wlan().DropLastStation();
    for (int tick = 0; tick < 2; ++tick)
        h.model.OnTimer(IDT_STATION_WATCH);
    EXPECT_EQ(h.tray.infoBalloons, (std::vector<std::u16string>{u"pixel-7, 02-00-5E-00-00-01 joined Net",
                                                                u"pixel-7, 02-00-5E-00-00-01 left Net"}));
}

TEST(AssociationListRefresh, AddressAndNameFromTheLeases) {
    ModelHarness h;
    h.files.SetFile(h.State().programFolder + kDhcpLeaseFile, kLeaseFile);
    h.Hosted().apMode = true;
    h.machine.Wlan().HostedNetworkForceStart(h.State().wlanHandle, nullptr);
    h.machine.Wlan().JoinStationNow(kPhone);
    h.machine.Wlan().JoinStationNow({0x02, 0, 0x5E, 0, 0, 1});
    h.model.Pages().OnPageTimer(IDT_ASSOC_LIST_REFRESH);
    EXPECT_EQ(h.view.associationRows,
              (std::vector<AssociationRow>{
                  {u"1", u"8C-3A-E3-11-22-33", u"authenticated", u"192.168.139.7", u"pixel-7"},
                  {u"2", u"02-00-5E-00-00-01", u"authenticated", u"", u""}}));
}

}  // namespace
}  // namespace aerowisp
