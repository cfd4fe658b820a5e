// Which language file the program reads: chosen once from the user's country setting, then kept for
// the life of the process.
#pragma once

#include <string>
#include <string_view>

#include "core/platform/settings_store.h"

namespace aerowisp {

// Where the user's country setting lives, under HKEY_CURRENT_USER.
inline constexpr char16_t kInternationalKey[] = u"Control Panel\\International";
inline constexpr char16_t kCountryValue[] = u"iCountry";

// The country codes that have a language of their own.
inline constexpr int kCountryChina = 86;
inline constexpr int kCountryTaiwan = 886;

// The language files, relative to the program folder.
inline constexpr std::u16string_view kSimplifiedChineseFile = u"Language\\CHS.txt";
inline constexpr std::u16string_view kTraditionalChineseFile = u"Language\\CHT.txt";
inline constexpr std::u16string_view kEnglishFile = u"Language\\ENU.txt";

// "iCountry" read as text and parsed like the C runtime's atoi (leading blanks and a sign accepted,
// stops at the first non-digit); 0 when the key or the value cannot be read.
int GetCountryCode(SettingsStore& settings);

// CHS for China, CHT for Taiwan, ENU for every other code.
std::u16string_view LanguageFileName(int countryCode);

// The language file's full path: `programFolder` (ending in a backslash) followed by the file name.
std::u16string LanguageFilePathFor(std::u16string_view programFolder, int countryCode);

// The main window's initialisation step that sets the process-wide language file path from the
// country setting.
void ChooseLanguageFile(SettingsStore& settings, std::u16string_view programFolder);

// The process-wide language file path: empty at process start, so lookups made before the main window's
// initialisation find no file and show English. Set once, before any other thread reads it.
const std::u16string& LanguageFilePath();
void SetLanguageFilePath(std::u16string path);

}  // namespace aerowisp
