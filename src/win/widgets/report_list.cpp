// Report lists of the content pages.
#include "widgets/report_list.h"

#include <commctrl.h>

#include <string>

#include "lang/language_dialog.h"

namespace aerowisp {
namespace {

constexpr DWORD kListStyles = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP;
constexpr int kTenths = 10;

}  // namespace

void SetUpReportList(HWND list, std::span<const ReportColumn> columns, const LanguageFile& language) {
    ListView_SetExtendedListViewStyle(list, kListStyles);
    RECT client{};
    ::GetClientRect(list, &client);
    const int tenth = (client.right - client.left) / kTenths;
    int index = 0;
    for (const ReportColumn& column : columns) {
        std::wstring heading = DisplayText(language.TextFromKey(column.heading));
        LVCOLUMNW entry{};
        entry.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        entry.fmt = column.format;
        entry.cx = column.tenths * tenth;
        entry.pszText = heading.data();
        entry.iSubItem = index;
        ListView_InsertColumn(list, index, &entry);
        ++index;
    }
}

}  // namespace aerowisp
