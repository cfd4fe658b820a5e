// The language file: texts by string key, and the texts of dialog controls by control identifier.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/lang/language_strings.h"
#include "core/platform/ansi_code_page.h"
#include "core/platform/file_reader.h"

namespace aerowisp {

// Control identifiers up to this one are never addressed by the file.
inline constexpr int kHighestUnaddressedControlId = 1000;

// The dialog whose control texts the file sets.
// Implementations: DialogControlTexts (src/win/lang, over a dialog window), FakeDialog (tests/core).
class ControlTextTarget {
  public:
    virtual ~ControlTextTarget() = default;

    virtual bool HasControl(int controlId) = 0;
    virtual void SetControlText(int controlId, const std::u16string& text) = 0;
};

// A control line: a decimal number above 1000 (leading white space and a sign allowed, as the C
// runtime's atoi reads it) and an "=" somewhere in the piece. `text` is everything after the first "=",
// in the file's bytes.
struct ControlLine {
    int controlId = 0;
    std::string_view text;
};

// A piece of the file (see PieceReader) as a control line; nothing for every other piece. Like the C
// string functions, only the bytes before a zero byte count.
std::optional<ControlLine> ParseControlLine(std::string_view piece);

// Every operation opens the file, reads it from the start and closes it again: nothing is cached, so the
// file may change between lookups and several threads may read it at once.
class LanguageFile {
  public:
    // The process-wide language file path (LanguageFilePath), read at every lookup.
    LanguageFile(FileReader& files, AnsiCodePage& codePage);
    // `path` is read at every lookup and must outlive this object.
    LanguageFile(FileReader& files, AnsiCodePage& codePage, const std::u16string& path);
    LanguageFile(FileReader& files, AnsiCodePage& codePage, const std::u16string&& path) = delete;

    // The text after the first "=" of the first piece that contains `key` (in the ANSI code page,
    // case-sensitive, anywhere in the piece), converted from the ANSI code page; line ends and blanks
    // stay. Empty when no piece contains the key, when that piece has no "=", or when the file cannot
    // be opened (also while the path is empty).
    std::u16string LoadLanguageString(std::u16string_view key) const;

    // Gives each control of `dialog` named by a control line that line's text, when the text converts
    // to something. A control named twice ends with the later line's text; it is set once, so a huge
    // file costs one read, not one window update per line.
    void ApplyLanguageToDialog(ControlTextTarget& dialog) const;

  private:
    FileReader& files_;
    AnsiCodePage& codePage_;
    const std::u16string& path_;
};

}  // namespace aerowisp
