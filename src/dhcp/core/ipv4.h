// IPv4 addresses as numbers in host order, and their dotted-quad text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace aerowisp::dhcp {

using Ipv4 = uint32_t;

constexpr Ipv4 MakeIpv4(uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
    return static_cast<Ipv4>(a) << 24 | static_cast<Ipv4>(b) << 16 | static_cast<Ipv4>(c) << 8 | d;
}

constexpr Ipv4 kBroadcast = 0xFFFFFFFF;

std::string FormatIpv4(Ipv4 address);
// Exactly four decimal numbers 0-255 joined by dots, nothing around them.
std::optional<Ipv4> ParseIpv4(std::string_view text);

}  // namespace aerowisp::dhcp
