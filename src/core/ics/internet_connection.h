// Which adapter leads to the Internet: the one the routing table sends a public address through.
#pragma once

#include <cstddef>
#include <vector>

#include "core/ics/ics_state.h"
#include "core/platform/network_adapters.h"
#include "core/text/ipv4_text.h"

namespace aerowisp {

// A public address to ask the routing table about (8.8.8.8); GetBestInterface sends nothing to it.
inline constexpr uint32_t kPublicProbeAddress = MakeIpv4(8, 8, 8, 8);

// The index in `rows` of the adapter holding the default route; 0 when the route is unknown or leads
// through an adapter that has no row (such as the virtual adapter itself). `rows` is not empty.
size_t InternetConnectionRow(NetworkAdapters& adapters, const std::vector<AdapterRow>& rows);

}  // namespace aerowisp
