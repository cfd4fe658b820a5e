// The ICS page.
#include "ics/ics_page.h"

#include <commctrl.h>

#include "core/resource.h"
#include "fw/wide_text.h"
#include "lang/language_dialog.h"
#include "widgets/report_list.h"

namespace aerowisp {
namespace {

const ReportColumn kColumns[] = {{kDeviceNameColumn, LVCFMT_CENTER, 3}, {kNetworkNameColumn, LVCFMT_LEFT, 7}};

constexpr int kDeviceColumn = 0;
constexpr int kNetworkColumn = 1;

}  // namespace

CICSPage::CICSPage() : CAppProPage(IDD_ICS_PAGE) {}

BOOL CICSPage::OnInitDialog() {
    ApplyLanguageToDialog(Handle(), Texts());
    SetUpReportList(Item(IDC_ICS_LIST), kColumns, Texts());
    ::EnableWindow(Item(IDC_ICS_APPLY), FALSE);
    return TRUE;
}

void CICSPage::FillConnectionList(const ConnectionListFill& fill) {
    const HWND list = Item(IDC_ICS_LIST);
    ListView_DeleteAllItems(list);
    if (fill.rows.empty())
        return;
    int index = 0;
    for (const ConnectionListRow& row : fill.rows)
        InsertReportRow(list, index++, {row.deviceName, row.networkName});
    const int selected = static_cast<int>(fill.selected);
    SetItemText(IDC_ICS_PUBLIC, fw::ToWide(fill.rows[fill.selected].networkName));
    ListView_SetItemState(list, selected, LVIS_SELECTED, LVIS_SELECTED);
}

bool CICSPage::OnCommand(int id, int notifyCode, HWND control) {
    if (id == IDC_ICS_APPLY && notifyCode == BN_CLICKED) {
        OnApply();
        return true;
    }
    return CAppProPage::OnCommand(id, notifyCode, control);
}

bool CICSPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_ICS_LIST && header->code == NM_CLICK) {
            OnClickConnectionList(reinterpret_cast<const NMITEMACTIVATE*>(lParam)->iItem);
            result = 0;
            return true;
        }
    }
    return CAppProPage::OnMessage(message, wParam, lParam, result);
}

// Empty texts for an index that is no row.
ConnectionListRow CICSPage::RowAt(int index) const {
    const HWND list = Item(IDC_ICS_LIST);
    return {ReportText(list, index, kDeviceColumn), ReportText(list, index, kNetworkColumn)};
}

void CICSPage::OnApply() {
    const int selected = ListView_GetNextItem(Item(IDC_ICS_LIST), -1, LVNI_SELECTED);
    if (Requests() == nullptr || selected < 0)
        return;
    if (Requests()->OnConnectionListApply(RowAt(selected)))
        ::EnableWindow(Item(IDC_ICS_APPLY), FALSE);
}

// A click below the rows (index -1) shows nothing and disables Apply; the edit keeps its text.
void CICSPage::OnClickConnectionList(int index) {
    if (Requests() == nullptr)
        return;
    const ConnectionListRow row = RowAt(index);
    const ConnectionListClick click = Requests()->OnConnectionListClick(row);
    if (!click.showNetworkName) {
        ::EnableWindow(Item(IDC_ICS_APPLY), FALSE);
        return;
    }
    ::EnableWindow(Item(IDC_ICS_APPLY), click.enableApply ? TRUE : FALSE);
    SetItemText(IDC_ICS_PUBLIC, fw::ToWide(row.networkName));
}

}  // namespace aerowisp
