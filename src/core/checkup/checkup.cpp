// The check-up's checks and fixes.
#include "core/checkup/checkup.h"

#include <algorithm>

#include "core/ics/adapter_scan.h"
#include "core/ics/connection_sharing_control.h"
#include "core/ics/dhcp_server_firewall.h"
#include "core/ics/ics_controller.h"
#include "core/ics/internet_connection.h"
#include "core/platform/sharing_service.h"
#include "core/ics/sharing_service_start.h"
#include "core/programs/external_programs.h"
#include "core/text/ascii_case.h"
#include "core/text/number_text.h"
#include "dhcp/core/lease_file.h"

namespace aerowisp {
namespace {

// NETCON_STATUS: NCS_CONNECTED and NCS_HARDWARE_DISABLED.
constexpr uint32_t kConnectionConnected = 2;
constexpr uint32_t kConnectionHardwareDisabled = 5;

CheckResult Ok(CheckId id) {
    return {id, CheckVerdict::kOk, nullptr, nullptr, FixId::kNone, {}};
}

CheckResult Problem(CheckId id, const LanguageString& cause, const LanguageString& remedy,
                    FixId fix = FixId::kNone, std::u16string detail = {}) {
    return {id, CheckVerdict::kProblem, &cause, &remedy, fix, std::move(detail)};
}

CheckResult CouldNotCheck(CheckId id, const LanguageString& why, std::u16string detail = {}) {
    return {id, CheckVerdict::kCouldNotCheck, &why, nullptr, FixId::kNone, std::move(detail)};
}

CheckResult NoAnswer(CheckId id, uint32_t error) {
    return CouldNotCheck(id, kCheckCauseNoAnswer, HexCodeText(error));
}

// A client handle of the WLAN service, closed when it goes.
class WlanSession {
  public:
    explicit WlanSession(WlanService& wlan) : wlan_(wlan) {
        error_ = wlan_.OpenHandle(kWlanClientVersion, handle_);
    }
    ~WlanSession() {
        if (error_ == kWlanSuccess)
            wlan_.CloseHandle(handle_);
    }
    WlanSession(const WlanSession&) = delete;
    WlanSession& operator=(const WlanSession&) = delete;

    uint32_t Error() const { return error_; }
    WlanHandle Handle() const { return handle_; }

  private:
    WlanService& wlan_;
    WlanHandle handle_ = 0;
    uint32_t error_ = 0;
};

std::u16string JoinedText(const std::vector<std::u16string>& items) {
    std::u16string joined;
    for (const std::u16string& item : items)
        joined += (joined.empty() ? u"" : u", ") + item;
    return joined;
}

}  // namespace

Checkup::Checkup(const CheckupPorts& ports, CheckupOperations& operations, CheckupSettings settings)
    : ports_(ports), operations_(operations), settings_(std::move(settings)) {}

std::vector<CheckResult> Checkup::RunAll() {
    std::vector<CheckResult> results;
    for (CheckId id : kCheckOrder)
        results.push_back(Run(id));
    return results;
}

CheckResult Checkup::Run(CheckId id) {
    switch (id) {
        case CheckId::kWlanService:
            return CheckService(id, kWlanServiceName, kCheckCauseWlanServiceStopped,
                                FixId::kStartWlanService);
        case CheckId::kDriverSupport:
            return CheckDriverSupport();
        case CheckId::kHostedNetworkAllowed:
            return CheckAllowed();
        case CheckId::kRadio:
            return CheckRadio();
        case CheckId::kVirtualAdapter:
            return CheckVirtualAdapter();
        case CheckId::kHostedNetworkStarted:
            return CheckHostedNetworkStarted();
        case CheckId::kSharingService:
            return CheckService(id, kSharingServiceName, kCheckCauseSharingServiceOff,
                                FixId::kStartSharingService);
        case CheckId::kPublicConnection:
            return CheckPublicConnection();
        case CheckId::kSharingPair:
            return CheckSharingPair();
        case CheckId::kVirtualAddress:
            return CheckVirtualAddress();
        case CheckId::kSharingScope:
            return CheckSharingScope();
        case CheckId::kFirewallRule:
            return CheckFirewallRule();
        case CheckId::kDhcpServer:
            return CheckDhcpServer();
        case CheckId::kStationLeases:
            return CheckStationLeases();
    }
    return CouldNotCheck(id, kCheckCauseNoAnswer);
}

Checkup::CardView Checkup::LookAtCard(bool withRadio, bool withStatus) {
    CardView view;
    WlanSession session(ports_.wlan);
    if ((view.error = session.Error()) != 0)
        return view;
    WlanInterfaceList list;
    if ((view.error = ports_.wlan.EnumInterfaces(session.Handle(), list)) != 0)
        return view;
    auto chosen = std::ranges::find_if(list.interfaces, [&](const WlanInterfaceInfo& info) {
        return EqualsIgnoringCaseAZ(info.description, settings_.cardDescription);
    });
    if (chosen == list.interfaces.end() && !list.interfaces.empty())
        chosen = list.interfaces.begin();
    if (chosen != list.interfaces.end())
        view.card = chosen->interfaceGuid;
    if (withRadio && view.card) {
        WlanInterfaceQueryResult radio;
        if ((view.error = ports_.wlan.QueryInterface(session.Handle(), *view.card,
                                                     WlanIntfOpcode::kRadioState, radio)) != 0)
            return view;
        view.radios = std::move(radio.radioStates);
    }
    if (withStatus) {
        HostedNetworkStatus status;
        if ((view.error = ports_.wlan.HostedNetworkQueryStatus(session.Handle(), status)) != 0)
            return view;
        view.status = std::move(status);
    }
    return view;
}

bool Checkup::RadioOn(const CardView& view) const {
    return !view.radios.empty() && std::ranges::all_of(view.radios, [](const PhyRadioState& phy) {
        return phy.softwareRadioState == Dot11RadioState::kOn &&
               phy.hardwareRadioState == Dot11RadioState::kOn;
    });
}

CheckResult Checkup::CheckService(CheckId id, const char16_t* name, const LanguageString& cause, FixId fix) {
    ServiceInfo info;
    if (uint32_t error = ports_.services.QueryService(name, info)) {
        if (error != kErrorServiceDoesNotExist)
            return NoAnswer(id, error);
        return id == CheckId::kWlanService
                   ? Problem(id, kWlanServiceMissingNotice, kCheckRemedyWlanServiceMissing)
                   : Problem(id, kServiceCauseMissing, kCheckRemedyWlanServiceMissing);
    }
    if (info.state == ServiceState::kRunning && info.startType == ServiceStartType::kAutomatic)
        return Ok(id);
    return Problem(id, cause, kCheckRemedyStartService, fix);
}

CheckResult Checkup::CheckDriverSupport() {
    const CheckId id = CheckId::kDriverSupport;
    const CardView view = LookAtCard(true, true);
    if (view.error != 0)
        return NoAnswer(id, view.error);
    if (!view.card)
        return Problem(id, kCheckCauseNoCard, kCheckRemedyNoCard);
    if (view.status->state != HostedNetworkState::kUnavailable)
        return Ok(id);
    // An unavailable network on a card whose radio is on, where the network is allowed, is one the driver
    // cannot carry.
    if (!RadioOn(view))
        return CouldNotCheck(id, kCheckCauseSoftwareRadioOff);
    const std::optional<bool> allowed = ports_.hostedNetwork.Allowed();
    if (!allowed)
        return CouldNotCheck(id, kCheckCauseNoAnswer);
    if (!*allowed)
        return CouldNotCheck(id, kCheckCauseNotAllowed);
    return Problem(id, kCheckCauseNotSupported, kCheckRemedyNotSupported);
}

CheckResult Checkup::CheckAllowed() {
    const CheckId id = CheckId::kHostedNetworkAllowed;
    const std::optional<bool> allowed = ports_.hostedNetwork.Allowed();
    if (!allowed)
        return CouldNotCheck(id, kCheckCauseNoAnswer);
    return *allowed ? Ok(id)
                    : Problem(id, kCheckCauseNotAllowed, kCheckRemedyAllow, FixId::kRestartHostedNetwork);
}

CheckResult Checkup::CheckRadio() {
    const CheckId id = CheckId::kRadio;
    const CardView view = LookAtCard(true, false);
    if (view.error != 0)
        return NoAnswer(id, view.error);
    if (!view.card)
        return CouldNotCheck(id, kCheckCauseNoCard);
    if (std::ranges::any_of(view.radios, [](const PhyRadioState& phy) {
            return phy.hardwareRadioState == Dot11RadioState::kOff;
        }))
        return Problem(id, kCheckCauseHardwareRadioOff, kCheckRemedyHardwareSwitch);
    if (std::ranges::any_of(view.radios, [](const PhyRadioState& phy) {
            return phy.softwareRadioState == Dot11RadioState::kOff;
        }))
        return Problem(id, kCheckCauseSoftwareRadioOff, kCheckRemedyRadioOn, FixId::kRadioOn);
    return Ok(id);
}

CheckResult Checkup::CheckVirtualAdapter() {
    const CheckId id = CheckId::kVirtualAdapter;
    if (!HostedNetworkActive())
        return CouldNotCheck(id, kCheckCauseNotRunning);
    Refresh();
    if (sharingTroubled_)
        return NoAnswer(id, sharingError_);
    const bool disabled = std::ranges::any_of(ics_.records, [](const ConnectionRecord& record) {
        return IsVirtualAdapterDescription(record.deviceName) && record.status == kConnectionHardwareDisabled;
    });
    if (disabled || !VirtualAdapterInfo())
        return Problem(id, kCheckCauseVirtualAdapterMissing, kCheckRemedyEnableAdapter,
                       FixId::kEnableVirtualAdapter, ics_.virtualConnectionName);
    return Ok(id);
}

CheckResult Checkup::CheckHostedNetworkStarted() {
    const CheckId id = CheckId::kHostedNetworkStarted;
    const CardView view = LookAtCard(false, true);
    if (view.error != 0)
        return NoAnswer(id, view.error);
    if (view.status->state != HostedNetworkState::kActive)
        return Problem(id, kCheckCauseHostedNetworkStopped, kCheckRemedyRestartHostedNetwork,
                       FixId::kRestartHostedNetwork);
    if (settings_.storedSsid.empty())
        return Ok(id);
    const std::optional<Dot11Ssid> ssid = ports_.hostedNetwork.ConfiguredSsid();
    if (!ssid)
        return CouldNotCheck(id, kCheckCauseNoAnswer);
    const size_t length = std::min<size_t>(ssid->length, kDot11SsidMaxLength);
    const std::u16string configured =
        ports_.codePage.AnsiToWide(std::string(reinterpret_cast<const char*>(ssid->ssid.data()), length));
    if (configured != settings_.storedSsid)
        return Problem(id, kCheckCauseWrongName, kCheckRemedyRestartHostedNetwork,
                       FixId::kRestartHostedNetwork, configured);
    return Ok(id);
}

CheckResult Checkup::CheckPublicConnection() {
    const CheckId id = CheckId::kPublicConnection;
    Refresh();
    if (sharingTroubled_)
        return NoAnswer(id, sharingError_);
    const AdapterRow* row = ChosenRow();
    const std::optional<ConnectionRecord> record = RecordOf(ics_.publicGuid);
    if (row == nullptr || !record)
        return Problem(id, kCheckCauseNoChosenConnection, kCheckRemedyChooseConnection, FixId::kNone,
                       settings_.chosenConnection);
    if (record->status != kConnectionConnected)
        return Problem(id, kCheckCauseConnectionDown, kCheckRemedyConnect, FixId::kNone, row->connectionName);
    uint32_t index = 0;
    if (ports_.adapters.GetBestInterface(kPublicProbeAddress, index) != 0 || index != row->interfaceIndex)
        return Problem(id, kCheckCauseNoDefaultRoute, kCheckRemedyChooseRoute, FixId::kNone,
                       row->connectionName);
    return Ok(id);
}

CheckResult Checkup::CheckSharingPair() {
    const CheckId id = CheckId::kSharingPair;
    Refresh();
    if (sharingTroubled_)
        return NoAnswer(id, sharingError_);
    if (ics_.privateGuid.empty() || !HostedNetworkActive())
        return CouldNotCheck(id, kCheckCauseNotRunning);
    const std::optional<ConnectionRecord> publicSide = RecordOf(ics_.publicGuid);
    const std::optional<ConnectionRecord> privateSide = RecordOf(ics_.privateGuid);
    if (!publicSide || publicSide->sharingType != kSharingTypePublic || !privateSide ||
        privateSide->sharingType != kSharingTypePrivate)
        return Problem(id, kCheckCausePairNotShared, kCheckRemedyReapplySharing, FixId::kReapplySharing);
    if (StaleSharingRecords())
        return Problem(id, kSharingCauseStaleRecords, kCheckRemedyReapplySharing, FixId::kReapplySharing);
    std::vector<std::u16string> others;
    for (const ConnectionRecord& record : ics_.records) {
        if (record.sharingType != kSharingTypeNone && record.guid != ics_.publicGuid &&
            record.guid != ics_.privateGuid)
            others.push_back(record.name);
    }
    if (!others.empty())
        return Problem(id, kCheckCauseOtherShared, kCheckRemedyReapplySharing, FixId::kReapplySharing,
                       JoinedText(others));
    return Ok(id);
}

CheckResult Checkup::CheckVirtualAddress() {
    const CheckId id = CheckId::kVirtualAddress;
    const std::optional<AdapterInfo> adapter = VirtualAdapterInfo();
    if (!adapter)
        return CouldNotCheck(id, kCheckCauseNotRunning);
    const std::string wanted = FormatIpv4(dhcp::kServerAddress);
    if (std::ranges::find(adapter->ipAddresses, wanted) != adapter->ipAddresses.end())
        return Ok(id);
    const std::string shown = adapter->ipAddresses.empty() ? std::string() : adapter->ipAddresses.front();
    return Problem(id, kCheckCauseAddressMissing, kCheckRemedySetAddress, FixId::kSetAddress,
                   ports_.codePage.AnsiToWide(shown));
}

CheckResult Checkup::CheckSharingScope() {
    const CheckId id = CheckId::kSharingScope;
    if (std::optional<std::u16string> scope = ConflictingScopeAddress(ports_.adapters))
        return Problem(id, kCheckCauseScopeConflict, kCheckRemedyScope, FixId::kNone, *scope);
    return Ok(id);
}

CheckResult Checkup::CheckFirewallRule() {
    const CheckId id = CheckId::kFirewallRule;
    std::vector<FirewallRule> rules;
    if (uint32_t error = ports_.firewall.RulesNamed(kDhcpServerRuleName, rules))
        return NoAnswer(id, error);
    if (std::ranges::find(rules, DhcpServerRule(settings_.programFolder)) != rules.end())
        return Ok(id);
    return Problem(id, kCheckCauseFirewallRule, kCheckRemedyAddRule, FixId::kAddFirewallRule);
}

CheckResult Checkup::CheckDhcpServer() {
    const CheckId id = CheckId::kDhcpServer;
    if (!DhcpServerWindows(ports_.processes, settings_.programFolder).empty())
        return Ok(id);
    return Problem(id, kCheckCauseDhcpServerStopped, kCheckRemedyRestartDhcpServer,
                   FixId::kRestartDhcpServer);
}

CheckResult Checkup::CheckStationLeases() {
    const CheckId id = CheckId::kStationLeases;
    const CardView view = LookAtCard(false, true);
    if (view.error != 0)
        return NoAnswer(id, view.error);
    if (view.status->state != HostedNetworkState::kActive)
        return CouldNotCheck(id, kCheckCauseNotRunning);
    const StationLeases leases =
        StationLeases::Read(ports_.files, settings_.programFolder + std::u16string(dhcp::kLeaseFileName));
    const uint32_t now = ports_.clock.GetTickCount();
    std::map<StationMac, uint32_t> stillWaiting;
    std::vector<std::u16string> overdue;
    bool pending = false;
    for (const HostedNetworkPeerState& peer : view.status->peers) {
        if (leases.Find(peer.macAddress))
            continue;
        auto seen = waitingSince_.find(peer.macAddress);
        const uint32_t since = seen == waitingSince_.end() ? now : seen->second;
        stillWaiting[peer.macAddress] = since;
        // Wraps like the tick count itself.
        if (now - since >= kStationLeaseGraceMs)
            overdue.push_back(MacAddressText(peer.macAddress));
        else
            pending = true;
    }
    waitingSince_ = std::move(stillWaiting);
    if (!overdue.empty())
        return Problem(id, kCheckCauseStationWithoutLease, kCheckRemedyStationLease,
                       FixId::kRestartDhcpServer, JoinedText(overdue));
    return pending ? CouldNotCheck(id, kCheckCauseStationJustJoined) : Ok(id);
}

void Checkup::Refresh() {
    IcsController controller(ports_.sharingManager, ics_);
    ScanAdapters(ports_.adapters, ports_.codePage, controller, table_);
    controller.RefreshIcsConnections(settings_.chosenConnection);
    sharingTroubled_ = controller.Troubled();
    sharingError_ = controller.LastError();
}

const AdapterRow* Checkup::ChosenRow() const {
    if (settings_.chosenConnection.empty())
        return nullptr;
    auto byDevice = std::ranges::find_if(table_.rows, [&](const AdapterRow& row) {
        return EqualsIgnoringCaseAZ(row.deviceName, settings_.chosenConnection);
    });
    if (byDevice != table_.rows.end())
        return &*byDevice;
    auto byName = std::ranges::find_if(table_.rows, [&](const AdapterRow& row) {
        return EqualsIgnoringCaseAZ(row.connectionName, settings_.chosenConnection);
    });
    return byName == table_.rows.end() ? nullptr : &*byName;
}

std::optional<ConnectionRecord> Checkup::RecordOf(const std::u16string& guid) const {
    if (guid.empty())
        return std::nullopt;
    auto it = std::ranges::find_if(ics_.records, [&](const ConnectionRecord& record) {
        return EqualsIgnoringCaseAZ(record.guid, guid);
    });
    return it == ics_.records.end() ? std::nullopt : std::optional(*it);
}

std::optional<AdapterInfo> Checkup::VirtualAdapterInfo() {
    std::vector<AdapterInfo> adapters;
    if (ports_.adapters.GetAdaptersInfo(adapters) != 0)
        return std::nullopt;
    for (AdapterInfo& adapter : adapters) {
        if (IsVirtualAdapterDescription(ports_.codePage.AnsiToWide(adapter.description)))
            return std::move(adapter);
    }
    return std::nullopt;
}

bool Checkup::StaleSharingRecords() {
    HResult result = kSOk;
    ports_.sharingManager.InitializeSecurity();
    std::unique_ptr<NetSharingManager> manager = ports_.sharingManager.CreateSharingManager(result);
    if (!manager)
        return false;
    for (IcsSharingType type : {IcsSharingType::kPublic, IcsSharingType::kPrivate}) {
        auto listed = manager->EnumSharedConnections(type);
        if (listed && std::ranges::any_of(*listed, [](const std::unique_ptr<NetConnection>& connection) {
                return !connection->Properties();
            }))
            return true;
    }
    return false;
}

bool Checkup::HostedNetworkActive() {
    const CardView view = LookAtCard(false, true);
    return view.status && view.status->state == HostedNetworkState::kActive;
}

bool Checkup::ApplyFix(FixId fix) {
    switch (fix) {
        case FixId::kNone:
            return true;
        case FixId::kStartWlanService:
            return StartService(kWlanServiceName) && operations_.RestartHostedNetwork();
        case FixId::kRadioOn:
            return SwitchRadioOn() && operations_.RestartHostedNetwork();
        case FixId::kEnableVirtualAdapter:
            return EnableVirtualAdapter() && operations_.RestartHostedNetwork();
        case FixId::kRestartHostedNetwork: {
            if (ports_.hostedNetwork.Allowed() == false) {
                WlanSession session(ports_.wlan);
                if (session.Error() != 0 ||
                    ports_.wlan.HostedNetworkSetEnable(session.Handle(), true, nullptr) != kWlanSuccess)
                    return false;
            }
            return operations_.RestartHostedNetwork();
        }
        case FixId::kStartSharingService:
            return StartService(kSharingServiceName);
        case FixId::kReapplySharing:
            return ReapplySharing();
        case FixId::kSetAddress:
            return SetAddress();
        case FixId::kAddFirewallRule:
            return EnsureDhcpServerRule(ports_.firewall, settings_.programFolder) == 0;
        case FixId::kRestartDhcpServer:
            return RestartDhcpServer();
    }
    return false;
}

bool Checkup::StartService(const char16_t* name) {
    ServiceInfo info;
    if (ports_.services.QueryService(name, info) != 0)
        return false;
    if (info.startType != ServiceStartType::kAutomatic &&
        ports_.services.SetStartType(name, ServiceStartType::kAutomatic) != 0)
        return false;
    return EnsureServiceRunning(ports_.services, name).running;
}

bool Checkup::SwitchRadioOn() {
    WlanSession session(ports_.wlan);
    if (session.Error() != 0)
        return false;
    const CardView view = LookAtCard(true, false);
    if (view.error != 0 || !view.card)
        return false;
    bool allOn = true;
    for (const PhyRadioState& phy : view.radios) {
        if (phy.softwareRadioState == Dot11RadioState::kOn)
            continue;
        const PhyRadioState on{.phyIndex = phy.phyIndex, .softwareRadioState = Dot11RadioState::kOn};
        allOn = ports_.wlan.SetRadioState(session.Handle(), *view.card, on) == kWlanSuccess && allOn;
    }
    return allOn;
}

bool Checkup::EnableVirtualAdapter() {
    Refresh();
    const std::optional<std::u16string> parameters = NetshEnableInterfaceParameters(VirtualConnectionName());
    return parameters && RunNetshAndWait(ports_.processes, *parameters).Succeeded();
}

bool Checkup::ReapplySharing() {
    if (!StartService(kSharingServiceName))
        return false;
    Refresh();
    IcsController controller(ports_.sharingManager, ics_);
    // Records of connections that are gone make every new sharing fail, so everything listed goes first.
    controller.DisableListedSharing();
    Refresh();
    controller.ApplySharing(true);
    // Sharing gives the private side the service's own address; the access point's goes back on.
    return ics_.sharing && SetAddress();
}

// The sharing's name for the virtual adapter's connection, else the adapter scan's.
std::u16string Checkup::VirtualConnectionName() const {
    return ics_.virtualConnectionName.empty() ? table_.virtualAdapterConnectionName
                                              : ics_.virtualConnectionName;
}

bool Checkup::SetAddress() {
    Refresh();
    const std::optional<std::u16string> parameters = NetshAddressParameters(VirtualConnectionName(), true);
    return parameters && RunNetshAndWait(ports_.processes, *parameters).Succeeded();
}

bool Checkup::RestartDhcpServer() {
    CloseDhcpServer(ports_.processes, settings_.programFolder);
    dhcpServer_ = StartDhcpServer(ports_.processes, settings_.programFolder);
    return dhcpServer_ != nullptr;
}

}  // namespace aerowisp
