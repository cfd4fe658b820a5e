// The association list page's refresh: one row per station associated with the hosted network.
#pragma once

#include <string>
#include <vector>

#include "core/platform/wlan_service.h"

namespace aerowisp {

struct AssociationRow {
    std::u16string aid;  // 1, 2, 3 ... in the service's order
    std::u16string macAddress;
    std::u16string authState;  // "authenticated" or "invalid"

    friend bool operator==(const AssociationRow&, const AssociationRow&) = default;
};

// The rows of the hosted network's stations now; none when the status query fails.
std::vector<AssociationRow> QueryAssociationList(WlanService& wlan, WlanHandle handle);

}  // namespace aerowisp
