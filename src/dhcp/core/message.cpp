// Reading and writing DHCP messages.
#include "dhcp/core/message.h"

#include <algorithm>

namespace aerowisp::dhcp {

namespace {

constexpr uint8_t kMagicCookie[] = {99, 130, 83, 99};
constexpr uint8_t kOverloadFile = 1;
constexpr uint8_t kOverloadSname = 2;

uint32_t Read32(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint32_t>(bytes[at]) << 24 | static_cast<uint32_t>(bytes[at + 1]) << 16 |
           static_cast<uint32_t>(bytes[at + 2]) << 8 | bytes[at + 3];
}

uint16_t Read16(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] << 8 | bytes[at + 1]);
}

void Write32(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value >> 24));
    out.push_back(static_cast<uint8_t>(value >> 16));
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value));
}

void Write16(std::vector<uint8_t>& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value));
}

// Appends the options of one area to `options`; false when an option runs past the area's end.
// `overloadAllowed` is false inside file and sname, where option 52 means nothing.
bool ReadOptions(std::span<const uint8_t> area, bool overloadAllowed,
                 std::map<uint8_t, std::vector<uint8_t>>& options) {
    size_t at = 0;
    while (at < area.size()) {
        const uint8_t code = area[at++];
        if (code == option::kPad)
            continue;
        if (code == option::kEnd)
            return true;
        if (at >= area.size())
            return false;
        const size_t length = area[at++];
        if (length > area.size() - at)
            return false;
        if (code != option::kOverload || overloadAllowed) {
            std::vector<uint8_t>& value = options[code];
            value.insert(value.end(), area.begin() + static_cast<std::ptrdiff_t>(at),
                         area.begin() + static_cast<std::ptrdiff_t>(at + length));
        }
        at += length;
    }
    return true;
}

void WriteOption(std::vector<uint8_t>& out, uint8_t code, const std::vector<uint8_t>& value) {
    size_t at = 0;
    do {
        const size_t piece = std::min<size_t>(255, value.size() - at);
        out.push_back(code);
        out.push_back(static_cast<uint8_t>(piece));
        out.insert(out.end(), value.begin() + static_cast<std::ptrdiff_t>(at),
                   value.begin() + static_cast<std::ptrdiff_t>(at + piece));
        at += piece;
    } while (at < value.size());
}

}  // namespace

std::optional<MessageType> Message::Type() const {
    auto found = options.find(option::kMessageType);
    if (found == options.end() || found->second.size() != 1)
        return std::nullopt;
    const uint8_t type = found->second[0];
    if (type < static_cast<uint8_t>(MessageType::kDiscover) ||
        type > static_cast<uint8_t>(MessageType::kInform))
        return std::nullopt;
    return static_cast<MessageType>(type);
}

std::optional<Ipv4> Message::AddressOption(uint8_t code) const {
    auto found = options.find(code);
    if (found == options.end() || found->second.size() != 4)
        return std::nullopt;
    return Read32(found->second, 0);
}

void Message::SetAddressOption(uint8_t code, Ipv4 address) {
    SetNumberOption(code, address);
}

void Message::SetAddressListOption(uint8_t code, std::span<const Ipv4> addresses) {
    std::vector<uint8_t> bytes;
    for (Ipv4 address : addresses)
        Write32(bytes, address);
    options[code] = std::move(bytes);
}

void Message::SetNumberOption(uint8_t code, uint32_t value) {
    std::vector<uint8_t> bytes;
    Write32(bytes, value);
    options[code] = std::move(bytes);
}

std::span<const uint8_t> Message::Hardware() const {
    return std::span<const uint8_t>(chaddr).first(std::min<size_t>(hlen, chaddr.size()));
}

std::string_view ParseErrorText(ParseError error) {
    switch (error) {
        case ParseError::kTooShort:
            return "shorter than a DHCP message";
        case ParseError::kTooLong:
            return "longer than any request";
        case ParseError::kBadHardwareLength:
            return "hardware address longer than 16 bytes";
        case ParseError::kNoMagicCookie:
            return "no DHCP magic cookie";
        case ParseError::kTruncatedOption:
            return "an option runs past the end";
        case ParseError::kNone:
            break;
    }
    return "unreadable";
}

ParseResult ParseMessage(std::span<const uint8_t> datagram) {
    if (datagram.size() < kOptionsOffset)
        return {std::nullopt, ParseError::kTooShort};
    if (datagram.size() > kMaxMessageBytes)
        return {std::nullopt, ParseError::kTooLong};
    if (!std::equal(std::begin(kMagicCookie), std::end(kMagicCookie), datagram.begin() + kFixedBytes))
        return {std::nullopt, ParseError::kNoMagicCookie};
    Message message;
    message.op = datagram[0];
    message.htype = datagram[1];
    message.hlen = datagram[2];
    if (message.hlen > message.chaddr.size())
        return {std::nullopt, ParseError::kBadHardwareLength};
    message.hops = datagram[3];
    message.xid = Read32(datagram, 4);
    message.secs = Read16(datagram, 8);
    message.flags = Read16(datagram, 10);
    message.ciaddr = Read32(datagram, 12);
    message.yiaddr = Read32(datagram, 16);
    message.siaddr = Read32(datagram, 20);
    message.giaddr = Read32(datagram, 24);
    std::copy_n(datagram.begin() + 28, message.chaddr.size(), message.chaddr.begin());

    if (!ReadOptions(datagram.subspan(kOptionsOffset), true, message.options))
        return {std::nullopt, ParseError::kTruncatedOption};
    auto overload = message.options.find(option::kOverload);
    if (overload != message.options.end() && overload->second.size() == 1) {
        const uint8_t fields = overload->second[0];
        if ((fields & kOverloadFile) != 0 &&
            !ReadOptions(datagram.subspan(kFileOffset, kFileBytes), false, message.options))
            return {std::nullopt, ParseError::kTruncatedOption};
        if ((fields & kOverloadSname) != 0 &&
            !ReadOptions(datagram.subspan(kSnameOffset, kSnameBytes), false, message.options))
            return {std::nullopt, ParseError::kTruncatedOption};
    }
    return {std::move(message), ParseError::kNone};
}

std::vector<uint8_t> BuildMessage(const Message& message) {
    std::vector<uint8_t> out;
    out.reserve(kMinMessageBytes);
    out.push_back(message.op);
    out.push_back(message.htype);
    out.push_back(message.hlen);
    out.push_back(message.hops);
    Write32(out, message.xid);
    Write16(out, message.secs);
    Write16(out, message.flags);
    Write32(out, message.ciaddr);
    Write32(out, message.yiaddr);
    Write32(out, message.siaddr);
    Write32(out, message.giaddr);
    out.insert(out.end(), message.chaddr.begin(), message.chaddr.end());
    out.resize(kFixedBytes);  // sname and file stay empty
    out.insert(out.end(), std::begin(kMagicCookie), std::end(kMagicCookie));
    auto type = message.options.find(option::kMessageType);
    if (type != message.options.end())
        WriteOption(out, type->first, type->second);
    for (const auto& [code, value] : message.options) {
        if (code != option::kMessageType)
            WriteOption(out, code, value);
    }
    out.push_back(option::kEnd);
    if (out.size() < kMinMessageBytes)
        out.resize(kMinMessageBytes, option::kPad);
    return out;
}

}  // namespace aerowisp::dhcp
