// The adapter scan.
#include "core/ics/adapter_scan.h"

#include <cstdio>
#include <optional>
#include <vector>

namespace aerowisp {
namespace {

constexpr size_t kMacBytes = 6;

// Texts pass through 256-character buffers: longer ones are cut, never dropped.
std::u16string Cut(std::u16string text) {
    if (text.size() > kAdapterTextMaxLength)
        text.resize(kAdapterTextMaxLength);
    return text;
}

std::u16string MacText(const std::vector<uint8_t>& address) {
    std::u16string text;
    for (size_t i = 0; i < kMacBytes; ++i) {
        char pair[4];
        std::snprintf(pair, sizeof pair, i == 0 ? "%02X" : "-%02X", i < address.size() ? address[i] : 0);
        for (const char* c = pair; *c != '\0'; ++c)
            text += static_cast<char16_t>(*c);
    }
    return text;
}

// The connection name the network class key holds for `adapterName`; nothing when the key does not open.
std::optional<std::u16string> ConnectionNameOf(NetworkAdapters& adapters, const std::u16string& adapterName) {
    const std::u16string subkey =
        std::u16string(kNetworkClassKey) + u'\\' + adapterName + u'\\' + kConnectionSubkey;
    std::optional<std::u16string> name = adapters.ReadMachineText(subkey, kConnectionNameValue);
    return name ? std::optional(Cut(std::move(*name))) : std::nullopt;
}

}  // namespace

void ScanAdapters(NetworkAdapters& adapters, AnsiCodePage& codePage, IcsController& controller,
                  AdapterTable& table) {
    table.rows.clear();
    table.virtualAdapterConnectionName.clear();
    std::vector<AdapterInfo> list;
    if (adapters.GetAdaptersInfo(list) != 0)
        return;
    std::optional<size_t> unnamedRow;
    std::u16string virtualAdapterName;
    for (const AdapterInfo& adapter : list) {
        std::u16string description = Cut(codePage.AnsiToWide(adapter.description));
        if (IsVirtualAdapterDescription(description)) {
            table.virtualAdapterMac = MacText(adapter.address);
            virtualAdapterName = Cut(codePage.AnsiToWide(adapter.adapterName));
            continue;
        }
        if (table.rows.size() == kAdapterTableRows)
            continue;
        if (description.empty())
            unnamedRow = table.rows.size();
        table.rows.push_back(
            {{}, std::move(description), Cut(codePage.AnsiToWide(adapter.adapterName)), adapter.index});
    }
    for (AdapterRow& row : table.rows)
        row.connectionName = ConnectionNameOf(adapters, row.adapterName).value_or(row.deviceName);
    if (!virtualAdapterName.empty())
        table.virtualAdapterConnectionName = ConnectionNameOf(adapters, virtualAdapterName).value_or(u"");
    if (unnamedRow) {
        AdapterRow& row = table.rows[*unnamedRow];
        if (std::optional<FoundConnection> found = controller.FindConnectionByGuid(row.adapterName)) {
            row.deviceName = Cut(found->deviceName);
            row.connectionName = Cut(found->name);
        }
    }
}

}  // namespace aerowisp
