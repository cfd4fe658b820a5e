// The report lists of the content pages: grid lines, full-row select and info tips, and columns whose
// headings come from the language file and whose widths are tenths of the list's width.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <initializer_list>
#include <span>
#include <string>

#include "core/lang/language_texts.h"

namespace aerowisp {

struct ReportColumn {
    const LanguageString& heading;
    int format;  // LVCFMT_LEFT, LVCFMT_CENTER
    // The width in tenths of the list's client width (itself cut to whole tenths); 0: what the columns
    // before leave of the whole width.
    int tenths;
};

// The content pages' look: grid lines, full-row select and info tips.
inline constexpr DWORD kReportListStyles = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP;

void SetUpReportList(HWND list, std::span<const ReportColumn> columns, const LanguageTexts& language,
                     DWORD extendedStyles = kReportListStyles);

// Inserts row `index` with one text per column; the row's own placeholder text gives way to column 0's.
void InsertReportRow(HWND list, int index, std::initializer_list<std::u16string> texts);

// The text of row `index`, column `column`; empty for a row that does not exist.
std::u16string ReportText(HWND list, int index, int column);

}  // namespace aerowisp
