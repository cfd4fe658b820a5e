// NativeWlanService: each operation is one Native Wifi call with a null reserved pointer; the hosted-network
// calls hand their failure reason back.
#include "native/native_wlan_service.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <string_view>
#include <vector>

#include "fw/wide_text.h"
#include "native/wlan_hosted_network.h"
#include "fw/wlan_memory.h"

namespace aerowisp {
namespace {

// The core's records are copied byte for byte into and out of the native ones.
static_assert(sizeof(Guid) == sizeof(GUID));
static_assert(sizeof(Dot11Ssid) == sizeof(DOT11_SSID));
static_assert(offsetof(Dot11Ssid, ssid) == offsetof(DOT11_SSID, ucSSID));
static_assert(sizeof(HostedNetworkConnectionSettings) == sizeof(WLAN_HOSTED_NETWORK_CONNECTION_SETTINGS));
static_assert(offsetof(HostedNetworkConnectionSettings, ssid) ==
              offsetof(WLAN_HOSTED_NETWORK_CONNECTION_SETTINGS, hostedNetworkSSID));
static_assert(offsetof(HostedNetworkConnectionSettings, maxNumberOfPeers) ==
              offsetof(WLAN_HOSTED_NETWORK_CONNECTION_SETTINGS, dwMaxNumberOfPeers));
static_assert(sizeof(PhyRadioState) == sizeof(WLAN_PHY_RADIO_STATE));
static_assert(offsetof(PhyRadioState, phyIndex) == offsetof(WLAN_PHY_RADIO_STATE, dwPhyIndex));
static_assert(offsetof(PhyRadioState, softwareRadioState) ==
              offsetof(WLAN_PHY_RADIO_STATE, dot11SoftwareRadioState));
static_assert(offsetof(PhyRadioState, hardwareRadioState) ==
              offsetof(WLAN_PHY_RADIO_STATE, dot11HardwareRadioState));

static_assert(static_cast<uint32_t>(WlanIntfOpcode::kRadioState) == wlan_intf_opcode_radio_state);
static_assert(static_cast<uint32_t>(WlanIntfOpcode::kInterfaceState) == wlan_intf_opcode_interface_state);
static_assert(static_cast<uint32_t>(WlanIntfOpcode::kCurrentConnection) ==
              wlan_intf_opcode_current_connection);
static_assert(static_cast<uint32_t>(WlanIntfOpcode::kChannelNumber) == wlan_intf_opcode_channel_number);
static_assert(static_cast<uint32_t>(HostedNetworkState::kActive) == wlan_hosted_network_active);
static_assert(static_cast<uint32_t>(HostedNetworkReason::kInterfaceUnavailable) ==
              wlan_hosted_network_reason_interface_unavailable);
static_assert(kHostedNetworkReasonCount ==
              wlan_hosted_network_reason_service_available_on_virtual_station + 1);
static_assert(kWlanMaxPhyIndex == WLAN_MAX_PHY_INDEX);

constexpr WlanResult kErrorCallNotImplemented = ERROR_CALL_NOT_IMPLEMENTED;
constexpr wchar_t kWlanApiModule[] = L"wlanapi.dll";

HANDLE ToHandle(WlanHandle handle) {
    return reinterpret_cast<HANDLE>(handle);
}

GUID ToNative(const Guid& guid) {
    return std::bit_cast<GUID>(guid);
}

Guid FromNative(const GUID& guid) {
    return std::bit_cast<Guid>(guid);
}

// A service that claims more than 32 SSID bytes is cut to the 32 there are.
Dot11Ssid FromNative(const DOT11_SSID& native) {
    Dot11Ssid ssid = std::bit_cast<Dot11Ssid>(native);
    ssid.length = std::min<uint32_t>(ssid.length, kDot11SsidMaxLength);
    return ssid;
}

template <size_t N>
std::u16string FromFixedText(const WCHAR (&text)[N]) {
    return fw::FromWide(std::wstring_view(text, std::find(text, text + N, L'\0') - text));
}

std::array<uint8_t, 6> FromNative(const DOT11_MAC_ADDRESS& mac) {
    std::array<uint8_t, 6> address{};
    std::copy(std::begin(mac), std::end(mac), address.begin());
    return address;
}

WlanConnectionAttributes FromNative(const WLAN_CONNECTION_ATTRIBUTES& native) {
    const WLAN_ASSOCIATION_ATTRIBUTES& association = native.wlanAssociationAttributes;
    const WLAN_SECURITY_ATTRIBUTES& security = native.wlanSecurityAttributes;
    WlanConnectionAttributes attributes;
    attributes.state = static_cast<WlanInterfaceState>(native.isState);
    attributes.connectionMode = native.wlanConnectionMode;
    attributes.profileName = FromFixedText(native.strProfileName);
    attributes.ssid = FromNative(association.dot11Ssid);
    attributes.bssType = static_cast<Dot11BssType>(association.dot11BssType);
    attributes.bssid = FromNative(association.dot11Bssid);
    attributes.phyType = association.dot11PhyType;
    attributes.phyIndex = association.uDot11PhyIndex;
    attributes.signalQuality = association.wlanSignalQuality;
    attributes.rxRate = association.ulRxRate;
    attributes.txRate = association.ulTxRate;
    attributes.securityEnabled = security.bSecurityEnabled != FALSE;
    attributes.oneXEnabled = security.bOneXEnabled != FALSE;
    attributes.authAlgorithm = security.dot11AuthAlgorithm;
    attributes.cipherAlgorithm = security.dot11CipherAlgorithm;
    return attributes;
}

// The PHYs the record lists, as far as the data the service handed back holds them.
std::vector<PhyRadioState> RadioStatesFrom(const WLAN_RADIO_STATE& native, DWORD dataSize) {
    constexpr size_t kListOffset = offsetof(WLAN_RADIO_STATE, PhyRadioState);
    if (dataSize < kListOffset)
        return {};
    const size_t held = (dataSize - kListOffset) / sizeof(WLAN_PHY_RADIO_STATE);
    const size_t listed = std::min<size_t>({native.dwNumberOfPhys, WLAN_MAX_PHY_INDEX, held});
    std::vector<PhyRadioState> states;
    for (size_t i = 0; i < listed; ++i)
        states.push_back(std::bit_cast<PhyRadioState>(native.PhyRadioState[i]));
    return states;
}

// The hosted-network functions are found by name in the already loaded wlanapi.dll; null when missing.
template <typename Function>
Function* FindHostedNetworkFunction(const char* name) {
    const HMODULE module = GetModuleHandleW(kWlanApiModule);
    if (module == nullptr)
        return nullptr;
    // Through the generic function pointer type, which converts to any other without a warning.
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// The service's failure reason, handed to the caller when the call failed and the caller wants it.
class FailReason {
  public:
    explicit FailReason(HostedNetworkReason* out) : out_(out) {}
    PWLAN_HOSTED_NETWORK_REASON Pointer() { return out_ != nullptr ? &native_ : nullptr; }
    WlanResult Pass(WlanResult result) const {
        if (result != kWlanSuccess && out_ != nullptr)
            *out_ = static_cast<HostedNetworkReason>(native_);
        return result;
    }

  private:
    HostedNetworkReason* out_;
    WLAN_HOSTED_NETWORK_REASON native_ = wlan_hosted_network_reason_success;
};

// The calls that take only the handle: init settings, start, force start, stop, force stop.
using HandleOnlyCall = decltype(WlanHostedNetworkStartUsing);

WlanResult CallWithHandle(const char* name, WlanHandle handle, HostedNetworkReason* failReason) {
    auto* call = FindHostedNetworkFunction<HandleOnlyCall>(name);
    if (call == nullptr)
        return kErrorCallNotImplemented;
    FailReason reason(failReason);
    return reason.Pass(call(ToHandle(handle), reason.Pointer(), nullptr));
}

WlanResult SetHostedNetworkProperty(WlanHandle handle, WLAN_HOSTED_NETWORK_OPCODE opcode, DWORD size,
                                    void* data, HostedNetworkReason* failReason) {
    auto* setProperty =
        FindHostedNetworkFunction<decltype(WlanHostedNetworkSetProperty)>("WlanHostedNetworkSetProperty");
    if (setProperty == nullptr)
        return kErrorCallNotImplemented;
    FailReason reason(failReason);
    return reason.Pass(setProperty(ToHandle(handle), opcode, size, data, reason.Pointer(), nullptr));
}

}  // namespace

WlanResult NativeWlanService::OpenHandle(uint32_t clientVersion, WlanHandle& handle) {
    DWORD negotiatedVersion = 0;
    HANDLE client = nullptr;
    const WlanResult result = WlanOpenHandle(clientVersion, nullptr, &negotiatedVersion, &client);
    if (result == kWlanSuccess)
        handle = reinterpret_cast<WlanHandle>(client);
    return result;
}

WlanResult NativeWlanService::CloseHandle(WlanHandle handle) {
    return WlanCloseHandle(ToHandle(handle), nullptr);
}

WlanResult NativeWlanService::EnumInterfaces(WlanHandle handle, WlanInterfaceList& list) {
    fw::WlanMemory<WLAN_INTERFACE_INFO_LIST> native;
    const WlanResult result = WlanEnumInterfaces(ToHandle(handle), nullptr, native.Receive());
    if (result != kWlanSuccess || native.Get() == nullptr)
        return result;
    list.interfaces.clear();
    for (DWORD i = 0; i < native.Get()->dwNumberOfItems; ++i) {
        const WLAN_INTERFACE_INFO& info = native.Get()->InterfaceInfo[i];
        list.interfaces.push_back({FromNative(info.InterfaceGuid),
                                   FromFixedText(info.strInterfaceDescription),
                                   static_cast<WlanInterfaceState>(info.isState)});
    }
    return result;
}

WlanResult NativeWlanService::QueryInterface(WlanHandle handle, const Guid& interfaceGuid,
                                             WlanIntfOpcode opcode, WlanInterfaceQueryResult& result) {
    const GUID guid = ToNative(interfaceGuid);
    DWORD dataSize = 0;
    fw::WlanMemory<void> data;
    WLAN_OPCODE_VALUE_TYPE valueType = wlan_opcode_value_type_invalid;
    const WlanResult status =
        WlanQueryInterface(ToHandle(handle), &guid, static_cast<WLAN_INTF_OPCODE>(opcode), nullptr, &dataSize,
                           data.Receive(), &valueType);
    if (status != kWlanSuccess || data.Get() == nullptr)
        return status;
    result = WlanInterfaceQueryResult{};
    result.dataSize = dataSize;
    switch (opcode) {
        case WlanIntfOpcode::kRadioState:
            result.radioStates = RadioStatesFrom(*static_cast<const WLAN_RADIO_STATE*>(data.Get()), dataSize);
            break;
        case WlanIntfOpcode::kInterfaceState:
        case WlanIntfOpcode::kChannelNumber:
            if (dataSize >= sizeof(DWORD))
                result.value = *static_cast<const DWORD*>(data.Get());
            break;
        case WlanIntfOpcode::kCurrentConnection:
            if (dataSize >= sizeof(WLAN_CONNECTION_ATTRIBUTES)) {
                result.connection = FromNative(*static_cast<const WLAN_CONNECTION_ATTRIBUTES*>(data.Get()));
            }
            break;
        default:
            break;
    }
    return status;
}

WlanResult NativeWlanService::GetInterfaceCapability(WlanHandle handle, const Guid& interfaceGuid,
                                                     uint32_t& numberOfSupportedPhys) {
    const GUID guid = ToNative(interfaceGuid);
    fw::WlanMemory<WLAN_INTERFACE_CAPABILITY> capability;
    const WlanResult result =
        WlanGetInterfaceCapability(ToHandle(handle), &guid, nullptr, capability.Receive());
    if (result == kWlanSuccess && capability.Get() != nullptr) {
        numberOfSupportedPhys = capability.Get()->dwNumberOfSupportedPhys;
    }
    return result;
}

WlanResult NativeWlanService::SetRadioState(WlanHandle handle, const Guid& interfaceGuid,
                                            const PhyRadioState& state) {
    const GUID guid = ToNative(interfaceGuid);
    WLAN_PHY_RADIO_STATE native = std::bit_cast<WLAN_PHY_RADIO_STATE>(state);
    return WlanSetInterface(ToHandle(handle), &guid, wlan_intf_opcode_radio_state, sizeof(native), &native,
                            nullptr);
}

WlanResult NativeWlanService::HostedNetworkInitSettings(WlanHandle handle, HostedNetworkReason* failReason) {
    return CallWithHandle("WlanHostedNetworkInitSettings", handle, failReason);
}

WlanResult NativeWlanService::HostedNetworkSetConnectionSettings(
    WlanHandle handle, const HostedNetworkConnectionSettings& settings, HostedNetworkReason* failReason) {
    auto native = std::bit_cast<WLAN_HOSTED_NETWORK_CONNECTION_SETTINGS>(settings);
    return SetHostedNetworkProperty(handle, wlan_hosted_network_opcode_connection_settings, sizeof(native),
                                    &native, failReason);
}

WlanResult NativeWlanService::HostedNetworkSetEnable(WlanHandle handle, bool enable,
                                                     HostedNetworkReason* failReason) {
    BOOL enabled = enable ? TRUE : FALSE;
    return SetHostedNetworkProperty(handle, wlan_hosted_network_opcode_enable, sizeof(enabled), &enabled,
                                    failReason);
}

WlanResult NativeWlanService::HostedNetworkSetSecondaryKey(WlanHandle handle, const std::string& ansiKey,
                                                           bool isPassPhrase, bool persistent,
                                                           HostedNetworkReason* failReason) {
    auto* setSecondaryKey = FindHostedNetworkFunction<decltype(WlanHostedNetworkSetSecondaryKey)>(
        "WlanHostedNetworkSetSecondaryKey");
    if (setSecondaryKey == nullptr)
        return kErrorCallNotImplemented;
    // The length passed counts the terminating zero.
    std::vector<UCHAR> key(ansiKey.begin(), ansiKey.end());
    key.push_back(0);
    FailReason reason(failReason);
    return reason.Pass(setSecondaryKey(ToHandle(handle), static_cast<DWORD>(key.size()), key.data(),
                                       isPassPhrase ? TRUE : FALSE, persistent ? TRUE : FALSE,
                                       reason.Pointer(), nullptr));
}

WlanResult NativeWlanService::HostedNetworkStartUsing(WlanHandle handle, HostedNetworkReason* failReason) {
    return CallWithHandle("WlanHostedNetworkStartUsing", handle, failReason);
}

WlanResult NativeWlanService::HostedNetworkForceStart(WlanHandle handle, HostedNetworkReason* failReason) {
    return CallWithHandle("WlanHostedNetworkForceStart", handle, failReason);
}

WlanResult NativeWlanService::HostedNetworkStopUsing(WlanHandle handle, HostedNetworkReason* failReason) {
    return CallWithHandle("WlanHostedNetworkStopUsing", handle, failReason);
}

WlanResult NativeWlanService::HostedNetworkForceStop(WlanHandle handle, HostedNetworkReason* failReason) {
    return CallWithHandle("WlanHostedNetworkForceStop", handle, failReason);
}

WlanResult NativeWlanService::HostedNetworkQueryStatus(WlanHandle handle, HostedNetworkStatus& status) {
    auto* queryStatus =
        FindHostedNetworkFunction<decltype(WlanHostedNetworkQueryStatus)>("WlanHostedNetworkQueryStatus");
    if (queryStatus == nullptr)
        return kErrorCallNotImplemented;
    fw::WlanMemory<WLAN_HOSTED_NETWORK_STATUS> native;
    const WlanResult result = queryStatus(ToHandle(handle), native.Receive(), nullptr);
    if (result != kWlanSuccess || native.Get() == nullptr)
        return result;
    status = HostedNetworkStatus{};
    status.state = static_cast<HostedNetworkState>(native.Get()->HostedNetworkState);
    status.ipDeviceId = FromNative(native.Get()->IPDeviceID);
    status.bssid = FromNative(native.Get()->wlanHostedNetworkBSSID);
    status.channelFrequency = native.Get()->ulChannelFrequency;
    for (DWORD i = 0; i < native.Get()->dwNumberOfPeers; ++i) {
        const WLAN_HOSTED_NETWORK_PEER_STATE& peer = native.Get()->PeerList[i];
        status.peers.push_back({FromNative(peer.PeerMacAddress), static_cast<uint32_t>(peer.PeerAuthState)});
    }
    return result;
}

}  // namespace aerowisp
