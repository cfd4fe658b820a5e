// Why the sharing manager refused, in the language file's words: a sentence for each HRESULT the user
// can act on, the code itself for any other.
#pragma once

#include <string>

#include "core/lang/language_texts.h"
#include "core/platform/sharing_manager.h"

namespace aerowisp {

// "Error code: 0x80004005" with the language file's label.
std::u16string HresultCodeText(const LanguageTexts& texts, HResult result);
// The sentence for `result`; for a code without one, HresultCodeText.
std::u16string SharingErrorText(const LanguageTexts& texts, HResult result);

}  // namespace aerowisp
