// Numbers and hardware addresses as the pages show them.
#include "core/text/number_text.h"

#include <string>

namespace aerowisp {

std::u16string DecimalText(int64_t value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

namespace {

constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";
constexpr unsigned kNibbleBits = 4;
constexpr unsigned kNibbleMask = 0xF;

}  // namespace

std::u16string HexCodeText(uint32_t value) {
    std::u16string text = u"0x";
    for (int shift = 32 - static_cast<int>(kNibbleBits); shift >= 0; shift -= static_cast<int>(kNibbleBits))
        text += kHexDigits[(value >> shift) & kNibbleMask];
    return text;
}

std::u16string MacAddressText(const std::array<uint8_t, 6>& address) {
    std::u16string text;
    for (size_t i = 0; i < address.size(); ++i) {
        if (i != 0)
            text += u'-';
        text += kHexDigits[address[i] >> kNibbleBits];
        text += kHexDigits[address[i] & kNibbleMask];
    }
    return text;
}

int HexDigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

}  // namespace aerowisp
