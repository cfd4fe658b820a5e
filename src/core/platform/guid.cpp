// Text form of identifiers, matching the RPC run-time's conversions.
#include "core/platform/guid.h"

#include "core/text/number_text.h"

namespace aerowisp {
namespace {

constexpr char16_t kHexDigits[] = u"0123456789abcdef";

void AppendHex(std::u16string& out, uint64_t value, int digits) {
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) {
        out.push_back(kHexDigits[(value >> shift) & 0xF]);
    }
}

std::optional<uint64_t> ParseHex(std::u16string_view text) {
    uint64_t value = 0;
    for (char16_t c : text) {
        const int digit = HexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = (value << 4) | static_cast<uint64_t>(digit);
    }
    return value;
}

}  // namespace

std::u16string GuidToString(const Guid& guid) {
    std::u16string out;
    out.reserve(36);
    AppendHex(out, guid.data1, 8);
    out.push_back(u'-');
    AppendHex(out, guid.data2, 4);
    out.push_back(u'-');
    AppendHex(out, guid.data3, 4);
    out.push_back(u'-');
    AppendHex(out, guid.data4[0], 2);
    AppendHex(out, guid.data4[1], 2);
    out.push_back(u'-');
    for (int i = 2; i < 8; ++i)
        AppendHex(out, guid.data4[i], 2);
    return out;
}

std::optional<Guid> GuidFromString(std::u16string_view text) {
    if (text.size() != 36 || text[8] != u'-' || text[13] != u'-' || text[18] != u'-' || text[23] != u'-') {
        return std::nullopt;
    }
    const auto d1 = ParseHex(text.substr(0, 8));
    const auto d2 = ParseHex(text.substr(9, 4));
    const auto d3 = ParseHex(text.substr(14, 4));
    const auto d4a = ParseHex(text.substr(19, 4));
    const auto d4b = ParseHex(text.substr(24, 12));
    if (!d1 || !d2 || !d3 || !d4a || !d4b)
        return std::nullopt;
    Guid guid;
    guid.data1 = static_cast<uint32_t>(*d1);
    guid.data2 = static_cast<uint16_t>(*d2);
    guid.data3 = static_cast<uint16_t>(*d3);
    guid.data4[0] = static_cast<uint8_t>(*d4a >> 8);
    guid.data4[1] = static_cast<uint8_t>(*d4a);
    for (int i = 0; i < 6; ++i)
        guid.data4[2 + i] = static_cast<uint8_t>(*d4b >> (8 * (5 - i)));
    return guid;
}

}  // namespace aerowisp
