// The device rules file: a name, a fixed address and a block per station's hardware address.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/ipv4_text.h"

namespace aerowisp::dhcp {

using MacAddress = std::array<uint8_t, 6>;

// Longest name kept, in bytes of UTF-8.
inline constexpr size_t kMaxDeviceNameBytes = 128;

struct DeviceRule {
    MacAddress mac{};
    // UTF-8, no control characters; empty: the station's own host name is shown.
    std::string name{};
    // 0: none; else an address of 192.168.139.2-254 given to this station alone.
    Ipv4 reserved = 0;
    bool blocked = false;

    bool operator==(const DeviceRule&) const = default;
};

// At most one rule per hardware address and one station per fixed address.
struct DeviceRules {
    std::vector<DeviceRule> devices;

    // Null when `mac` has no rule (or is not six bytes long).
    const DeviceRule* Of(std::span<const uint8_t> mac) const;
    // The station `address` is kept for; null when none.
    const DeviceRule* ReservedFor(Ipv4 address) const;
    // Why these rules could not be written and read back; nothing when they can.
    std::optional<std::string> Problem() const;
};

// The file's text, UTF-8 with CR LF line ends:
//   # Aerowisp devices 1
//   # hardware-address fixed-address|- allowed|blocked =name
//   02:00:00:00:00:61 192.168.139.20 allowed =Li's phone
//   02:00:00:00:00:62 - blocked =
// The first line names the format's version; other lines starting with '#' and blank lines are ignored.
// Hardware addresses may be written with ':' or '-' and hex digits of either case; the name runs to the
// end of the line. Nothing when the rules have a Problem().
std::optional<std::string> FormatDeviceRules(const DeviceRules& rules);

struct DeviceRulesRead {
    enum class Status {
        kRead,
        // Not this format, or a line or rule that does not fit it: the whole file is refused and told,
        // rather than part of it applied in silence.
        kDamaged,
        // Written by a later version of the programs; left alone.
        kNewerVersion,
    };
    Status status = Status::kRead;
    DeviceRules rules;
    // For the log when not read: what is wrong and on which line.
    std::string problem;
};

// The file's bytes as written by FormatDeviceRules or saved by an editor (see DecodeFileText).
DeviceRulesRead ReadDeviceRules(std::string_view bytes);

}  // namespace aerowisp::dhcp
