// The content pages' decisions.
#include "core/app/content_pages_control.h"

#include "core/hostednet/association_list.h"
#include "core/hostednet/link_status.h"
#include "core/resource.h"
#include "core/settings/settings_operations.h"
#include "core/text/number_text.h"

namespace aerowisp {

ContentPagesControl::ContentPagesControl(const ModelPorts& ports, MainView& view, MainWindowState& state,
                                         HostedNetworkControl& hostedNetwork,
                                         const WlanClientState& wlanClient)
    : ports_(ports), view_(view), state_(state), hostedNetwork_(hostedNetwork), wlanClient_(wlanClient) {}

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
    const ApInputFault fault = ValidateApInput(ssid, key, confirmation);
    if (fault != ApInputFault::kNone)
        return {fault, false};
    return {ApInputFault::kNone, hostedNetwork_.ApplyApConfig(ssid, key)};
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
            state_.chosenConnection = row.deviceName;
            RestartConnectionSharing();
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

// Rebuilt from nothing on every tick; in station mode the list stays empty.
void ContentPagesControl::RefreshAssociationList() {
    if (!state_.hostedNetwork.apMode) {
        view_.ShowAssociationList({});
        return;
    }
    view_.ShowAssociationList(QueryAssociationList(ports_.wlan, state_.wlanHandle));
}

// Once per entry into AP+STA mode, when the virtual adapter has had time to come up. Its MAC address
// is the hosted network's BSSID. Only the label changes: what the user is typing in the boxes stays.
void ContentPagesControl::ShowApConfigBssid() {
    view_.KillPageTimer(ContentPage::kApConfig);
    HostedNetworkStatus status;
    if (ports_.wlan.HostedNetworkQueryStatus(state_.wlanHandle, status) != kWlanSuccess ||
        status.state != HostedNetworkState::kActive) {
        return;
    }
    view_.SetApConfigBssid(MacAddressText(status.bssid));
}

// Sharing starts again with the new public connection, which is stored for the next start.
void ContentPagesControl::RestartConnectionSharing() {
    ports_.sharing.StopConnectionSharing();
    ports_.sharing.StartConnectionSharing(state_.chosenConnection);
    WriteIcsCardName(ports_.settings, state_.chosenConnection);
}

}  // namespace aerowisp
