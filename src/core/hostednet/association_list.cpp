// The association list page's refresh.
#include "core/hostednet/association_list.h"

#include "core/text/number_text.h"

namespace aerowisp {

std::vector<AssociationRow> QueryAssociationList(WlanService& wlan, WlanHandle handle) {
    HostedNetworkStatus status;
    if (wlan.HostedNetworkQueryStatus(handle, status) != kWlanSuccess)
        return {};
    std::vector<AssociationRow> rows;
    int64_t aid = 0;
    for (const HostedNetworkPeerState& peer : status.peers) {
        rows.push_back({DecimalText(++aid), MacAddressText(peer.macAddress),
                        peer.authState == kPeerAuthenticated ? u"authenticated" : u"invalid"});
    }
    return rows;
}

void FillFromLeases(std::vector<AssociationRow>& rows, const StationLeases& leases) {
    for (AssociationRow& row : rows) {
        const std::optional<StationLease> lease = leases.Find(row.macAddress);
        row.ipAddress = lease ? lease->ipAddress : u"";
        row.deviceName = lease ? lease->deviceName : u"";
    }
}

}  // namespace aerowisp
