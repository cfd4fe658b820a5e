// netsh.exe and the DHCP server program.
#include "core/programs/external_programs.h"

#include "core/text/ascii_case.h"

namespace aerowisp {
namespace {

// GetWindowTextW's buffer: long enough for the DHCP server's title and a character more, so a longer
// title never reads as it.
constexpr size_t kTitleBufferLength = 64;

std::u16string NetshPath(ProcessesAndWindows& processes) {
    std::u16string folder = processes.SystemFolder();
    if (folder.empty())
        return {};
    if (folder.back() != u'\\')
        folder += u'\\';
    return folder + kNetshProgram;
}

}  // namespace

bool RunNetsh(ProcessesAndWindows& processes, const std::u16string& parameters) {
    const std::u16string netsh = NetshPath(processes);
    return !netsh.empty() && processes.ShellExecuteOpenHidden(netsh, parameters);
}

ProcessRun RunNetshAndWait(ProcessesAndWindows& processes, const std::u16string& parameters) {
    const std::u16string netsh = NetshPath(processes);
    if (netsh.empty())
        return {};
    return processes.RunHiddenAndWait(netsh, parameters, kNetshTimeoutMs);
}

std::unique_ptr<RunningProcess> StartDhcpServer(ProcessesAndWindows& processes,
                                                const std::u16string& programFolder) {
    return processes.StartHidden(programFolder + dhcp::kServerProgram);
}

std::vector<WindowHandle> DhcpServerWindows(ProcessesAndWindows& processes,
                                            const std::u16string& programFolder) {
    const std::u16string ours = programFolder + dhcp::kServerProgram;
    std::vector<WindowHandle> found;
    for (const TopLevelWindow& window : processes.EnumTopLevelWindows(kTitleBufferLength)) {
        if (window.title == dhcp::kServerWindowTitle &&
            EqualsIgnoringCaseAZ(processes.WindowProgramPath(window.handle), ours))
            found.push_back(window.handle);
    }
    return found;
}

void CloseDhcpServer(ProcessesAndWindows& processes, const std::u16string& programFolder) {
    for (const WindowHandle window : DhcpServerWindows(processes, programFolder))
        processes.SendSysCommandCloseWithin(window, kDhcpServerCloseTimeoutMs);
}

}  // namespace aerowisp
