// Writing and reading the lease file.
#include "dhcp/core/lease_file.h"

#include <array>
#include <charconv>
#include <optional>

#include "dhcp/core/ipv4.h"
#include "dhcp/core/text.h"

namespace aerowisp::dhcp {

namespace {

constexpr std::array<std::string_view, 5> kStateNames = {"free", "offered", "bound", "released", "declined"};
// A client identifier may fill a whole message (RFC 3396 joins long options).
constexpr size_t kMaxHexBytes = 2048;

// The lease file writes "-" for no bytes.
std::string Hex(const std::vector<uint8_t>& bytes) {
    return bytes.empty() ? "-" : HexText(bytes);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<std::vector<uint8_t>> ParseHex(std::string_view text) {
    std::vector<uint8_t> bytes;
    if (text == "-")
        return bytes;
    if (text.empty() || text.size() % 2 != 0 || text.size() / 2 > kMaxHexBytes)
        return std::nullopt;
    for (size_t i = 0; i < text.size(); i += 2) {
        const int high = HexDigit(text[i]);
        const int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes.push_back(static_cast<uint8_t>(high << 4 | low));
    }
    return bytes;
}

// The next field up to a space; empty when none is left.
std::string_view Field(std::string_view& line) {
    return TakeUntil(line, " ");
}

std::optional<Lease> ParseRecord(std::string_view line) {
    Lease lease;
    std::optional<Ipv4> address = ParseIpv4(Field(line));
    if (!address)
        return std::nullopt;
    lease.address = *address;
    const std::string_view state = Field(line);
    size_t index = 1;  // a free address is never written
    while (index < kStateNames.size() && kStateNames[index] != state)
        ++index;
    if (index == kStateNames.size())
        return std::nullopt;
    lease.state = static_cast<LeaseState>(index);
    const std::string_view expires = Field(line);
    const auto [stop, error] =
        std::from_chars(expires.data(), expires.data() + expires.size(), lease.expires);
    if (expires.empty() || error != std::errc() || stop != expires.data() + expires.size())
        return std::nullopt;
    std::optional<std::vector<uint8_t>> client = ParseHex(Field(line));
    std::optional<std::vector<uint8_t>> hardware = ParseHex(Field(line));
    if (!client || !hardware || line.empty() || line.front() != '=')
        return std::nullopt;
    line.remove_prefix(1);
    for (char c : line) {
        if (c <= 0x20 || c >= 0x7F)
            return std::nullopt;
    }
    lease.client = std::move(*client);
    lease.hardware = std::move(*hardware);
    lease.hostName = std::string(line);
    return lease;
}

}  // namespace

std::string FormatLeaseFile(const std::vector<Lease>& records) {
    std::string text = "# DhcpServer leases: address state expires client hardware =host\r\n";
    for (const Lease& lease : records) {
        text += FormatIpv4(lease.address) + ' ' + std::string(kStateNames[static_cast<size_t>(lease.state)]) +
                ' ' + std::to_string(lease.expires) + ' ' + Hex(lease.client) + ' ' + Hex(lease.hardware) +
                " =" + lease.hostName + "\r\n";
    }
    return text;
}

LeaseFileContents ParseLeaseFile(std::string_view text) {
    LeaseFileContents contents;
    while (!text.empty()) {
        std::string_view line = TakeUntil(text, "\n");
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        std::optional<Lease> lease = ParseRecord(line);
        if (lease)
            contents.records.push_back(std::move(*lease));
        else
            ++contents.damagedLines;
    }
    return contents;
}

}  // namespace aerowisp::dhcp
