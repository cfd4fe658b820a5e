// The ICS page.
#include "ics/ics_page.h"

#include <commctrl.h>

#include "lang/language_dialog.h"
#include "widgets/report_list.h"
#include "core/resource.h"

namespace aerowisp {
namespace {

const ReportColumn kColumns[] = {{kDeviceNameColumn, LVCFMT_CENTER, 3}, {kNetworkNameColumn, LVCFMT_LEFT, 7}};

}  // namespace

CICSPage::CICSPage(const LanguageFile& language) : CAppProPage(IDD_ICS_PAGE), language_(language) {}

BOOL CICSPage::OnInitDialog() {
    ApplyLanguageToDialog(Handle(), language_);
    SetUpReportList(Item(IDC_ICS_LIST), kColumns, language_);
    ::EnableWindow(Item(IDC_ICS_APPLY), FALSE);
    return TRUE;
}

// The list is built from the adapter table of the sharing scan, which comes with connection sharing.
void CICSPage::FillConnectionList() {}

}  // namespace aerowisp
