// The ICS page.
#include "ics/ics_page.h"

#include <commctrl.h>

#include "lang/language_dialog.h"
#include "fw/wide_text.h"
#include "widgets/report_list.h"
#include "core/resource.h"
#include "core/text/ascii_case.h"

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

void CICSPage::FillConnectionList(const AdapterTable& table, const std::u16string& chosenConnection) {
    HWND list = Item(IDC_ICS_LIST);
    ListView_DeleteAllItems(list);
    if (table.rows.empty())
        return;
    size_t selected = 0;
    for (size_t i = 0; i < table.rows.size(); ++i) {
        std::wstring device = fw::ToWide(table.rows[i].deviceName);
        std::wstring network = fw::ToWide(table.rows[i].connectionName);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        item.pszText = device.data();
        const int row = ListView_InsertItem(list, &item);
        ListView_SetItemText(list, row, 1, network.data());
        if (EqualsIgnoringCaseAZ(table.rows[i].deviceName, chosenConnection))
            selected = i;
    }
    SetItemText(IDC_ICS_PUBLIC, fw::ToWide(table.rows[selected].connectionName));
    ListView_SetItemState(list, static_cast<int>(selected), LVIS_SELECTED, LVIS_SELECTED);
}

}  // namespace aerowisp
