// Port: the machine's network adapters as IP Helper lists them, and the connection names the network
// class keeps for them in the registry.
// Implementations: NativeNetworkAdapters (src/win/native, GetAdaptersInfo and CRegKey on
// HKEY_LOCAL_MACHINE), SimNetwork (src/sim, the scenario's connections and the running virtual adapter).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aerowisp {

// Where the network class keeps each adapter's connection: "%s\%s\%s" of this, the adapter name and
// "Connection", value "Name".
inline constexpr char16_t kNetworkClassKey[] =
    u"System\\CurrentControlSet\\Control\\Network\\{4d36e972-e325-11ce-bfc1-08002be10318}";
inline constexpr char16_t kConnectionSubkey[] = u"Connection";
inline constexpr char16_t kConnectionNameValue[] = u"Name";

// ERROR_NO_DATA: GetAdaptersInfo found no adapter.
inline constexpr uint32_t kErrorNoData = 232;

// One IP_ADAPTER_INFO, texts as the ANSI bytes it holds (up to their terminating zero).
struct AdapterInfo {
    std::string adapterName;  // the adapter's GUID in braces
    std::string description;
    std::vector<uint8_t> address;  // the hardware address: AddressLength bytes, at least six
    uint32_t index = 0;            // the interface index
    // IpAddressList's addresses in dotted form, "0.0.0.0" for an adapter without one.
    std::vector<std::string> ipAddresses;
};

class NetworkAdapters {
  public:
    virtual ~NetworkAdapters() = default;

    // GetAdaptersInfo: asks for the size with a null buffer, then fetches the list into a zero-filled
    // buffer of that size. 0 on success; else the error of the call that failed (the size query's
    // answer when it is neither 0 nor ERROR_BUFFER_OVERFLOW), and `adapters` is left empty.
    virtual uint32_t GetAdaptersInfo(std::vector<AdapterInfo>& adapters) = 0;

    // A text value under HKEY_LOCAL_MACHINE, the way CRegKey reads it: the key opened for all access,
    // else for reading. Nothing when the key does not open; empty when the value is missing, not
    // text, or longer than 511 characters.
    virtual std::optional<std::u16string> ReadMachineText(std::u16string_view subkey,
                                                          std::u16string_view valueName) = 0;

    // GetBestInterface: the index of the interface the routing table sends `destination` through
    // (an IPv4 address, 0x08080808 for 8.8.8.8); nothing is sent. 0 or the Win32 error.
    virtual uint32_t GetBestInterface(uint32_t destination, uint32_t& interfaceIndex) = 0;
};

}  // namespace aerowisp
