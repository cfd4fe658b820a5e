// The association list page.
#include "hostednet/assoc_tbl_page.h"

#include <commctrl.h>

#include "widgets/report_list.h"
#include "core/resource.h"

namespace aerowisp {
namespace {

const ReportColumn kColumns[] = {
    {kAidColumn, LVCFMT_CENTER, 1}, {kMacAddressColumn, LVCFMT_LEFT, 4}, {kTypeColumn, LVCFMT_LEFT, 5}};

}  // namespace

CAssocTblPage::CAssocTblPage(const LanguageFile& language)
    : CAppProPage(IDD_ASSOC_TBL_PAGE), language_(language) {}

BOOL CAssocTblPage::OnInitDialog() {
    SetUpReportList(Item(IDC_ASSOC_LIST), kColumns, language_);
    return TRUE;
}

void CAssocTblPage::RestartRefreshTimer(UINT_PTR timerId, UINT periodMs) {
    if (refreshTimer_ != 0)
        ::KillTimer(Handle(), refreshTimer_);
    refreshTimer_ = ::SetTimer(Handle(), timerId, periodMs, nullptr);
}

void CAssocTblPage::ClearList() {
    if (refreshTimer_ != 0) {
        ::KillTimer(Handle(), refreshTimer_);
        refreshTimer_ = 0;
    }
    ListView_DeleteAllItems(Item(IDC_ASSOC_LIST));
}

}  // namespace aerowisp
