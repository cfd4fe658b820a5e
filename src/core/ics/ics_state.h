// The main window's connection-sharing state: the connections the sharing manager showed at the last
// refresh with the pair chosen from them, and the adapter table of the last scan.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace aerowisp {

// Part of the description of the hosted network's virtual adapter (case-sensitive).
inline constexpr char16_t kVirtualAdapterMarker[] = u"Microsoft Virtual WiFi Miniport Adapter";

// An adapter's description, or a connection's device name, that is the virtual adapter's.
inline bool IsVirtualAdapterDescription(std::u16string_view description) {
    return description.find(kVirtualAdapterMarker) != std::u16string_view::npos;
}

// ConnectionRecord's sharing type: SHARINGCONNECTIONTYPE, or this for a connection not shared.
inline constexpr int32_t kSharingTypePublic = 0;
inline constexpr int32_t kSharingTypePrivate = 1;
inline constexpr int32_t kSharingTypeNone = 2;

struct ConnectionRecord {
    std::u16string guid;  // in braces
    std::u16string name;
    std::u16string deviceName;
    uint32_t characteristics = 0;
    uint32_t mediaType = 0;
    int32_t sharingType = kSharingTypeNone;
    uint32_t status = 0;
};

struct IcsState {
    // The eligible connections of the last refresh, in the sharing manager's order.
    std::vector<ConnectionRecord> records;
    // The chosen connection's GUID as the last refresh found it; empty when it found none.
    std::u16string publicGuid;
    // The virtual adapter's connection and its name, from the last refresh that found one.
    std::u16string privateGuid;
    std::u16string virtualConnectionName;
    // Both sides are shared: a start with the same chosen connection only renews the address and the
    // DHCP server.
    bool sharing = false;
};

inline constexpr size_t kAdapterTableRows = 8;
// Each text of a row holds at most this many characters; longer text is cut.
inline constexpr size_t kAdapterTextMaxLength = 255;

struct AdapterRow {
    std::u16string connectionName;  // "Network Name" on the ICS page
    std::u16string deviceName;      // the adapter's description; what the chosen connection holds
    std::u16string adapterName;     // the adapter's GUID in braces
    uint32_t interfaceIndex = 0;    // IP Helper's index of the adapter
};

struct AdapterTable {
    // The machine's adapters other than the virtual one, at most kAdapterTableRows, in IP Helper's order.
    std::vector<AdapterRow> rows;
    // "02-1A-2B-3C-4D-5E": from the last scan that saw the virtual adapter.
    std::u16string virtualAdapterMac;
    // The virtual adapter's connection name in the network class key, when the last scan saw the
    // adapter and its key names one; empty otherwise.
    std::u16string virtualAdapterConnectionName;
};

}  // namespace aerowisp
