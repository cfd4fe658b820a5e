// The Wi-Fi join text of the hosted network.
#include "core/hostednet/join_code.h"

namespace aerowisp {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c) {
    const auto byte = [&out](char32_t value) { out.push_back(static_cast<char>(value)); };
    if (c < 0x80) {
        byte(c);
    } else if (c < 0x800) {
        byte(0xC0 | (c >> 6));
        byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        byte(0xE0 | (c >> 12));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    } else {
        byte(0xF0 | (c >> 18));
        byte(0x80 | ((c >> 12) & 0x3F));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    }
}

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

std::string Escaped(std::u16string_view text) {
    std::string out;
    for (char c : Utf8FromUtf16(text)) {
        if (c == '\\' || c == ';' || c == ',' || c == ':' || c == '"')
            out.push_back('\\');
        out.push_back(c);
    }
    return out;
}

}  // namespace

std::string Utf8FromUtf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            AppendUtf8(out, kReplacementCharacter);
        } else {
            AppendUtf8(out, c);
        }
    }
    return out;
}

std::string WifiJoinPayload(std::u16string_view ssid, std::u16string_view key) {
    return "WIFI:T:WPA;S:" + Escaped(ssid) + ";P:" + Escaped(key) + ";;";
}

std::optional<JoinCode> JoinCodeFor(const HostedNetworkSettings& settings) {
    if (settings.desiredSsid.empty() || settings.desiredKey.empty())
        return std::nullopt;
    return JoinCode{settings.desiredSsid, settings.desiredKey,
                    WifiJoinPayload(settings.desiredSsid, settings.desiredKey)};
}

}  // namespace aerowisp
