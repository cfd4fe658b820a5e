// The WLAN service contract run against Native Wifi, where the machine has the means to do so.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "contract/wlan_service_contract.h"
#include "native/native_wlan_service.h"

namespace aerowisp::contract {
namespace {

// Wine's ntdll exports its version; Windows' does not.
bool RunningUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

bool HasWirelessInterface() {
    NativeWlanService service;
    WlanHandle handle = 0;
    if (service.OpenHandle(kWlanClientVersion, handle) != kWlanSuccess)
        return false;
    WlanInterfaceList list;
    const bool found = service.EnumInterfaces(handle, list) == kWlanSuccess && !list.interfaces.empty();
    service.CloseHandle(handle);
    return found;
}

class NativeWlanProvider {
  public:
    WlanService& Service() { return m_service; }

    // Under Wine every hosted-network function is missing or aborts the process, so nothing runs there.
    static std::string UnavailableReason() {
        if (RunningUnderWine())
            return "Wine implements no hosted-network functions";
        if (!HasWirelessInterface())
            return "no wireless interface";
        return {};
    }

  private:
    NativeWlanService m_service;
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Native, WlanServiceContract, testing::Types<NativeWlanProvider>);

}  // namespace aerowisp::contract
