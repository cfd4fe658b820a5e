// Command-line parsing of the program's two ways to run.
#include "core/app/launch_options.h"

namespace aerowisp {
namespace {

LaunchOptionsResult Fail(std::u16string message) {
    return {std::nullopt, std::move(message)};
}

bool IsOption(const std::u16string& argument) {
    return argument.size() >= 2 && argument[0] == u'-' && argument[1] == u'-';
}

}  // namespace

LaunchOptionsResult ParseLaunchOptions(const std::vector<std::u16string>& arguments) {
    LaunchOptions options;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::u16string& argument = arguments[i];
        if (argument == u"--simulate") {
            options.simulate = true;
            if (i + 1 < arguments.size() && !IsOption(arguments[i + 1]))
                options.scenarioPath = arguments[++i];
        } else if (argument == u"--journal") {
            if (i + 1 >= arguments.size() || IsOption(arguments[i + 1])) {
                return Fail(u"--journal needs a file name.\n" + std::u16string(kLaunchUsage));
            }
            options.journalPath = arguments[++i];
        } else if (argument == kStartHiddenSwitch) {
            options.startHidden = true;
        }
        // Anything else is ignored: a shortcut or a scheduled task may pass arguments of its own.
    }
    if (!options.journalPath.empty() && !options.simulate) {
        return Fail(u"--journal is only meaningful with --simulate.\n" + std::u16string(kLaunchUsage));
    }
    return {options, {}};
}

}  // namespace aerowisp
