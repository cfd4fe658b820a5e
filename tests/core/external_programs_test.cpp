// netsh.exe by its full path and awaited, and the DHCP server started by its wide path and closed only
// through its own window.
#include <gtest/gtest.h>

#include <string>

#include "core/programs/external_programs.h"
#include "sim/failure_plan.h"
#include "sim/journal.h"
#include "sim/sim_clock.h"
#include "sim/sim_processes.h"
#include "sim/sim_text.h"

namespace aerowisp {
namespace {

constexpr char16_t kNetsh[] = u"C:\\Windows\\system32\\netsh.exe";

struct ExternalProgramsTest : testing::Test {
    ExternalProgramsTest() {
        processes.UseTime(&clock, [this](uint32_t ms) { clock.Advance(ms); });
    }
    Journal journal;
    SimClock clock;
    FailurePlan failures;
    SimProcessesAndWindows processes{journal, &failures};
};

TEST_F(ExternalProgramsTest, NetshRunsFromSystem32Hidden) {
    RunNetsh(processes, u"wlan set hostednetwork key=00");
    auto runs = journal.Find("ShellExecuteW");
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].arguments, "verb=\"open\" file=" + QuoteText(kNetsh) +
                                     " parameters=\"wlan set hostednetwork key=00\" show=SW_HIDE");
    EXPECT_EQ(runs[0].result, 0u);
}

TEST_F(ExternalProgramsTest, NetshDoesNotRunWhenSystem32IsUnknown) {
    processes.SetSystemFolder(u"");
    RunNetsh(processes, u"wlan set hostednetwork key=00");
    EXPECT_EQ(RunNetshAndWait(processes, u"int ip").outcome, ProcessRun::Outcome::kNotStarted);
    EXPECT_EQ(journal.Count("ShellExecuteW") + journal.Count("CreateProcessW"), 0u);
}

TEST_F(ExternalProgramsTest, NetshIsAwaitedWithinItsTimeLimit) {
    struct Case {
        const char* name;
        SimProgramRun run;
        const char* failing;  // a call that fails, or null
        ProcessRun::Outcome outcome;
        uint32_t exitCode;
        uint32_t waited;  // how long the program waited
    };
    const Case cases[] = {
        {"ends with 0", {1200, 0}, nullptr, ProcessRun::Outcome::kExited, 0, 1200},
        {"ends with an error", {300, 1}, nullptr, ProcessRun::Outcome::kExited, 1, 300},
        {"ends right at the limit",
         {kNetshTimeoutMs, 0},
         nullptr,
         ProcessRun::Outcome::kExited,
         0,
         kNetshTimeoutMs},
        {"runs longer than the limit",
         {kNetshTimeoutMs + 1, 0},
         nullptr,
         ProcessRun::Outcome::kTimedOut,
         0,
         kNetshTimeoutMs},
        {"cannot be started", {10, 0}, "CreateProcessW", ProcessRun::Outcome::kNotStarted, 0, 0},
        {"cannot be waited for", {10, 0}, "WaitForSingleObject", ProcessRun::Outcome::kNotStarted, 0, 0},
        {"exit code unreadable", {10, 0}, "GetExitCodeProcess", ProcessRun::Outcome::kNotStarted, 0, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimProcessesAndWindows machine{journal, &failures};
        machine.UseTime(&clock, [this](uint32_t ms) { clock.Advance(ms); });
        machine.SetProgramRun(u"NETSH.EXE", c.run);
        if (c.failing)
            failures.FailAfter(c.failing, 0, 5, 1);
        journal.Clear();
        const uint32_t before = clock.GetTickCount();
        const ProcessRun run = RunNetshAndWait(machine, u"int ip set address name=\"A\" source=dhcp");
        failures.ClearAll();
        EXPECT_EQ(run.outcome, c.outcome);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(clock.GetTickCount() - before, c.waited);
        const auto starts = journal.Find("CreateProcessW");
        ASSERT_EQ(starts.size(), 1u);
        EXPECT_TRUE(starts[0].arguments.starts_with(
            "application=" + QuoteText(kNetsh) + " commandLine=" +
            QuoteText(u"\"" + std::u16string(kNetsh) + u"\" int ip set address name=\"A\" source=dhcp") +
            " flags=CREATE_NO_WINDOW show=SW_HIDE"));
    }
}

// A command that outlived its wait still changes the machine when it ends, after one that ended sooner.
TEST_F(ExternalProgramsTest, ProgramsChangeTheMachineInTheOrderTheyEnd) {
    std::vector<std::u16string> landed;
    processes.OnShellExecute(
        [&](const std::u16string&, const std::u16string& parameters) { landed.push_back(parameters); });
    processes.SetProgramRun(u"netsh.exe", {kNetshTimeoutMs + 5000, 0});
    EXPECT_EQ(RunNetshAndWait(processes, u"slow").outcome, ProcessRun::Outcome::kTimedOut);
    processes.SetProgramRun(u"netsh.exe", {1000, 0});
    EXPECT_EQ(RunNetshAndWait(processes, u"quick").outcome, ProcessRun::Outcome::kExited);
    processes.SetProgramRun(u"netsh.exe", {6000, 1});
    RunNetshAndWait(processes, u"failing");
    EXPECT_EQ(landed, (std::vector<std::u16string>{u"quick", u"slow"}));
}

TEST_F(ExternalProgramsTest, DhcpServerStartsByItsWidePathWithoutArguments) {
    const std::u16string folders[] = {
        u"C:\\Aerowisp\\", u"C:\\Program Files\\Aerowisp\\",
        u"D:\\\u041f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u044b \u5de5\u5177\\",  // no ANSI code page
                                                                                       // holds it
    };
    for (const std::u16string& folder : folders) {
        SCOPED_TRACE(QuoteText(folder));
        journal.Clear();
        const std::u16string path = folder + u"DhcpServer.exe";
        processes.AddProgram(path, u"Tftpd32");
        EXPECT_NE(StartDhcpServer(processes, folder), nullptr);
        const auto runs = journal.Find("CreateProcessW");
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_TRUE(runs[0].arguments.starts_with("application=" + QuoteText(path) +
                                                  " commandLine=" + QuoteText(u"\"" + path + u"\"") +
                                                  " flags=CREATE_NO_WINDOW"));
        EXPECT_EQ(processes.StartedPrograms().back(), path);
    }
}

TEST_F(ExternalProgramsTest, AMissingDhcpServerIsNotStarted) {
    processes.AddProgram(u"C:\\Program.exe", u"Planted");
    EXPECT_EQ(StartDhcpServer(processes, u"C:\\Program Files\\Aerowisp\\"), nullptr);
    EXPECT_NE(journal.Find("CreateProcessW")[0].result, 0u);
    EXPECT_TRUE(processes.StartedPrograms().empty());
}

TEST_F(ExternalProgramsTest, TheServerTellsHowItEnded) {
    const std::u16string folder = u"C:\\Aerowisp\\";
    processes.AddProgram(folder + u"DhcpServer.exe", u"Tftpd32");
    const auto closed = StartDhcpServer(processes, folder);
    ASSERT_NE(closed, nullptr);
    EXPECT_EQ(closed->ExitCode(), std::nullopt);
    CloseDhcpServer(processes, folder);
    EXPECT_EQ(closed->ExitCode(), 0u);

    const auto gaveUp = StartDhcpServer(processes, folder);
    ASSERT_TRUE(processes.EndProgram(folder + u"DhcpServer.exe", kDhcpServerPortBusyExitCode));
    EXPECT_EQ(gaveUp->ExitCode(), kDhcpServerPortBusyExitCode);
    EXPECT_FALSE(processes.IsWindowOpen(u"Tftpd32"));
}

TEST_F(ExternalProgramsTest, OnlyOurOwnServerWindowIsClosed) {
    const std::u16string folder = u"C:\\Program Files\\Aerowisp\\";
    const std::u16string ours = folder + u"DhcpServer.exe";
    struct Case {
        const char* name;
        std::u16string title;
        std::u16string program;
        bool hung;
        bool closed;
    };
    const Case cases[] = {
        {"ours", u"Tftpd32", ours, false, true},
        {"ours, path in other letter case", u"Tftpd32", u"c:\\PROGRAM FILES\\aerowisp\\dhcpserver.EXE", false,
         true},
        {"another program's", u"Tftpd32", u"C:\\Tools\\tftpd32.exe", false, false},
        {"an earlier copy elsewhere", u"Tftpd32", u"D:\\Old\\DhcpServer.exe", false, false},
        {"ours, another title", u"Tftpd32 - settings", ours, false, false},
        {"ours, hung", u"Tftpd32", ours, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimProcessesAndWindows machine{journal};
        const WindowHandle window = machine.OpenWindow(c.title, true, c.program, c.hung);
        journal.Clear();
        CloseDhcpServer(machine, folder);
        EXPECT_EQ(machine.IsWindowOpen(c.title), !c.closed);
        const auto sent = journal.Find("SendMessageTimeoutW");
        EXPECT_EQ(sent.size(), c.closed || c.hung ? 1u : 0u);
        if (!sent.empty()) {
            EXPECT_EQ(sent[0].arguments, "window=" + std::to_string(window) +
                                             " message=WM_SYSCOMMAND wParam=SC_CLOSE flags=SMTO_ABORTIFHUNG "
                                             "timeout=" +
                                             std::to_string(kDhcpServerCloseTimeoutMs));
        }
    }
}

}  // namespace
}  // namespace aerowisp
