// Why the sharing manager refused, in the language file's words: a sentence for each HRESULT the user
// can act on, the code itself for any other.
#pragma once

#include <string>

#include "core/ports/main_view.h"
#include "core/platform/sharing_manager.h"

namespace aerowisp {

// "Error code: 0x80004005" with the language file's label.
std::u16string HresultCodeText(MainView& view, HResult result);
// The sentence for `result`; for a code without one, HresultCodeText.
std::u16string SharingErrorText(MainView& view, HResult result);

}  // namespace aerowisp
