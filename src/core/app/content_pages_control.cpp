// The content pages' decisions.
#include "core/app/content_pages_control.h"

#include "core/hostednet/association_list.h"
#include "core/hostednet/link_status.h"
#include "core/lang/language_strings.h"
#include "core/resource.h"
#include "dhcp/core/lease_file.h"

namespace aerowisp {

ContentPagesControl::ContentPagesControl(const ControlContext& context, HostedNetworkControl& hostedNetwork,
                                         ProblemReporter& problems, ConnectionSharingControl& sharing,
                                         const WlanClientState& wlanClient)
    : ports_(context.ports),
      view_(context.view),
      texts_(context.texts),
      state_(context.state),
      hostedNetwork_(hostedNetwork),
      problems_(problems),
      sharing_(sharing),
      wlanClient_(wlanClient) {}

void ContentPagesControl::StartLinkStatusTimer() {
    view_.RestartPageTimer(ContentPage::kLinkStatus, IDT_LINK_STATUS_REFRESH, kLinkStatusRefreshPeriodMs);
}

void ContentPagesControl::OnPageTimer(TimerId id) {
    switch (id) {
        case IDT_LINK_STATUS_REFRESH:
            RefreshLinkStatus();
            break;
        case IDT_ASSOC_LIST_REFRESH:
            RefreshAssociationList();
            break;
        case IDT_AP_CONFIG_PAGE:
            ShowApConfigBssid();
            break;
        default:
            break;
    }
}

ApConfigApplyResult ContentPagesControl::OnApConfigApply(const std::u16string& ssid,
                                                         const std::u16string& key,
                                                         const std::u16string& confirmation) {
    const ApInputFault fault = ValidateApInput(ssid, key, confirmation, ports_.codePage);
    if (fault != ApInputFault::kNone)
        return {fault, false};
    return {ApInputFault::kNone, hostedNetwork_.ApplyApConfig(ssid, key)};
}

std::optional<JoinCode> ContentPagesControl::OnApConfigJoinCode() {
    return JoinCodeFor(state_.hostedNetwork);
}

ConnectionListClick ContentPagesControl::OnConnectionListClick(const ConnectionListRow& row) {
    return ClickOn(row, state_.chosenConnection);
}

bool ContentPagesControl::OnConnectionListApply(const ConnectionListRow& row) {
    switch (ApplyOn(row, state_.chosenConnection)) {
        case ConnectionApply::kNothing:
            return false;
        case ConnectionApply::kDisableOnly:
            return true;
        case ConnectionApply::kRestart:
            // Sharing starts again with the new public connection, which is stored for the next start.
            state_.chosenConnection = row.deviceName;
            if (!sharing_.RestartConnectionSharing()) {
                problems_.NoteProblem(kIcsStartFailedMessage, sharing_.FailureDetail());
                problems_.TellProblems(SwitchOrigin::kUser);
            }
            return true;
    }
    return false;
}

// A failed query keeps what the page shows.
void ContentPagesControl::RefreshLinkStatus() {
    if (auto figures = aerowisp::RefreshLinkStatus(ports_.wlan, state_.wlanHandle,
                                                   wlanClient_.interfaceGuidText, ports_.codePage)) {
        view_.ShowLinkStatus(*figures);
    }
}

// Rebuilt from nothing on every tick, the DHCP server's leases read afresh; in station mode the list
// stays empty.
void ContentPagesControl::RefreshAssociationList() {
    view_.ShowAssociationList(AssociationRows());
}

std::vector<AssociationRow> ContentPagesControl::AssociationRows() {
    if (!state_.hostedNetwork.apMode)
        return {};
    std::vector<AssociationRow> rows = QueryAssociationList(ports_.wlan, state_.wlanHandle);
    if (!rows.empty())
        FillFromLeases(rows, StationLeases::Read(
                                 ports_.files, state_.programFolder + std::u16string(dhcp::kLeaseFileName)));
    return rows;
}

// Once per entry into AP+STA mode, when the adapter scan has seen the virtual adapter come up. Only the
// label changes: what the user is typing in the boxes stays.
void ContentPagesControl::ShowApConfigBssid() {
    view_.KillPageTimer(ContentPage::kApConfig);
    view_.SetApConfigBssid(state_.adapters.virtualAdapterMac);
}

}  // namespace aerowisp
