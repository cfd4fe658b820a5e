// The adapter scan: the table of the machine's adapters that can be shared with the hosted network,
// and the virtual adapter's hardware address.
#pragma once

#include <string>

#include "core/ics/ics_controller.h"
#include "core/ics/ics_state.h"
#include "core/platform/ansi_code_page.h"
#include "core/platform/network_adapters.h"

namespace aerowisp {

// Rebuilds `table` from IP Helper's list. Every adapter but the virtual one gets a row until the table
// is full; the list is read to its end all the same, so a virtual adapter listed late is still seen.
// A row's connection name comes from the network class key (its device name when the key does not
// open); an adapter without a description is named through the sharing manager by its GUID.
void ScanAdapters(NetworkAdapters& adapters, AnsiCodePage& codePage, IcsController& controller,
                  AdapterTable& table);

}  // namespace aerowisp
