// Reads a scenario file into plain records; every problem is reported with its line, nothing throws.
#include "sim/scenario.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <map>
#include <span>

#include "core/text/utf16_text.h"
#include "sim/hosted_network_reasons.h"
#include "sim/operations.h"
#include "sim/sim_file.h"
#include "sim/sim_text.h"

namespace aerowisp {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

struct RawLine {
    int number = 0;
    std::string key;
    std::string value;
};

struct RawSection {
    int number = 0;
    std::string name;
    std::vector<RawLine> lines;
};

// What is wrong with a value, or nothing when it was taken.
using Problem = std::optional<std::string>;

std::string_view Trim(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string Quoted(std::string_view text) {
    std::string quoted(1, '\'');
    quoted.append(text).push_back('\'');
    return quoted;
}

class ErrorList {
  public:
    explicit ErrorList(std::vector<ScenarioError>& errors) : errors_(errors) {}
    void Add(int line, std::string message) { errors_.push_back({line, std::move(message)}); }

  private:
    std::vector<ScenarioError>& errors_;
};

std::vector<RawSection> SplitSections(std::string_view text, ErrorList& errors) {
    if (text.starts_with(kUtf8ByteOrderMark))
        text.remove_prefix(kUtf8ByteOrderMark.size());
    std::vector<RawSection> sections;
    int number = 0;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            if (line.back() != ']') {
                errors.Add(number, "section header without closing ']'");
                continue;
            }
            const std::string_view name = Trim(line.substr(1, line.size() - 2));
            if (name.empty()) {
                errors.Add(number, "empty section name");
                continue;
            }
            sections.push_back({number, std::string(name), {}});
            continue;
        }
        if (sections.empty()) {
            errors.Add(number, "text outside a section: " + Quoted(line));
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            errors.Add(number, "expected 'key = value', found " + Quoted(line));
            continue;
        }
        const std::string_view key = Trim(line.substr(0, equals));
        if (key.empty()) {
            errors.Add(number, "missing key before '='");
            continue;
        }
        sections.back().lines.push_back(
            {number, std::string(key), std::string(Trim(line.substr(equals + 1)))});
    }
    return sections;
}

// ---- Values ----

Problem ParseNumber(std::string_view text, uint32_t& out) {
    uint64_t value = 0;
    int base = 10;
    std::string_view digits = text;
    if (digits.starts_with("0x") || digits.starts_with("0X")) {
        base = 16;
        digits.remove_prefix(2);
    }
    if (digits.empty())
        return "bad number " + Quoted(text);
    for (char c : digits) {
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            return "bad number " + Quoted(text);
        value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
        if (value > UINT32_MAX)
            return "number out of range " + Quoted(text);
    }
    out = static_cast<uint32_t>(value);
    return std::nullopt;
}

Problem ParseFlag(std::string_view text, bool& out) {
    constexpr std::string_view kYes[] = {"yes", "true", "on", "1"};
    constexpr std::string_view kNo[] = {"no", "false", "off", "0"};
    for (std::string_view word : kYes) {
        if (EqualsIgnoringAsciiCase(text, word)) {
            out = true;
            return std::nullopt;
        }
    }
    for (std::string_view word : kNo) {
        if (EqualsIgnoringAsciiCase(text, word)) {
            out = false;
            return std::nullopt;
        }
    }
    return "expected yes or no, found " + Quoted(text);
}

Problem ParseText(std::string_view text, std::u16string& out) {
    auto converted = Utf8ToUtf16(text);
    if (!converted)
        return std::string("text is not valid UTF-8");
    out = std::move(*converted);
    return std::nullopt;
}

Problem ParseSsid(std::string_view text, std::string& out) {
    if (text.size() > kDot11SsidMaxLength)
        return "SSID longer than 32 bytes " + Quoted(text);
    out = std::string(text);
    return std::nullopt;
}

Problem ParseGuid(std::string_view text, Guid& out) {
    std::string_view inner = text;
    if (inner.size() >= 2 && inner.front() == '{' && inner.back() == '}')
        inner = inner.substr(1, inner.size() - 2);
    const auto wide = Utf8ToUtf16(inner);
    const auto guid = wide ? GuidFromString(*wide) : std::nullopt;
    if (!guid)
        return "bad GUID " + Quoted(text);
    out = *guid;
    return std::nullopt;
}

Problem ParseMac(std::string_view text, MacAddress& out) {
    // Six pairs of hex digits separated by '-' or ':'.
    constexpr size_t kMacTextLength = 17;
    MacAddress mac{};
    bool good = text.size() == kMacTextLength;
    for (size_t i = 0; good && i < mac.size(); ++i) {
        const size_t at = i * 3;
        if (i > 0 && text[at - 1] != '-' && text[at - 1] != ':')
            good = false;
        uint32_t byte = 0;
        if (good && ParseNumber("0x" + std::string(text.substr(at, 2)), byte))
            good = false;
        mac[i] = static_cast<uint8_t>(byte);
    }
    if (!good)
        return "bad MAC address " + Quoted(text);
    out = mac;
    return std::nullopt;
}

struct NamedNumber {
    std::string_view name;
    uint32_t value;
};

// A name from the table (case of A-Z ignored) or, where numbers are allowed, a plain number. A problem
// lists the names, or says `namesDescription` instead where the list would be too long to help.
Problem ParseNamed(std::string_view text, std::span<const NamedNumber> names, uint32_t& out,
                   bool numbersAllowed = true, std::string_view namesDescription = {}) {
    for (const NamedNumber& named : names) {
        if (EqualsIgnoringAsciiCase(text, named.name)) {
            out = named.value;
            return std::nullopt;
        }
    }
    if (numbersAllowed && !text.empty() && text.front() >= '0' && text.front() <= '9') {
        return ParseNumber(text, out);
    }
    std::string known = "one of: ";
    for (const NamedNumber& named : names)
        known += (&named == names.data() ? "" : ", ") + std::string(named.name);
    return "unknown value " + Quoted(text) + " (expected " + (numbersAllowed ? "a number or " : "") +
           (namesDescription.empty() ? known : std::string(namesDescription)) + ")";
}

template <typename Enum>
Problem ParseNamedEnum(std::string_view text, std::span<const NamedNumber> names, Enum& out,
                       bool numbersAllowed = true) {
    uint32_t value = 0;
    Problem problem = ParseNamed(text, names, value, numbersAllowed);
    if (!problem)
        out = static_cast<Enum>(value);
    return problem;
}

// Each reason's name with its value, its index in the list of names.
constexpr auto kHostedNetworkReasons = [] {
    std::array<NamedNumber, kHostedNetworkReasonNames.size()> reasons{};
    for (uint32_t value = 0; value < reasons.size(); ++value)
        reasons[value] = {kHostedNetworkReasonNames[value], value};
    return reasons;
}();

constexpr NamedNumber kInterfaceStates[] = {
    {"not_ready", 0},    {"connected", 1},   {"ad_hoc_network_formed", 2}, {"disconnecting", 3},
    {"disconnected", 4}, {"associating", 5}, {"discovering", 6},           {"authenticating", 7},
};
constexpr NamedNumber kBssTypes[] = {{"infrastructure", 1}, {"independent", 2}, {"any", 3}};
constexpr NamedNumber kAuthAlgorithms[] = {
    {"open", 1}, {"shared", 2}, {"wpa", 3}, {"wpa_psk", 4}, {"wpa_none", 5}, {"rsna", 6}, {"rsna_psk", 7},
};
constexpr NamedNumber kCipherAlgorithms[] = {
    {"none", 0}, {"wep40", 1}, {"tkip", 2}, {"ccmp", 4}, {"wep104", 5}, {"wpa_group", 0x100}, {"wep", 0x101},
};
constexpr NamedNumber kPhyTypes[] = {
    {"fhss", 1}, {"dsss", 2}, {"irbaseband", 3}, {"ofdm", 4}, {"hrdsss", 5}, {"erp", 6}, {"ht", 7},
};
constexpr NamedNumber kMediaTypes[] = {
    {"none", 0},
    {"direct", 1},
    {"isdn", 2},
    {"lan", 3},
    {"phone", 4},
    {"tunnel", 5},
    {"pppoe", 6},
    {"bridge", 7},
    {"sharedaccesshost_lan", 8},
    {"sharedaccesshost_ras", 9},
};
constexpr NamedNumber kConnectionStatuses[] = {
    {"disconnected", 0},
    {"connecting", 1},
    {"connected", 2},
    {"disconnecting", 3},
    {"hardware_not_present", 4},
    {"hardware_disabled", 5},
    {"hardware_malfunction", 6},
    {"media_disconnected", 7},
    {"authenticating", 8},
    {"authentication_succeeded", 9},
    {"authentication_failed", 10},
    {"invalid_address", 11},
    {"credentials_required", 12},
};
constexpr NamedNumber kAdapterTypes[] = {
    {"other", 1},     {"ethernet", 6}, {"tokenring", 9}, {"ppp", 23},
    {"loopback", 24}, {"slip", 28},    {"wireless", 71},
};
constexpr NamedNumber kSharingStates[] = {
    {"none", static_cast<uint32_t>(SharingState::kNone)},
    {"public", static_cast<uint32_t>(SharingState::kPublic)},
    {"private", static_cast<uint32_t>(SharingState::kPrivate)},
};
constexpr NamedNumber kRadioStates[] = {
    {"on", static_cast<uint32_t>(Dot11RadioState::kOn)},
    {"off", static_cast<uint32_t>(Dot11RadioState::kOff)},
};

// "on" for every PHY, or one state per PHY: "on, off".
Problem ParseRadioList(std::string_view text, std::vector<Dot11RadioState>& out) {
    std::vector<Dot11RadioState> states;
    while (true) {
        const size_t comma = text.find(',');
        Dot11RadioState state{};
        if (Problem problem = ParseNamedEnum(Trim(text.substr(0, comma)), kRadioStates, state, false))
            return problem;
        states.push_back(state);
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    out = std::move(states);
    return std::nullopt;
}

Problem ParseRegistryData(std::string_view text, RegistryValue& out) {
    const size_t colon = text.find(':');
    const std::string type =
        colon == std::string_view::npos ? "" : FoldAsciiCase(Trim(text.substr(0, colon)));
    const std::string_view data = colon == std::string_view::npos ? "" : text.substr(colon + 1);
    if (type == "DWORD") {
        uint32_t value = 0;
        if (Problem problem = ParseNumber(Trim(data), value))
            return problem;
        out = RegistryValue::Dword(value);
    } else if (type == "SZ" || type == "EXPAND_SZ") {
        std::u16string value;
        if (Problem problem = ParseText(data, value))
            return problem;
        out = type == "SZ" ? RegistryValue::Sz(value) : RegistryValue::ExpandSz(value);
    } else if (type == "BINARY") {
        // Pairs of hex digits, optionally separated by spaces or commas.
        std::vector<uint8_t> bytes;
        std::string digits;
        for (char c : data) {
            if (c == ' ' || c == ',')
                continue;
            digits.push_back(c);
        }
        for (size_t i = 0; i < digits.size(); i += 2) {
            uint32_t byte = 0;
            if (i + 1 >= digits.size() || ParseNumber("0x" + digits.substr(i, 2), byte)) {
                return "bad binary data " + Quoted(data);
            }
            bytes.push_back(static_cast<uint8_t>(byte));
        }
        out = RegistryValue::Binary(std::move(bytes));
    } else {
        return "a registry value needs a type: dword:, sz:, expand_sz: or binary:, found " + Quoted(text);
    }
    return std::nullopt;
}

constexpr NamedNumber kServiceStartTypes[] = {
    {"boot", 0}, {"system", 1}, {"automatic", 2}, {"manual", 3}, {"disabled", 4},
};
constexpr NamedNumber kServiceStates[] = {{"stopped", 1}, {"running", 4}};
constexpr NamedNumber kFirewallProtocols[] = {{"tcp", 6}, {"udp", 17}, {"any", 256}};
constexpr NamedNumber kFirewallDirections[] = {{"in", 1}, {"out", 2}};
constexpr NamedNumber kFirewallActions[] = {{"block", 0}, {"allow", 1}};
constexpr NamedNumber kFirewallProfiles[] = {
    {"domain", kFirewallProfileDomain},
    {"private", kFirewallProfilePrivate},
    {"public", kFirewallProfilePublic},
    {"all", kFirewallProfilesAll},
};

// "a, b, c": each item trimmed, empty items left out.
std::vector<std::string_view> SplitList(std::string_view text) {
    std::vector<std::string_view> items;
    while (!text.empty()) {
        const size_t comma = text.find(',');
        const std::string_view item = Trim(text.substr(0, comma));
        text.remove_prefix(comma == std::string_view::npos ? text.size() : comma + 1);
        if (!item.empty())
            items.push_back(item);
    }
    return items;
}

// ---- Sections ----

template <typename Record>
struct Field {
    std::string_view key;
    bool required;
    Problem (*apply)(std::string_view value, Record& record);
};

// Lines whose key no field names; Registry and Ini sections take them as values.
template <typename Record>
using OtherKeyHandler = Problem (*)(const RawLine& line, Record& record);

// Line numbers of the keys a section gave, by key as the field table spells it.
using SeenKeys = std::map<std::string_view, int>;

template <typename Record>
SeenKeys ReadFields(const RawSection& section, std::span<const Field<Record>> fields, Record& record,
                    ErrorList& errors, OtherKeyHandler<Record> other = nullptr) {
    SeenKeys seen;
    for (const RawLine& line : section.lines) {
        const auto field = std::find_if(fields.begin(), fields.end(), [&](const Field<Record>& f) {
            return EqualsIgnoringAsciiCase(f.key, line.key);
        });
        if (field == fields.end()) {
            if (other == nullptr) {
                errors.Add(line.number, "unknown key " + Quoted(line.key) + " in [" + section.name + "]");
            } else if (Problem problem = other(line, record)) {
                errors.Add(line.number, *problem);
            }
            continue;
        }
        if (auto first = seen.find(field->key); first != seen.end()) {
            errors.Add(line.number, std::string(field->key) + " given twice in [" + section.name +
                                        "] (first on line " + std::to_string(first->second) + ")");
            continue;
        }
        seen.emplace(field->key, line.number);
        if (Problem problem = field->apply(line.value, record)) {
            errors.Add(line.number, *problem + " for " + std::string(field->key));
        }
    }
    for (const Field<Record>& field : fields) {
        if (field.required && !seen.contains(field.key)) {
            errors.Add(section.number, "[" + section.name + "] needs " + std::string(field.key));
        }
    }
    return seen;
}

const Field<ScenarioMachine> kMachineFields[] = {
    {"StartTick", false, [](std::string_view v, ScenarioMachine& r) { return ParseNumber(v, r.startTick); }},
    {"ComputerName", false,
     [](std::string_view v, ScenarioMachine& r) { return ParseText(v, r.computerName); }},
    {"ProgramFolder", false,
     [](std::string_view v, ScenarioMachine& r) -> Problem {
         if (!v.ends_with('\\'))
             return std::string("the folder must end with a backslash");
         return ParseText(v, r.programFolder);
     }},
    {"NetshDuration", false,
     [](std::string_view v, ScenarioMachine& r) { return ParseNumber(v, r.netshDurationMs); }},
    {"NetshExitCode", false,
     [](std::string_view v, ScenarioMachine& r) { return ParseNumber(v, r.netshExitCode); }},
    {"SharingChangeDuration", false,
     [](std::string_view v, ScenarioMachine& r) { return ParseNumber(v, r.sharingChangeMs); }},
};

// A card while its section is read: the radio lists are checked against Phys at the end.
struct CardDraft {
    ScenarioCard card;
    uint32_t phys = 1;
    std::vector<Dot11RadioState> software{Dot11RadioState::kOn};
    std::vector<Dot11RadioState> hardware{Dot11RadioState::kOn};
};

const Field<CardDraft> kCardFields[] = {
    {"Guid", true, [](std::string_view v, CardDraft& r) { return ParseGuid(v, r.card.guid); }},
    {"Description", true, [](std::string_view v, CardDraft& r) { return ParseText(v, r.card.description); }},
    {"Phys", false,
     [](std::string_view v, CardDraft& r) -> Problem {
         uint32_t phys = 0;
         if (Problem problem = ParseNumber(v, phys))
             return problem;
         if (phys > kMaxPhysPerCard)
             return "more than " + std::to_string(kMaxPhysPerCard) + " PHYs";
         r.phys = phys;
         return std::nullopt;
     }},
    {"SoftwareRadio", false, [](std::string_view v, CardDraft& r) { return ParseRadioList(v, r.software); }},
    {"HardwareRadio", false, [](std::string_view v, CardDraft& r) { return ParseRadioList(v, r.hardware); }},
    {"State", false,
     [](std::string_view v, CardDraft& r) { return ParseNamedEnum(v, kInterfaceStates, r.card.state); }},
    {"Profile", false, [](std::string_view v, CardDraft& r) { return ParseText(v, r.card.profileName); }},
    {"Ssid", false, [](std::string_view v, CardDraft& r) { return ParseSsid(v, r.card.ssid); }},
    {"BssType", false,
     [](std::string_view v, CardDraft& r) { return ParseNamedEnum(v, kBssTypes, r.card.bssType); }},
    {"Bssid", false, [](std::string_view v, CardDraft& r) { return ParseMac(v, r.card.bssid); }},
    {"PhyType", false,
     [](std::string_view v, CardDraft& r) { return ParseNamed(v, kPhyTypes, r.card.phyType); }},
    {"SignalQuality", false,
     [](std::string_view v, CardDraft& r) { return ParseNumber(v, r.card.signalQuality); }},
    {"RxRate", false, [](std::string_view v, CardDraft& r) { return ParseNumber(v, r.card.rxRate); }},
    {"TxRate", false, [](std::string_view v, CardDraft& r) { return ParseNumber(v, r.card.txRate); }},
    {"Auth", false,
     [](std::string_view v, CardDraft& r) { return ParseNamed(v, kAuthAlgorithms, r.card.authAlgorithm); }},
    {"Cipher", false,
     [](std::string_view v, CardDraft& r) {
         return ParseNamed(v, kCipherAlgorithms, r.card.cipherAlgorithm);
     }},
    {"Channel", false, [](std::string_view v, CardDraft& r) { return ParseNumber(v, r.card.channel); }},
    {"HostedNetwork", false,
     [](std::string_view v, CardDraft& r) { return ParseFlag(v, r.card.hostedNetwork); }},
};

const Field<ScenarioConnection> kConnectionFields[] = {
    {"Name", true, [](std::string_view v, ScenarioConnection& r) { return ParseText(v, r.name); }},
    {"Device", true, [](std::string_view v, ScenarioConnection& r) { return ParseText(v, r.deviceName); }},
    {"Guid", true, [](std::string_view v, ScenarioConnection& r) { return ParseGuid(v, r.guid); }},
    {"Mac", false, [](std::string_view v, ScenarioConnection& r) { return ParseMac(v, r.mac); }},
    {"Media", false,
     [](std::string_view v, ScenarioConnection& r) { return ParseNamed(v, kMediaTypes, r.mediaType); }},
    {"Status", false,
     [](std::string_view v, ScenarioConnection& r) { return ParseNamed(v, kConnectionStatuses, r.status); }},
    {"Type", false,
     [](std::string_view v, ScenarioConnection& r) { return ParseNamed(v, kAdapterTypes, r.adapterType); }},
    {"Sharing", false,
     [](std::string_view v, ScenarioConnection& r) {
         return ParseNamedEnum(v, kSharingStates, r.sharing, false);
     }},
    {"Characteristics", false,
     [](std::string_view v, ScenarioConnection& r) { return ParseNumber(v, r.characteristics); }},
    {"Adapter", false,
     [](std::string_view v, ScenarioConnection& r) { return ParseFlag(v, r.listedAdapter); }},
    {"AdapterDescription", false,
     [](std::string_view v, ScenarioConnection& r) { return ParseText(v, r.adapterDescription.emplace()); }},
    {"RegistryName", false,
     [](std::string_view v, ScenarioConnection& r) -> Problem {
         using Kind = ScenarioRegistryName::Kind;
         if (EqualsIgnoringAsciiCase(v, "none")) {
             r.registryName = {Kind::kNoValue, std::nullopt};
             return std::nullopt;
         }
         if (EqualsIgnoringAsciiCase(v, "nokey")) {
             r.registryName = {Kind::kNoKey, std::nullopt};
             return std::nullopt;
         }
         RegistryValue value;
         if (Problem problem = ParseRegistryData(v, value))
             return problem;
         r.registryName = {Kind::kValue, std::move(value)};
         return std::nullopt;
     }},
    {"NullProperties", false,
     [](std::string_view v, ScenarioConnection& r) -> Problem {
         r.nullGuid = r.nullName = r.nullDevice = false;
         while (!v.empty()) {
             const size_t comma = v.find(',');
             const std::string_view item = Trim(v.substr(0, comma));
             v.remove_prefix(comma == std::string_view::npos ? v.size() : comma + 1);
             if (EqualsIgnoringAsciiCase(item, "guid")) {
                 r.nullGuid = true;
             } else if (EqualsIgnoringAsciiCase(item, "name")) {
                 r.nullName = true;
             } else if (EqualsIgnoringAsciiCase(item, "device")) {
                 r.nullDevice = true;
             } else {
                 return "unknown property " + Quoted(item) + " (expected guid, name or device)";
             }
         }
         return std::nullopt;
     }},
    {"Present", false, [](std::string_view v, ScenarioConnection& r) { return ParseFlag(v, r.present); }},
    {"DefaultRoute", false,
     [](std::string_view v, ScenarioConnection& r) { return ParseFlag(v, r.defaultRoute); }},
};

const Field<ScenarioService> kServiceFields[] = {
    {"Name", true, [](std::string_view v, ScenarioService& r) { return ParseText(v, r.name); }},
    {"StartType", false,
     [](std::string_view v, ScenarioService& r) {
         return ParseNamedEnum(v, kServiceStartTypes, r.startType, false);
     }},
    {"State", false,
     [](std::string_view v, ScenarioService& r) {
         return ParseNamedEnum(v, kServiceStates, r.state, false);
     }},
    {"DependsOn", false,
     [](std::string_view v, ScenarioService& r) -> Problem {
         r.dependencies.clear();
         for (std::string_view item : SplitList(v)) {
             if (Problem problem = ParseText(item, r.dependencies.emplace_back()))
                 return problem;
         }
         return std::nullopt;
     }},
    {"StartError", false,
     [](std::string_view v, ScenarioService& r) { return ParseNumber(v, r.startError); }},
};

const Field<ScenarioSharingService> kSharingServiceFields[] = {
    {"ScopeAddress", false,
     [](std::string_view v, ScenarioSharingService& r) { return ParseText(v, r.scopeAddress.emplace()); }},
};

const Field<FirewallRule> kFirewallRuleFields[] = {
    {"Name", true, [](std::string_view v, FirewallRule& r) { return ParseText(v, r.name); }},
    {"Program", false, [](std::string_view v, FirewallRule& r) { return ParseText(v, r.applicationName); }},
    {"Protocol", false,
     [](std::string_view v, FirewallRule& r) { return ParseNamed(v, kFirewallProtocols, r.protocol); }},
    {"LocalPorts", false, [](std::string_view v, FirewallRule& r) { return ParseText(v, r.localPorts); }},
    {"Direction", false,
     [](std::string_view v, FirewallRule& r) {
         return ParseNamed(v, kFirewallDirections, r.direction, false);
     }},
    {"Action", false,
     [](std::string_view v, FirewallRule& r) { return ParseNamed(v, kFirewallActions, r.action, false); }},
    {"Profiles", false,
     [](std::string_view v, FirewallRule& r) -> Problem {
         r.profiles = 0;
         for (std::string_view item : SplitList(v)) {
             uint32_t profile = 0;
             if (Problem problem = ParseNamed(item, kFirewallProfiles, profile, false))
                 return problem;
             r.profiles |= profile;
         }
         return std::nullopt;
     }},
    {"Enabled", false, [](std::string_view v, FirewallRule& r) { return ParseFlag(v, r.enabled); }},
};

const Field<ScenarioHostedNetwork> kHostedNetworkFields[] = {
    {"Allowed", false, [](std::string_view v, ScenarioHostedNetwork& r) { return ParseFlag(v, r.allowed); }},
    {"Ssid", false, [](std::string_view v, ScenarioHostedNetwork& r) { return ParseSsid(v, r.ssid); }},
    {"MaxPeers", false,
     [](std::string_view v, ScenarioHostedNetwork& r) { return ParseNumber(v, r.maxPeers); }},
    {"Key", false,
     [](std::string_view v, ScenarioHostedNetwork& r) -> Problem {
         r.key = std::string(v);
         return std::nullopt;
     }},
    {"Passphrase", false,
     [](std::string_view v, ScenarioHostedNetwork& r) { return ParseFlag(v, r.passphrase); }},
    {"Persistent", false,
     [](std::string_view v, ScenarioHostedNetwork& r) { return ParseFlag(v, r.persistent); }},
    {"Running", false, [](std::string_view v, ScenarioHostedNetwork& r) { return ParseFlag(v, r.running); }},
    {"VirtualAdapterGuid", false,
     [](std::string_view v, ScenarioHostedNetwork& r) { return ParseGuid(v, r.virtualAdapterGuid); }},
    {"Bssid", false, [](std::string_view v, ScenarioHostedNetwork& r) { return ParseMac(v, r.bssid); }},
};

const Field<ScenarioStation> kStationFields[] = {
    {"Mac", true, [](std::string_view v, ScenarioStation& r) { return ParseMac(v, r.mac); }},
    {"JoinAfter", false, [](std::string_view v, ScenarioStation& r) { return ParseNumber(v, r.joinAfter); }},
    {"LeaveAfter", false,
     [](std::string_view v, ScenarioStation& r) { return ParseNumber(v, r.leaveAfter); }},
    {"Authenticated", false,
     [](std::string_view v, ScenarioStation& r) { return ParseFlag(v, r.authenticated); }},
};

const Field<ScenarioFailure> kFailureFields[] = {
    {"Operation", true,
     [](std::string_view v, ScenarioFailure& r) -> Problem {
         for (std::string_view name : op::kFailableOperations) {
             if (EqualsIgnoringAsciiCase(v, name)) {
                 r.operation = std::string(name);
                 return std::nullopt;
             }
         }
         return "unknown operation " + Quoted(v);
     }},
    {"Error", true, [](std::string_view v, ScenarioFailure& r) { return ParseNumber(v, r.error); }},
    {"Reason", false,
     [](std::string_view v, ScenarioFailure& r) {
         return ParseNamed(
             v, kHostedNetworkReasons, r.reason, true,
             "a WLAN_HOSTED_NETWORK_REASON name without its prefix, such as interface_unavailable");
     }},
    {"Times", false,
     [](std::string_view v, ScenarioFailure& r) -> Problem {
         if (EqualsIgnoringAsciiCase(v, "always")) {
             r.times.reset();
             return std::nullopt;
         }
         uint32_t times = 0;
         if (Problem problem = ParseNumber(v, times))
             return problem;
         if (times == 0)
             return std::string("expected a count of at least 1 or 'always', found '0'");
         r.times = times;
         return std::nullopt;
     }},
    {"From", false,
     [](std::string_view v, ScenarioFailure& r) -> Problem {
         if (Problem problem = ParseNumber(v, r.from))
             return problem;
         if (r.from == 0)
             return std::string("expected a call number of at least 1, found '0'");
         return std::nullopt;
     }},
};

const Field<ScenarioRegistryKey> kRegistryFields[] = {
    {"Key", false, [](std::string_view v, ScenarioRegistryKey& r) { return ParseText(v, r.path); }},
    {"ReadOnly", false, [](std::string_view v, ScenarioRegistryKey& r) { return ParseFlag(v, r.readOnly); }},
};

Problem ReadRegistryValue(const RawLine& line, ScenarioRegistryKey& key) {
    std::u16string name;
    if (Problem problem = ParseText(line.key, name))
        return problem;
    const std::u16string folded = FoldAsciiCase(name);
    for (const auto& [existing, value] : key.values) {
        if (FoldAsciiCase(existing) == folded)
            return "registry value " + Quoted(line.key) + " given twice";
    }
    RegistryValue value;
    if (Problem problem = ParseRegistryData(line.value, value))
        return *problem + " for " + line.key;
    key.values.emplace_back(std::move(name), std::move(value));
    return std::nullopt;
}

const Field<ScenarioIniFile> kIniFields[] = {
    {"File", false, [](std::string_view v, ScenarioIniFile& r) { return ParseText(v, r.file); }},
    {"Section", false, [](std::string_view v, ScenarioIniFile& r) { return ParseText(v, r.section); }},
};

Problem ReadIniEntry(const RawLine& line, ScenarioIniFile& ini) {
    std::u16string key;
    std::u16string value;
    if (Problem problem = ParseText(line.key, key))
        return problem;
    if (Problem problem = ParseText(line.value, value))
        return *problem + " for " + line.key;
    const std::u16string folded = FoldAsciiCase(key);
    for (const auto& [existing, unused] : ini.entries) {
        if (FoldAsciiCase(existing) == folded)
            return "INI entry " + Quoted(line.key) + " given twice";
    }
    ini.entries.emplace_back(std::move(key), std::move(value));
    return std::nullopt;
}

void FinishCard(const RawSection& section, const SeenKeys& seen, CardDraft& draft, ErrorList& errors) {
    draft.card.phys.assign(draft.phys, ScenarioPhy{});
    const auto apply = [&](std::string_view key, const std::vector<Dot11RadioState>& states,
                           Dot11RadioState ScenarioPhy::*member) {
        if (states.size() != 1 && states.size() != draft.phys) {
            const auto at = seen.find(key);
            errors.Add(at == seen.end() ? section.number : at->second,
                       std::string(key) + " lists " + std::to_string(states.size()) + " states for " +
                           std::to_string(draft.phys) + " PHYs");
            return;
        }
        for (size_t i = 0; i < draft.card.phys.size(); ++i) {
            draft.card.phys[i].*member = states[states.size() == 1 ? 0 : i];
        }
    };
    apply("SoftwareRadio", draft.software, &ScenarioPhy::software);
    apply("HardwareRadio", draft.hardware, &ScenarioPhy::hardware);
}

class ScenarioReader {
  public:
    explicit ScenarioReader(std::vector<ScenarioError>& errors) : errors_(errors) {}

    void Read(const RawSection& section) {
        const std::string name = FoldAsciiCase(section.name);
        if (name == "MACHINE") {
            if (Single(section, machineLine_))
                ReadFields<ScenarioMachine>(section, kMachineFields, scenario_.machine, errors_);
        } else if (name == "HOSTEDNETWORK") {
            if (Single(section, hostedNetworkLine_)) {
                ReadFields<ScenarioHostedNetwork>(section, kHostedNetworkFields, scenario_.hostedNetwork,
                                                  errors_);
            }
        } else if (name == "CARD") {
            CardDraft draft;
            const SeenKeys seen = ReadFields<CardDraft>(section, kCardFields, draft, errors_);
            FinishCard(section, seen, draft, errors_);
            Unique(section, draft.card.guid, cardLines_, "card");
            scenario_.cards.push_back(std::move(draft.card));
        } else if (name == "CONNECTION") {
            ScenarioConnection connection;
            ReadFields<ScenarioConnection>(section, kConnectionFields, connection, errors_);
            Unique(section, connection.guid, connectionLines_, "connection");
            scenario_.connections.push_back(std::move(connection));
        } else if (name == "SERVICE") {
            ScenarioService service;
            ReadFields<ScenarioService>(section, kServiceFields, service, errors_);
            auto same = std::ranges::find_if(scenario_.services, [&](const ScenarioService& known) {
                return FoldAsciiCase(known.name) == FoldAsciiCase(service.name);
            });
            sharingServiceGiven_ =
                sharingServiceGiven_ ||
                FoldAsciiCase(service.name) == FoldAsciiCase(std::u16string_view(kSharingServiceName));
            if (same == scenario_.services.end()) {
                scenario_.services.push_back(std::move(service));
            } else {
                *same = std::move(service);
            }
        } else if (name == "SHARINGSERVICE") {
            if (Single(section, sharingServiceLine_)) {
                ReadFields<ScenarioSharingService>(section, kSharingServiceFields, scenario_.sharingService,
                                                   errors_);
            }
        } else if (name == "FIREWALLRULE") {
            ReadFields<FirewallRule>(section, kFirewallRuleFields, scenario_.firewallRules.emplace_back(),
                                     errors_);
        } else if (name == "STATION") {
            ReadFields<ScenarioStation>(section, kStationFields, scenario_.stations.emplace_back(), errors_);
        } else if (name == "FAILURE") {
            ReadFields<ScenarioFailure>(section, kFailureFields, scenario_.failures.emplace_back(), errors_);
        } else if (name == "REGISTRY") {
            ReadFields<ScenarioRegistryKey>(section, kRegistryFields, scenario_.registry.emplace_back(),
                                            errors_, ReadRegistryValue);
        } else if (name == "INI") {
            ReadFields<ScenarioIniFile>(section, kIniFields, scenario_.iniFiles.emplace_back(), errors_,
                                        ReadIniEntry);
        } else {
            errors_.Add(section.number, "unknown section [" + section.name + "]");
        }
    }

    // Sharing that is on was switched on through the Sharing tab, which set the service to start
    // automatically: unless the scenario says otherwise, it runs.
    Scenario Take() {
        const bool shared = std::ranges::any_of(scenario_.connections, [](const ScenarioConnection& c) {
            return c.sharing != SharingState::kNone;
        });
        if (shared && !sharingServiceGiven_) {
            for (ScenarioService& service : scenario_.services) {
                if (service.name == kSharingServiceName) {
                    service.startType = ServiceStartType::kAutomatic;
                    service.state = ServiceState::kRunning;
                }
            }
        }
        return std::move(scenario_);
    }

  private:
    bool Single(const RawSection& section, int& firstLine) {
        if (firstLine != 0) {
            errors_.Add(section.number, "[" + section.name + "] may appear only once (first on line " +
                                            std::to_string(firstLine) + ")");
            return false;
        }
        firstLine = section.number;
        return true;
    }

    void Unique(const RawSection& section, const Guid& guid, std::map<Guid, int>& lines,
                std::string_view what) {
        const auto [at, inserted] = lines.emplace(guid, section.number);
        if (!inserted) {
            errors_.Add(section.number, "a " + std::string(what) + " with this Guid is already on line " +
                                            std::to_string(at->second));
        }
    }

    ErrorList errors_;
    Scenario scenario_;
    int machineLine_ = 0;
    int hostedNetworkLine_ = 0;
    int sharingServiceLine_ = 0;
    bool sharingServiceGiven_ = false;
    std::map<Guid, int> cardLines_;
    std::map<Guid, int> connectionLines_;
};

}  // namespace

std::string ScenarioError::ToString() const {
    return line == 0 ? message : "line " + std::to_string(line) + ": " + message;
}

ScenarioResult ParseScenario(std::string_view text) {
    ScenarioResult result;
    ErrorList errors(result.errors);
    const std::vector<RawSection> sections = SplitSections(text, errors);
    ScenarioReader reader(result.errors);
    for (const RawSection& section : sections)
        reader.Read(section);
    std::stable_sort(result.errors.begin(), result.errors.end(),
                     [](const ScenarioError& a, const ScenarioError& b) { return a.line < b.line; });
    if (result.errors.empty())
        result.scenario = reader.Take();
    return result;
}

ScenarioResult LoadScenarioFile(std::u16string_view path) {
    const std::optional<std::string> text = ReadWholeFile(path);
    if (!text) {
        ScenarioResult result;
        result.errors.push_back({0, "cannot read the scenario file '" + Utf16ToUtf8(path) + "'"});
        return result;
    }
    return ParseScenario(*text);
}

// Start types and dependencies as Windows 7 installs them; of these only the filtering engine, WLAN
// AutoConfig and WMI run from the start.
std::vector<ScenarioService> FreshWindows7Services() {
    return {
        {kSharingServiceName,
         ServiceStartType::kDisabled,
         ServiceState::kStopped,
         {u"BFE", u"Netman", u"RasMan", u"Winmgmt"},
         0},
        {u"BFE", ServiceStartType::kAutomatic, ServiceState::kRunning, {}, 0},
        {u"Wlansvc", ServiceStartType::kAutomatic, ServiceState::kRunning, {}, 0},
        {u"Netman", ServiceStartType::kManual, ServiceState::kStopped, {}, 0},
        {u"RasMan", ServiceStartType::kManual, ServiceState::kStopped, {}, 0},
        {u"Winmgmt", ServiceStartType::kAutomatic, ServiceState::kRunning, {}, 0},
    };
}

Scenario DefaultScenario() {
    ScenarioResult result = ParseScenario(DefaultScenarioText());
    return result.scenario ? std::move(*result.scenario) : Scenario{};
}

std::u16string IniFilePath(const ScenarioMachine& machine, const ScenarioIniFile& ini) {
    const bool bare = ini.file.find_first_of(u"\\/:") == std::u16string::npos;
    return bare ? machine.programFolder + ini.file : ini.file;
}

}  // namespace aerowisp
