// Small pieces of text shared by the log, the lease file and the settings reader.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace aerowisp::dhcp {

// Two lower-case hexadecimal digits per byte, `separator` between bytes unless it is '\0'.
std::string HexText(std::span<const uint8_t> bytes, char separator = '\0');

// Takes the front of `text` up to the first of `separators`, and that separator, off `text` and returns
// the front; the whole text when there is no separator.
std::string_view TakeUntil(std::string_view& text, std::string_view separators);

}  // namespace aerowisp::dhcp
