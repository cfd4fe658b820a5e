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
};

struct LaunchOptionsResult {
    std::optional<LaunchOptions> options;
    std::u16string error;  // set when `options` is empty
};

// Parses the arguments after the program name:
//   --simulate [SCENARIO] [--journal FILE]
// An argument after --simulate that does not start with "--" is the scenario file. Other arguments are
// ignored; only --journal without a file, or without --simulate, is an error.
LaunchOptionsResult ParseLaunchOptions(const std::vector<std::u16string>& arguments);

inline constexpr char16_t kLaunchUsage[] = u"Usage: Aerowisp.exe [--simulate [SCENARIO]] [--journal FILE]";

}  // namespace aerowisp
