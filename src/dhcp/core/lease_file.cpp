// Writing and reading the lease file.
#include "dhcp/core/lease_file.h"

#include <array>
#include <charconv>
#include <optional>

#include "core/text/ipv4_text.h"
#include "dhcp/core/text.h"

namespace aerowisp::dhcp {

namespace {

constexpr std::array<std::string_view, 5> kStateNames = {"free", "offered", "bound", "released", "declined"};
// Files written with end marks say so in their first line; files from before the marks have none of them.
constexpr std::string_view kHeader = "# DhcpServer leases 2: address state expires client hardware =host ;";
constexpr std::string_view kMarkedHeaderStart = "# DhcpServer leases 2";
// After the host name, which holds no spaces: a record cut anywhere before it lacks it.
constexpr std::string_view kEndMark = " ;";
// A client identifier may fill a whole message (RFC 3396 joins long options).
constexpr size_t kMaxHexBytes = 2048;

// The lease file writes "-" for no bytes.
std::string Hex(const std::vector<uint8_t>& bytes) {
    return bytes.empty() ? "-" : HexText(bytes);
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

struct Record {
    Lease lease;
    bool marked = false;
};

std::optional<Record> ParseRecord(std::string_view line) {
    Record record;
    Lease& lease = record.lease;
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
    record.marked = line.ends_with(kEndMark);
    if (record.marked)
        line.remove_suffix(kEndMark.size());
    for (char c : line) {
        if (c <= 0x20 || c >= 0x7F)
            return std::nullopt;
    }
    lease.client = std::move(*client);
    lease.hardware = std::move(*hardware);
    lease.hostName = std::string(line);
    return record;
}

}  // namespace

std::string FormatLeaseFile(const std::vector<Lease>& records) {
    std::string text = std::string(kHeader) + "\r\n";
    for (const Lease& lease : records) {
        text += FormatIpv4(lease.address) + ' ' + std::string(kStateNames[static_cast<size_t>(lease.state)]) +
                ' ' + std::to_string(lease.expires) + ' ' + Hex(lease.client) + ' ' + Hex(lease.hardware) +
                " =" + lease.hostName + std::string(kEndMark) + "\r\n";
    }
    return text;
}

LeaseFileContents ParseLeaseFile(std::string_view text) {
    LeaseFileContents contents;
    std::vector<Record> records;
    bool marked = false;
    while (!text.empty()) {
        const std::string_view line = TakeLine(text);
        if (line.starts_with(kMarkedHeaderStart))
            marked = true;
        if (line.empty() || line.front() == '#')
            continue;
        std::optional<Record> record = ParseRecord(line);
        if (record) {
            marked = marked || record->marked;
            records.push_back(std::move(*record));
        } else {
            ++contents.damagedLines;
        }
    }
    // In a file written with end marks, a record without one was cut.
    for (Record& record : records) {
        if (marked && !record.marked)
            ++contents.damagedLines;
        else
            contents.records.push_back(std::move(record.lease));
    }
    return contents;
}

}  // namespace aerowisp::dhcp
