// How the command line chooses between the real and the simulated machine.
#include "core/app/launch_options.h"

#include <gtest/gtest.h>

namespace aerowisp {
namespace {

struct LaunchCase {
    const char* label;
    std::vector<std::u16string> arguments;
    bool valid;
    bool simulate;
    std::u16string scenario;
    std::u16string journal;
};

TEST(LaunchOptionsTest, ParsesTheTwoWaysToRunIgnoresOthersAndRefusesMisusedJournal) {
    const LaunchCase cases[] = {
        {"no arguments: the real machine", {}, true, false, u"", u""},
        {"built-in scenario", {u"--simulate"}, true, true, u"", u""},
        {"scenario file",
         {u"--simulate", u"C:\\a b\\two cards.ini"},
         true,
         true,
         u"C:\\a b\\two cards.ini",
         u""},
        {"journal after the scenario",
         {u"--simulate", u"s.ini", u"--journal", u"j.txt"},
         true,
         true,
         u"s.ini",
         u"j.txt"},
        {"journal right after --simulate is no scenario",
         {u"--simulate", u"--journal", u"j.txt"},
         true,
         true,
         u"",
         u"j.txt"},
        {"journal without a file", {u"--simulate", u"--journal"}, false, false, u"", u""},
        {"journal on the real machine", {u"--journal", u"j.txt"}, false, false, u"", u""},
        {"unknown option ignored", {u"--verbose"}, true, false, u"", u""},
        {"stray words ignored", {u"hello", u"/autostart"}, true, false, u"", u""},
        {"unknown option before --simulate",
         {u"-minimized", u"--simulate", u"s.ini", u"extra", u"--journal", u"j.txt"},
         true,
         true,
         u"s.ini",
         u"j.txt"},
        {"unknown option in place of the scenario", {u"--simulate", u"--quiet"}, true, true, u"", u""},
    };
    for (const LaunchCase& c : cases) {
        SCOPED_TRACE(c.label);
        const LaunchOptionsResult result = ParseLaunchOptions(c.arguments);
        ASSERT_EQ(result.options.has_value(), c.valid);
        if (!c.valid) {
            EXPECT_NE(result.error.find(u"Usage:"), std::u16string::npos);
            continue;
        }
        EXPECT_EQ(result.options->simulate, c.simulate);
        EXPECT_EQ(result.options->scenarioPath, c.scenario);
        EXPECT_EQ(result.options->journalPath, c.journal);
    }
}

// What the logon start passes; it goes with either machine and is matched exactly.
TEST(LaunchOptionsTest, StartHiddenSwitch) {
    struct Case {
        const char* label;
        std::vector<std::u16string> arguments;
        bool startHidden;
        std::u16string scenario;
    };
    const Case cases[] = {
        {"alone", {u"--start-hidden"}, true, u""},
        {"after the scenario", {u"--simulate", u"s.ini", u"--start-hidden"}, true, u"s.ini"},
        {"in place of the scenario", {u"--simulate", u"--start-hidden"}, true, u""},
        {"misspelt", {u"--start-hidden2", u"/start-hidden"}, false, u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const LaunchOptionsResult result = ParseLaunchOptions(c.arguments);
        ASSERT_TRUE(result.options.has_value());
        EXPECT_EQ(result.options->startHidden, c.startHidden);
        EXPECT_EQ(result.options->scenarioPath, c.scenario);
    }
}

}  // namespace
}  // namespace aerowisp
