// What the About page shows and opens: the web address its button may open, the file version from the
// program's version resource and the file date.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace aerowisp {

// INTERNET_MAX_URL_LENGTH: the longest address the shell and the browsers are sure to take.
inline constexpr size_t kMaxWebAddressLength = 2083;

// The address is handed to the shell by an elevated process, so only an absolute http:// or https://
// address with a host is opened: no control characters, no blanks, none of the characters an address
// never holds unescaped (quotes, angle brackets, backslash, ...), and not longer than
// kMaxWebAddressLength. Anything else (a program, a file: or UNC path) could run as administrator.
bool IsOpenableWebAddress(std::u16string_view address);

// The address the web button opens: the language file's text for it (without its line end and the
// blanks around it) when that is openable, else the built-in address.
std::u16string WebAddressToOpen(std::u16string_view languageText);

// "2.0.1.3\n" from a VS_VERSIONINFO block as GetFileVersionInfoW returns it; empty when the block is
// shorter than its fixed part or than it says, has another key, or its fixed file information lacks
// its signature.
std::u16string FileVersionText(std::span<const uint8_t> block);

struct CalendarDate {
    int year = 0;
    int month = 0;  // 1 to 12
    int day = 0;    // 1 to 31
};

// "06-30-2011"; empty for a date that is not a calendar day of the years 1601 to 9999 (the range of
// the file times the system converts).
std::u16string FileDateText(const CalendarDate& date);

}  // namespace aerowisp
