// GetAdaptersInfo and the network class key.
#include "native/native_network_adapters.h"

#include <winsock2.h>
#include <iphlpapi.h>

#include <algorithm>
#include <cstring>

#include "fw/wide_text.h"
#include "native/reg_key.h"

namespace aerowisp {
namespace {

// The six bytes the program shows are read even from a shorter address, as the record holds eight.
constexpr UINT kShownAddressBytes = 6;

// A text field of the record up to its terminating zero, never past the field.
template <size_t N>
std::string FieldText(const char (&field)[N]) {
    return std::string(field, ::strnlen(field, N));
}

}  // namespace

uint32_t NativeNetworkAdapters::GetAdaptersInfo(std::vector<AdapterInfo>& adapters) {
    adapters.clear();
    ULONG size = 0;
    const DWORD sizeAnswer = ::GetAdaptersInfo(nullptr, &size);
    if (sizeAnswer != ERROR_SUCCESS && sizeAnswer != ERROR_BUFFER_OVERFLOW)
        return sizeAnswer;
    // Whole records, zero-filled, so the list is aligned as the system lays it out.
    std::vector<IP_ADAPTER_INFO> buffer(size / sizeof(IP_ADAPTER_INFO) + 1);
    ULONG bufferSize = static_cast<ULONG>(buffer.size() * sizeof(IP_ADAPTER_INFO));
    const DWORD fetched = ::GetAdaptersInfo(buffer.data(), &bufferSize);
    if (fetched != ERROR_SUCCESS)
        return fetched;
    for (const IP_ADAPTER_INFO* adapter = buffer.data(); adapter != nullptr; adapter = adapter->Next) {
        AdapterInfo info;
        info.adapterName = FieldText(adapter->AdapterName);
        info.description = FieldText(adapter->Description);
        const UINT length =
            std::min<UINT>(std::max(adapter->AddressLength, kShownAddressBytes), MAX_ADAPTER_ADDRESS_LENGTH);
        info.address.assign(adapter->Address, adapter->Address + length);
        info.index = adapter->Index;
        adapters.push_back(std::move(info));
    }
    return ERROR_SUCCESS;
}

std::optional<std::u16string> NativeNetworkAdapters::ReadMachineText(std::u16string_view subkey,
                                                                     std::u16string_view valueName) {
    CRegKey key;
    if (!key.Open(HKEY_LOCAL_MACHINE, fw::ToWide(subkey).c_str()))
        return std::nullopt;
    std::wstring text;
    if (!key.QueryStringValue(fw::ToWide(valueName).c_str(), text))
        return std::u16string();
    return fw::FromWide(text);
}

// IPAddr is in network byte order.
uint32_t NativeNetworkAdapters::GetBestInterface(uint32_t destination, uint32_t& interfaceIndex) {
    DWORD index = 0;
    const DWORD result = ::GetBestInterface(__builtin_bswap32(destination), &index);
    if (result == NO_ERROR)
        interfaceIndex = index;
    return result;
}

}  // namespace aerowisp
