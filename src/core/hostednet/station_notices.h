// When to tell the user that stations joined or left the hosted network: changes between looks at the
// stations are gathered and told together, at most once every few looks, so that a burst of arrivals
// is one balloon and a station that comes and goes between two balloons is not told at all.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/hostednet/station_leases.h"

namespace aerowisp {

// Balloons are this many looks apart at least.
inline constexpr uint32_t kStationNoticeMinLooksApart = 2;

// The names of the stations to tell of: each its lease's device name, else its MAC address.
struct StationNotice {
    std::vector<std::u16string> joined;
    std::vector<std::u16string> left;

    friend bool operator==(const StationNotice&, const StationNotice&) = default;
};

class StationNotices {
  public:
    // The device name in a station's lease; empty when it has none or the lease has no name.
    using DeviceNameOf = std::function<std::u16string(const StationMac&)>;

    // Watching stops (station mode, radio off): everything known is forgotten, and the stations found
    // when it starts again are arrivals.
    void Reset();

    // One look at the stations present now. `deviceNameOf` is asked only when something is to be told.
    // A station seen for the first time without a name in its lease is told one look later, after its
    // DHCP exchange has had time to give it one.
    std::optional<StationNotice> Look(const std::vector<StationMac>& present,
                                      const DeviceNameOf& deviceNameOf);

  private:
    struct Arrival {
        StationMac mac;
        uint64_t firstSeen;
    };

    std::vector<StationMac> present_;
    std::vector<Arrival> joined_;
    std::vector<StationMac> left_;
    uint64_t looks_ = 0;
    std::optional<uint64_t> lastNotice_;
};

}  // namespace aerowisp
