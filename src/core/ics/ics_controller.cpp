// The ICS controller over the sharing manager.
#include "core/ics/ics_controller.h"

#include <vector>

#include "core/text/ascii_case.h"

namespace aerowisp {
namespace {

// Network adapters over IEEE 1394 cannot be shared; their device names start with this.
constexpr std::u16string_view kIeee1394Prefix = u"1394";

std::u16string GuidOf(NetConnection& connection) {
    std::optional<NetConnectionProps> props = connection.Properties();
    return props ? props->guid : std::u16string();
}

}  // namespace

// Shares `connection` as `type` and reads back whether it is shared so now.
bool IcsController::ShareAs(NetConnection& connection, IcsSharingType type) {
    std::unique_ptr<NetSharingConfiguration> configuration = connection.SharingConfiguration();
    if (!configuration)
        return false;
    Note(configuration->EnableSharing(type));
    return configuration->SharingEnabled() == std::optional<bool>(true) &&
           configuration->SharingConnectionType() == std::optional<int32_t>(static_cast<int32_t>(type));
}

void IcsController::Note(HResult result) {
    if (result == kSOk)
        return;
    troubled_ = true;
    if (lastError_ == kSOk)
        lastError_ = result;
}

// The connection's sharing type, or nothing when it is not shared. A connection whose configuration
// cannot be read counts as not shared.
std::optional<int32_t> IcsController::SharedAs(NetConnection& connection) {
    std::unique_ptr<NetSharingConfiguration> configuration = Checked(connection.SharingConfiguration());
    if (!configuration)
        return std::nullopt;
    const std::optional<bool> enabled = Checked(configuration->SharingEnabled());
    if (enabled != std::optional<bool>(true))
        return std::nullopt;
    return Checked(configuration->SharingConnectionType());
}

bool IcsController::Unshare(NetConnection& connection) {
    std::unique_ptr<NetSharingConfiguration> configuration = Checked(connection.SharingConfiguration());
    if (!configuration)
        return false;
    const HResult result = configuration->DisableSharing();
    Note(result);
    return result == kSOk;
}

bool IcsController::DisableListedSharing() {
    std::unique_ptr<NetSharingManager> manager = OpenManager();
    if (!manager)
        return false;
    bool all = true;
    for (IcsSharingType type : {IcsSharingType::kPublic, IcsSharingType::kPrivate}) {
        auto connections = Checked(manager->EnumSharedConnections(type));
        if (!connections) {
            all = false;
            continue;
        }
        for (const std::unique_ptr<NetConnection>& connection : *connections)
            all = Unshare(*connection) && all;
    }
    return all;
}

bool IsEligibleConnection(const NetConnectionProps& props) {
    switch (props.mediaType) {
        case kNcmLan:
        case kNcmPhone:
        case kNcmPppoe:
        case kNcmBridge:
            return !props.deviceName.starts_with(kIeee1394Prefix);
        default:
            return false;
    }
}

std::unique_ptr<NetSharingManager> IcsController::OpenManager() {
    service_.InitializeSecurity();
    HResult result = kSOk;
    std::unique_ptr<NetSharingManager> manager = service_.CreateSharingManager(result);
    Note(manager ? kSOk : (result != kSOk ? result : kEPointer));
    return manager;
}

void IcsController::RefreshIcsConnections(const std::u16string& chosenConnection) {
    state_.records.clear();
    state_.publicGuid.clear();
    std::unique_ptr<NetSharingManager> manager = OpenManager();
    if (!manager)
        return;
    auto connections = Checked(manager->EnumEveryConnection());
    if (!connections)
        return;
    for (const std::unique_ptr<NetConnection>& connection : *connections) {
        const bool troubledBefore = troubled_;
        const int32_t sharingType = SharedAs(*connection).value_or(kSharingTypeNone);
        std::optional<NetConnectionProps> props = Checked(connection->Properties());
        if (!props || !IsEligibleConnection(*props)) {
            // A connection that cannot be shared at all may well refuse its sharing configuration.
            if (props)
                troubled_ = troubledBefore;
            continue;
        }
        state_.records.push_back({props->guid, props->name, props->deviceName, props->characteristics,
                                  props->mediaType, sharingType, props->status});
        // An empty choice names no connection, not one whose name the service left empty.
        const bool chosen =
            !chosenConnection.empty() && (EqualsIgnoringCaseAZ(chosenConnection, props->deviceName) ||
                                          EqualsIgnoringCaseAZ(chosenConnection, props->name));
        if (chosen) {
            state_.publicGuid = props->guid;
        } else if (IsVirtualAdapterDescription(props->deviceName)) {
            state_.virtualConnectionName = props->name;
            state_.privateGuid = props->guid;
        }
    }
}

void IcsController::ApplySharing(bool enable) {
    state_.sharing = false;
    // Copies: the calls below do not touch the records, but the GUIDs must not change under them.
    const std::u16string publicGuid = state_.publicGuid;
    const std::u16string privateGuid = state_.privateGuid;
    const std::vector<ConnectionRecord> records = state_.records;
    for (const ConnectionRecord& record : records) {
        if (!publicGuid.empty() && record.guid == publicGuid)
            DisableSharingOfType(kSharingTypePublic, publicGuid);
    }
    for (const ConnectionRecord& record : records) {
        if (record.sharingType == kSharingTypePrivate && !privateGuid.empty() && record.guid == privateGuid)
            DisableSharingOfType(kSharingTypePrivate, privateGuid);
    }
    if (!enable || publicGuid.empty() || privateGuid.empty())
        return;
    bool publicOk = false;
    bool privateOk = false;
    EnableSharingPair(publicGuid, privateGuid, publicOk, privateOk);
    state_.sharing = publicOk && privateOk;
}

bool IcsController::DisableSharingOfType(int32_t type, const std::u16string& guid) {
    std::unique_ptr<NetSharingManager> manager = OpenManager();
    if (!manager)
        return false;
    auto connections = Checked(manager->EnumEveryConnection());
    if (!connections)
        return false;
    for (const std::unique_ptr<NetConnection>& connection : *connections) {
        const std::u16string connectionGuid = GuidOf(*connection);
        if (SharedAs(*connection).value_or(-1) == type) {
            Unshare(*connection);
        } else if (connectionGuid == guid) {
            return Unshare(*connection);
        }
    }
    return false;
}

void IcsController::EnableSharingPair(const std::u16string& publicGuid, const std::u16string& privateGuid,
                                      bool& publicOk, bool& privateOk) {
    std::unique_ptr<NetSharingManager> manager = OpenManager();
    if (!manager)
        return;
    auto connections = Checked(manager->EnumEveryConnection());
    if (!connections)
        return;
    NetConnection* publicCandidate = nullptr;
    NetConnection* privateCandidate = nullptr;
    for (const std::unique_ptr<NetConnection>& connection : *connections) {
        const std::u16string guid = GuidOf(*connection);
        const std::optional<int32_t> sharedAs = SharedAs(*connection);
        if (!sharedAs) {
            if (guid == publicGuid) {
                publicCandidate = connection.get();
            } else if (guid == privateGuid) {
                privateCandidate = connection.get();
            }
        } else if (*sharedAs == kSharingTypePublic) {
            if (guid == publicGuid) {
                publicCandidate = connection.get();
            } else {
                Unshare(*connection);
            }
        } else if (*sharedAs == kSharingTypePrivate) {
            if (guid == privateGuid) {
                privateCandidate = connection.get();
            } else {
                Unshare(*connection);
            }
        }
    }
    if (publicCandidate && ShareAs(*publicCandidate, IcsSharingType::kPublic))
        publicOk = true;
    if (privateCandidate && ShareAs(*privateCandidate, IcsSharingType::kPrivate))
        privateOk = true;
}

std::optional<FoundConnection> IcsController::FindConnectionByGuid(const std::u16string& guid) {
    std::unique_ptr<NetSharingManager> manager = OpenManager();
    if (!manager)
        return std::nullopt;
    auto connections = Checked(manager->EnumEveryConnection());
    if (!connections)
        return std::nullopt;
    for (const std::unique_ptr<NetConnection>& connection : *connections) {
        std::optional<NetConnectionProps> props = connection->Properties();
        if (props && IsEligibleConnection(*props) && EqualsIgnoringCaseAZ(props->guid, guid))
            return FoundConnection{props->name, props->deviceName};
    }
    return std::nullopt;
}

}  // namespace aerowisp
