// Report lists of the content pages.
#include "widgets/report_list.h"

#include <commctrl.h>

#include <string>

#include "fw/wide_text.h"
#include "lang/language_dialog.h"

namespace aerowisp {
namespace {

constexpr int kTenths = 10;
constexpr int kTextBufferLength = 260;

}  // namespace

void SetUpReportList(HWND list, std::span<const ReportColumn> columns, const LanguageTexts& language,
                     DWORD extendedStyles) {
    ListView_SetExtendedListViewStyle(list, extendedStyles);
    RECT client{};
    ::GetClientRect(list, &client);
    const int width = client.right - client.left;
    const int tenth = width / kTenths;
    int taken = 0;
    int index = 0;
    for (const ReportColumn& column : columns) {
        std::wstring heading = DisplayText(language.TextFromKey(column.heading));
        LVCOLUMNW entry{};
        entry.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        entry.fmt = column.format;
        entry.cx = column.tenths != 0 ? column.tenths * tenth : width - taken;
        taken += entry.cx;
        entry.pszText = heading.data();
        entry.iSubItem = index;
        ListView_InsertColumn(list, index, &entry);
        ++index;
    }
}

void InsertReportRow(HWND list, int index, std::initializer_list<std::u16string> texts) {
    std::wstring placeholder = L"item " + std::to_wstring(index);
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_STATE;
    item.iItem = index;
    item.stateMask = LVIS_SELECTED;
    item.pszText = placeholder.data();
    const int row = ListView_InsertItem(list, &item);
    if (row < 0)
        return;
    int column = 0;
    for (const std::u16string& text : texts) {
        std::wstring wide = fw::ToWide(text);
        ListView_SetItemText(list, row, column++, wide.data());
    }
}

std::u16string ReportText(HWND list, int index, int column) {
    if (index < 0 || index >= ListView_GetItemCount(list))
        return {};
    wchar_t buffer[kTextBufferLength] = L"";
    ListView_GetItemText(list, index, column, buffer, kTextBufferLength);
    return fw::FromWide(buffer);
}

}  // namespace aerowisp
