// The Wi-Fi join text of the hosted network.
#include "core/hostednet/join_code.h"

#include "core/text/utf16_text.h"

namespace aerowisp {
namespace {

std::string Escaped(std::u16string_view text) {
    std::string out;
    for (char c : Utf16ToUtf8(text)) {
        if (c == '\\' || c == ';' || c == ',' || c == ':' || c == '"')
            out.push_back('\\');
        out.push_back(c);
    }
    return out;
}

}  // namespace

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
