// Text helpers of the simulated machine: A-Z case folding, journal quoting, MAC addresses.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace aerowisp {

using MacAddress = std::array<uint8_t, 6>;

// Case is ignored for the letters A-Z only, as everywhere in the program.
std::u16string FoldAsciiCase(std::u16string_view text);
std::string FoldAsciiCase(std::string_view text);
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// Journal forms: text in double quotes with C escapes (\" \\ \xNN for control characters).
// QuoteBytes shows bytes 0x80 and up as \xNN, since they are in some ANSI code page.
std::string QuoteText(std::u16string_view text);
std::string QuoteBytes(std::string_view bytes);

// "00-1A-2B-3C-4D-5E".
std::string MacToText(const MacAddress& mac);

}  // namespace aerowisp
