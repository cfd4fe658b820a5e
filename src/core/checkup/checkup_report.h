// The check-up's words: each check's title and verdict, and the plain-text report the user copies for a
// forum post or a helper.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/checkup/checkup_result.h"
#include "core/lang/language_strings.h"

namespace aerowisp {

// The text of an entry as the language file (or its English default) gives it.
using TextLookup = std::function<std::u16string(const LanguageString&)>;

const LanguageString& CheckTitle(CheckId id);
const LanguageString& VerdictText(CheckVerdict verdict);

// One line per check, "[verdict] title (detail)", with the cause and the remedy of a problem below it,
// lines ending in CR LF. The network key never appears: wherever a detail happens to hold it, it is masked.
std::u16string CheckupReport(const std::vector<CheckResult>& results, const TextLookup& text,
                             std::u16string_view networkKey);

}  // namespace aerowisp
