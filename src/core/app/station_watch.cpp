// Balloons telling of the hosted network's stations.
#include "core/app/station_watch.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/hostednet/hosted_network_failure.h"
#include "core/resource.h"
#include "core/text/pattern_text.h"
#include "core/text/utf16_text.h"
#include "dhcp/core/lease_file.h"

namespace aerowisp {
namespace {

// Two lines of this many MAC addresses still fit the balloon whole; more end in an ellipsis rather than
// being cut in the middle of a name.
constexpr size_t kNamesListed = 6;

// The names as a list of at most `room` characters. Long names (a lease's may hold 63) can make even
// the first six too long: the list is then cut where the room ends, inside a name if need be, and ends
// in an ellipsis, so that the sentence around it stays whole.
std::u16string Listed(const std::vector<std::u16string>& names, size_t room) {
    std::u16string text;
    for (size_t i = 0; i < names.size() && i < kNamesListed; ++i)
        text.append(i == 0 ? u"" : u", ").append(names[i]);
    if (names.size() > kNamesListed)
        text += u", \u2026";
    if (text.size() <= room)
        return text;
    return room == 0 ? std::u16string() : CutWithoutSplittingPairs(text, room - 1) + u"\u2026";
}

}  // namespace

StationWatch::StationWatch(const ModelPorts& ports, const LanguageTexts& texts, TrayView& tray,
                           const MainWindowState& state)
    : ports_(ports), texts_(texts), tray_(tray), state_(state) {}

void StationWatch::Start() {
    timer_ = ports_.timers.SetTimer(IDT_STATION_WATCH, kStationWatchPeriodMs);
}

bool StationWatch::OnTimer(TimerId id) {
    if (timer_ == 0 || id != timer_)
        return false;
    Look();
    return true;
}

// In station mode and with the radio off there is no hosted network to watch. A failed query tells
// nothing: the stations are looked at again on the next tick.
void StationWatch::Look() {
    if (!state_.cardPresent || !state_.radioOn || !state_.hostedNetwork.apMode || state_.wlanHandle == 0) {
        notices_.Reset();
        return;
    }
    HostedNetworkStatus status;
    if (ports_.wlan.HostedNetworkQueryStatus(state_.wlanHandle, status) != kWlanSuccess)
        return;
    // A station that has not passed the key exchange has not joined.
    std::vector<StationMac> present;
    for (const HostedNetworkPeerState& peer : status.peers) {
        if (peer.authState == kPeerAuthenticated)
            present.push_back(peer.macAddress);
    }
    std::optional<StationLeases> leases;
    const auto deviceNameOf = [&](const StationMac& mac) {
        if (!leases)
            leases = StationLeases::Read(ports_.files,
                                         state_.programFolder + std::u16string(dhcp::kLeaseFileName));
        const std::optional<StationLease> lease = leases->Find(mac);
        return lease ? lease->deviceName : std::u16string();
    };
    if (const std::optional<StationNotice> notice = notices_.Look(present, deviceNameOf))
        tray_.ShowInfoBalloon(ID_TRAY_ICON, kMainWindowTitle, BalloonText(NoticeText(*notice)));
}

// The sentences' own words and the network's name are kept; the two lists share what the balloon has
// left, each at least half of it when both need more.
std::u16string StationWatch::NoticeText(const StationNotice& notice) {
    const std::u16string& ssid = state_.hostedNetwork.desiredSsid;
    const std::u16string joinedPattern = texts_.ShownText(kStationsJoinedNotice);
    const std::u16string leftPattern = texts_.ShownText(kStationsLeftNotice);
    const bool both = !notice.joined.empty() && !notice.left.empty();
    size_t fixed = both ? 1 : 0;
    if (!notice.joined.empty())
        fixed += FillPattern(joinedPattern, {u"", ssid}).size();
    if (!notice.left.empty())
        fixed += FillPattern(leftPattern, {u"", ssid}).size();
    const size_t room = kBalloonTextMaxLength - std::min(fixed, kBalloonTextMaxLength);
    const size_t joinedNeeds = Listed(notice.joined, SIZE_MAX).size();
    const size_t leftNeeds = Listed(notice.left, SIZE_MAX).size();
    const size_t leftRoom = std::min(leftNeeds, std::max(room / 2, room - std::min(joinedNeeds, room)));
    std::u16string text;
    if (!notice.joined.empty())
        text = FillPattern(joinedPattern, {Listed(notice.joined, room - leftRoom), ssid});
    if (!notice.left.empty())
        text.append(both ? u"\n" : u"")
            .append(FillPattern(leftPattern, {Listed(notice.left, leftRoom), ssid}));
    return text;
}

}  // namespace aerowisp
