// Reading DhcpServer.ini.
#include "dhcp/core/config.h"

#include <charconv>
#include <optional>

#include "dhcp/core/text.h"

namespace aerowisp::dhcp {

namespace {

constexpr std::string_view kSection = "DhcpServer";

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    const auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (fold(a[i]) != fold(b[i]))
            return false;
    }
    return true;
}

std::optional<Ipv4> PoolAddress(std::string_view value) {
    std::optional<Ipv4> address = ParseIpv4(value);
    if (!address || !OnLinkHost(*address))
        return std::nullopt;
    return address;
}

std::optional<std::vector<Ipv4>> DnsList(std::string_view value) {
    std::vector<Ipv4> servers;
    while (!value.empty()) {
        const std::string_view item = TakeUntil(value, ", \t");
        if (item.empty())
            continue;
        std::optional<Ipv4> address = ParseIpv4(item);
        if (!address || *address == 0 || *address == kBroadcast || servers.size() == kMaxDnsServers)
            return std::nullopt;
        servers.push_back(*address);
    }
    return servers;
}

}  // namespace

ConfigResult ParseConfig(std::string_view text) {
    ConfigResult result;
    const Config defaults;
    std::optional<Ipv4> first;
    std::optional<Ipv4> last;
    bool inSection = false;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::string_view line = Trim(TakeLine(text));
        ++lineNumber;
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            inSection =
                line.back() == ']' && SameIgnoringCase(Trim(line.substr(1, line.size() - 2)), kSection);
            continue;
        }
        if (!inSection)
            continue;
        const size_t equals = line.find('=');
        const std::string_view key = Trim(line.substr(0, equals));
        const std::string_view value = equals == std::string_view::npos ? "" : Trim(line.substr(equals + 1));
        const std::string where = "DhcpServer.ini line " + std::to_string(lineNumber) + ": ";
        const auto refuse = [&](const std::string& why) {
            result.problems.push_back(where + why + "; the default is used");
        };
        if (SameIgnoringCase(key, "PoolFirst") || SameIgnoringCase(key, "PoolLast")) {
            std::optional<Ipv4> address = PoolAddress(value);
            if (!address)
                refuse(std::string(key) + " is not an address of 192.168.139.2-254");
            (SameIgnoringCase(key, "PoolFirst") ? first : last) = address;
        } else if (SameIgnoringCase(key, "LeaseTime")) {
            uint32_t seconds = 0;
            const auto [stop, error] = std::from_chars(value.data(), value.data() + value.size(), seconds);
            if (error == std::errc() && stop == value.data() + value.size() && seconds >= kMinLeaseSeconds &&
                seconds <= kMaxLeaseSeconds)
                result.config.leaseSeconds = seconds;
            else
                refuse("LeaseTime must be " + std::to_string(kMinLeaseSeconds) + "-" +
                       std::to_string(kMaxLeaseSeconds) + " seconds");
        } else if (SameIgnoringCase(key, "DNS")) {
            std::optional<std::vector<Ipv4>> servers = DnsList(value);
            if (servers)
                result.config.dns = std::move(*servers);
            else
                refuse("DNS must be up to three addresses");
        } else {
            result.problems.push_back(where + "unknown setting '" + std::string(key) + "' is ignored");
        }
    }
    if (first)
        result.config.poolFirst = *first;
    if (last)
        result.config.poolLast = *last;
    if (result.config.poolFirst > result.config.poolLast) {
        result.problems.push_back("DhcpServer.ini: PoolFirst lies after PoolLast; the default range is used");
        result.config.poolFirst = defaults.poolFirst;
        result.config.poolLast = defaults.poolLast;
    }
    return result;
}

ConfigResult ReadConfig(std::string_view bytes) {
    DecodedText decoded = DecodeFileText(bytes);
    if (!decoded.text) {
        ConfigResult result;
        result.problems.push_back("DhcpServer.ini " + decoded.problem + "; it is ignored");
        return result;
    }
    return ParseConfig(*decoded.text);
}

std::vector<Ipv4> ChooseDnsServers(const Config& config, const std::vector<Ipv4>& hostServers) {
    if (!config.dns.empty())
        return config.dns;
    std::vector<Ipv4> servers;
    for (Ipv4 server : hostServers) {
        // A loopback resolver of the host cannot be reached from a station.
        if (server != 0 && server != kBroadcast && (server >> 24) != 127 && servers.size() < kMaxDnsServers)
            servers.push_back(server);
    }
    if (servers.empty())
        servers.push_back(kServerAddress);
    return servers;
}

}  // namespace aerowisp::dhcp
