// The control pipe's request and reply texts.
#include "core/control/control_protocol.h"

#include <array>

namespace aerowisp::control {
namespace {

constexpr std::array<std::pair<Command, std::string_view>, 10> kCommandNames = {{
    {Command::kStatus, "status"},
    {Command::kStart, "start"},
    {Command::kStop, "stop"},
    {Command::kRadioOn, "radio on"},
    {Command::kRadioOff, "radio off"},
    {Command::kStations, "stations"},
    {Command::kKey, "key"},
    {Command::kQr, "qr"},
    {Command::kShow, "show"},
    {Command::kExit, "exit"},
}};

constexpr std::array<std::pair<Outcome, std::string_view>, 4> kOutcomeNames = {{
    {Outcome::kDone, "done"},
    {Outcome::kRefused, "refused"},
    {Outcome::kFailed, "failed"},
    {Outcome::kBadRequest, "bad-request"},
}};

constexpr std::string_view kMessageField = "message";
constexpr std::string_view kStationField = "station";
constexpr size_t kStationColumns = 5;
constexpr size_t kMaxFieldNameLength = 32;

bool IsFieldName(std::string_view name) {
    if (name.empty() || name.size() > kMaxFieldNameLength)
        return false;
    for (char c : name) {
        if (!((c >= 'a' && c <= 'z') || c == '_'))
            return false;
    }
    return true;
}

void AppendEscaped(std::string& out, std::string_view value) {
    for (char c : value) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            default:
                out += c;
        }
    }
}

// Nothing for a stray backslash or an escape this side never writes.
std::optional<std::string> Unescaped(std::string_view value) {
    std::string out;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            out += value[i];
            continue;
        }
        if (++i == value.size())
            return std::nullopt;
        switch (value[i]) {
            case '\\':
                out += '\\';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            case 'n':
                out += '\n';
                break;
            default:
                return std::nullopt;
        }
    }
    return out;
}

// The outcome of a reply's first line, "aerowisp-control/1 OUTCOME".
std::optional<Outcome> ParseOutcomeLine(std::string_view line) {
    const size_t space = line.find(' ');
    if (space == std::string_view::npos || line.substr(0, space) != kProtocol)
        return std::nullopt;
    for (const auto& [outcome, name] : kOutcomeNames) {
        if (name == line.substr(space + 1))
            return outcome;
    }
    return std::nullopt;
}

// The escaped columns of a station line, split at its unescaped tabs.
std::optional<Station> ParseStation(std::string_view value) {
    std::array<std::string, kStationColumns> columns;
    size_t column = 0;
    size_t start = 0;
    for (size_t i = 0; i <= value.size(); ++i) {
        if (i < value.size() && value[i] != '\t')
            continue;
        if (column == kStationColumns)
            return std::nullopt;
        std::optional<std::string> text = Unescaped(value.substr(start, i - start));
        if (!text)
            return std::nullopt;
        columns[column++] = std::move(*text);
        start = i + 1;
    }
    if (column != kStationColumns)
        return std::nullopt;
    return Station{columns[0], columns[1], columns[2], columns[3], columns[4]};
}

}  // namespace

std::string_view CommandName(Command command) {
    for (const auto& [known, name] : kCommandNames) {
        if (known == command)
            return name;
    }
    return {};
}

std::string RequestText(Command command) {
    std::string text(kProtocol);
    text += ' ';
    text += CommandName(command);
    text += '\n';
    return text;
}

std::optional<Command> ParseRequest(std::string_view bytes) {
    if (bytes.size() > kMaxRequestBytes)
        return std::nullopt;
    for (const auto& [command, name] : kCommandNames) {
        if (bytes == RequestText(command))
            return command;
    }
    return std::nullopt;
}

std::string_view OutcomeName(Outcome outcome) {
    for (const auto& [known, name] : kOutcomeNames) {
        if (known == outcome)
            return name;
    }
    return {};
}

std::optional<std::string_view> Reply::Field(std::string_view name) const {
    for (const auto& [known, value] : fields) {
        if (known == name)
            return value;
    }
    return std::nullopt;
}

std::string ReplyText(const Reply& reply) {
    std::string text(kProtocol);
    text += ' ';
    text += OutcomeName(reply.outcome);
    text += '\n';
    auto line = [&text](std::string_view name, std::string_view value) {
        text += name;
        text += '=';
        AppendEscaped(text, value);
        text += '\n';
    };
    line(kMessageField, reply.message);
    for (const auto& [name, value] : reply.fields)
        line(name, value);
    for (const Station& station : reply.stations) {
        text += kStationField;
        text += '=';
        const std::string_view columns[] = {station.aid, station.mac, station.auth, station.ip, station.name};
        for (size_t i = 0; i < kStationColumns; ++i) {
            if (i > 0)
                text += '\t';
            AppendEscaped(text, columns[i]);
        }
        text += '\n';
    }
    return text;
}

std::optional<Reply> ParseReply(std::string_view bytes) {
    if (bytes.size() > kMaxReplyBytes || bytes.empty() || bytes.back() != '\n')
        return std::nullopt;
    const size_t firstEnd = bytes.find('\n');
    const std::optional<Outcome> outcome = ParseOutcomeLine(bytes.substr(0, firstEnd));
    if (!outcome)
        return std::nullopt;
    Reply reply;
    reply.outcome = *outcome;
    bool messageSeen = false;
    for (size_t start = firstEnd + 1; start < bytes.size();) {
        const size_t end = bytes.find('\n', start);
        const std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos || !IsFieldName(line.substr(0, equals)))
            return std::nullopt;
        const std::string_view name = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 1);
        if (name == kStationField) {
            std::optional<Station> station = ParseStation(value);
            if (!station)
                return std::nullopt;
            reply.stations.push_back(std::move(*station));
            continue;
        }
        std::optional<std::string> text = Unescaped(value);
        if (!text)
            return std::nullopt;
        if (name == kMessageField) {
            // The message comes once, first.
            if (messageSeen || !reply.fields.empty() || !reply.stations.empty())
                return std::nullopt;
            messageSeen = true;
            reply.message = std::move(*text);
        } else {
            reply.fields.emplace_back(std::string(name), std::move(*text));
        }
    }
    if (!messageSeen)
        return std::nullopt;
    return reply;
}

}  // namespace aerowisp::control
