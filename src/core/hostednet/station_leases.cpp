// Stations' leases from the DHCP server's lease file.
#include "core/hostednet/station_leases.h"

#include <algorithm>
#include <memory>
#include <span>
#include <vector>

#include "core/text/number_text.h"
#include "core/text/ipv4_text.h"
#include "dhcp/core/lease_file.h"

namespace aerowisp {
namespace {

// The hardware type of Ethernet and 802.11 addresses in DHCP (RFC 1700).
constexpr uint8_t kEthernetHardwareType = 1;
constexpr size_t kReadChunkBytes = 4096;

// The server keeps the hardware type before the address, and so do clients that identify themselves by
// their address (option 61).
std::optional<StationMac> TypedMac(const std::vector<uint8_t>& bytes) {
    StationMac mac{};
    if (bytes.size() != mac.size() + 1 || bytes.front() != kEthernetHardwareType)
        return std::nullopt;
    std::copy(bytes.begin() + 1, bytes.end(), mac.begin());
    return mac;
}

std::u16string Widened(std::string_view ascii) {
    return {ascii.begin(), ascii.end()};
}

}  // namespace

std::optional<StationMac> ParseStationMac(std::u16string_view text) {
    StationMac mac{};
    size_t digits = 0;
    for (char16_t c : text) {
        if (c == u'-' || c == u':' || c == u'.')
            continue;
        const int value = HexDigitValue(c);
        if (value < 0 || digits == mac.size() * 2)
            return std::nullopt;
        mac[digits / 2] = static_cast<uint8_t>(mac[digits / 2] << 4 | value);
        ++digits;
    }
    if (digits != mac.size() * 2)
        return std::nullopt;
    return mac;
}

StationLeases StationLeases::Parse(std::string_view fileText) {
    StationLeases result;
    for (const dhcp::Lease& lease : dhcp::ParseLeaseFile(fileText).records) {
        if (lease.state != dhcp::LeaseState::kBound)
            continue;
        std::optional<StationMac> mac = TypedMac(lease.hardware);
        if (!mac)
            mac = TypedMac(lease.client);
        if (!mac)
            continue;
        auto [held, added] = result.leases_.try_emplace(*mac);
        if (!added && held->second.expires >= lease.expires)
            continue;
        held->second = {{Widened(FormatIpv4(lease.address)), Widened(lease.hostName)}, lease.expires};
    }
    return result;
}

StationLeases StationLeases::Read(FileReader& files, const std::u16string& path) {
    std::string text;
    {
        const std::unique_ptr<ReadableFile> file = files.Open(path);
        if (!file)
            return {};
        char chunk[kReadChunkBytes];
        while (text.size() < dhcp::kLeaseFileMaxBytes) {
            const size_t wanted = std::min(sizeof chunk, dhcp::kLeaseFileMaxBytes - text.size());
            const size_t count = file->Read(std::span<char>(chunk, wanted));
            if (count == 0)
                break;
            text.append(chunk, count);
        }
    }
    return Parse(text);
}

std::optional<StationLease> StationLeases::Find(std::u16string_view mac) const {
    const std::optional<StationMac> parsed = ParseStationMac(mac);
    return parsed ? Find(*parsed) : std::nullopt;
}

std::optional<StationLease> StationLeases::Find(const StationMac& mac) const {
    const auto found = leases_.find(mac);
    if (found == leases_.end())
        return std::nullopt;
    return found->second.lease;
}

}  // namespace aerowisp
