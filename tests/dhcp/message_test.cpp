// Reading and writing DHCP messages: damaged, truncated and unusual datagrams, and the written form.
#include <gtest/gtest.h>

#include <functional>

#include "dhcp/core/message.h"

namespace aerowisp::dhcp {
namespace {

using Bytes = std::vector<uint8_t>;

// A DISCOVER's fixed part and cookie, followed by `options` as given.
Bytes Datagram(const Bytes& options) {
    Bytes bytes(kFixedBytes, 0);
    bytes[0] = kBootRequest;
    bytes[1] = 1;
    bytes[2] = 6;
    bytes[28] = 0x02;
    bytes.insert(bytes.end(), {99, 130, 83, 99});
    bytes.insert(bytes.end(), options.begin(), options.end());
    return bytes;
}

TEST(DhcpMessageTest, ReadsOrRefusesDatagrams) {
    const Bytes discover = {53, 1, 1, 255};
    struct Case {
        const char* name;
        std::function<Bytes()> datagram;
        ParseError error;
        std::map<uint8_t, Bytes> options;
    };
    const Case cases[] = {
        {"plain", [&] { return Datagram(discover); }, ParseError::kNone, {{53, {1}}}},
        {"pads before and after options",
         [] {
             return Datagram({0, 0, 53, 1, 1, 0, 12, 1, 'x', 255, 7, 7});
         },
         ParseError::kNone,
         {{53, {1}}, {12, {'x'}}}},
        {"no end option",
         [] {
             return Datagram({53, 1, 3, 50, 4, 192, 168, 139, 9});
         },
         ParseError::kNone,
         {{53, {3}}, {50, {192, 168, 139, 9}}}},
        {"repeated option joined",
         [] {
             return Datagram({12, 2, 'a', 'b', 53, 1, 1, 12, 1, 'c', 255});
         },
         ParseError::kNone,
         {{53, {1}}, {12, {'a', 'b', 'c'}}}},
        {"empty option value",
         [] {
             return Datagram({53, 1, 1, 61, 0, 255});
         },
         ParseError::kNone,
         {{53, {1}}, {61, {}}}},
        {"options in file and sname",
         [] {
             Bytes bytes = Datagram({52, 1, 3, 53, 1, 1, 255});
             const Bytes inFile = {12, 1, 'f', 52, 1, 1, 255}, inSname = {12, 1, 's', 255};
             std::copy(inFile.begin(), inFile.end(), bytes.begin() + kFileOffset);
             std::copy(inSname.begin(), inSname.end(), bytes.begin() + kSnameOffset);
             return bytes;
         },
         ParseError::kNone,
         {{52, {3}}, {53, {1}}, {12, {'f', 's'}}}},
        {"sname not overloaded is not read",
         [] {
             Bytes bytes = Datagram({52, 1, 1, 53, 1, 1, 255});
             bytes[kSnameOffset] = 12;  // would be truncated
             return bytes;
         },
         ParseError::kNone,
         {{52, {1}}, {53, {1}}}},
        {"fixed part cut",
         [&] {
             Bytes bytes = Datagram(discover);
             bytes.resize(kOptionsOffset - 1);
             return bytes;
         },
         ParseError::kTooShort,
         {}},
        {"oversized",
         [] { return Datagram(Bytes(kMaxMessageBytes - kOptionsOffset + 1, 0)); },
         ParseError::kTooLong,
         {}},
        {"largest accepted",
         [] { return Datagram(Bytes(kMaxMessageBytes - kOptionsOffset, 0)); },
         ParseError::kNone,
         {}},
        {"hardware length over 16",
         [&] {
             Bytes bytes = Datagram(discover);
             bytes[2] = 17;
             return bytes;
         },
         ParseError::kBadHardwareLength,
         {}},
        {"BOOTP without cookie",
         [&] {
             Bytes bytes = Datagram(discover);
             bytes[kFixedBytes] = 0;
             return bytes;
         },
         ParseError::kNoMagicCookie,
         {}},
        {"option length past the end",
         [] {
             return Datagram({53, 1, 1, 12, 5, 'a', 'b'});
         },
         ParseError::kTruncatedOption,
         {}},
        {"option without length",
         [] {
             return Datagram({53, 1, 1, 12});
         },
         ParseError::kTruncatedOption,
         {}},
        {"overloaded file truncated",
         [] {
             Bytes bytes = Datagram({52, 1, 1, 53, 1, 1, 255});
             bytes[kFileOffset + kFileBytes - 2] = 12;
             bytes[kFileOffset + kFileBytes - 1] = 9;
             return bytes;
         },
         ParseError::kTruncatedOption,
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ParseResult result = ParseMessage(c.datagram());
        EXPECT_EQ(result.error, c.error);
        ASSERT_EQ(result.message.has_value(), c.error == ParseError::kNone);
        if (result.message) {
            EXPECT_EQ(result.message->options, c.options);
            EXPECT_EQ(result.message->chaddr[0], 0x02);
        }
    }
}

TEST(DhcpMessageTest, WritesWhatItReadsBack) {
    Message message;
    message.op = kBootReply;
    message.xid = 0x12345678;
    message.flags = kBroadcastFlag;
    message.ciaddr = MakeIpv4(192, 168, 139, 5);
    message.yiaddr = MakeIpv4(192, 168, 139, 6);
    message.giaddr = MakeIpv4(192, 168, 139, 7);
    message.chaddr = {1, 2, 3, 4, 5, 6};
    message.options[option::kDnsServers] = Bytes(300, 9);  // more than one option can hold
    message.options[option::kMessageType] = {static_cast<uint8_t>(MessageType::kAck)};
    message.SetNumberOption(option::kLeaseTime, 86400);

    const Bytes bytes = BuildMessage(message);
    EXPECT_EQ(bytes.size(), 240u + 3 + (2 + 255) + (2 + 45) + 6 + 1);
    EXPECT_EQ(bytes[kOptionsOffset], option::kMessageType) << "the type comes first";
    ParseResult back = ParseMessage(bytes);
    ASSERT_TRUE(back.message);
    EXPECT_EQ(*back.message, message);
    EXPECT_EQ(back.message->Type(), MessageType::kAck);
    EXPECT_EQ(back.message->AddressOption(option::kLeaseTime), 86400u);

    Message small;
    small.options[option::kMessageType] = {static_cast<uint8_t>(MessageType::kNak)};
    EXPECT_EQ(BuildMessage(small).size(), kMinMessageBytes);
}

}  // namespace
}  // namespace aerowisp::dhcp
