// Writing, reading and checking the device rules file.
#include "dhcp/core/device_rules.h"

#include <algorithm>
#include <charconv>

#include "dhcp/core/config.h"
#include "dhcp/core/text.h"

namespace aerowisp::dhcp {

namespace {

constexpr std::string_view kHeaderStart = "# Aerowisp devices ";
constexpr unsigned kVersion = 1;
constexpr std::string_view kColumns = "# hardware-address fixed-address|- allowed|blocked =name";
constexpr std::string_view kAllowed = "allowed";
constexpr std::string_view kBlocked = "blocked";
constexpr std::string_view kNoAddress = "-";

// "02:00:00:00:00:61" or "02-00-00-00-00-61".
std::optional<MacAddress> ParseMac(std::string_view text) {
    MacAddress mac{};
    if (text.size() != mac.size() * 3 - 1)
        return std::nullopt;
    for (size_t i = 0; i < mac.size(); ++i) {
        const int high = HexDigit(text[i * 3]);
        const int low = HexDigit(text[i * 3 + 1]);
        if (high < 0 || low < 0 || (i > 0 && text[i * 3 - 1] != ':' && text[i * 3 - 1] != '-'))
            return std::nullopt;
        mac[i] = static_cast<uint8_t>(high << 4 | low);
    }
    return mac;
}

// Well-formed UTF-8 of code points from U+0020 on, without DEL, C1 controls or surrogates.
bool FitName(std::string_view name) {
    if (name.size() > kMaxDeviceNameBytes)
        return false;
    for (size_t i = 0; i < name.size();) {
        const auto lead = static_cast<uint8_t>(name[i]);
        const size_t length = lead < 0x80                   ? 1
                              : lead >= 0xC2 && lead < 0xE0 ? 2
                              : lead >= 0xE0 && lead < 0xF0 ? 3
                              : lead >= 0xF0 && lead < 0xF5 ? 4
                                                            : 0;
        if (length == 0 || i + length > name.size())
            return false;
        uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<uint8_t>(name[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = code << 6 | (next & 0x3F);
        }
        constexpr uint32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kShortest[length] || code < 0x20 || (code >= 0x7F && code < 0xA0) ||
            (code >= 0xD800 && code < 0xE000) || code > 0x10FFFF)
            return false;
        i += length;
    }
    return true;
}

DeviceRulesRead Damaged(size_t line, std::string_view what) {
    DeviceRulesRead read;
    read.status = DeviceRulesRead::Status::kDamaged;
    read.problem = (line == 0 ? std::string() : "line " + std::to_string(line) + ": ") + std::string(what);
    return read;
}

std::optional<DeviceRule> ParseRule(std::string_view line) {
    DeviceRule rule;
    const std::optional<MacAddress> mac = ParseMac(TakeUntil(line, " "));
    const std::string_view address = TakeUntil(line, " ");
    const std::string_view access = TakeUntil(line, " ");
    if (!mac || line.empty() || line.front() != '=' || (access != kAllowed && access != kBlocked))
        return std::nullopt;
    rule.mac = *mac;
    if (address != kNoAddress) {
        const std::optional<Ipv4> reserved = ParseIpv4(address);
        if (!reserved)
            return std::nullopt;
        rule.reserved = *reserved;
    }
    rule.blocked = access == kBlocked;
    rule.name = std::string(line.substr(1));
    return rule;
}

}  // namespace

const DeviceRule* DeviceRules::Of(std::span<const uint8_t> mac) const {
    const auto found = std::find_if(devices.begin(), devices.end(), [&](const DeviceRule& rule) {
        return std::equal(rule.mac.begin(), rule.mac.end(), mac.begin(), mac.end());
    });
    return found == devices.end() ? nullptr : &*found;
}

const DeviceRule* DeviceRules::ReservedFor(Ipv4 address) const {
    if (address == 0)
        return nullptr;
    const auto found = std::find_if(devices.begin(), devices.end(),
                                    [&](const DeviceRule& rule) { return rule.reserved == address; });
    return found == devices.end() ? nullptr : &*found;
}

std::optional<std::string> DeviceRules::Problem() const {
    for (size_t i = 0; i < devices.size(); ++i) {
        const DeviceRule& rule = devices[i];
        const std::string who = HexText(rule.mac, ':');
        if (!FitName(rule.name))
            return who + ": the name is not " + std::to_string(kMaxDeviceNameBytes) +
                   " bytes or fewer of printable UTF-8";
        if (rule.reserved != 0 && !OnLinkHost(rule.reserved))
            return who + ": " + FormatIpv4(rule.reserved) + " is not an address of 192.168.139.2-254";
        for (size_t k = 0; k < i; ++k) {
            if (devices[k].mac == rule.mac)
                return who + " has two rules";
            if (rule.reserved != 0 && devices[k].reserved == rule.reserved)
                return FormatIpv4(rule.reserved) + " is fixed for two stations";
        }
    }
    return std::nullopt;
}

std::optional<std::string> FormatDeviceRules(const DeviceRules& rules) {
    if (rules.Problem())
        return std::nullopt;
    std::string text =
        std::string(kHeaderStart) + std::to_string(kVersion) + "\r\n" + std::string(kColumns) + "\r\n";
    for (const DeviceRule& rule : rules.devices) {
        text += HexText(rule.mac, ':') + ' ' +
                (rule.reserved == 0 ? std::string(kNoAddress) : FormatIpv4(rule.reserved)) + ' ' +
                std::string(rule.blocked ? kBlocked : kAllowed) + " =" + rule.name + "\r\n";
    }
    return text;
}

DeviceRulesRead ReadDeviceRules(std::string_view bytes) {
    const DecodedText decoded = DecodeFileText(bytes);
    if (!decoded.text)
        return Damaged(0, decoded.problem);
    std::string_view text = *decoded.text;
    std::string_view header = TakeLine(text);
    if (!header.starts_with(kHeaderStart))
        return Damaged(1, "no \"" + std::string(kHeaderStart) + std::to_string(kVersion) + "\" header");
    header.remove_prefix(kHeaderStart.size());
    unsigned version = 0;
    const auto [stop, error] = std::from_chars(header.data(), header.data() + header.size(), version);
    if (error != std::errc() || stop != header.data() + header.size())
        return Damaged(1, "the header's version is not a number");
    DeviceRulesRead read;
    if (version != kVersion) {
        read.status =
            version > kVersion ? DeviceRulesRead::Status::kNewerVersion : DeviceRulesRead::Status::kDamaged;
        read.problem = "version " + std::to_string(version) + " is not read by this version";
        return read;
    }
    for (size_t number = 2; !text.empty(); ++number) {
        const std::string_view line = TakeLine(text);
        if (line.empty() || line.front() == '#')
            continue;
        std::optional<DeviceRule> rule = ParseRule(line);
        if (!rule)
            return Damaged(number, "not \"hardware-address fixed-address|- allowed|blocked =name\"");
        read.rules.devices.push_back(std::move(*rule));
    }
    if (std::optional<std::string> problem = read.rules.Problem())
        return Damaged(0, *problem);
    return read;
}

}  // namespace aerowisp::dhcp
