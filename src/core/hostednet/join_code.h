// The text a phone's camera reads to join the hosted network: the common Wi-Fi QR code format
// WIFI:T:WPA;S:<name>;P:<key>;; in UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/hostednet/hosted_network_settings.h"

namespace aerowisp {

// What the join window shows: the network's stored name and key and the text its code holds.
struct JoinCode {
    std::u16string ssid;
    std::u16string key;
    std::string payload;
};

// The name and key with \ ; , : " escaped by a backslash. A 64-digit hexadecimal key goes as it is, as
// readers take such a key for the raw pre-shared key.
std::string WifiJoinPayload(std::u16string_view ssid, std::u16string_view key);

// The code for the network's desired name and key (those the AP configuration page shows); nothing
// while either is empty.
std::optional<JoinCode> JoinCodeFor(const HostedNetworkSettings& settings);

}  // namespace aerowisp
