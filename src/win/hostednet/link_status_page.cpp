// The link status page.
#include "hostednet/link_status_page.h"

#include <commctrl.h>

#include "core/resource.h"
#include "fw/wide_text.h"
#include "lang/language_dialog.h"

namespace aerowisp {

CLinkStatusPage::CLinkStatusPage() : CAppProPage(IDD_LINK_STATUS_PAGE) {}

BOOL CLinkStatusPage::OnInitDialog() {
    ApplyLanguageToDialog(Handle(), Texts());
    return TRUE;
}

void CLinkStatusPage::ShowLinkStatus(const LinkStatusFigures& figures) {
    const struct {
        int control;
        const std::u16string& text;
    } fields[] = {{IDC_LS_STATUS, figures.status},
                  {IDC_LS_SSID, figures.ssid},
                  {IDC_LS_BSSID, figures.bssid},
                  {IDC_LS_CHANNEL, figures.channel},
                  {IDC_LS_NETWORK_TYPE, figures.networkType},
                  {IDC_LS_AUTH, figures.authentication},
                  {IDC_LS_ENCRYPTION, figures.encryption},
                  {IDC_LS_TX_RATE, figures.txRate},
                  {IDC_LS_RX_RATE, figures.rxRate},
                  {IDC_LS_SIGNAL, figures.quality}};
    for (const auto& field : fields)
        SetItemText(field.control, fw::ToWide(field.text));
    ::SendMessageW(Item(IDC_LS_SIGNAL_BAR), PBM_SETPOS, figures.qualityBar, 0);
}

}  // namespace aerowisp
