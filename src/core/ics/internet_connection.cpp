// The adapter that leads to the Internet.
#include "core/ics/internet_connection.h"

#include <algorithm>

namespace aerowisp {

size_t InternetConnectionRow(NetworkAdapters& adapters, const std::vector<AdapterRow>& rows) {
    uint32_t index = 0;
    if (adapters.GetBestInterface(kPublicProbeAddress, index) != 0)
        return 0;
    auto it = std::ranges::find_if(rows, [&](const AdapterRow& row) { return row.interfaceIndex == index; });
    return it == rows.end() ? 0 : static_cast<size_t>(it - rows.begin());
}

}  // namespace aerowisp
