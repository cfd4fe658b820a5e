// IPv4 addresses as numbers in host order, and their dotted-quad text; header-only, so that
// DhcpServer.exe, which links nothing of the main program, reads and writes addresses the same way.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace aerowisp {

using Ipv4 = uint32_t;

constexpr Ipv4 MakeIpv4(uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
    return static_cast<Ipv4>(a) << 24 | static_cast<Ipv4>(b) << 16 | static_cast<Ipv4>(c) << 8 | d;
}

constexpr Ipv4 kBroadcast = 0xFFFFFFFF;

inline std::string FormatIpv4(Ipv4 address) {
    return std::to_string(address >> 24) + '.' + std::to_string(address >> 16 & 0xFF) + '.' +
           std::to_string(address >> 8 & 0xFF) + '.' + std::to_string(address & 0xFF);
}

// Exactly four decimal numbers 0-255 joined by dots, nothing around them.
inline std::optional<Ipv4> ParseIpv4(std::string_view text) {
    Ipv4 address = 0;
    size_t at = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (at >= text.size() || text[at] != '.')
                return std::nullopt;
            ++at;
        }
        const size_t start = at;
        unsigned value = 0;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9' && at - start < 3)
            value = value * 10 + static_cast<unsigned>(text[at++] - '0');
        if (at == start || value > 255)
            return std::nullopt;
        address = address << 8 | value;
    }
    if (at != text.size())
        return std::nullopt;
    return address;
}

}  // namespace aerowisp
