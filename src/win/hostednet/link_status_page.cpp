// The link status page.
#include "hostednet/link_status_page.h"

#include "lang/language_dialog.h"
#include "core/resource.h"

namespace aerowisp {

CLinkStatusPage::CLinkStatusPage(const LanguageFile& language)
    : CAppProPage(IDD_LINK_STATUS_PAGE), language_(language) {}

BOOL CLinkStatusPage::OnInitDialog() {
    ApplyLanguageToDialog(Handle(), language_);
    return TRUE;
}

}  // namespace aerowisp
