// The association list page.
#include "hostednet/assoc_tbl_page.h"

#include <commctrl.h>

#include "core/resource.h"
#include "widgets/report_list.h"

namespace aerowisp {
namespace {

// The station's address and name from its lease follow the service's three columns; all five fit the
// list's width, so none of them hides behind a scroll bar.
const ReportColumn kColumns[] = {{kAidColumn, LVCFMT_CENTER, 1},
                                 {kMacAddressColumn, LVCFMT_LEFT, 3},
                                 {kTypeColumn, LVCFMT_LEFT, 2},
                                 {kIpAddressColumn, LVCFMT_LEFT, 2},
                                 {kStationNameColumn, LVCFMT_LEFT, 2}};

}  // namespace

CAssocTblPage::CAssocTblPage() : CAppProPage(IDD_ASSOC_TBL_PAGE) {}

BOOL CAssocTblPage::OnInitDialog() {
    SetUpReportList(Item(IDC_ASSOC_LIST), kColumns, Texts());
    return TRUE;
}

void CAssocTblPage::ShowRows(const std::vector<AssociationRow>& rows) {
    const HWND list = Item(IDC_ASSOC_LIST);
    ListView_DeleteAllItems(list);
    int index = 0;
    for (const AssociationRow& row : rows)
        InsertReportRow(list, index++,
                        {row.aid, row.macAddress, row.authState, row.ipAddress, row.deviceName});
}

void CAssocTblPage::ClearList() {
    KillPageTimer();
    ListView_DeleteAllItems(Item(IDC_ASSOC_LIST));
}

}  // namespace aerowisp
