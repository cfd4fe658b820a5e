// netsh.exe and the DHCP server program.
#include "core/app/external_programs.h"

namespace aerowisp {
namespace {

// WinExec's command line passes through a buffer of this many bytes, terminator included.
constexpr size_t kCommandLineBufferBytes = 256;

}  // namespace

bool RunNetsh(ProcessesAndWindows& processes, const std::u16string& parameters) {
    std::u16string folder = processes.SystemFolder();
    if (folder.empty())
        return false;
    if (folder.back() != u'\\')
        folder += u'\\';
    return processes.ShellExecuteOpenHidden(folder + kNetshProgram, parameters);
}

bool StartDhcpServer(ProcessesAndWindows& processes, AnsiCodePage& codePage,
                     const std::u16string& programFolder) {
    std::string commandLine = codePage.WideToAnsi(u"\"" + programFolder + kDhcpServerProgram + u"\"");
    if (commandLine.size() >= kCommandLineBufferBytes)
        return false;
    return processes.WinExecHidden(commandLine);
}

void CloseDhcpServer(ProcessesAndWindows& processes) {
    WindowHandle window = processes.FindWindowByTitle(kDhcpServerWindowTitle);
    if (window != 0)
        processes.SendSysCommandClose(window);
}

}  // namespace aerowisp
