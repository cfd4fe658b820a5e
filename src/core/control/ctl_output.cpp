// AerowispCtl.exe's text and JSON output.
#include "core/control/ctl_output.h"

#include <array>
#include <cstdio>

#include "core/text/utf16_text.h"

namespace aerowisp::control {
namespace {

// The fields a person reads, in words; a field not listed is shown by its name.
constexpr std::array<std::pair<std::string_view, std::string_view>, 10> kFieldLabels = {{
    {"mode", "Mode"},
    {"card_name", "Card"},
    {"radio", "Radio"},
    {"card", "Wireless card"},
    {"ssid", "Network name"},
    {"key", "Key"},
    {"station_count", "Stations"},
    {"connection", "Shared connection"},
    {"payload", "Join text"},
    {"file", "Written to"},
}};
// Fields that hold the key.
constexpr std::array<std::string_view, 2> kSecretFields = {"key", "payload"};
constexpr std::string_view kNumberField = "station_count";

bool IsSecret(std::string_view name) {
    for (std::string_view secret : kSecretFields) {
        if (secret == name)
            return true;
    }
    return false;
}

std::string_view LabelOf(std::string_view name) {
    for (const auto& [field, label] : kFieldLabels) {
        if (field == name)
            return label;
    }
    return name;
}

bool IsDecimal(std::string_view text) {
    if (text.empty() || text.size() > 9)
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

void AppendUnitEscape(std::string& out, unsigned unit) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", unit & 0xFFFFu);
    out += buffer;
}

// The members every object starts with, without the closing brace.
std::string JsonHead(std::optional<Command> command, std::string_view outcome, ExitCode code,
                     std::string_view message) {
    return "{\"command\":" + (command ? JsonString(CommandName(*command)) : std::string("null")) +
           ",\"outcome\":" + JsonString(outcome) +
           ",\"exit_code\":" + std::to_string(static_cast<int>(code)) + ",\"message\":" + JsonString(message);
}

}  // namespace

ExitCode ExitCodeFor(Outcome outcome) {
    return outcome == Outcome::kDone ? ExitCode::kDone : ExitCode::kRefused;
}

std::string ReplyAsText(const Reply& reply, bool showKey) {
    std::string text;
    if (!reply.message.empty()) {
        if (reply.outcome != Outcome::kDone)
            text += reply.outcome == Outcome::kRefused ? "Refused: " : "Failed: ";
        text += reply.message;
        text += '\n';
    }
    for (const auto& [name, value] : reply.fields) {
        if (value.empty())
            continue;
        text += LabelOf(name);
        text += ": ";
        text += IsSecret(name) && !showKey ? "(hidden; add --show-key to print it)" : value;
        text += '\n';
    }
    for (const Station& station : reply.stations) {
        text += station.aid + "  " + station.mac + "  " + (station.ip.empty() ? "-" : station.ip) + "  " +
                (station.name.empty() ? "-" : station.name) + "  " + station.auth + '\n';
    }
    return text;
}

std::string JsonString(std::string_view utf8) {
    std::u16string units;
    if (std::optional<std::u16string> decoded = Utf8ToUtf16(utf8)) {
        units = std::move(*decoded);
    } else {
        for (char c : utf8)
            units += static_cast<char16_t>(static_cast<unsigned char>(c));
    }
    std::string out = "\"";
    for (char16_t unit : units) {
        switch (unit) {
            case u'"':
                out += "\\\"";
                break;
            case u'\\':
                out += "\\\\";
                break;
            case u'\n':
                out += "\\n";
                break;
            case u'\r':
                out += "\\r";
                break;
            case u'\t':
                out += "\\t";
                break;
            default:
                if (unit < 0x20 || unit > 0x7E) {
                    AppendUnitEscape(out, unit);
                } else {
                    out += static_cast<char>(unit);
                }
        }
    }
    out += '"';
    return out;
}

std::string ReplyAsJson(Command command, const Reply& reply, bool showKey) {
    std::string out =
        JsonHead(command, OutcomeName(reply.outcome), ExitCodeFor(reply.outcome), reply.message);
    for (const auto& [name, value] : reply.fields) {
        if (IsSecret(name) && !showKey)
            continue;
        out += ',' + JsonString(name) + ':';
        out += name == kNumberField && IsDecimal(value) ? value : JsonString(value);
    }
    if (command == Command::kStations) {
        out += ",\"stations\":[";
        for (size_t i = 0; i < reply.stations.size(); ++i) {
            const Station& s = reply.stations[i];
            if (i > 0)
                out += ',';
            out += "{\"aid\":" + JsonString(s.aid) + ",\"mac\":" + JsonString(s.mac) +
                   ",\"auth\":" + JsonString(s.auth) + ",\"ip\":" + JsonString(s.ip) +
                   ",\"name\":" + JsonString(s.name) + '}';
        }
        out += ']';
    }
    out += "}\n";
    return out;
}

std::string ProblemAsJson(std::optional<Command> command, ExitCode code, std::string_view message) {
    std::string_view outcome = OutcomeName(Outcome::kFailed);
    if (code == ExitCode::kNotRunning) {
        outcome = "not-running";
    } else if (code == ExitCode::kBadUsage) {
        outcome = "bad-usage";
    }
    return JsonHead(command, outcome, code, message) + "}\n";
}

}  // namespace aerowisp::control
