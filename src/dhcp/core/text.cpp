// Small pieces of text.
#include "dhcp/core/text.h"

namespace aerowisp::dhcp {

std::string HexText(std::span<const uint8_t> bytes, char separator) {
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    for (uint8_t byte : bytes) {
        if (!text.empty() && separator != '\0')
            text += separator;
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0xF];
    }
    return text;
}

std::string_view TakeUntil(std::string_view& text, std::string_view separators) {
    const size_t end = text.find_first_of(separators);
    const std::string_view front = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    return front;
}

}  // namespace aerowisp::dhcp
