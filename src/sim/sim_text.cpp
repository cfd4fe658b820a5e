// Text helpers of the simulated machine.
#include "sim/sim_text.h"

#include "core/text/ascii_case.h"
#include "core/text/utf16_text.h"

namespace aerowisp {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void AppendHexByte(std::string& out, uint8_t byte) {
    out.push_back(kHexDigits[byte >> 4]);
    out.push_back(kHexDigits[byte & 0xF]);
}

// Escapes what would make a quoted journal text ambiguous or unreadable.
void AppendQuotedChar(std::string& out, char32_t c) {
    if (c == U'"' || c == U'\\') {
        out.push_back('\\');
        out.push_back(static_cast<char>(c));
    } else if (c < 0x20 || c == 0x7F) {
        out += "\\x";
        AppendHexByte(out, static_cast<uint8_t>(c));
    } else {
        AppendUtf8(out, c);
    }
}

}  // namespace

std::u16string FoldAsciiCase(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t& c : out)
        c = UpperCaseAZ(c);
    return out;
}

std::string FoldAsciiCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return FoldAsciiCase(a) == FoldAsciiCase(b);
}

std::string QuoteText(std::u16string_view text) {
    std::string out = "\"";
    ForEachCodePoint(text, [&](char32_t c) { AppendQuotedChar(out, c); });
    out.push_back('"');
    return out;
}

std::string QuoteBytes(std::string_view bytes) {
    std::string out = "\"";
    for (char raw : bytes) {
        const auto byte = static_cast<uint8_t>(raw);
        if (byte >= 0x80) {
            out += "\\x";
            AppendHexByte(out, byte);
        } else {
            AppendQuotedChar(out, byte);
        }
    }
    out.push_back('"');
    return out;
}

std::string MacToText(const MacAddress& mac) {
    std::string out;
    for (size_t i = 0; i < mac.size(); ++i) {
        if (i > 0)
            out.push_back('-');
        AppendHexByte(out, mac[i]);
    }
    return out;
}

}  // namespace aerowisp
