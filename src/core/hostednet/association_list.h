// The association list page's refresh: one row per station associated with the hosted network.
#pragma once

#include <string>
#include <vector>

#include "core/hostednet/station_leases.h"
#include "core/platform/wlan_service.h"

namespace aerowisp {

struct AssociationRow {
    std::u16string aid;  // 1, 2, 3 ... in the service's order
    std::u16string macAddress;
    std::u16string authState;  // "authenticated" or "invalid"
    // From the station's DHCP lease; empty while it has none.
    std::u16string ipAddress{};
    std::u16string deviceName{};

    friend bool operator==(const AssociationRow&, const AssociationRow&) = default;
};

// The rows of the hosted network's stations now; none when the status query fails.
std::vector<AssociationRow> QueryAssociationList(WlanService& wlan, WlanHandle handle);

// Each row's address and name from the lease of its MAC address.
void FillFromLeases(std::vector<AssociationRow>& rows, const StationLeases& leases);

}  // namespace aerowisp
