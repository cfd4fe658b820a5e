// The main window's sharing operations.
#include "core/ics/connection_sharing_control.h"

#include <algorithm>

#include "core/programs/external_programs.h"
#include "core/hostednet/hosted_network_failure.h"
#include "core/ics/adapter_scan.h"
#include "core/ics/sharing_failure.h"
#include "core/platform/sharing_service.h"
#include "core/ics/sharing_service_start.h"
#include "core/resource.h"
#include "core/settings/settings_operations.h"
#include "core/text/ascii_case.h"
#include "core/text/pattern_text.h"

namespace aerowisp {
namespace {

constexpr char16_t kTraceNoVirtualConnection[] =
    u"Aerowisp: the virtual adapter has no known connection; its address is left as it is";
constexpr char16_t kTraceUnsafeName[] =
    u"Aerowisp: the virtual adapter's connection name cannot go on netsh's command line; its address is "
    u"left as it is";
constexpr char16_t kTraceNetshTimedOut[] =
    u"Aerowisp: netsh.exe did not end in time; its address change is not awaited";

// The sequences of steps that are made again as a whole when one of their calls failed.
constexpr char16_t kSharingStartSteps[] = u"Sharing the connection";
constexpr char16_t kAddressSteps[] = u"Addressing the virtual adapter";
constexpr char16_t kSharingStopSteps[] = u"Unsharing the connections";

// The please-wait window, shown and painted before the long calls and closed however they end.
class PleaseWait {
  public:
    PleaseWait(MainView& view, const std::u16string& text) : view_(view) { view_.ShowPleaseWait(text); }
    ~PleaseWait() { view_.ClosePleaseWait(); }
    PleaseWait(const PleaseWait&) = delete;
    PleaseWait& operator=(const PleaseWait&) = delete;

  private:
    MainView& view_;
};

bool IsSafeOnCommandLine(char16_t c) {
    return c != u'"' && c >= 0x20 && c != 0x7F;
}

// A connection name netsh can be given between quotes: not empty, no quote, no control character.
bool IsQuotableConnectionName(const std::u16string& connectionName) {
    return !connectionName.empty() && std::ranges::all_of(connectionName, IsSafeOnCommandLine);
}

}  // namespace

std::optional<std::u16string> NetshEnableInterfaceParameters(const std::u16string& connectionName) {
    if (!IsQuotableConnectionName(connectionName))
        return std::nullopt;
    return u"interface set interface name=\"" + connectionName + u"\" admin=enabled";
}

std::optional<std::u16string> NetshAddressParameters(const std::u16string& connectionName,
                                                     bool staticAddress) {
    if (!IsQuotableConnectionName(connectionName))
        return std::nullopt;
    std::u16string parameters = u"int ip set address name=\"" + connectionName + u"\" source=";
    parameters += staticAddress ? u"static addr=" + dhcp::AddressText(dhcp::kServerAddress) + u" mask=" +
                                      dhcp::AddressText(dhcp::kSubnetMask)
                                : u"dhcp";
    if (parameters.size() >= kNetshParameterBuffer)
        return std::nullopt;
    return parameters;
}

ConnectionSharingControl::ConnectionSharingControl(const ControlContext& context, TrayView& tray)
    : ports_(context.ports),
      view_(context.view),
      texts_(context.texts),
      tray_(tray),
      state_(context.state),
      controller_(context.ports.sharingManager, context.state.ics) {}

void ConnectionSharingControl::ScanAdapters() {
    aerowisp::ScanAdapters(ports_.adapters, ports_.codePage, controller_, state_.adapters);
}

bool ConnectionSharingControl::StartConnectionSharing() {
    failureDetail_.clear();
    CloseDhcpServer(ports_.processes, state_.programFolder);
    if (state_.adapters.rows.empty())
        return false;
    bool stopped = true;
    if (state_.ics.sharing) {
        if (EqualsIgnoringCaseAZ(ReadIcsCardName(ports_.settings), state_.chosenConnection))
            return FinishSharingStart();
        stopped = StopConnectionSharing();
    }
    PleaseWait wait(view_, kEnablingIcsText);
    // Without the service nothing can be shared, but the stations still get addresses.
    if (!PrepareSharingService()) {
        FinishSharingStart();
        return false;
    }
    WarnOfConflictingScope();
    if (!state_.ics.sharing) {
        ports_.retry.Run(kSharingStartSteps, [&](int attempt) {
            controller_.ClearTrouble();
            controller_.RefreshIcsConnections(state_.chosenConnection);
            // Once: netsh takes seconds, and a second run would only race the sharing service's own address.
            if (attempt == 0)
                RunAddressCommand(AddressableConnectionName(), false);
            controller_.ApplySharing(true);
            // Records of connections that are gone block every enable until they are unshared.
            if (!state_.ics.sharing && controller_.LastError() == kHresultStaleSharing)
                controller_.DisableListedSharing();
            return state_.ics.sharing;
        });
    }
    if (!state_.ics.sharing && controller_.LastError() != kSOk)
        failureDetail_ = SharingErrorText(texts_, controller_.LastError());
    return FinishSharingStart() && state_.ics.sharing && stopped;
}

bool ConnectionSharingControl::PrepareSharingService() {
    const ServiceStartOutcome outcome = EnsureServiceRunning(ports_.services, kSharingServiceName);
    if (!outcome.running) {
        failureDetail_ = ServiceFailureText(texts_, outcome);
        return false;
    }
    if (outcome.started)
        tray_.ShowInfoBalloon(ID_TRAY_ICON, kMainWindowTitle,
                              BalloonText(texts_.ShownText(kSharingServiceStartedNotice)));
    return true;
}

// Told, not changed: an administrator may have chosen that range for a reason of their own.
void ConnectionSharingControl::WarnOfConflictingScope() {
    const std::optional<std::u16string> scope = ConflictingScopeAddress(ports_.adapters);
    if (!scope)
        return;
    tray_.ShowBalloon(ID_TRAY_ICON, kMainWindowTitle,
                      BalloonText(FillPattern(texts_.ShownText(kScopeAddressConflictMessage), {*scope})));
}

// The DHCP server is started only once the adapter holds its address: bound to it, the server would
// otherwise fail, and stations would be left without an address.
bool ConnectionSharingControl::FinishSharingStart() {
    const bool addressed = ports_.retry.Run(kAddressSteps, [&](int) {
        return RunAddressCommand(AddressableConnectionName(), true) && VirtualAdapterAddressed();
    });
    KillTimerIfSet(ports_.timers, state_.dhcpLaunchTimer);
    if (addressed)
        state_.dhcpLaunchTimer = ports_.timers.SetTimer(IDT_DHCP_LAUNCH, kDhcpLaunchDelayMs);
    WriteIcsCardName(ports_.settings, state_.chosenConnection);
    return addressed;
}

bool ConnectionSharingControl::VirtualAdapterAddressed() {
    const std::string address = FormatIpv4(dhcp::kServerAddress);
    std::vector<AdapterInfo> adapters;
    if (ports_.adapters.GetAdaptersInfo(adapters) != 0)
        return false;
    return std::ranges::any_of(adapters, [&](const AdapterInfo& adapter) {
        return IsVirtualAdapterDescription(ports_.codePage.AnsiToWide(adapter.description)) &&
               std::ranges::find(adapter.ipAddresses, address) != adapter.ipAddresses.end();
    });
}

// The sharing manager is asked afresh rather than trusting the records of the last start: they were
// taken before that start's enable, and sharing left on by an earlier run is not in them at all.
bool ConnectionSharingControl::StopConnectionSharing() {
    KillTimerIfSet(ports_.timers, state_.dhcpLaunchTimer);
    CloseDhcpServer(ports_.processes, state_.programFolder);
    PleaseWait wait(view_, kDisablingIcsText);
    bool addressed = false;
    return ports_.retry.Run(kSharingStopSteps, [&](int) {
        controller_.ClearTrouble();
        controller_.RefreshIcsConnections(state_.chosenConnection);
        if (!addressed)
            addressed = RunAddressCommand(AddressableConnectionName(), false);
        controller_.ApplySharing(false);
        // Whatever else the service lists as shared, also by another program or an earlier run.
        controller_.DisableListedSharing();
        return addressed && !controller_.Troubled();
    });
}

bool ConnectionSharingControl::RestartConnectionSharing() {
    const bool stopped = StopConnectionSharing();
    return StartConnectionSharing() && stopped;
}

// No name is guessed: "Wireless Network Connection 2" may well be another adapter's connection, so it
// is used only when the network class key gives the virtual adapter's connection that name.
std::u16string ConnectionSharingControl::AddressableConnectionName() const {
    if (!state_.ics.virtualConnectionName.empty())
        return state_.ics.virtualConnectionName;
    return state_.adapters.virtualAdapterConnectionName;
}

// A static address that was never set is a failed start; automatic addressing that could not be asked
// for has nothing to undo.
bool ConnectionSharingControl::RunAddressCommand(const std::u16string& connectionName, bool staticAddress) {
    if (connectionName.empty()) {
        ports_.processes.TraceDebug(kTraceNoVirtualConnection);
        return !staticAddress;
    }
    std::optional<std::u16string> parameters = NetshAddressParameters(connectionName, staticAddress);
    if (!parameters) {
        ports_.processes.TraceDebug(kTraceUnsafeName);
        return !staticAddress;
    }
    const ProcessRun run = RunNetshAndWait(ports_.processes, *parameters);
    if (run.outcome == ProcessRun::Outcome::kTimedOut)
        ports_.processes.TraceDebug(kTraceNetshTimedOut);
    return run.Succeeded();
}

}  // namespace aerowisp
