// The lease file round trip, damaged lines, the lease table's changes and taking records back into it,
// and DhcpServer.ini.
#include <gtest/gtest.h>

#include <functional>

#include "dhcp/core/config.h"
#include "dhcp/core/lease_file.h"

namespace aerowisp::dhcp {
namespace {

constexpr Ipv4 Net(uint8_t host) {
    return MakeIpv4(192, 168, 139, host);
}

TEST(DhcpLeaseFileTest, RecordsSurviveTheRoundTrip) {
    const std::vector<Lease> records = {
        {Net(2),
         LeaseState::kBound,
         1'767'225'600,
         {1, 2, 3, 4, 5, 6, 7},
         {1, 2, 3, 4, 5, 6, 7},
         "station-one"},
        {Net(3), LeaseState::kOffered, 5, {0xFF, 0}, {}, ""},
        {Net(4), LeaseState::kReleased, -1, {1}, {1, 9}, "a=b"},
        {Net(5), LeaseState::kDeclined, 99, {}, {}, ""},
    };
    const LeaseFileContents back = ParseLeaseFile(FormatLeaseFile(records));
    EXPECT_EQ(back.damagedLines, 0u);
    EXPECT_EQ(back.records, records);
}

TEST(DhcpLeaseFileTest, DamagedLinesCostOnlyThemselves) {
    const std::string good = "192.168.139.2 bound 100 0102 0102 =host\n";
    const char* damaged[] = {
        "192.168.139.256 bound 100 0102 0102 =host",
        "192.168.139.2 free 100 0102 0102 =host",
        "192.168.139.2 bound 1x0 0102 0102 =host",
        "192.168.139.2 bound  0102 0102 =host",
        "192.168.139.2 bound 100 010 0102 =host",
        "192.168.139.2 bound 100 01G2 0102 =host",
        "192.168.139.2 bound 100 0102 0102 host",
        "192.168.139.2 bound 100 0102 0102",
        "192.168.139.2 bound 100 0102 0102 =two words",
        "192.168.139.2 bound 99999999999999999999 0102 0102 =",
        "\x7f\x45LF\x01\x02",
    };
    for (const char* line : damaged) {
        SCOPED_TRACE(line);
        const LeaseFileContents contents = ParseLeaseFile("# comment\r\n\r\n" + good + line + "\r\n" + good);
        EXPECT_EQ(contents.damagedLines, 1u);
        EXPECT_EQ(contents.records.size(), 2u);
    }
}

TEST(DhcpLeaseFileTest, ReadsWhatItAndOlderVersionsWroteAndRefusesCutRecords) {
    const std::string marked = "# DhcpServer leases 2: address state expires client hardware =host ;\r\n";
    const struct {
        const char* name;
        std::string text;
        size_t records;
        size_t damaged;
    } cases[] = {
        {"older file, no end marks",
         "# DhcpServer leases\r\n192.168.139.2 bound 1 01 01 =a\r\n192.168.139.3 bound 1 02 02 =b", 2, 0},
        {"CR line ends", marked + "192.168.139.2 bound 1 01 01 =a ;\r192.168.139.3 bound 1 02 02 =b ;\r", 2,
         0},
        {"upper-case hex", marked + "192.168.139.2 bound 1 0A0B 0aFF =a ;\r\n", 1, 0},
        {"cut inside the host name",
         marked + "192.168.139.2 bound 1 01 01 =a ;\r\n192.168.139.3 bound 1 02 02 =stat", 1, 1},
        {"cut before the end mark", marked + "192.168.139.3 bound 1 02 02 =b", 0, 1},
        {"cut within the end mark", marked + "192.168.139.3 bound 1 02 02 =b ", 0, 1},
        {"marked records without the header",
         "192.168.139.2 bound 1 01 01 =a ;\n192.168.139.3 bound 1 02 02 =stat\n", 1, 1},
        {"a host name that is the mark itself", marked + "192.168.139.2 bound 1 01 01 =; ;\n", 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const LeaseFileContents contents = ParseLeaseFile(c.text);
        EXPECT_EQ(contents.records.size(), c.records);
        EXPECT_EQ(contents.damagedLines, c.damaged);
    }
    const LeaseFileContents upper = ParseLeaseFile(marked + "192.168.139.2 bound 1 0A0B 0aFF =a ;");
    ASSERT_EQ(upper.records.size(), 1u);
    EXPECT_EQ(upper.records[0].client, (std::vector<uint8_t>{0x0A, 0x0B}));
    EXPECT_EQ(upper.records[0].hardware, (std::vector<uint8_t>{0x0A, 0xFF}));
}

TEST(DhcpLeaseFileTest, TableTakesBackOnlyUsableRecords) {
    LeaseTable table(Net(2), Net(10));
    const std::vector<Lease> records = {
        {Net(2), LeaseState::kBound, 100, {1, 1}, {}, ""},
        {Net(2), LeaseState::kBound, 100, {1, 2}, {}, ""},   // address taken
        {Net(3), LeaseState::kBound, 100, {1, 1}, {}, ""},   // client already placed
        {Net(11), LeaseState::kBound, 100, {1, 3}, {}, ""},  // outside the pool
        {Net(4), LeaseState::kFree, 0, {}, {}, ""},
        {Net(5), LeaseState::kDeclined, 100, {}, {}, ""},
    };
    EXPECT_EQ(table.Restore(records), 4u);
    EXPECT_EQ(table.Records(), (std::vector<Lease>{records[0], records[5]}));
    EXPECT_FALSE(table.TakeChanged()) << "what was read back is not written again";
}

// Each change leaves its records, and the table says once that it changed.
TEST(DhcpLeaseTableTest, ChangesLeaveTheirRecordsAndMarkTheTable) {
    const std::vector<uint8_t> a = {1, 0xA};
    const std::vector<uint8_t> h = {1, 0xA, 0xA};
    using enum LeaseState;
    struct Case {
        const char* name;
        std::function<void(LeaseTable&)> change;
        std::vector<Lease> records;
    };
    const Case cases[] = {
        {"offer",
         [&](LeaseTable& t) { t.Offer(Net(2), a, h, 100, 160); },
         {{Net(2), kOffered, 160, a, h, ""}}},
        {"an offer keeps a running lease bound",
         [&](LeaseTable& t) {
             t.Bind(Net(2), a, h, "x", 100, 1000);
             t.Offer(Net(2), a, h, 200, 260);
         },
         {{Net(2), kBound, 1000, a, h, "x"}}},
        {"a client binding elsewhere gives its address back",
         [&](LeaseTable& t) {
             t.Bind(Net(2), a, h, "x", 100, 1000);
             t.Bind(Net(3), a, h, "", 200, 1200);
         },
         {{Net(2), kReleased, 200, {}, h, ""}, {Net(3), kBound, 1200, a, h, ""}}},
        {"decline sets the address aside without its client",
         [&](LeaseTable& t) {
             t.Bind(Net(2), a, h, "x", 100, 1000);
             t.Decline(Net(2), 5000);
         },
         {{Net(2), kDeclined, 5000, {}, h, ""}}},
        {"release keeps the client's claim",
         [&](LeaseTable& t) {
             t.Bind(Net(2), a, h, "x", 100, 1000);
             t.Release(Net(2), 300);
         },
         {{Net(2), kReleased, 300, a, h, "x"}}},
        {"outside the pool nothing changes",
         [&](LeaseTable& t) {
             t.Offer(Net(11), a, h, 100, 160);
             t.Bind(Net(1), a, h, "x", 100, 1000);
             t.Decline(Net(11), 5000);
             t.Release(Net(11), 300);
         },
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LeaseTable table(Net(2), Net(10));
        c.change(table);
        EXPECT_EQ(table.Records(), c.records);
        EXPECT_EQ(table.TakeChanged(), !c.records.empty());
        EXPECT_FALSE(table.TakeChanged());
    }
}

TEST(DhcpConfigTest, ReadsSettingsAndRefusesBadValues) {
    struct Case {
        const char* text;
        Ipv4 first;
        Ipv4 last;
        uint32_t lease;
        std::vector<Ipv4> dns;
        size_t problems;
    };
    const Config d;
    const Case cases[] = {
        {"", d.poolFirst, d.poolLast, d.leaseSeconds, {}, 0},
        {"[dhcpserver]\r\npoolfirst = 192.168.139.100\r\nPoolLast=192.168.139.120\r\nLeaseTime=3600\r\n"
         "DNS=1.1.1.1, 8.8.8.8\r\n",
         Net(100),
         Net(120),
         3600,
         {MakeIpv4(1, 1, 1, 1), MakeIpv4(8, 8, 8, 8)},
         0},
        {"[Other]\nLeaseTime=5\n[DhcpServer]\n; comment\nLeaseTime=10", d.poolFirst, d.poolLast, 10, {}, 0},
        {"[DhcpServer]\nPoolFirst=192.168.139.1\nPoolLast=10.0.0.5",
         d.poolFirst,
         d.poolLast,
         d.leaseSeconds,
         {},
         2},
        {"[DhcpServer]\nPoolFirst=192.168.139.255\nPoolLast=192.168.139.0",
         d.poolFirst,
         d.poolLast,
         d.leaseSeconds,
         {},
         2},
        {"[DhcpServer]\nPoolFirst=192.168.139.50\nPoolLast=192.168.139.40",
         d.poolFirst,
         d.poolLast,
         d.leaseSeconds,
         {},
         1},
        {"[DhcpServer]\nPoolFirst=192.168.139.250", Net(250), d.poolLast, d.leaseSeconds, {}, 0},
        {"[DhcpServer]\nLeaseTime=9\nLeaseTime=abc\nLeaseTime=99999999999\nLeaseTime=-1",
         d.poolFirst,
         d.poolLast,
         d.leaseSeconds,
         {},
         4},
        {"[DhcpServer]\nDNS=1.1.1.1,2.2.2.2,3.3.3.3,4.4.4.4\nDNS=0.0.0.0\nDNS=host",
         d.poolFirst,
         d.poolLast,
         d.leaseSeconds,
         {},
         3},
        {"[DhcpServer]\nColour=blue\nnonsense\n\x01\x02=\xff",
         d.poolFirst,
         d.poolLast,
         d.leaseSeconds,
         {},
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ConfigResult result = ParseConfig(c.text);
        EXPECT_EQ(FormatIpv4(result.config.poolFirst), FormatIpv4(c.first));
        EXPECT_EQ(FormatIpv4(result.config.poolLast), FormatIpv4(c.last));
        EXPECT_EQ(result.config.leaseSeconds, c.lease);
        EXPECT_EQ(result.config.dns, c.dns);
        EXPECT_EQ(result.problems.size(), c.problems);
    }
}

TEST(DhcpConfigTest, ChoosesDnsServers) {
    Config configured;
    configured.dns = {MakeIpv4(1, 1, 1, 1)};
    const Ipv4 host = MakeIpv4(10, 0, 0, 53);
    EXPECT_EQ(ChooseDnsServers(configured, {host}), configured.dns);
    EXPECT_EQ(ChooseDnsServers(Config{}, {MakeIpv4(127, 0, 0, 53), host, 0}), std::vector<Ipv4>{host});
    EXPECT_EQ(ChooseDnsServers(Config{}, {MakeIpv4(127, 0, 0, 1)}), std::vector<Ipv4>{kServerAddress});
}

}  // namespace
}  // namespace aerowisp::dhcp
