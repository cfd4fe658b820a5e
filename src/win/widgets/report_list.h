// The report lists of the content pages: grid lines, full-row select and info tips, and columns whose
// headings come from the language file and whose widths are tenths of the list's width.
#pragma once

#include <windows.h>

#include <span>

#include "core/lang/language_file.h"

namespace aerowisp {

struct ReportColumn {
    const LanguageString& heading;
    int format;  // LVCFMT_LEFT, LVCFMT_CENTER
    int tenths;  // the width in tenths of the list's client width (itself cut to whole tenths)
};

void SetUpReportList(HWND list, std::span<const ReportColumn> columns, const LanguageFile& language);

}  // namespace aerowisp
