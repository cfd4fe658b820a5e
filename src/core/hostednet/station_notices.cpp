// When stations' arrivals and departures are told.
#include "core/hostednet/station_notices.h"

#include <algorithm>

#include "core/text/number_text.h"

namespace aerowisp {
namespace {

bool Contains(const std::vector<StationMac>& macs, const StationMac& mac) {
    return std::ranges::find(macs, mac) != macs.end();
}

// Removes `mac` from `items`; false when it was not there.
template <typename Item, typename Projection>
bool Remove(std::vector<Item>& items, const StationMac& mac, Projection projection) {
    const auto found = std::ranges::find(items, mac, projection);
    if (found == items.end())
        return false;
    items.erase(found);
    return true;
}

std::u16string NameOrMac(const StationMac& mac, std::u16string name) {
    return name.empty() ? MacAddressText(mac) : name;
}

}  // namespace

void StationNotices::Reset() {
    *this = StationNotices();
}

std::optional<StationNotice> StationNotices::Look(const std::vector<StationMac>& present,
                                                  const DeviceNameOf& deviceNameOf) {
    ++looks_;
    for (const StationMac& mac : present) {
        if (Contains(present_, mac))
            continue;
        // Back before its departure was told: it never seemed to be gone.
        if (!Remove(left_, mac, std::identity()))
            joined_.push_back({mac, looks_});
    }
    for (const StationMac& mac : present_) {
        if (Contains(present, mac))
            continue;
        // Gone before its arrival was told: it never seemed to be there.
        if (!Remove(joined_, mac, &Arrival::mac))
            left_.push_back(mac);
    }
    present_ = present;
    if (joined_.empty() && left_.empty())
        return std::nullopt;
    if (lastNotice_ && looks_ - *lastNotice_ < kStationNoticeMinLooksApart)
        return std::nullopt;
    StationNotice notice;
    for (const Arrival& arrival : joined_) {
        std::u16string name = deviceNameOf(arrival.mac);
        if (name.empty() && arrival.firstSeen == looks_)
            return std::nullopt;
        notice.joined.push_back(NameOrMac(arrival.mac, std::move(name)));
    }
    for (const StationMac& mac : left_)
        notice.left.push_back(NameOrMac(mac, deviceNameOf(mac)));
    joined_.clear();
    left_.clear();
    lastNotice_ = looks_;
    return notice;
}

}  // namespace aerowisp
