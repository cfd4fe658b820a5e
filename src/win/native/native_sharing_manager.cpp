// The sharing manager's COM objects behind the port: every interface pointer, VARIANT and BSTR has an
// owner, so each is released once whichever way a call ends. mingw-w64's netcon.h declares the
// interfaces and its libuuid holds their IIDs and the class ID.
#include "native/native_sharing_manager.h"

#include <vector>

#include "fw/com.h"
#include "fw/wide_text.h"
#include "native/com_access_permissions.h"

namespace aerowisp {
namespace {

// An enumerator that never stops is cut off here; no machine has this many connections.
constexpr size_t kMaxConnections = 4096;

class NativeSharingConfiguration final : public NetSharingConfiguration {
  public:
    explicit NativeSharingConfiguration(fw::ComPtr<INetSharingConfiguration> configuration)
        : configuration_(std::move(configuration)) {}

    std::optional<bool> SharingEnabled() override {
        VARIANT_BOOL enabled = VARIANT_FALSE;
        if (FAILED(configuration_->get_SharingEnabled(&enabled)))
            return std::nullopt;
        return enabled != VARIANT_FALSE;
    }
    std::optional<int32_t> SharingConnectionType() override {
        SHARINGCONNECTIONTYPE type = ICSSHARINGTYPE_PUBLIC;
        if (FAILED(configuration_->get_SharingConnectionType(&type)))
            return std::nullopt;
        return static_cast<int32_t>(type);
    }
    HResult EnableSharing(IcsSharingType type) override {
        return static_cast<HResult>(configuration_->EnableSharing(static_cast<SHARINGCONNECTIONTYPE>(type)));
    }
    HResult DisableSharing() override { return static_cast<HResult>(configuration_->DisableSharing()); }

  private:
    fw::ComPtr<INetSharingConfiguration> configuration_;
};

class NativeNetConnection final : public NetConnection {
  public:
    NativeNetConnection(INetSharingManager* manager, fw::ComPtr<INetConnection> connection)
        : manager_(manager), connection_(std::move(connection)) {}

    std::optional<NetConnectionProps> Properties() override {
        fw::ComPtr<INetConnectionProps> props;
        if (FAILED(manager_->get_NetConnectionProps(connection_.Get(), props.Receive())) || !props)
            return std::nullopt;
        NetConnectionProps result;
        result.guid = fw::BstrProperty(props.Get(), &INetConnectionProps::get_Guid);
        result.name = fw::BstrProperty(props.Get(), &INetConnectionProps::get_Name);
        result.deviceName = fw::BstrProperty(props.Get(), &INetConnectionProps::get_DeviceName);
        NETCON_STATUS status = NCS_DISCONNECTED;
        if (SUCCEEDED(props->get_Status(&status)))
            result.status = static_cast<uint32_t>(status);
        NETCON_MEDIATYPE mediaType = NCM_NONE;
        if (SUCCEEDED(props->get_MediaType(&mediaType)))
            result.mediaType = static_cast<uint32_t>(mediaType);
        DWORD characteristics = 0;
        if (SUCCEEDED(props->get_Characteristics(&characteristics)))
            result.characteristics = characteristics;
        return result;
    }

    std::unique_ptr<NetSharingConfiguration> SharingConfiguration() override {
        fw::ComPtr<INetSharingConfiguration> configuration;
        if (FAILED(manager_->get_INetSharingConfigurationForINetConnection(connection_.Get(),
                                                                           configuration.Receive())) ||
            !configuration)
            return nullptr;
        return std::make_unique<NativeSharingConfiguration>(std::move(configuration));
    }

  private:
    INetSharingManager* manager_;  // lives as long as the manager object that enumerated this one
    fw::ComPtr<INetConnection> connection_;
};

class NativeNetSharingManager final : public NetSharingManager {
  public:
    explicit NativeNetSharingManager(fw::ComPtr<INetSharingManager> manager) : manager_(std::move(manager)) {}

    std::optional<std::vector<std::unique_ptr<NetConnection>>> EnumEveryConnection() override {
        fw::ComPtr<INetSharingEveryConnectionCollection> collection;
        if (FAILED(manager_->get_EnumEveryConnection(collection.Receive())) || !collection)
            return std::nullopt;
        return Connections(collection);
    }

    // The public and private collections hand out INetConnection items too.
    std::optional<std::vector<std::unique_ptr<NetConnection>>> EnumSharedConnections(
        IcsSharingType type) override {
        if (type == IcsSharingType::kPublic) {
            fw::ComPtr<INetSharingPublicConnectionCollection> collection;
            if (FAILED(manager_->get_EnumPublicConnections(ICSSC_DEFAULT, collection.Receive())) ||
                !collection)
                return std::nullopt;
            return Connections(collection);
        }
        fw::ComPtr<INetSharingPrivateConnectionCollection> collection;
        if (FAILED(manager_->get_EnumPrivateConnections(ICSSC_DEFAULT, collection.Receive())) || !collection)
            return std::nullopt;
        return Connections(collection);
    }

  private:
    template <typename Collection>
    std::optional<std::vector<std::unique_ptr<NetConnection>>> Connections(
        const fw::ComPtr<Collection>& collection) {
        fw::ComPtr<IUnknown> enumerator;
        if (FAILED(collection->get__NewEnum(enumerator.Receive())) || !enumerator)
            return std::nullopt;
        fw::ComPtr<IEnumVARIANT> items = enumerator.As<IEnumVARIANT>(IID_IEnumVARIANT);
        if (!items)
            return std::nullopt;
        std::vector<std::unique_ptr<NetConnection>> connections;
        fw::Variant item;
        for (size_t read = 0; read < kMaxConnections && items->Next(1, item.Receive(), nullptr) == S_OK;
             ++read) {
            if (item.Get().vt != VT_UNKNOWN || item.Get().punkVal == nullptr)
                continue;
            fw::ComPtr<INetConnection> connection;
            if (SUCCEEDED(item.Get().punkVal->QueryInterface(IID_INetConnection, connection.ReceiveVoid())) &&
                connection) {
                connections.push_back(
                    std::make_unique<NativeNetConnection>(manager_.Get(), std::move(connection)));
            }
        }
        return connections;
    }

    fw::ComPtr<INetSharingManager> manager_;
};

}  // namespace

std::unique_ptr<NetSharingManager> WrapSharingManager(INetSharingManager* manager) {
    if (manager == nullptr)
        return nullptr;
    fw::ComPtr<INetSharingManager> owned;
    manager->AddRef();
    *owned.Receive() = manager;
    return std::make_unique<NativeNetSharingManager>(std::move(owned));
}

// Its result is not looked at: after the first call in the process it can only report RPC_E_TOO_LATE,
// and the first one is made at start-up, right after COM is initialised.
// An elevated program's objects would otherwise take calls from any process of any user on the machine.
// Without its descriptor COM is left to the machine's default permissions, never opened to everyone.
void NativeSharingManagerService::InitializeSecurity() {
    ComAccessPermissions callers;
    if (callers.Get() == nullptr)
        return;
    ::CoInitializeSecurity(callers.Get(), -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT,
                           RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
}

std::unique_ptr<NetSharingManager> NativeSharingManagerService::CreateSharingManager(HResult& result) {
    fw::ComPtr<INetSharingManager> manager;
    const HRESULT created = ::CoCreateInstance(CLSID_NetSharingManager, nullptr, CLSCTX_ALL,
                                               IID_INetSharingManager, manager.ReceiveVoid());
    result = static_cast<HResult>(FAILED(created) ? created : manager ? S_OK : E_POINTER);
    if (result != kSOk)
        return nullptr;
    return std::make_unique<NativeNetSharingManager>(std::move(manager));
}

}  // namespace aerowisp
