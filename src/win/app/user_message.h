// How the program tells the user about a mistake: a message box owned by the window concerned, in the
// language file's words where it has them.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "core/lang/language_texts.h"
#include "core/resource.h"
#include "fw/wide_text.h"
#include "lang/language_dialog.h"

namespace aerowisp {

// Captioned with the program's name, with the exclamation icon and an OK button; returns when the user
// closed it. Without an owner it stands on its own, as before the main window exists.
inline void ShowUserMessage(HWND owner, const std::wstring& text) {
    ::MessageBoxW(owner, text.c_str(), fw::ToWide(kMainWindowTitle).c_str(), MB_OK | MB_ICONEXCLAMATION);
}

// The language file's text for the entry's key, or its English text when the file has none, as a
// message, control, caption or button shows it: without the line end the file leaves at the text's end.
inline std::wstring LanguageTextOr(const LanguageTexts& texts, const LanguageString& entry) {
    return DisplayText(texts.TextFromKey(entry));
}

}  // namespace aerowisp
