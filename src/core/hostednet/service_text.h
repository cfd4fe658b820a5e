// How the hosted network's name and key are put into the forms the WLAN service and netsh.exe take.
#pragma once

#include <string>
#include <string_view>

#include "core/platform/ansi_code_page.h"
#include "core/platform/wlan_types.h"

namespace aerowisp {

// The SSID in the ANSI code page. A name longer than the 32-byte field keeps only its leading whole
// characters that fit: a double-byte character is never split, since half of one would make the
// stations show a different name than the program does.
Dot11Ssid SsidForService(std::u16string_view ssid, AnsiCodePage& codePage);

// The 40-byte record of the connection settings: the SSID and the peer limit.
HostedNetworkConnectionSettings ConnectionSettingsFor(std::u16string_view ssid, AnsiCodePage& codePage);

// "wlan set hostednetwork key=%s" with the key in place of %s.
std::u16string NetshKeyParameters(std::u16string_view key);

}  // namespace aerowisp
