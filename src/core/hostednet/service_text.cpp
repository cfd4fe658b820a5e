// The hosted network's name and key in the forms the WLAN service and netsh.exe take.
#include "core/hostednet/service_text.h"

#include <algorithm>

#include "core/hostednet/ap_input_rules.h"
#include "core/hostednet/hosted_network_settings.h"
#include "core/text/utf16_text.h"

namespace aerowisp {
namespace {

// The longest run of leading whole characters whose ANSI form fits the SSID field. The code pages the
// program meets are stateless, so a text's form is the forms of its characters one after another.
std::string FittingAnsiPrefix(std::u16string_view ssid, AnsiCodePage& codePage) {
    std::string fitted;
    size_t i = 0;
    while (i < ssid.size()) {
        size_t units =
            (IsHighSurrogate(ssid[i]) && i + 1 < ssid.size() && IsLowSurrogate(ssid[i + 1])) ? 2 : 1;
        std::string character = codePage.WideToAnsi(ssid.substr(i, units));
        if (fitted.size() + character.size() > kSsidMaxAnsiBytes)
            break;
        fitted += character;
        i += units;
    }
    return fitted;
}

}  // namespace

Dot11Ssid SsidForService(std::u16string_view ssid, AnsiCodePage& codePage) {
    std::string bytes = codePage.WideToAnsi(ssid);
    if (bytes.size() > kSsidMaxAnsiBytes)
        bytes = FittingAnsiPrefix(ssid, codePage);
    Dot11Ssid result;
    result.length = static_cast<uint32_t>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), result.ssid.begin());
    return result;
}

HostedNetworkConnectionSettings ConnectionSettingsFor(std::u16string_view ssid, AnsiCodePage& codePage) {
    HostedNetworkConnectionSettings settings;
    settings.ssid = SsidForService(ssid, codePage);
    settings.maxNumberOfPeers = kHostedNetworkMaxPeers;
    return settings;
}

std::u16string NetshKeyParameters(std::u16string_view key) {
    std::u16string parameters = u"wlan set hostednetwork key=";
    parameters += key;
    return parameters;
}

}  // namespace aerowisp
