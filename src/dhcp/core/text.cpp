// Small pieces of text.
#include "dhcp/core/text.h"

namespace aerowisp::dhcp {

namespace {

constexpr char kDigits[] = "0123456789abcdef";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr std::string_view kCutMark = "...";

void AppendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

DecodedText FromUtf16(std::string_view bytes, bool bigEndian) {
    if (bytes.size() % 2 != 0)
        return {std::nullopt, "is UTF-16 with an odd number of bytes"};
    const auto unit = [&](size_t at) {
        const auto first = static_cast<uint8_t>(bytes[at]);
        const auto second = static_cast<uint8_t>(bytes[at + 1]);
        return static_cast<uint32_t>(bigEndian ? first << 8 | second : second << 8 | first);
    };
    std::string text;
    for (size_t at = 0; at < bytes.size(); at += 2) {
        uint32_t code = unit(at);
        if (code >= 0xDC00 && code <= 0xDFFF)
            return {std::nullopt, "is UTF-16 with an unpaired surrogate"};
        if (code >= 0xD800 && code <= 0xDBFF) {
            const uint32_t low = at + 3 < bytes.size() ? unit(at + 2) : 0;
            if (low < 0xDC00 || low > 0xDFFF)
                return {std::nullopt, "is UTF-16 with an unpaired surrogate"};
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
            at += 2;
        }
        if (code == 0)
            return {std::nullopt, "holds NUL characters"};
        AppendUtf8(text, code);
    }
    return {std::move(text), {}};
}

}  // namespace

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string HexText(std::span<const uint8_t> bytes, char separator) {
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

std::string_view TakeLine(std::string_view& text) {
    const size_t end = text.find_first_of("\r\n");
    const std::string_view line = text.substr(0, end);
    if (end == std::string_view::npos) {
        text = {};
    } else {
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crLf ? 2 : 1));
    }
    return line;
}

DecodedText DecodeFileText(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark))
        bytes.remove_prefix(kUtf8Mark.size());
    else if (bytes.starts_with(kUtf16LeMark))
        return FromUtf16(bytes.substr(kUtf16LeMark.size()), false);
    else if (bytes.starts_with(kUtf16BeMark))
        return FromUtf16(bytes.substr(kUtf16BeMark.size()), true);
    if (bytes.find('\0') != std::string_view::npos)
        return {std::nullopt, "holds NUL bytes (UTF-16 without a byte-order mark is not read)"};
    return {std::string(bytes), {}};
}

std::string LogSafe(std::string_view line) {
    std::string safe;
    // The length up to the last whole byte's text that leaves room for the cut mark.
    size_t fits = 0;
    for (char c : line) {
        const auto byte = static_cast<uint8_t>(c);
        if (byte < 0x20 || byte == 0x7F) {
            safe += "\\x";
            safe += kDigits[byte >> 4];
            safe += kDigits[byte & 0xF];
        } else {
            safe += c;
        }
        if (safe.size() <= kMaxLogLineBytes - kCutMark.size())
            fits = safe.size();
        if (safe.size() > kMaxLogLineBytes) {
            safe.resize(fits);
            safe += kCutMark;
            break;
        }
    }
    return safe;
}

}  // namespace aerowisp::dhcp
