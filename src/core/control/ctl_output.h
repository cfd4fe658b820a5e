// What AerowispCtl.exe prints for a reply: short lines a person reads, or one JSON object for a script.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/control/control_protocol.h"
#include "core/control/ctl_arguments.h"

namespace aerowisp::control {

ExitCode ExitCodeFor(Outcome outcome);

// The key and the join text (which holds it) appear only with `showKey`.
std::string ReplyAsText(const Reply& reply, bool showKey);
// {"command", "outcome", "exit_code", "message", the reply's fields, "stations": [...]}; one line,
// ASCII only (other characters as \u escapes), ending in a line break.
std::string ReplyAsJson(Command command, const Reply& reply, bool showKey);
// The JSON object for a command that reached no reply: bad usage ("bad-usage"), Aerowisp not running
// ("not-running"), or a pipe that refused this user or gave no answer that reads ("failed").
std::string ProblemAsJson(std::optional<Command> command, ExitCode code, std::string_view message);

// A string as a JSON string literal, quotes included; text that is not UTF-8 is taken byte by byte.
std::string JsonString(std::string_view utf8);

}  // namespace aerowisp::control
