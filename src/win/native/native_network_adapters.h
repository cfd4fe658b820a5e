// The network adapters of the real machine: IP Helper's list, and connection names under
// HKEY_LOCAL_MACHINE through CRegKey.
#pragma once

#include "core/platform/network_adapters.h"

namespace aerowisp {

class NativeNetworkAdapters final : public NetworkAdapters {
  public:
    uint32_t GetAdaptersInfo(std::vector<AdapterInfo>& adapters) override;
    std::optional<std::u16string> ReadMachineText(std::u16string_view subkey,
                                                  std::u16string_view valueName) override;
    uint32_t GetBestInterface(uint32_t destination, uint32_t& interfaceIndex) override;
};

}  // namespace aerowisp
