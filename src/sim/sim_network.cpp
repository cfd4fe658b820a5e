// The simulated machine's network connections, sharing manager, adapter list and connection names.
#include "sim/sim_network.h"

#include <algorithm>

#include "core/text/ascii_case.h"
#include "core/text/utf16_text.h"
#include "core/text/ipv4_text.h"
#include "sim/failure_plan.h"
#include "sim/journal.h"
#include "sim/journaled_call.h"
#include "sim/operations.h"
#include "sim/sim_services.h"
#include "sim/sim_settings_store.h"
#include "sim/sim_text.h"
#include "sim/sim_wlan_service.h"

namespace aerowisp {
namespace {

constexpr uint32_t kSuccess = 0;
constexpr size_t kMaxRegistryTextLength = 511;

std::string_view SharingName(SharingState state) {
    switch (state) {
        case SharingState::kPublic:
            return "public";
        case SharingState::kPrivate:
            return "private";
        case SharingState::kNone:
            break;
    }
    return "none";
}

std::string QuoteOrNull(bool isNull, std::u16string_view text) {
    return isNull ? "NULL" : QuoteText(text);
}

}  // namespace

// ---- The sharing manager's objects ----

class SimSharingConfiguration final : public NetSharingConfiguration {
  public:
    // `record`: reached through the service's lists of shared connections, which keep connections
    // that are gone.
    SimSharingConfiguration(SimNetwork& network, const Guid& guid, bool record)
        : network_(network), guid_(guid), record_(record) {}

    std::optional<bool> SharingEnabled() override {
        SimNetwork::Connection* connection = Live();
        const std::string arguments = Arguments(connection);
        if (!connection) {
            network_.journal_.Record(op::kGetSharingEnabled, arguments, kHresultNotFound);
            return std::nullopt;
        }
        if (network_.Failed(op::kGetSharingEnabled, arguments))
            return std::nullopt;
        const bool enabled = connection->sharing != SharingState::kNone;
        network_.journal_.Record(op::kGetSharingEnabled, arguments + (enabled ? " enabled=1" : " enabled=0"));
        return enabled;
    }

    // A connection that is not shared has no sharing type to report.
    std::optional<int32_t> SharingConnectionType() override {
        SimNetwork::Connection* connection = Live();
        const std::string arguments = Arguments(connection);
        if (!connection || connection->sharing == SharingState::kNone) {
            network_.journal_.Record(op::kGetSharingConnectionType, arguments,
                                     connection ? kEFail : kHresultNotFound);
            return std::nullopt;
        }
        if (network_.Failed(op::kGetSharingConnectionType, arguments))
            return std::nullopt;
        network_.journal_.Record(op::kGetSharingConnectionType,
                                 arguments + " type=" + std::string(SharingName(connection->sharing)));
        return connection->sharing == SharingState::kPublic ? kSharingTypePublicValue
                                                            : kSharingTypePrivateValue;
    }

    // One public and one private connection at a time: sharing a second one as either fails. The
    // service must run; while it keeps a record of a connection that is gone, every enable fails. A
    // private adapter gets the address of the service's scope.
    HResult EnableSharing(IcsSharingType type) override {
        SimNetwork::Connection* connection = Live();
        const SharingState wanted =
            type == IcsSharingType::kPublic ? SharingState::kPublic : SharingState::kPrivate;
        const std::string arguments = Arguments(connection) + " type=" + std::string(SharingName(wanted));
        if (!connection) {
            network_.journal_.Record(op::kEnableSharing, arguments, kHresultNotFound);
            return kHresultNotFound;
        }
        network_.TakeSharingTime();
        if (std::optional<uint32_t> error = network_.Failed(op::kEnableSharing, arguments))
            return *error;
        HResult result = network_.SharingServiceError();
        const bool stale =
            std::ranges::any_of(network_.connections_, [&](const SimNetwork::Connection& other) {
                return !network_.Present(other) && other.sharing != SharingState::kNone;
            });
        const bool taken =
            std::ranges::any_of(network_.connections_, [&](const SimNetwork::Connection& other) {
                return &other != connection && other.sharing == wanted;
            });
        if (result == kSuccess)
            result = stale ? kHresultStaleSharing : taken ? kEFail : kSuccess;
        network_.journal_.Record(op::kEnableSharing, arguments, result);
        if (result != kSuccess)
            return result;
        connection->sharing = wanted;
        if (wanted == SharingState::kPrivate)
            connection->address = network_.scopeAddress_;
        return kSuccess;
    }

    HResult DisableSharing() override {
        SimNetwork::Connection* connection = Live();
        const std::string arguments = Arguments(connection);
        if (!connection) {
            network_.journal_.Record(op::kDisableSharing, arguments, kHresultNotFound);
            return kHresultNotFound;
        }
        network_.TakeSharingTime();
        if (std::optional<uint32_t> error = network_.Failed(op::kDisableSharing, arguments))
            return *error;
        const HResult result = network_.SharingServiceError();
        network_.journal_.Record(op::kDisableSharing, arguments, result);
        if (result != kSuccess)
            return result;
        connection->sharing = SharingState::kNone;
        return kSuccess;
    }

    static constexpr int32_t kSharingTypePublicValue = 0;
    static constexpr int32_t kSharingTypePrivateValue = 1;

  private:
    SimNetwork::Connection* Live() { return record_ ? network_.FindAny(guid_) : network_.FindPresent(guid_); }
    std::string Arguments(const SimNetwork::Connection* connection) const {
        return network_.ConnectionArgument(connection, guid_);
    }

    SimNetwork& network_;
    Guid guid_;
    bool record_;
};

class SimNetConnection final : public NetConnection {
  public:
    SimNetConnection(SimNetwork& network, const Guid& guid, bool record = false)
        : network_(network), guid_(guid), record_(record) {}

    std::optional<NetConnectionProps> Properties() override {
        SimNetwork::Connection* connection = network_.FindPresent(guid_);
        const std::string arguments = network_.ConnectionArgument(connection, guid_);
        if (!connection) {
            network_.journal_.Record(op::kGetNetConnectionProps, arguments, kHresultNotFound);
            return std::nullopt;
        }
        if (network_.Failed(op::kGetNetConnectionProps, arguments))
            return std::nullopt;
        const ScenarioConnection& s = connection->scenario;
        NetConnectionProps props;
        props.guid = s.nullGuid ? u"" : SimNetwork::GuidText(s.guid);
        props.name = s.nullName ? u"" : s.name;
        props.deviceName = s.nullDevice ? u"" : s.deviceName;
        props.status = s.status;
        props.mediaType = s.mediaType;
        props.characteristics = s.characteristics;
        network_.journal_.Record(op::kGetNetConnectionProps,
                                 arguments + " guid=" + QuoteOrNull(s.nullGuid, props.guid) +
                                     " name=" + QuoteOrNull(s.nullName, props.name) +
                                     " device=" + QuoteOrNull(s.nullDevice, props.deviceName) +
                                     " status=" + std::to_string(props.status) +
                                     " media=" + std::to_string(props.mediaType) +
                                     " characteristics=" + std::to_string(props.characteristics));
        return props;
    }

    std::unique_ptr<NetSharingConfiguration> SharingConfiguration() override {
        SimNetwork::Connection* connection = record_ ? network_.FindAny(guid_) : network_.FindPresent(guid_);
        const std::string arguments = network_.ConnectionArgument(connection, guid_);
        if (!connection) {
            network_.journal_.Record(op::kGetSharingConfiguration, arguments, kHresultNotFound);
            return nullptr;
        }
        if (network_.Failed(op::kGetSharingConfiguration, arguments))
            return nullptr;
        network_.journal_.Record(op::kGetSharingConfiguration, arguments);
        return std::make_unique<SimSharingConfiguration>(network_, guid_, record_);
    }

  private:
    SimNetwork& network_;
    Guid guid_;
    bool record_;
};

class SimSharingManager final : public NetSharingManager {
  public:
    explicit SimSharingManager(SimNetwork& network) : network_(network) {}

    std::optional<std::vector<std::unique_ptr<NetConnection>>> EnumEveryConnection() override {
        if (network_.Failed(op::kGetEnumEveryConnection, ""))
            return std::nullopt;
        std::vector<std::unique_ptr<NetConnection>> connections;
        for (const SimNetwork::Connection& connection : network_.connections_) {
            if (network_.Present(connection))
                connections.push_back(std::make_unique<SimNetConnection>(network_, connection.scenario.guid));
        }
        network_.journal_.Record(op::kGetEnumEveryConnection,
                                 "connections=" + std::to_string(connections.size()));
        return connections;
    }

    // The service's own records, which outlive a connection that is gone.
    std::optional<std::vector<std::unique_ptr<NetConnection>>> EnumSharedConnections(
        IcsSharingType type) override {
        const bool isPublic = type == IcsSharingType::kPublic;
        const std::string_view operation =
            isPublic ? op::kGetEnumPublicConnections : op::kGetEnumPrivateConnections;
        if (network_.Failed(operation, ""))
            return std::nullopt;
        const SharingState wanted = isPublic ? SharingState::kPublic : SharingState::kPrivate;
        std::vector<std::unique_ptr<NetConnection>> connections;
        for (const SimNetwork::Connection& connection : network_.connections_) {
            if (connection.sharing == wanted)
                connections.push_back(
                    std::make_unique<SimNetConnection>(network_, connection.scenario.guid, true));
        }
        network_.journal_.Record(operation, "connections=" + std::to_string(connections.size()));
        return connections;
    }

  private:
    SimNetwork& network_;
};

// ---- The network ----

SimNetwork::SimNetwork(const Scenario& scenario, const SimWlanService& wlan, SimServices& services,
                       Journal& journal, FailurePlan& failures)
    : wlan_(wlan),
      services_(services),
      journal_(journal),
      failures_(failures),
      scopeValue_(scenario.sharingService.scopeAddress),
      scopeAddress_(scenario.sharingService.scopeAddress.value_or(kDefaultScopeAddress)) {
    const Guid& virtualGuid = scenario.hostedNetwork.virtualAdapterGuid;
    for (const ScenarioConnection& connection : scenario.connections) {
        const bool isVirtual = connection.guid == virtualGuid;
        connections_.push_back({connection, isVirtual, connection.sharing});
        if (isVirtual)
            connections_.back().scenario.mac = scenario.hostedNetwork.bssid;
    }
    if (std::ranges::none_of(connections_, &Connection::isVirtual)) {
        ScenarioConnection virtualConnection;
        virtualConnection.name = kDefaultVirtualConnectionName;
        virtualConnection.deviceName = kDefaultVirtualAdapterDevice;
        virtualConnection.guid = virtualGuid;
        virtualConnection.mac = scenario.hostedNetwork.bssid;
        virtualConnection.adapterType = kIfTypeIeee80211;
        connections_.push_back({virtualConnection, true, SharingState::kNone});
    }
    for (size_t i = 0; i < connections_.size(); ++i)
        connections_[i].index = kFirstInterfaceIndex + static_cast<uint32_t>(i);
}

std::u16string SimNetwork::GuidText(const Guid& guid) {
    std::u16string text = GuidToString(guid);
    for (char16_t& c : text)
        c = UpperCaseAZ(c);
    return u"{" + text + u"}";
}

void SimNetwork::TakeSharingTime() {
    if (passTime_ && sharingChangeMs_ > 0)
        passTime_(sharingChangeMs_);
}

bool SimNetwork::Present(const Connection& connection) const {
    return connection.scenario.present && (!connection.isVirtual || wlan_.HostedNetworkRunning());
}

SimNetwork::Connection* SimNetwork::FindAny(const Guid& guid) {
    auto it =
        std::ranges::find_if(connections_, [&](const Connection& c) { return c.scenario.guid == guid; });
    return it == connections_.end() ? nullptr : &*it;
}

// HRESULT_FROM_WIN32 of the service's start error.
HResult SimNetwork::SharingServiceError() {
    const uint32_t error = services_.DemandStart(kSharingServiceName);
    return error == 0 ? kSuccess : 0x80070000u | (error & 0xFFFFu);
}

uint32_t SimNetwork::GetBestInterface(uint32_t destination, uint32_t& interfaceIndex) {
    return JournaledCall(journal_, failures_, op::kGetBestInterface, "destination=" + FormatIpv4(destination),
                         [&](std::string& arguments) -> uint32_t {
                             auto it = std::ranges::find_if(connections_, [&](const Connection& c) {
                                 return Present(c) && c.scenario.listedAdapter && c.scenario.defaultRoute;
                             });
                             if (it == connections_.end())
                                 return kErrorCanNotComplete;
                             interfaceIndex = it->index;
                             arguments += " index=" + std::to_string(interfaceIndex);
                             return kSuccess;
                         });
}

std::u16string SimNetwork::VirtualAddress() const {
    auto it = std::ranges::find_if(connections_, &Connection::isVirtual);
    return it == connections_.end() ? u"dhcp" : it->address;
}

bool SimNetwork::SharingAllocatorServes() const {
    const auto network = [](std::u16string_view address) { return address.substr(0, address.rfind(u'.')); };
    return std::ranges::any_of(connections_, [&](const Connection& c) {
        return c.isVirtual && Present(c) && c.sharing == SharingState::kPrivate && c.address != u"dhcp" &&
               network(c.address) == network(scopeAddress_);
    });
}

SimNetwork::Connection* SimNetwork::FindPresent(const Guid& guid) {
    auto it =
        std::ranges::find_if(connections_, [&](const Connection& c) { return c.scenario.guid == guid; });
    return it != connections_.end() && Present(*it) ? &*it : nullptr;
}

const SimNetwork::Connection* SimNetwork::FindByName(std::u16string_view name) const {
    auto it = std::ranges::find_if(connections_, [&](const Connection& c) {
        return Present(c) && EqualsIgnoringCaseAZ(c.scenario.name, name);
    });
    return it == connections_.end() ? nullptr : &*it;
}

std::optional<uint32_t> SimNetwork::Failed(std::string_view operation, const std::string& arguments) {
    std::optional<uint32_t> error = failures_.Consume(operation);
    if (error)
        journal_.Record(operation, arguments, *error);
    return error;
}

std::string SimNetwork::ConnectionArgument(const Connection* connection, const Guid& guid) const {
    return "connection=" + QuoteText(connection ? connection->scenario.name : GuidText(guid));
}

void SimNetwork::InitializeSecurity() {
    const std::string arguments =
        "authnLevel=RPC_C_AUTHN_LEVEL_PKT impLevel=RPC_C_IMP_LEVEL_IMPERSONATE capabilities=EOAC_NONE";
    if (Failed(op::kCoInitializeSecurity, arguments))
        return;
    journal_.Record(op::kCoInitializeSecurity, arguments, securitySet_ ? kRpcETooLate : kSuccess);
    securitySet_ = true;
}

std::unique_ptr<NetSharingManager> SimNetwork::CreateSharingManager(HResult& result) {
    const std::string arguments =
        "clsid=CLSID_NetSharingManager context=CLSCTX_ALL iid=IID_INetSharingManager";
    result = Failed(op::kCoCreateInstance, arguments).value_or(kSuccess);
    if (result != kSuccess)
        return nullptr;
    journal_.Record(op::kCoCreateInstance, arguments);
    return std::make_unique<SimSharingManager>(*this);
}

uint32_t SimNetwork::GetAdaptersInfo(std::vector<AdapterInfo>& adapters) {
    adapters.clear();
    std::vector<const Connection*> listed;
    for (const Connection& connection : connections_) {
        // IP Helper leaves a disabled adapter out.
        if (Present(connection) && connection.scenario.listedAdapter &&
            connection.scenario.status != kNetConStatusHardwareDisabled)
            listed.push_back(&connection);
    }
    const std::optional<uint32_t> sizeError = failures_.Consume(op::kGetAdaptersInfo);
    const uint32_t sizeAnswer = sizeError.value_or(listed.empty() ? kErrorNoData : kErrorBufferOverflow);
    journal_.Record(op::kGetAdaptersInfo, "buffer=NULL", sizeAnswer);
    if (sizeAnswer != kErrorBufferOverflow && sizeAnswer != kSuccess)
        return sizeAnswer;
    const std::string arguments = "adapters=" + std::to_string(listed.size());
    if (std::optional<uint32_t> error = Failed(op::kGetAdaptersInfo, arguments))
        return *error;
    for (const Connection* connection : listed) {
        const ScenarioConnection& s = connection->scenario;
        const std::u16string description = s.adapterDescription.value_or(s.deviceName);
        AdapterInfo info;
        info.adapterName = Utf16ToUtf8(GuidText(s.guid));
        if (codePage_) {
            info.description = codePage_->WideToAnsi(description);
        } else {
            for (char16_t c : description)
                info.description += c < 0x80 ? static_cast<char>(c) : '?';
        }
        info.address.assign(s.mac.begin(), s.mac.end());
        info.index = connection->index;
        info.ipAddresses.push_back(connection->address == u"dhcp" ? "0.0.0.0"
                                                                  : Utf16ToUtf8(connection->address));
        adapters.push_back(std::move(info));
    }
    journal_.Record(op::kGetAdaptersInfo, arguments);
    return kSuccess;
}

std::optional<std::u16string> SimNetwork::ReadMachineText(std::u16string_view subkey,
                                                          std::u16string_view valueName) {
    const std::string keyArgument = "key=" + QuoteText(u"HKLM\\" + std::u16string(subkey));
    if (Failed(op::kRegOpenKeyExW, keyArgument + " access=KEY_ALL_ACCESS"))
        return std::nullopt;
    if (EqualsIgnoringCaseAZ(subkey, kSharingParametersKey))
        return ReadScopeAddress(keyArgument, valueName);
    // "<network class key>\{GUID}\Connection": the adapter's connection key.
    const std::u16string prefix = std::u16string(kNetworkClassKey) + u"\\";
    const std::u16string suffix = std::u16string(u"\\") + kConnectionSubkey;
    const Connection* connection = nullptr;
    if (subkey.size() > prefix.size() + suffix.size() &&
        EqualsIgnoringCaseAZ(subkey.substr(0, prefix.size()), prefix) &&
        EqualsIgnoringCaseAZ(subkey.substr(subkey.size() - suffix.size()), suffix)) {
        const std::u16string_view adapter =
            subkey.substr(prefix.size(), subkey.size() - prefix.size() - suffix.size());
        auto it = std::ranges::find_if(connections_, [&](const Connection& c) {
            return EqualsIgnoringCaseAZ(GuidText(c.scenario.guid), adapter);
        });
        if (it != connections_.end() && it->scenario.registryName.kind != ScenarioRegistryName::Kind::kNoKey)
            connection = &*it;
    }
    journal_.Record(op::kRegOpenKeyExW, keyArgument + " access=KEY_ALL_ACCESS",
                    connection ? kSuccess : kErrorFileNotFound);
    if (!connection)
        return std::nullopt;
    const ScenarioRegistryName& stored = connection->scenario.registryName;
    std::optional<RegistryValue> value;
    if (stored.kind == ScenarioRegistryName::Kind::kValue)
        value = stored.value.value_or(RegistryValue::Sz(connection->scenario.name));
    const bool isName = EqualsIgnoringCaseAZ(valueName, kConnectionNameValue);
    const std::string queryArguments = keyArgument + " name=" + QuoteText(valueName);
    std::u16string text;
    if (!Failed(op::kRegQueryValueExW, queryArguments)) {
        if (!value || !isName) {
            journal_.Record(op::kRegQueryValueExW, queryArguments, kErrorFileNotFound);
        } else {
            journal_.Record(op::kRegQueryValueExW,
                            queryArguments + " type=" + std::string(RegistryTypeName(value->type)));
            const bool isText =
                value->type == RegistryValueType::kSz || value->type == RegistryValueType::kExpandSz;
            std::u16string stored = isText ? RegistryDataAsText(value->data) : u"";
            stored.resize(std::min(stored.find(u'\0'), stored.size()));
            if (stored.size() <= kMaxRegistryTextLength)
                text = stored;
        }
    }
    journal_.Record(op::kRegCloseKey, keyArgument, failures_.Consume(op::kRegCloseKey).value_or(kSuccess));
    return text;
}

// The sharing service's key always exists; "ScopeAddress" only when the scenario sets it.
std::optional<std::u16string> SimNetwork::ReadScopeAddress(const std::string& keyArgument,
                                                           std::u16string_view valueName) {
    journal_.Record(op::kRegOpenKeyExW, keyArgument + " access=KEY_ALL_ACCESS");
    const std::string queryArguments = keyArgument + " name=" + QuoteText(valueName);
    std::u16string text;
    if (!Failed(op::kRegQueryValueExW, queryArguments)) {
        const bool found = scopeValue_ && EqualsIgnoringCaseAZ(valueName, kScopeAddressValue);
        journal_.Record(op::kRegQueryValueExW, queryArguments + (found ? " type=REG_SZ" : ""),
                        found ? kSuccess : kErrorFileNotFound);
        if (found)
            text = *scopeValue_;
    }
    journal_.Record(op::kRegCloseKey, keyArgument, failures_.Consume(op::kRegCloseKey).value_or(kSuccess));
    return text;
}

bool SimNetwork::RunNetshCommand(const std::u16string& parameters) {
    constexpr std::u16string_view kInterfacePrefix = u"interface set interface name=\"";
    if (parameters.starts_with(kInterfacePrefix))
        return RunInterfaceCommand(parameters.substr(kInterfacePrefix.size()));
    constexpr std::u16string_view kPrefix = u"int ip set address name=\"";
    constexpr std::u16string_view kStatic = u" source=static addr=";
    constexpr std::u16string_view kDhcp = u" source=dhcp";
    if (!parameters.starts_with(kPrefix))
        return false;
    const size_t close = parameters.find(u'"', kPrefix.size());
    if (close == std::u16string::npos)
        return false;
    const std::u16string name = parameters.substr(kPrefix.size(), close - kPrefix.size());
    const std::u16string_view rest = std::u16string_view(parameters).substr(close + 1);
    std::u16string address;
    if (rest == kDhcp) {
        address = u"dhcp";
    } else if (rest.starts_with(kStatic)) {
        const std::u16string_view tail = rest.substr(kStatic.size());
        address = std::u16string(tail.substr(0, tail.find(u' ')));
    } else {
        return false;
    }
    Connection* connection = const_cast<Connection*>(FindByName(name));
    journal_.Record(op::kNetshSetAddress,
                    "name=" + QuoteText(name) +
                        (address == u"dhcp" ? " source=dhcp" : " source=static addr=" + QuoteText(address)),
                    connection ? kSuccess : kErrorNotFound);
    if (connection)
        connection->address = address;
    return true;
}

// `rest`: NAME" admin=enabled or NAME" admin=disabled.
bool SimNetwork::RunInterfaceCommand(std::u16string_view rest) {
    constexpr std::u16string_view kEnabled = u"\" admin=enabled";
    constexpr std::u16string_view kDisabled = u"\" admin=disabled";
    const size_t close = rest.find(u'"');
    if (close == std::u16string_view::npos)
        return false;
    const std::u16string_view admin = rest.substr(close);
    if (admin != kEnabled && admin != kDisabled)
        return false;
    const std::u16string name(rest.substr(0, close));
    Connection* connection = const_cast<Connection*>(FindByName(name));
    const bool enable = admin == kEnabled;
    journal_.Record(op::kNetshSetInterface,
                    "name=" + QuoteText(name) + (enable ? " admin=enabled" : " admin=disabled"),
                    connection ? kSuccess : kErrorNotFound);
    if (connection)
        connection->scenario.status = enable ? kNetConStatusConnected : kNetConStatusHardwareDisabled;
    return true;
}

const SimNetwork::Connection* SimNetwork::FindAnyByName(std::u16string_view name) const {
    auto it = std::ranges::find_if(
        connections_, [&](const Connection& c) { return EqualsIgnoringCaseAZ(c.scenario.name, name); });
    return it == connections_.end() ? nullptr : &*it;
}

std::optional<SharingState> SimNetwork::SharingOf(std::u16string_view connectionName) const {
    const Connection* connection = FindAnyByName(connectionName);
    return connection ? std::optional(connection->sharing) : std::nullopt;
}

std::optional<std::u16string> SimNetwork::AddressOf(std::u16string_view connectionName) const {
    const Connection* connection = FindAnyByName(connectionName);
    return connection ? std::optional(connection->address) : std::nullopt;
}

std::string SimNetwork::StateSummary() const {
    std::string summary;
    for (SharingState side : {SharingState::kPublic, SharingState::kPrivate}) {
        std::vector<std::string> names;
        for (const Connection& connection : connections_) {
            if (connection.sharing == side)
                names.push_back(QuoteText(connection.scenario.name));
        }
        if (!summary.empty())
            summary.push_back(' ');
        summary.append(SharingName(side)).push_back('=');
        if (names.empty())
            summary.append("none");
        for (size_t i = 0; i < names.size(); ++i)
            summary.append(i == 0 ? "" : ",").append(names[i]);
    }
    for (const Connection& connection : connections_) {
        if (connection.isVirtual)
            summary.append(" virtualAddress=").append(QuoteText(connection.address));
    }
    return summary;
}

}  // namespace aerowisp
