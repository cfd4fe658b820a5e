// Records exchanged with the WLAN service, laid out like the Native Wifi API's where the program relies on
// it.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/guid.h"
#include "core/text/number_text.h"

namespace aerowisp {

// A WLAN call's result: 0 on success, otherwise a Win32 error code.
using WlanResult = uint32_t;
inline constexpr WlanResult kWlanSuccess = 0;
inline constexpr WlanResult kErrorInvalidHandle = 6;
inline constexpr WlanResult kErrorInvalidParameter = 87;
inline constexpr WlanResult kErrorNotFound = 1168;
inline constexpr WlanResult kErrorInvalidState = 5023;
// ERROR_SERVICE_DOES_NOT_EXIST: what every WLAN call gives where the WLAN service is not installed, as on
// Windows Server 2008 R2 without the Wireless LAN Service feature (no wlanapi.dll).
inline constexpr WlanResult kErrorServiceNotInstalled = 1060;

// WLAN_HOSTED_NETWORK_REASON: why the service refused a hosted-network call (or why the network changed
// state). The service gives it through the calls' failure-reason pointer.
enum class HostedNetworkReason : uint32_t {
    kSuccess = 0,
    kUnspecified,
    kBadParameters,
    kServiceShuttingDown,
    kInsufficientResources,
    kElevationRequired,
    kReadOnly,
    kPersistenceFailed,
    kCryptError,
    kImpersonation,
    kStopBeforeStart,
    kInterfaceAvailable,
    kInterfaceUnavailable,
    kMiniportStopped,
    kMiniportStarted,
    kIncompatibleConnectionStarted,
    kIncompatibleConnectionStopped,
    kUserAction,
    kClientAbort,
    kApStartFailed,
    kPeerArrived,
    kPeerDeparted,
    kPeerTimeout,
    kGpDenied,
    kServiceUnavailable,
    kDeviceChange,
    kPropertiesChange,
    kVirtualStationBlockingUse,
    kServiceAvailableOnVirtualStation,
};
inline constexpr uint32_t kHostedNetworkReasonCount = 29;

// The client handle; 0 is "no handle".
using WlanHandle = uintptr_t;

inline constexpr uint32_t kWlanClientVersion = 2;
// WLAN_MAX_PHY_INDEX: the most PHYs an interface's capability and radio state list.
inline constexpr uint32_t kWlanMaxPhyIndex = 64;
inline constexpr size_t kDot11SsidMaxLength = 32;

// A key of this length in hexadecimal digits is the pre-shared key itself; any other key is a passphrase.
inline constexpr size_t kHexKeyLength = 64;

// Exactly 64 characters, each 0-9, a-f or A-F.
inline bool IsHexKey(std::u16string_view key) {
    return key.size() == kHexKeyLength &&
           std::ranges::all_of(key, [](char16_t c) { return HexDigitValue(c) >= 0; });
}

struct Dot11Ssid {
    uint32_t length = 0;  // bytes used in `ssid`
    std::array<uint8_t, kDot11SsidMaxLength> ssid{};
};

// WLAN_HOSTED_NETWORK_CONNECTION_SETTINGS.
struct HostedNetworkConnectionSettings {
    Dot11Ssid ssid;
    uint32_t maxNumberOfPeers = 0;
};
static_assert(sizeof(HostedNetworkConnectionSettings) == 40);
static_assert(offsetof(HostedNetworkConnectionSettings, ssid) == 0);
static_assert(offsetof(Dot11Ssid, ssid) == 4);
static_assert(offsetof(HostedNetworkConnectionSettings, maxNumberOfPeers) == 36);

// DOT11_RADIO_STATE.
enum class Dot11RadioState : uint32_t { kUnknown = 0, kOn = 1, kOff = 2 };

// WLAN_PHY_RADIO_STATE.
struct PhyRadioState {
    uint32_t phyIndex = 0;
    Dot11RadioState softwareRadioState = Dot11RadioState::kUnknown;
    Dot11RadioState hardwareRadioState = Dot11RadioState::kUnknown;
};
static_assert(sizeof(PhyRadioState) == 12);

// WLAN_INTERFACE_STATE.
enum class WlanInterfaceState : uint32_t {
    kNotReady = 0,
    kConnected = 1,
    kAdHocNetworkFormed = 2,
    kDisconnecting = 3,
    kDisconnected = 4,
    kAssociating = 5,
    kDiscovering = 6,
    kAuthenticating = 7,
};

struct WlanInterfaceInfo {
    Guid interfaceGuid;
    std::u16string description;  // strInterfaceDescription
    WlanInterfaceState state = WlanInterfaceState::kNotReady;
};

struct WlanInterfaceList {
    std::vector<WlanInterfaceInfo> interfaces;
};

// WLAN_INTF_OPCODE values the program uses.
enum class WlanIntfOpcode : uint32_t {
    kRadioState = 4,
    kInterfaceState = 6,
    kCurrentConnection = 7,
    kChannelNumber = 8,
};

// DOT11_BSS_TYPE.
enum class Dot11BssType : uint32_t { kInfrastructure = 1, kIndependent = 2, kAny = 3 };

// WLAN_CONNECTION_ATTRIBUTES, flattened: the association and security attributes.
struct WlanConnectionAttributes {
    WlanInterfaceState state = WlanInterfaceState::kNotReady;
    uint32_t connectionMode = 0;
    std::u16string profileName;
    Dot11Ssid ssid;
    Dot11BssType bssType = Dot11BssType::kInfrastructure;
    std::array<uint8_t, 6> bssid{};
    uint32_t phyType = 0;
    uint32_t phyIndex = 0;
    uint32_t signalQuality = 0;  // 0 to 100
    uint32_t rxRate = 0;         // kbit/s
    uint32_t txRate = 0;         // kbit/s
    bool securityEnabled = false;
    bool oneXEnabled = false;
    uint32_t authAlgorithm = 0;    // DOT11_AUTH_ALGORITHM
    uint32_t cipherAlgorithm = 0;  // DOT11_CIPHER_ALGORITHM
};

// sizeof(WLAN_CONNECTION_ATTRIBUTES), the data size of a current-connection query: it holds no
// pointers, so it is the same in the x86 and x64 builds.
inline constexpr uint32_t kWlanConnectionAttributesSize = 604;
// The data size of the interface-state and channel-number queries (a DWORD).
inline constexpr uint32_t kWlanDwordDataSize = 4;

// What one WlanQueryInterface call returned. `dataSize` is the size of the record the service
// handed back; `value` holds it for the 4-byte opcodes (interface state, channel number), `radioStates`
// the PHYs of a radio-state query (WLAN_RADIO_STATE).
struct WlanInterfaceQueryResult {
    uint32_t dataSize = 0;
    uint32_t value = 0;
    WlanConnectionAttributes connection;
    std::vector<PhyRadioState> radioStates;
};

// WLAN_HOSTED_NETWORK_STATE.
enum class HostedNetworkState : uint32_t { kUnavailable = 0, kIdle = 1, kActive = 2 };

// WLAN_HOSTED_NETWORK_PEER_AUTH_STATE: 1 = authenticated.
inline constexpr uint32_t kPeerAuthenticated = 1;

struct HostedNetworkPeerState {
    std::array<uint8_t, 6> macAddress{};
    uint32_t authState = 0;
};

struct HostedNetworkStatus {
    HostedNetworkState state = HostedNetworkState::kUnavailable;
    Guid ipDeviceId;
    std::array<uint8_t, 6> bssid{};
    uint32_t channelFrequency = 0;
    std::vector<HostedNetworkPeerState> peers;
};

}  // namespace aerowisp
