// The content pages' decisions: the refreshes their timers drive (link status, association list, the
// AP configuration page's BSSID) and the AP configuration page's Apply.
#pragma once

#include "core/ports/control_context.h"
#include "core/app/page_requests.h"
#include "core/hostednet/association_list.h"
#include "core/hostednet/hosted_network_control.h"
#include "core/hostednet/problem_reporter.h"
#include "core/hostednet/wlan_client.h"
#include "core/ics/connection_sharing_control.h"

namespace aerowisp {

class ContentPagesControl final : public PageRequests {
  public:
    ContentPagesControl(const ControlContext& context, HostedNetworkControl& hostedNetwork,
                        ProblemReporter& problems, ConnectionSharingControl& sharing,
                        const WlanClientState& wlanClient);
    ContentPagesControl(const ContentPagesControl&) = delete;
    ContentPagesControl& operator=(const ContentPagesControl&) = delete;

    // Once the pages exist: the link status page refreshes every 2 s for the whole life of the window,
    // in either mode and whether shown or not.
    void StartLinkStatusTimer();

    const LanguageTexts& Texts() const override { return texts_; }
    void OnPageTimer(TimerId id) override;
    ApConfigApplyResult OnApConfigApply(const std::u16string& ssid, const std::u16string& key,
                                        const std::u16string& confirmation) override;
    std::optional<JoinCode> OnApConfigJoinCode() override;
    ConnectionListClick OnConnectionListClick(const ConnectionListRow& row) override;
    bool OnConnectionListApply(const ConnectionListRow& row) override;

    // The hosted network's stations now, with their leases' addresses and names; none in station mode.
    std::vector<AssociationRow> AssociationRows();

  private:
    void RefreshLinkStatus();
    void RefreshAssociationList();
    void ShowApConfigBssid();

    ModelPorts ports_;
    MainView& view_;
    const LanguageTexts& texts_;
    MainWindowState& state_;
    HostedNetworkControl& hostedNetwork_;
    ProblemReporter& problems_;
    ConnectionSharingControl& sharing_;
    const WlanClientState& wlanClient_;
};

}  // namespace aerowisp
