// What the server hands out, and reading it from DhcpServer.ini.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/ipv4_text.h"
#include "dhcp/core/contract.h"

namespace aerowisp::dhcp {

constexpr uint32_t kMinLeaseSeconds = 10;
constexpr uint32_t kMaxLeaseSeconds = 365 * 24 * 3600;
constexpr size_t kMaxDnsServers = 3;

inline bool InSubnet(Ipv4 address) {
    return (address & kSubnetMask) == (kServerAddress & kSubnetMask);
}

// A station's address on the hosted network's link: of the subnet, neither its network nor its broadcast
// address, nor the server's own. Only such an address is ever sent a datagram by unicast.
inline bool OnLinkHost(Ipv4 address) {
    const Ipv4 host = address & ~kSubnetMask;
    return InSubnet(address) && host != 0 && host != (kBroadcast & ~kSubnetMask) && address != kServerAddress;
}

struct Config {
    Ipv4 poolFirst = MakeIpv4(192, 168, 139, 2);
    Ipv4 poolLast = MakeIpv4(192, 168, 139, 254);
    uint32_t leaseSeconds = 24 * 3600;
    // Empty: the host's own DNS servers, else the server's address.
    std::vector<Ipv4> dns;
};

struct ConfigResult {
    Config config;
    // One line per value that was refused (and left at its default) or not understood, ready for the log.
    std::vector<std::string> problems;
};

// [DhcpServer] with PoolFirst, PoolLast (addresses of the /24, not the server's, first <= last),
// LeaseTime (seconds) and DNS (up to three addresses, separated by commas or spaces). Section and key
// names ignore the case of A-Z; lines outside the section are ignored.
ConfigResult ParseConfig(std::string_view text);

// The file's bytes as Notepad may save them (see DecodeFileText), any line end; bytes that are not text
// give the defaults and one problem naming the file and the reason.
ConfigResult ReadConfig(std::string_view bytes);

// The DNS servers the stations get: the configured ones, else the host's usable ones, else the server.
std::vector<Ipv4> ChooseDnsServers(const Config& config, const std::vector<Ipv4>& hostServers);

}  // namespace aerowisp::dhcp
