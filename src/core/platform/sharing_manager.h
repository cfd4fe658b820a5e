// Port: the operating system's Internet Connection Sharing manager, one operation per call the program
// makes on the INetSharingManager family of COM objects.
// Implementations: NativeSharingManagerService (src/win/native, over the sharing manager's COM objects),
// SimNetwork (src/sim, connections from the scenario with the real service's sharing rules).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace aerowisp {

// SHARINGCONNECTIONTYPE.
enum class IcsSharingType : int32_t { kPublic = 0, kPrivate = 1 };

// A COM call's HRESULT as its 32 bits; 0 is S_OK.
using HResult = uint32_t;
inline constexpr HResult kSOk = 0;
inline constexpr HResult kEAccessDenied = 0x80070005;
inline constexpr HResult kEPointer = 0x80004003;
// HRESULT_FROM_WIN32(ERROR_SERVICE_DISABLED) and (ERROR_SERVICE_DEPENDENCY_FAIL): the sharing service
// cannot start.
inline constexpr HResult kHresultServiceDisabled = 0x80070422;
inline constexpr HResult kHresultDependencyFailed = 0x8007042C;
// EVENT_E_ALL_SUBSCRIBERS_FAILED, which EnableSharing gives while the service keeps sharing records of a
// connection that is no longer there.
inline constexpr HResult kHresultStaleSharing = 0x80040201;

// NETCON_MEDIATYPE values the program tells apart.
inline constexpr uint32_t kNcmLan = 3;
inline constexpr uint32_t kNcmPhone = 4;
inline constexpr uint32_t kNcmTunnel = 5;
inline constexpr uint32_t kNcmPppoe = 6;
inline constexpr uint32_t kNcmBridge = 7;

// What INetConnectionProps reports of one connection. A string the service hands back as NULL, or
// whose getter fails, is empty here; a failing number getter gives 0.
struct NetConnectionProps {
    std::u16string guid;  // in braces
    std::u16string name;
    std::u16string deviceName;
    uint32_t status = 0;     // NETCON_STATUS
    uint32_t mediaType = 0;  // NETCON_MEDIATYPE
    uint32_t characteristics = 0;
};

// INetSharingConfiguration of one connection.
class NetSharingConfiguration {
  public:
    virtual ~NetSharingConfiguration() = default;

    // get_SharingEnabled; nothing when the call fails.
    virtual std::optional<bool> SharingEnabled() = 0;
    // get_SharingConnectionType; nothing when the call fails.
    virtual std::optional<int32_t> SharingConnectionType() = 0;
    // EnableSharing and DisableSharing: the call's HRESULT.
    virtual HResult EnableSharing(IcsSharingType type) = 0;
    virtual HResult DisableSharing() = 0;
};

// One INetConnection of the manager's enumeration; valid while its manager lives.
class NetConnection {
  public:
    virtual ~NetConnection() = default;

    // get_NetConnectionProps and the six property getters; nothing when the properties object cannot
    // be obtained.
    virtual std::optional<NetConnectionProps> Properties() = 0;
    // get_INetSharingConfigurationForINetConnection; null when it cannot be obtained.
    virtual std::unique_ptr<NetSharingConfiguration> SharingConfiguration() = 0;
};

// One created INetSharingManager.
class NetSharingManager {
  public:
    virtual ~NetSharingManager() = default;

    // get_EnumEveryConnection, its get__NewEnum queried for IEnumVARIANT, and Next(1) until it does
    // not return S_OK; items that are not VT_UNKNOWN or not an INetConnection are skipped. Nothing
    // when the collection or its enumerator cannot be obtained.
    virtual std::optional<std::vector<std::unique_ptr<NetConnection>>> EnumEveryConnection() = 0;
    // get_EnumPublicConnections(ICSSC_DEFAULT) and get_EnumPrivateConnections(ICSSC_DEFAULT), enumerated
    // the same way: the connections the service holds as shared, including records of connections
    // that are no longer there.
    virtual std::optional<std::vector<std::unique_ptr<NetConnection>>> EnumSharedConnections(
        IcsSharingType type) = 0;
};

class SharingManagerService {
  public:
    virtual ~SharingManagerService() = default;

    // CoInitializeSecurity(NULL, -1, NULL, NULL, RPC_C_AUTHN_LEVEL_PKT, RPC_C_IMP_LEVEL_IMPERSONATE,
    // NULL, EOAC_NONE, NULL). Takes effect only as the process's first security setting.
    virtual void InitializeSecurity() = 0;
    // CoCreateInstance(CLSID_NetSharingManager, NULL, CLSCTX_ALL, IID_INetSharingManager); null when it
    // fails or yields nothing, with its HRESULT in `result` (E_POINTER for nothing).
    virtual std::unique_ptr<NetSharingManager> CreateSharingManager(HResult& result) = 0;
};

}  // namespace aerowisp
