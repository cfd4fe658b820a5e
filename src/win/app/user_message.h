// How the program tells the user about a mistake: a message box owned by the window concerned, in the
// language file's words where it has them.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "core/app/main_view.h"
#include "core/lang/language_strings.h"
#include "fw/wide_text.h"

namespace aerowisp {

inline constexpr wchar_t kMessageCaption[] = L"Aerowisp";

// Captioned "Aerowisp", with the exclamation icon and an OK button; returns when the user closed it.
inline void ShowUserMessage(HWND owner, const std::wstring& text) {
    ::MessageBoxW(owner, text.c_str(), kMessageCaption, MB_OK | MB_ICONEXCLAMATION);
}

// The language file's text for `key`, or `english` when the file has none.
inline std::wstring LanguageTextOr(MainView& view, const LanguageString& entry) {
    return fw::ToWide(TextOrDefault(view.LoadLanguageString(entry.key), entry));
}

}  // namespace aerowisp
