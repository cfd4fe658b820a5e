// What Aerowisp.exe and DhcpServer.exe both rely on: the server's file and window, the address and port it
// serves on, the exit code the main program tells the user about, and the lease file through which the
// main program names the stations. Both programs take these from here alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/text/ipv4_text.h"

namespace aerowisp::dhcp {

// The server lies in the main program's folder and is started hidden, without arguments; it opens a
// hidden top-level window of this title, through which the main program finds and closes it.
inline constexpr char16_t kServerProgram[] = u"DhcpServer.exe";
inline constexpr char16_t kServerWindowTitle[] = u"Tftpd32";

// The hosted network's virtual adapter is given this address and mask; the server answers from it alone,
// on the DHCP server port, which the firewall must let in.
inline constexpr Ipv4 kServerAddress = MakeIpv4(192, 168, 139, 1);
inline constexpr Ipv4 kSubnetMask = MakeIpv4(255, 255, 255, 0);
inline constexpr uint16_t kServerPort = 67;

// The server's exit code when the port stayed taken by another program (another DHCP server).
inline constexpr uint32_t kExitPortTaken = 2;

// The file the server keeps beside itself and replaces whole whenever a lease changes; the main program
// reads it to name the stations. Neither reads more of it than kLeaseFileMaxBytes.
inline constexpr std::u16string_view kLeaseFileName = u"DhcpServer.leases";
inline constexpr size_t kLeaseFileMaxBytes = 4 * 1024 * 1024;

// The stations' names, fixed addresses and block list, keyed by hardware address (device_rules.h has its
// format). It lies beside both programs rather than in a user's profile: the hosted network and its one
// server belong to the machine, DhcpServer.exe is started without arguments and knows only its own
// folder, and DuvaDI.ini and the lease file already live there. Aerowisp.exe replaces it whole; the
// server reads it again whenever it changes. Neither reads more of it than kDeviceRulesMaxBytes.
inline constexpr std::u16string_view kDeviceRulesFileName = u"Aerowisp.devices";
inline constexpr size_t kDeviceRulesMaxBytes = 256 * 1024;

// An address as the main program's texts hold it (netsh's parameters, IP Helper's lists, the pages).
inline std::u16string AddressText(Ipv4 address) {
    const std::string text = FormatIpv4(address);
    return {text.begin(), text.end()};
}

}  // namespace aerowisp::dhcp
