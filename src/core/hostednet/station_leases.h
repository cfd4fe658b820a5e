// The addresses and names the DHCP server gave the hosted network's stations, from the lease file it
// keeps beside the program, looked up by a station's MAC address.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/file_reader.h"

namespace aerowisp {

using StationMac = std::array<uint8_t, 6>;

// Twelve hexadecimal digits in either case, with or without '-', ':' or '.' between them; nothing for
// any other text.
std::optional<StationMac> ParseStationMac(std::u16string_view text);

struct StationLease {
    std::u16string ipAddress;   // dotted decimal
    std::u16string deviceName;  // the host name the station sent; may be empty

    friend bool operator==(const StationLease&, const StationLease&) = default;
};

class StationLeases {
  public:
    // The stations' current leases in the lease file's text. Lines that cannot be read are skipped;
    // a station with several leases keeps the one that lasts longest.
    static StationLeases Parse(std::string_view fileText);
    // Reads the file at `path` whole and closes it again; no leases when it cannot be opened.
    static StationLeases Read(FileReader& files, const std::u16string& path);

    // The lease of the station `mac` (in any form ParseStationMac takes); nothing when it has none.
    std::optional<StationLease> Find(std::u16string_view mac) const;
    std::optional<StationLease> Find(const StationMac& mac) const;

  private:
    struct Held {
        StationLease lease;
        int64_t expires = 0;
    };
    std::map<StationMac, Held> leases_;
};

}  // namespace aerowisp
