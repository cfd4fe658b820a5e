// DHCP messages (RFC 2131) and their options (RFC 2132): reading them from datagrams and writing them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/text/ipv4_text.h"
#include "dhcp/core/contract.h"

namespace aerowisp::dhcp {

constexpr uint8_t kBootRequest = 1;
constexpr uint8_t kBootReply = 2;
constexpr uint16_t kBroadcastFlag = 0x8000;
constexpr uint16_t kClientPort = 68;

// The fixed part (op to file), then the magic cookie.
constexpr size_t kFixedBytes = 236;
constexpr size_t kSnameOffset = 44;
constexpr size_t kSnameBytes = 64;
constexpr size_t kFileOffset = 108;
constexpr size_t kFileBytes = 128;
constexpr size_t kOptionsOffset = 240;
// Replies are padded to the smallest BOOTP message; requests larger than an Ethernet frame's UDP payload
// come from no real client and are refused.
constexpr size_t kMinMessageBytes = 300;
constexpr size_t kMaxMessageBytes = 1472;

namespace option {
constexpr uint8_t kPad = 0;
constexpr uint8_t kSubnetMask = 1;
constexpr uint8_t kRouter = 3;
constexpr uint8_t kDnsServers = 6;
constexpr uint8_t kHostName = 12;
constexpr uint8_t kBroadcastAddress = 28;
constexpr uint8_t kRequestedAddress = 50;
constexpr uint8_t kLeaseTime = 51;
constexpr uint8_t kOverload = 52;
constexpr uint8_t kMessageType = 53;
constexpr uint8_t kServerId = 54;
constexpr uint8_t kRenewalTime = 58;
constexpr uint8_t kRebindingTime = 59;
constexpr uint8_t kClientId = 61;
constexpr uint8_t kEnd = 255;
}  // namespace option

enum class MessageType : uint8_t {
    kDiscover = 1,
    kOffer = 2,
    kRequest = 3,
    kDecline = 4,
    kAck = 5,
    kNak = 6,
    kRelease = 7,
    kInform = 8,
};

struct Message {
    uint8_t op = kBootRequest;
    uint8_t htype = 1;
    uint8_t hlen = 6;
    uint8_t hops = 0;
    uint32_t xid = 0;
    uint16_t secs = 0;
    uint16_t flags = 0;
    Ipv4 ciaddr = 0;
    Ipv4 yiaddr = 0;
    Ipv4 siaddr = 0;
    Ipv4 giaddr = 0;
    std::array<uint8_t, 16> chaddr{};
    // Each option once, its pieces joined in the order RFC 3396 gives (options field, file, sname).
    std::map<uint8_t, std::vector<uint8_t>> options;

    bool operator==(const Message&) const = default;

    std::optional<MessageType> Type() const;
    // The option's value when it is exactly four bytes long.
    std::optional<Ipv4> AddressOption(uint8_t code) const;
    void SetAddressOption(uint8_t code, Ipv4 address);
    void SetAddressListOption(uint8_t code, std::span<const Ipv4> addresses);
    void SetNumberOption(uint8_t code, uint32_t value);
    // The hardware address as far as hlen says (at most 16 bytes).
    std::span<const uint8_t> Hardware() const;
};

enum class ParseError {
    kNone,
    kTooShort,
    kTooLong,
    kBadHardwareLength,
    kNoMagicCookie,
    kTruncatedOption,
};

// The refusal's reason as the log names it.
std::string_view ParseErrorText(ParseError error);

struct ParseResult {
    std::optional<Message> message;
    ParseError error = ParseError::kNone;
};

// A message without an end option ends with its data; a truncated option refuses the whole message.
ParseResult ParseMessage(std::span<const uint8_t> datagram);

// The message type first, then the other options by code, values longer than 255 bytes split over
// several options of the same code; padded to kMinMessageBytes.
std::vector<uint8_t> BuildMessage(const Message& message);

}  // namespace aerowisp::dhcp
