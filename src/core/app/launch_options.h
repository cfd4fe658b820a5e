// How the program was asked to run: on the real machine, or on a simulated one from a scenario file.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace aerowisp {

struct LaunchOptions {
    bool simulate = false;
    // Empty: the scenario built into the program.
    std::u16string scenarioPath;
    // Where the simulated machine writes its journal; empty: nowhere.
    std::u16string journalPath;
    // The main window starts in the notification area, as the start-hidden marker asks: what the logon
    // start passes, as it cannot always write the marker beside the program.
    bool startHidden = false;
};

inline constexpr char16_t kStartHiddenSwitch[] = u"--start-hidden";

struct LaunchOptionsResult {
    std::optional<LaunchOptions> options;
    std::u16string error;  // set when `options` is empty
};

// Parses the arguments after the program name:
//   [--start-hidden] --simulate [SCENARIO] [--journal FILE]
// An argument after --simulate that does not start with "--" is the scenario file. Other arguments are
// ignored; only --journal without a file, or without --simulate, is an error.
LaunchOptionsResult ParseLaunchOptions(const std::vector<std::u16string>& arguments);

inline constexpr char16_t kLaunchUsage[] =
    u"Usage: Aerowisp.exe [--start-hidden] [--simulate [SCENARIO]] [--journal FILE]";

}  // namespace aerowisp
