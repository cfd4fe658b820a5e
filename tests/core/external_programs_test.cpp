// netsh.exe by its full path, and the DHCP server started by a quoted path and closed by its window.
#include <gtest/gtest.h>

#include <string>

#include "core/app/external_programs.h"
#include "sim/journal.h"
#include "sim/sim_processes.h"
#include "sim/sim_text.h"
#include "support/iconv_code_page.h"

namespace aerowisp {
namespace {

struct ExternalProgramsTest : testing::Test {
    Journal journal;
    test::IconvCodePage codePage{"CP1252"};
    SimProcessesAndWindows processes{journal, &codePage};
};

TEST_F(ExternalProgramsTest, NetshRunsFromSystem32Hidden) {
    RunNetsh(processes, u"wlan set hostednetwork key=00");
    auto runs = journal.Find("ShellExecuteW");
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].arguments, "verb=\"open\" file=" + QuoteText(u"C:\\Windows\\system32\\netsh.exe") +
                                     " parameters=\"wlan set hostednetwork key=00\" show=SW_HIDE");
    EXPECT_EQ(runs[0].result, 0u);
}

TEST_F(ExternalProgramsTest, NetshDoesNotRunWhenSystem32IsUnknown) {
    processes.SetSystemFolder(u"");
    RunNetsh(processes, u"wlan set hostednetwork key=00");
    EXPECT_EQ(journal.Count("ShellExecuteW"), 0u);
}

TEST_F(ExternalProgramsTest, DhcpServerStartsByItsQuotedPath) {
    struct Case {
        std::u16string folder;
        std::string commandLine;
    };
    const Case cases[] = {
        {u"C:\\Aerowisp\\", "\"C:\\Aerowisp\\DhcpServer.exe\""},
        {u"C:\\Program Files\\Aerowisp\\", "\"C:\\Program Files\\Aerowisp\\DhcpServer.exe\""},
        {u"D:\\Caf\u00e9 Tools\\", "\"D:\\Caf\xe9 Tools\\DhcpServer.exe\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QuoteText(c.folder));
        journal.Clear();
        processes.AddProgram(c.folder + u"DhcpServer.exe", u"Tftpd32");
        StartDhcpServer(processes, codePage, c.folder);
        auto runs = journal.Find("WinExec");
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0].arguments, "commandLine=" + QuoteBytes(c.commandLine) + " show=SW_HIDE");
        EXPECT_EQ(runs[0].result, 0u);
        EXPECT_EQ(processes.StartedPrograms().back(), c.folder + u"DhcpServer.exe");
    }
}

TEST_F(ExternalProgramsTest, APlantedProgramOnTheWayIsNotRun) {
    processes.AddProgram(u"C:\\Program.exe", u"Planted");
    processes.AddProgram(u"C:\\Program Files\\Aerowisp\\DhcpServer.exe", u"Tftpd32");
    StartDhcpServer(processes, codePage, u"C:\\Program Files\\Aerowisp\\");
    EXPECT_EQ(processes.StartedPrograms(),
              std::vector<std::u16string>{u"C:\\Program Files\\Aerowisp\\DhcpServer.exe"});
    EXPECT_FALSE(processes.IsWindowOpen(u"Planted"));
    EXPECT_TRUE(processes.IsWindowOpen(u"Tftpd32"));
}

// The caller is told, and says it in the notification area.
TEST_F(ExternalProgramsTest, AMissingDhcpServerIsReportedAsNotStarted) {
    EXPECT_FALSE(StartDhcpServer(processes, codePage, u"C:\\Aerowisp\\"));
    ASSERT_EQ(journal.Count("WinExec"), 1u);
    EXPECT_NE(journal.Find("WinExec")[0].result, 0u);
    EXPECT_TRUE(processes.StartedPrograms().empty());
}

TEST_F(ExternalProgramsTest, ACommandLineTooLongForItsBufferIsNotRun) {
    // 256 bytes of command line would leave no room for the terminator.
    std::u16string folder = u"C:\\" + std::u16string(236, u'f') + u"\\";
    ASSERT_EQ(folder.size() + 14 + 2, 256u);
    StartDhcpServer(processes, codePage, folder);
    EXPECT_EQ(journal.Count("WinExec"), 0u);
    StartDhcpServer(processes, codePage, folder.substr(1));
    EXPECT_EQ(journal.Count("WinExec"), 1u);
}

TEST_F(ExternalProgramsTest, TheServerWindowIsClosedOnlyWhenOpen) {
    CloseDhcpServer(processes);
    EXPECT_EQ(journal.Operations(), std::vector<std::string>{"FindWindowW"});
    EXPECT_EQ(journal.Find("FindWindowW")[0].arguments, "class=NULL title=\"Tftpd32\" window=0");

    journal.Clear();
    WindowHandle server = processes.OpenWindow(u"Tftpd32");
    processes.OpenWindow(u"Tftpd32 - settings");
    CloseDhcpServer(processes);
    EXPECT_EQ(journal.Operations(), (std::vector<std::string>{"FindWindowW", "SendMessageW"}));
    EXPECT_EQ(journal.Find("SendMessageW")[0].arguments,
              "window=" + std::to_string(server) + " message=WM_SYSCOMMAND wParam=SC_CLOSE lParam=0");
    EXPECT_FALSE(processes.IsWindowOpen(u"Tftpd32"));
    EXPECT_TRUE(processes.IsWindowOpen(u"Tftpd32 - settings"));
}

}  // namespace
}  // namespace aerowisp
