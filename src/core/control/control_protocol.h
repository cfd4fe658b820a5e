// What AerowispCtl.exe and the running program say to each other over the control pipe: one request line
// naming a command, and a reply of named values. Both sides read strictly; anything else is refused.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace aerowisp::control {

enum class Command : uint8_t {
    kStatus,
    kStart,
    kStop,
    kRadioOn,
    kRadioOff,
    kStations,
    kKey,
    kQr,
    kShow,
    kExit
};

// The first word of every request and reply; a later, incompatible form gets another.
inline constexpr std::string_view kProtocol = "aerowisp-control/1";
// The longest request ("aerowisp-control/1 radio off\n") with room to spare; longer is never read.
inline constexpr size_t kMaxRequestBytes = 64;
// A reply with a full association list fits many times over.
inline constexpr size_t kMaxReplyBytes = 64 * 1024;

// The command's name as the command line and JSON give it ("radio on" has a space).
std::string_view CommandName(Command command);
std::string RequestText(Command command);
// Nothing unless `bytes` is exactly one of the requests RequestText makes.
std::optional<Command> ParseRequest(std::string_view bytes);

// How a command ended. A bad request is one that did not parse: nothing was done.
enum class Outcome : uint8_t { kDone, kRefused, kFailed, kBadRequest };
std::string_view OutcomeName(Outcome outcome);

// One station of the hosted network, as the association list shows it.
struct Station {
    std::string aid;
    std::string mac;
    std::string auth;
    std::string ip;
    std::string name;
    friend bool operator==(const Station&, const Station&) = default;
};

// Texts are UTF-8. `message` says what was done or why not; `fields` carry the command's figures in the
// order they are shown; names are lower case letters and underscores.
struct Reply {
    Outcome outcome = Outcome::kDone;
    std::string message;
    std::vector<std::pair<std::string, std::string>> fields;
    std::vector<Station> stations;
    friend bool operator==(const Reply&, const Reply&) = default;

    void Add(std::string name, std::string value) { fields.emplace_back(std::move(name), std::move(value)); }
    // The value of the first field called `name`; nothing when there is none.
    std::optional<std::string_view> Field(std::string_view name) const;
};

// Lines "name=value" after the protocol line; a value's backslash, tab, CR and LF are escaped.
std::string ReplyText(const Reply& reply);
// Nothing unless `bytes` is a whole reply as ReplyText makes it and no longer than kMaxReplyBytes.
std::optional<Reply> ParseReply(std::string_view bytes);

}  // namespace aerowisp::control
