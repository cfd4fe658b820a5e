// The texts the user sees in the language chosen at start-up, as every place of use takes them.
#pragma once

#include <string>
#include <string_view>

#include "core/lang/language_file.h"
#include "core/lang/language_strings.h"
#include "core/platform/ansi_code_page.h"
#include "core/platform/file_reader.h"

namespace aerowisp {

// Owned by the main window's model and handed to the controls, pages and dialogs that show text. Every
// lookup reads the language file afresh, so a file changed while the program runs shows at the next
// lookup, and the choice made at start-up reaches every holder at once.
class LanguageTexts {
  public:
    // The process-wide language file path (LanguageFilePath), read at every lookup.
    LanguageTexts(FileReader& files, AnsiCodePage& codePage) : file_(files, codePage) {}
    // `path` is read at every lookup and must outlive this object.
    LanguageTexts(FileReader& files, AnsiCodePage& codePage, const std::u16string& path)
        : file_(files, codePage, path) {}
    LanguageTexts(FileReader& files, AnsiCodePage& codePage, const std::u16string&& path) = delete;
    LanguageTexts(const LanguageTexts&) = delete;
    LanguageTexts& operator=(const LanguageTexts&) = delete;

    // The file's text for `key` ("String1" ...) as it stands there, line end included; empty when
    // there is none.
    std::u16string LoadLanguageString(std::u16string_view key) const { return file_.LoadLanguageString(key); }
    // LoadLanguageString of the entry's key, or its English text when that is empty.
    std::u16string TextFromKey(const LanguageString& entry) const;
    // TextFromKey without the file's line end, as a tip, balloon or message shows it; a line with nothing
    // but its line end gives a blank, as everywhere else.
    std::u16string ShownText(const LanguageString& entry) const;
    // The control texts of `dialog` from the file's control lines.
    void ApplyLanguageToDialog(ControlTextTarget& dialog) const { file_.ApplyLanguageToDialog(dialog); }

  private:
    LanguageFile file_;
};

}  // namespace aerowisp
