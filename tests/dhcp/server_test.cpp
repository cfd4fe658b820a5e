// The server's decisions, as conversations: each step is one request and the reply it must get.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "dhcp/core/server.h"

namespace aerowisp::dhcp {
namespace {

class RecordingLog final : public EventLog {
  public:
    void Write(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

constexpr Ipv4 Net(uint8_t host) {
    return MakeIpv4(192, 168, 139, host);
}

constexpr int64_t kStart = 1'700'000'000;
constexpr Ipv4 kOtherServer = MakeIpv4(10, 0, 0, 1);

// One request and what must come back. Clients 'a', 'b', 'c' differ in their hardware address; 'A' has
// a's hardware address but its own client identifier, 'B' has a's client identifier on b's hardware.
struct Step {
    int64_t at = 0;  // seconds after kStart
    char client = 'a';
    MessageType type = MessageType::kDiscover;
    Ipv4 ciaddr = 0;
    Ipv4 requested = 0;
    Ipv4 serverId = 0;
    Ipv4 giaddr = 0;
    bool broadcast = true;               // how the request arrived
    bool leaseFileRead = true;           // false: the server holds new addresses back
    const DeviceRules* rules = nullptr;  // set: the server takes these rules before the request
    std::optional<MessageType> reply{};
    Ipv4 yiaddr = 0;
    Ipv4 to = kBroadcast;
    uint16_t port = kClientPort;
    uint16_t flags = 0;  // the request has none; a NAK through a relay asks it to broadcast
};

Message Request(const Step& step) {
    Message request;
    request.xid = 42;
    const char hardware = step.client == 'A' ? 'a' : step.client == 'B' ? 'b' : step.client;
    request.chaddr = {0x02, 0, 0, 0, 0, static_cast<uint8_t>(hardware)};
    if (step.client == 'A')
        request.options[option::kClientId] = {0xFF, 'A'};
    if (step.client == 'B' || step.client == 'a')
        request.options[option::kClientId] = {1, 0x02, 0, 0, 0, 0, 'a'};
    request.options[option::kMessageType] = {static_cast<uint8_t>(step.type)};
    request.ciaddr = step.ciaddr;
    request.giaddr = step.giaddr;
    if (step.requested != 0)
        request.SetAddressOption(option::kRequestedAddress, step.requested);
    if (step.serverId != 0)
        request.SetAddressOption(option::kServerId, step.serverId);
    return request;
}

void Converse(const char* name, const Config& config, const std::vector<Step>& steps) {
    RecordingLog log;
    Server server(config, {Net(1)}, log);
    for (size_t i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        SCOPED_TRACE(std::string(name) + ", step " + std::to_string(i + 1));
        server.SetHoldingNewAddresses(!step.leaseFileRead);
        if (step.rules != nullptr)
            server.SetDeviceRules(*step.rules);
        std::optional<Reply> reply = server.Handle(Request(step), step.broadcast, kStart + step.at);
        ASSERT_EQ(reply.has_value(), step.reply.has_value());
        if (!reply)
            continue;
        EXPECT_EQ(reply->message.Type(), step.reply);
        EXPECT_EQ(FormatIpv4(reply->message.yiaddr), FormatIpv4(step.yiaddr));
        EXPECT_EQ(FormatIpv4(reply->to), FormatIpv4(step.to));
        EXPECT_EQ(reply->port, step.port);
        EXPECT_EQ(reply->message.flags, step.flags);
        EXPECT_EQ(reply->message.xid, 42u);
    }
}

using enum MessageType;

TEST(DhcpServerTest, AnswersConversations) {
    const Config defaults;
    Config twoAddresses;
    twoAddresses.poolLast = Net(3);
    twoAddresses.leaseSeconds = 100;

    Converse(
        "same client, same address", defaults,
        {{.type = kDiscover, .reply = kOffer, .yiaddr = Net(2)},
         {.type = kRequest, .requested = Net(2), .serverId = Net(1), .reply = kAck, .yiaddr = Net(2)},
         {.at = 10,
          .type = kRequest,
          .ciaddr = Net(2),
          .broadcast = false,
          .reply = kAck,
          .yiaddr = Net(2),
          .to = Net(2)},
         {.at = 20, .type = kRequest, .ciaddr = Net(2), .reply = kAck, .yiaddr = Net(2), .to = Net(2)},
         {.at = 30, .type = kDiscover, .reply = kOffer, .yiaddr = Net(2)},
         {.at = 30, .client = 'b', .type = kDiscover, .reply = kOffer, .yiaddr = Net(3)},
         {.at = 30, .client = 'b', .type = kRequest, .ciaddr = Net(2), .broadcast = false, .reply = kNak},
         {.at = 40, .client = 'b', .type = kRequest, .requested = Net(2), .reply = kNak}});

    Converse("client identifier before hardware address", defaults,
             {{.client = 'a', .type = kDiscover, .reply = kOffer, .yiaddr = Net(2)},
              {.client = 'A', .type = kDiscover, .reply = kOffer, .yiaddr = Net(3)},
              {.client = 'B',
               .type = kRequest,
               .requested = Net(2),
               .serverId = Net(1),
               .reply = kAck,
               .yiaddr = Net(2)}});

    Converse(
        "pool exhausted until a lease ends", twoAddresses,
        {{.client = 'a', .type = kRequest, .requested = Net(2), .reply = kAck, .yiaddr = Net(2)},
         {.at = 50, .client = 'b', .type = kRequest, .requested = Net(3), .reply = kAck, .yiaddr = Net(3)},
         {.at = 60, .client = 'c', .type = kDiscover},
         {.at = 99, .client = 'c', .type = kDiscover},
         {.at = 100, .client = 'c', .type = kDiscover, .reply = kOffer, .yiaddr = Net(2)},
         {.at = 101, .client = 'a', .type = kDiscover},
         {.at = 150, .client = 'a', .type = kDiscover, .reply = kOffer, .yiaddr = Net(3)},
         {.at = 151, .client = 'b', .type = kRequest, .ciaddr = Net(3), .reply = kNak}});

    Converse(
        "declined address set aside", defaults,
        {{.client = 'a', .type = kRequest, .requested = Net(2), .reply = kAck, .yiaddr = Net(2)},
         {.client = 'b', .type = kDecline, .requested = Net(2)},
         {.client = 'a', .type = kDecline, .requested = Net(2)},
         {.client = 'b', .type = kDiscover, .requested = Net(2), .reply = kOffer, .yiaddr = Net(3)},
         {.client = 'a', .type = kDiscover, .reply = kOffer, .yiaddr = Net(4)},
         {.at = kDeclineHoldSeconds - 1, .client = 'c', .type = kRequest, .requested = Net(2), .reply = kNak},
         {.at = kDeclineHoldSeconds,
          .client = 'c',
          .type = kRequest,
          .requested = Net(2),
          .reply = kAck,
          .yiaddr = Net(2)}});

    Converse("released address kept for its client", defaults,
             {{.client = 'a', .type = kRequest, .requested = Net(2), .reply = kAck, .yiaddr = Net(2)},
              {.client = 'b', .type = kRelease, .ciaddr = Net(2)},
              {.client = 'c', .type = kDiscover, .requested = Net(2), .reply = kOffer, .yiaddr = Net(3)},
              {.client = 'a', .type = kRelease, .ciaddr = Net(2)},
              {.client = 'b', .type = kDiscover, .reply = kOffer, .yiaddr = Net(4)},
              {.client = 'a', .type = kDiscover, .reply = kOffer, .yiaddr = Net(2)}});

    Converse(
        "offer freed when another server is chosen", twoAddresses,
        {{.client = 'a', .type = kDiscover, .reply = kOffer, .yiaddr = Net(2)},
         {.client = 'b', .type = kDiscover, .reply = kOffer, .yiaddr = Net(3)},
         {.client = 'c', .type = kDiscover},
         {.client = 'a', .type = kRequest, .requested = Net(2), .serverId = kOtherServer},
         {.client = 'c', .type = kDiscover, .reply = kOffer, .yiaddr = Net(2)},
         {.client = 'b', .type = kRequest, .requested = Net(2), .serverId = Net(1), .reply = kNak},
         {.at = kOfferHoldSeconds - 1, .client = 'a', .type = kDiscover},
         {.at = kOfferHoldSeconds, .client = 'a', .type = kDiscover, .reply = kOffer, .yiaddr = Net(2)}});

    Converse("relay agents", defaults,
             {{.type = kDiscover,
               .giaddr = Net(200),
               .reply = kOffer,
               .yiaddr = Net(2),
               .to = Net(200),
               .port = kServerPort},
              {.type = kRequest,
               .requested = Net(2),
               .serverId = Net(1),
               .giaddr = Net(200),
               .reply = kAck,
               .yiaddr = Net(2),
               .to = Net(200),
               .port = kServerPort},
              {.client = 'b',
               .type = kRequest,
               .requested = Net(2),
               .giaddr = Net(200),
               .reply = kNak,
               .to = Net(200),
               .port = kServerPort,
               .flags = kBroadcastFlag},
              {.client = 'b', .type = kDiscover, .giaddr = MakeIpv4(10, 1, 1, 1)}});

    Converse("other networks and odd requests", defaults,
             {{.type = kRequest, .requested = MakeIpv4(10, 0, 0, 9), .reply = kNak},
              {.type = kRequest, .requested = Net(1), .reply = kNak},
              {.type = kRequest, .ciaddr = MakeIpv4(10, 0, 0, 9), .reply = kNak},
              {.type = kRequest},
              {.type = kOffer},
              {.type = kInform, .ciaddr = Net(77), .broadcast = false, .reply = kAck, .to = Net(77)},
              {.type = kInform}});
}

TEST(DhcpServerTest, NeverUnicastsOffTheLinkAndMovesStationsOfOtherNetworks) {
    const Ipv4 sharing = MakeIpv4(192, 168, 137, 57);
    const Ipv4 remote = MakeIpv4(10, 0, 0, 9);
    Converse("addresses of other networks", Config{},
             {{.type = kRequest, .ciaddr = sharing, .reply = kNak},
              {.type = kRequest, .ciaddr = sharing, .broadcast = false, .reply = kNak},
              {.type = kRequest, .requested = sharing, .reply = kNak},
              {.type = kRequest, .ciaddr = remote, .requested = Net(5), .reply = kNak},
              {.type = kRequest, .ciaddr = remote, .requested = Net(5), .serverId = Net(1), .reply = kNak},
              {.type = kDiscover, .ciaddr = remote, .reply = kOffer, .yiaddr = Net(2)},
              {.type = kDiscover, .ciaddr = Net(255), .reply = kOffer, .yiaddr = Net(2)},
              {.type = kRequest, .ciaddr = Net(255), .requested = Net(2), .reply = kAck, .yiaddr = Net(2)},
              {.type = kInform, .ciaddr = Net(255)},
              {.type = kInform, .ciaddr = remote},
              {.type = kDiscover, .giaddr = Net(255)},
              {.type = kDiscover, .giaddr = Net(1)}});

    Converse("held until the lease file is read", Config{},
             {{.type = kDiscover, .leaseFileRead = false},
              {.type = kRequest, .requested = Net(5), .leaseFileRead = false},
              {.client = 'b', .type = kRequest, .ciaddr = Net(6), .leaseFileRead = false},
              {.type = kRequest, .requested = sharing, .leaseFileRead = false, .reply = kNak},
              {.type = kDiscover, .reply = kOffer, .yiaddr = Net(2)},
              {.type = kRequest, .requested = Net(2), .serverId = Net(1), .reply = kAck, .yiaddr = Net(2)},
              {.type = kRequest,
               .ciaddr = Net(2),
               .broadcast = false,
               .leaseFileRead = false,
               .reply = kAck,
               .yiaddr = Net(2),
               .to = Net(2)},
              {.client = 'b', .type = kRequest, .requested = Net(2), .leaseFileRead = false}});
}

DeviceRule Rule(char client, Ipv4 fixed, bool blocked = false) {
    return {.mac = {0x02, 0, 0, 0, 0, static_cast<uint8_t>(client)}, .reserved = fixed, .blocked = blocked};
}

TEST(DhcpServerTest, FollowsTheDeviceRules) {
    const DeviceRules none;
    const DeviceRules blockB{{Rule('b', 0, true)}};
    const DeviceRules fixA{{Rule('a', Net(9)), Rule('c', Net(200))}};
    Config smallPool;
    smallPool.poolLast = Net(20);

    Converse("blocked station", Config{},
             {{.client = 'b', .type = kDiscover, .rules = &blockB},
              {.client = 'b', .type = kRequest, .requested = Net(2), .reply = kNak},
              {.client = 'b', .type = kRequest, .requested = Net(2), .serverId = Net(1), .reply = kNak},
              {.client = 'b', .type = kRequest, .ciaddr = Net(2), .broadcast = false, .reply = kNak},
              {.client = 'b', .type = kInform, .ciaddr = Net(77), .broadcast = false},
              {.client = 'a', .type = kDiscover, .reply = kOffer, .yiaddr = Net(2)},
              {.client = 'b', .type = kDiscover, .rules = &none, .reply = kOffer, .yiaddr = Net(3)}});

    Converse("fixed address for its station alone", smallPool,
             {{.client = 'b',
               .type = kDiscover,
               .requested = Net(9),
               .rules = &fixA,
               .reply = kOffer,
               .yiaddr = Net(2)},
              {.client = 'b', .type = kRequest, .requested = Net(9), .reply = kNak},
              {.client = 'a', .type = kDiscover, .reply = kOffer, .yiaddr = Net(9)},
              {.client = 'a',
               .type = kRequest,
               .requested = Net(9),
               .serverId = Net(1),
               .reply = kAck,
               .yiaddr = Net(9)},
              {.client = 'A', .type = kRequest, .requested = Net(9), .reply = kNak},
              {.client = 'c', .type = kDiscover, .reply = kOffer, .yiaddr = Net(3)}});

    Converse("fixed address held by another station when the rule comes", smallPool,
             {{.client = 'b', .type = kRequest, .requested = Net(9), .reply = kAck, .yiaddr = Net(9)},
              {.client = 'a', .type = kDiscover, .rules = &fixA, .reply = kOffer, .yiaddr = Net(2)},
              {.client = 'a',
               .type = kRequest,
               .requested = Net(2),
               .serverId = Net(1),
               .reply = kAck,
               .yiaddr = Net(2)},
              {.client = 'b', .type = kRequest, .ciaddr = Net(9), .broadcast = false, .reply = kNak},
              {.client = 'b', .type = kDiscover, .reply = kOffer, .yiaddr = Net(3)},
              {.client = 'a', .type = kRequest, .ciaddr = Net(2), .broadcast = false, .reply = kNak},
              {.client = 'a', .type = kDiscover, .reply = kOffer, .yiaddr = Net(9)},
              {.client = 'a',
               .type = kRequest,
               .requested = Net(9),
               .serverId = Net(1),
               .reply = kAck,
               .yiaddr = Net(9)},
              {.client = 'b', .type = kRequest, .requested = Net(9), .rules = &none, .reply = kNak}});
}

TEST(DhcpServerTest, KeepsAFixedAddressFromTheStationTheLeaseFileGaveIt) {
    RecordingLog log;
    Server server(Config{}, {Net(1)}, log);
    const Message bRenews = Request({.client = 'b', .type = kRequest, .ciaddr = Net(9)});
    const std::vector<uint8_t> b = ClientKey(bRenews);
    ASSERT_EQ(server.leases().Restore({{.address = Net(9),
                                        .state = LeaseState::kBound,
                                        .expires = kStart + 1000,
                                        .client = b,
                                        .hardware = b}}),
              0u);
    server.SetDeviceRules(DeviceRules{{Rule('a', Net(9))}});
    const std::pair<Message, std::optional<Ipv4>> steps[] = {
        {Request({.client = 'a', .type = kDiscover}), Net(2)},
        {Request({.client = 'c', .type = kDiscover, .requested = Net(9)}), Net(3)},
        {bRenews, std::nullopt},
    };
    for (const auto& [request, offered] : steps) {
        std::optional<Reply> reply = server.Handle(request, true, kStart);
        ASSERT_TRUE(reply);
        EXPECT_EQ(reply->message.Type(), offered ? kOffer : kNak);
        EXPECT_EQ(reply->message.yiaddr, offered.value_or(0));
    }
    EXPECT_TRUE(
        log.lines.front().ends_with("OFFER 192.168.139.2 (its fixed address 192.168.139.9 is still another "
                                    "station's)"))
        << log.lines.front();
}

TEST(DhcpServerTest, NamesTheClientStateOfEachRequest) {
    const std::pair<Step, std::string> cases[] = {
        {{.type = kRequest, .requested = Net(2), .serverId = Net(1)}, "(selecting) 192.168.139.2: NAK"},
        {{.type = kRequest, .requested = Net(2)}, "(init-reboot) 192.168.139.2: ACK"},
        {{.type = kRequest, .ciaddr = Net(2), .broadcast = false}, "(renewing) 192.168.139.2: ACK"},
        {{.type = kRequest, .ciaddr = Net(2)}, "(rebinding) 192.168.139.2: ACK"},
    };
    for (const auto& [step, logged] : cases) {
        RecordingLog log;
        Server server(Config{}, {Net(1)}, log);
        server.Handle(Request(step), step.broadcast, kStart);
        ASSERT_FALSE(log.lines.empty());
        EXPECT_TRUE(log.lines.back().ends_with(logged)) << log.lines.back();
    }
}

TEST(DhcpServerTest, CountsWhatItRefuses) {
    RecordingLog log;
    Config oneAddress;
    oneAddress.poolLast = Net(2);
    Server server(oneAddress, {Net(1)}, log);
    Message notRequest = Request({});
    notRequest.op = kBootReply;
    const Message requests[] = {notRequest,
                                notRequest,
                                Request({.type = MessageType::kOffer}),
                                Request({.type = MessageType::kDiscover, .giaddr = MakeIpv4(10, 0, 0, 1)}),
                                Request({.client = 'a', .type = MessageType::kRequest, .requested = Net(2)}),
                                Request({.client = 'b', .type = MessageType::kDiscover})};
    for (const Message& request : requests)
        server.Handle(request, true, kStart);
    EXPECT_EQ(server.refusals().TakeSummary(),
              (std::vector<std::string>{"1 datagram refused: DISCOVER with no free address",
                                        "3 datagrams refused: not a DHCP request",
                                        "1 datagram refused: relayed from outside 192.168.139.0/24"}));
    EXPECT_TRUE(server.refusals().Empty());
}

TEST(DhcpServerTest, TellsStationsTheNetworkAndRecordsThem) {
    RecordingLog log;
    Config config;
    config.leaseSeconds = 1000;
    Server server(config, {MakeIpv4(9, 9, 9, 9), MakeIpv4(8, 8, 8, 8)}, log);
    Message request = Request({.type = MessageType::kRequest, .requested = Net(2)});
    request.options[option::kHostName] = {'s', 't', 'a', ' ', '1'};
    request.flags = kBroadcastFlag;
    std::optional<Reply> ack = server.Handle(request, true, kStart);
    ASSERT_TRUE(ack);
    const Message& m = ack->message;
    EXPECT_EQ(m.op, kBootReply);
    EXPECT_EQ(m.flags, kBroadcastFlag);
    EXPECT_EQ(m.chaddr, request.chaddr);
    EXPECT_EQ(m.AddressOption(option::kServerId), Net(1));
    EXPECT_EQ(m.AddressOption(option::kSubnetMask), MakeIpv4(255, 255, 255, 0));
    EXPECT_EQ(m.AddressOption(option::kRouter), Net(1));
    EXPECT_EQ(m.AddressOption(option::kLeaseTime), 1000u);
    EXPECT_EQ(m.AddressOption(option::kRenewalTime), 500u);
    EXPECT_EQ(m.AddressOption(option::kRebindingTime), 875u);
    EXPECT_EQ(m.options.at(option::kDnsServers), (std::vector<uint8_t>{9, 9, 9, 9, 8, 8, 8, 8}));
    EXPECT_EQ(m.options.at(option::kClientId), request.options.at(option::kClientId));
    EXPECT_EQ(log.lines.back(), "REQUEST from 02:00:00:00:00:61 (sta?1) (init-reboot) 192.168.139.2: ACK");

    EXPECT_TRUE(server.TakeChanged());
    EXPECT_FALSE(server.TakeChanged());
    const std::vector<Lease> records = server.leases().Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].state, LeaseState::kBound);
    EXPECT_EQ(records[0].expires, kStart + 1000);
    EXPECT_EQ(records[0].hostName, "sta?1");
    EXPECT_EQ(records[0].hardware, (std::vector<uint8_t>{1, 2, 0, 0, 0, 0, 'a'}));
}

}  // namespace
}  // namespace aerowisp::dhcp
