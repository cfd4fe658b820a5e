// The link status page's refresh: the chosen card's own connection, read from the WLAN service and put
// into the texts and figures the page shows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/platform/ansi_code_page.h"
#include "core/platform/wlan_service.h"

namespace aerowisp {

// What the page shows. A disconnected card has the status text alone, every other text empty and the
// bar at 0.
struct LinkStatusFigures {
    std::u16string status;
    std::u16string ssid;
    std::u16string channel;
    std::u16string bssid;
    std::u16string networkType;
    std::u16string authentication;
    std::u16string encryption;
    std::u16string txRate;
    std::u16string rxRate;
    std::u16string quality;
    uint32_t qualityBar = 0;

    friend bool operator==(const LinkStatusFigures&, const LinkStatusFigures&) = default;
};

// Asks the service about the card with `interfaceGuidText`. Nothing when the page is to keep what it
// shows: no card or a GUID text that does not convert, a failed query, or a reply shorter than the
// record it should hold. The service's buffers are its own to release (WlanService).
std::optional<LinkStatusFigures> RefreshLinkStatus(WlanService& wlan, WlanHandle handle,
                                                   const std::optional<std::u16string>& interfaceGuidText,
                                                   AnsiCodePage& codePage);

// The texts of a connected card from its connection record and channel. The SSID is read within its
// 32-byte field whatever its length field claims.
LinkStatusFigures ConnectedFigures(const WlanConnectionAttributes& connection, uint32_t channel,
                                   AnsiCodePage& codePage);

}  // namespace aerowisp
