// AerowispCtl.exe's command line: the command, its argument and the options, or what is wrong with them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/control/control_protocol.h"

namespace aerowisp::control {

// The exit codes a script can rely on.
enum class ExitCode : int { kDone = 0, kRefused = 1, kBadUsage = 2, kNotRunning = 3 };

struct CtlArguments {
    // Nothing with --help alone: the general help.
    std::optional<Command> command;
    bool help = false;
    bool json = false;
    bool showKey = false;
    // start only: start Aerowisp.exe when it is not running.
    bool launch = false;
    // qr only: where the code goes as a PNG picture; empty to print the join text.
    std::u16string pngFile;
};

struct CtlArgumentsResult {
    std::optional<CtlArguments> arguments;
    // Why the command line was refused (English, for the console); empty when it was taken.
    std::string error;
};

// `arguments` without the program's own name. Options may come before or after the command.
CtlArgumentsResult ParseCtlArguments(const std::vector<std::u16string>& arguments);

// The help for one command, or the general help with every command.
std::string CtlHelp(std::optional<Command> command);

}  // namespace aerowisp::control
