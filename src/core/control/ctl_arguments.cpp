// AerowispCtl.exe's command line and its help.
#include "core/control/ctl_arguments.h"

#include <array>
#include <string_view>

#include "core/text/utf16_text.h"

namespace aerowisp::control {
namespace {

struct CommandHelp {
    Command command;
    std::string_view usage;
    std::string_view summary;
};

constexpr std::array<CommandHelp, 10> kCommandHelp = {{
    {Command::kStatus, "status", "Shows the mode, the radio, the network name and the number of stations."},
    {Command::kStart, "start [--launch]",
     "Starts the access point, as the tray's \"Switch to AP STA mode\" does. With --launch, starts "
     "Aerowisp first when it is not running (Windows asks for administrator rights)."},
    {Command::kStop, "stop", "Stops the access point, as the tray's \"Switch to station mode\" does."},
    {Command::kRadioOn, "radio on", "Switches the wireless card's radio on, as the radio button does."},
    {Command::kRadioOff, "radio off", "Switches the wireless card's radio off, as the radio button does."},
    {Command::kStations, "stations", "Lists the stations joined to the access point."},
    {Command::kKey, "key [--show-key]", "Shows the network name; the key itself only with --show-key."},
    {Command::kQr, "qr [FILE.png] [--show-key]",
     "Writes the network's QR code as a PNG picture, or prints its join text (which holds the key, so "
     "only with --show-key)."},
    {Command::kShow, "show", "Shows Aerowisp's window."},
    {Command::kExit, "exit", "Ends Aerowisp, as the tray's Exit does."},
}};

constexpr std::string_view kGeneralUsage =
    "usage: AerowispCtl [--json] COMMAND [ARGUMENTS]\n"
    "       AerowispCtl COMMAND --help\n"
    "\n"
    "Controls the running Aerowisp from a console, a script, a scheduled task or a shortcut.\n"
    "\n"
    "Commands:\n";

constexpr std::string_view kGeneralTail =
    "\n"
    "Options:\n"
    "  --json      print one JSON object instead of lines for people\n"
    "  --show-key  let key and qr print the network key\n"
    "  --help      this help, or a command's help after the command\n"
    "\n"
    "Exit codes: 0 done, 1 refused or failed (the reason is printed), 2 bad usage,\n"
    "3 Aerowisp is not running.\n";

CtlArgumentsResult Refused(std::string error) {
    return {std::nullopt, std::move(error)};
}

}  // namespace

CtlArgumentsResult ParseCtlArguments(const std::vector<std::u16string>& arguments) {
    CtlArguments parsed;
    std::vector<std::u16string> words;
    for (const std::u16string& argument : arguments) {
        if (argument == u"--json") {
            parsed.json = true;
        } else if (argument == u"--help" || argument == u"-h" || argument == u"/?") {
            parsed.help = true;
        } else if (argument == u"--show-key") {
            parsed.showKey = true;
        } else if (argument == u"--launch") {
            parsed.launch = true;
        } else if (argument.starts_with(u"-")) {
            return Refused("unknown option " + Utf16ToUtf8(argument));
        } else {
            words.push_back(argument);
        }
    }
    if (words.empty()) {
        if (parsed.help)
            return {parsed, {}};
        return Refused("no command given");
    }
    const std::string name = Utf16ToUtf8(words[0]);
    if (name == "radio") {
        if (words.size() < 2) {
            if (parsed.help) {
                parsed.command = Command::kRadioOn;
                return {parsed, {}};
            }
            return Refused("radio needs on or off");
        }
        if (words[1] == u"on") {
            parsed.command = Command::kRadioOn;
        } else if (words[1] == u"off") {
            parsed.command = Command::kRadioOff;
        } else {
            return Refused("radio needs on or off, not " + Utf16ToUtf8(words[1]));
        }
        words.erase(words.begin(), words.begin() + 2);
    } else {
        for (const CommandHelp& help : kCommandHelp) {
            if (help.command != Command::kRadioOn && help.command != Command::kRadioOff &&
                CommandName(help.command) == name)
                parsed.command = help.command;
        }
        if (!parsed.command)
            return Refused("unknown command " + name);
        words.erase(words.begin());
    }
    if (parsed.help)
        return {parsed, {}};
    if (*parsed.command == Command::kQr && words.size() == 1) {
        parsed.pngFile = words[0];
        words.clear();
    }
    if (!words.empty())
        return Refused(std::string(CommandName(*parsed.command)) + " takes no argument " +
                       Utf16ToUtf8(words[0]));
    if (parsed.launch && *parsed.command != Command::kStart)
        return Refused("--launch goes with start only");
    if (*parsed.command == Command::kQr && parsed.pngFile.empty() && !parsed.showKey)
        return Refused("qr prints the join text, which holds the key: add --show-key, or give a FILE.png");
    return {parsed, {}};
}

std::string CtlHelp(std::optional<Command> command) {
    std::string text;
    if (command) {
        // "radio on" and "radio off" share one help.
        const bool radio = *command == Command::kRadioOn || *command == Command::kRadioOff;
        for (const CommandHelp& help : kCommandHelp) {
            if (help.command == *command ||
                (radio && (help.command == Command::kRadioOn || help.command == Command::kRadioOff))) {
                text += "usage: AerowispCtl [--json] ";
                text += help.usage;
                text += "\n  ";
                text += help.summary;
                text += '\n';
            }
        }
        return text;
    }
    text = kGeneralUsage;
    for (const CommandHelp& help : kCommandHelp) {
        text += "  ";
        text += help.usage;
        text += std::string(help.usage.size() < 28 ? 28 - help.usage.size() : 1, ' ');
        text += help.summary;
        text += '\n';
    }
    text += kGeneralTail;
    return text;
}

}  // namespace aerowisp::control
