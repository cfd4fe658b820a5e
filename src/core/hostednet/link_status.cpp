// The link status page's refresh.
#include "core/hostednet/link_status.h"

#include <algorithm>
#include <string_view>

#include "core/platform/guid.h"
#include "core/text/number_text.h"

namespace aerowisp {
namespace {

constexpr char16_t kConnected[] = u"Connected";
constexpr char16_t kDisconnected[] = u"Disconnected";

constexpr uint32_t kKbitPerMbit = 1000;
// A rate the driver cannot have meant (nothing, or 500 Mbit/s and more) shows as the card's top rate.
constexpr uint32_t kImplausibleRateMbps = 500;
constexpr uint32_t kReplacementRateMbps = 150;

constexpr uint32_t kMaxQuality = 100;
constexpr uint32_t kExcellentFrom = 86;
constexpr uint32_t kGoodFrom = 71;
constexpr uint32_t kNormalFrom = 41;

struct NamedValue {
    uint32_t value;
    std::u16string_view text;
};

// DOT11_AUTH_ALGORITHM; any other value shows as "Open".
constexpr NamedValue kAuthenticationTexts[] = {{1, u"Open"},    {2, u"Shared"},   {3, u"WPA"},
                                               {4, u"WPA-PSK"}, {5, u"WPA-NONE"}, {6, u"RSNA"},
                                               {7, u"RSNA-PSK"}};
constexpr std::u16string_view kUnknownAuthentication = u"Open";
// DOT11_CIPHER_ALGORITHM; any other value (3, WRAP, included) shows as "NONE".
constexpr NamedValue kEncryptionTexts[] = {{0, u"NONE"},   {1, u"WEP40"},  {2, u"TKIP"},
                                           {4, u"CCMP"},   {5, u"WEP104"}, {0x100, u"WPA-GROUP"},
                                           {0x101, u"WEP"}};
constexpr std::u16string_view kUnknownEncryption = u"NONE";

template <size_t N>
std::u16string_view TextOf(const NamedValue (&table)[N], uint32_t value, std::u16string_view unknown) {
    for (const NamedValue& entry : table) {
        if (entry.value == value)
            return entry.text;
    }
    return unknown;
}

std::u16string RateText(uint32_t kbitPerSecond) {
    uint32_t mbps = kbitPerSecond / kKbitPerMbit;
    if (mbps == 0 || mbps >= kImplausibleRateMbps)
        mbps = kReplacementRateMbps;
    return DecimalText(mbps) + u" Mbps";
}

std::u16string_view BandWord(uint32_t quality) {
    if (quality >= kExcellentFrom)
        return u"excellent";
    if (quality >= kGoodFrom)
        return u"good";
    if (quality >= kNormalFrom)
        return u"normal";
    return u"weak";
}

// A 4-byte answer (interface state, channel number); nothing on failure or any other size.
std::optional<uint32_t> QueryValue(WlanService& wlan, WlanHandle handle, const Guid& card,
                                   WlanIntfOpcode opcode) {
    WlanInterfaceQueryResult result;
    if (wlan.QueryInterface(handle, card, opcode, result) != kWlanSuccess ||
        result.dataSize != kWlanDwordDataSize) {
        return std::nullopt;
    }
    return result.value;
}

}  // namespace

LinkStatusFigures ConnectedFigures(const WlanConnectionAttributes& connection, uint32_t channel,
                                   AnsiCodePage& codePage) {
    const size_t ssidLength = std::min<size_t>(connection.ssid.length, kDot11SsidMaxLength);
    const std::string_view ssidBytes(reinterpret_cast<const char*>(connection.ssid.ssid.data()), ssidLength);
    const uint32_t quality = std::min(connection.signalQuality, kMaxQuality);
    LinkStatusFigures figures;
    figures.status = kConnected;
    figures.ssid = codePage.AnsiToWide(ssidBytes);
    figures.channel = DecimalText(channel);
    figures.bssid = MacAddressText(connection.bssid);
    figures.networkType =
        connection.bssType == Dot11BssType::kInfrastructure ? u"Infrastructure" : u"independent";
    figures.authentication = TextOf(kAuthenticationTexts, connection.authAlgorithm, kUnknownAuthentication);
    figures.encryption = TextOf(kEncryptionTexts, connection.cipherAlgorithm, kUnknownEncryption);
    figures.txRate = RateText(connection.txRate);
    figures.rxRate = RateText(connection.rxRate);
    figures.quality = std::u16string(BandWord(quality)) + u" : " + DecimalText(quality);
    figures.qualityBar = quality;
    return figures;
}

std::optional<LinkStatusFigures> RefreshLinkStatus(WlanService& wlan, WlanHandle handle,
                                                   const std::optional<std::u16string>& interfaceGuidText,
                                                   AnsiCodePage& codePage) {
    if (!interfaceGuidText)
        return std::nullopt;
    const std::optional<Guid> card = GuidFromString(*interfaceGuidText);
    if (!card)
        return std::nullopt;
    const std::optional<uint32_t> state = QueryValue(wlan, handle, *card, WlanIntfOpcode::kInterfaceState);
    if (!state)
        return std::nullopt;
    if (*state != static_cast<uint32_t>(WlanInterfaceState::kConnected)) {
        LinkStatusFigures disconnected;
        disconnected.status = kDisconnected;
        return disconnected;
    }
    const std::optional<uint32_t> channel = QueryValue(wlan, handle, *card, WlanIntfOpcode::kChannelNumber);
    if (!channel)
        return std::nullopt;
    WlanInterfaceQueryResult connection;
    if (wlan.QueryInterface(handle, *card, WlanIntfOpcode::kCurrentConnection, connection) != kWlanSuccess ||
        connection.dataSize < kWlanConnectionAttributesSize) {
        return std::nullopt;
    }
    return ConnectedFigures(connection.connection, *channel, codePage);
}

}  // namespace aerowisp
