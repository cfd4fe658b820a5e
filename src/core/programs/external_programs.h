// The outside programs the program drives: netsh.exe, and the DHCP server (dhcp/core/contract.h says how
// it is found).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/platform/processes_and_windows.h"
#include "dhcp/core/contract.h"

namespace aerowisp {

inline constexpr char16_t kNetshProgram[] = u"netsh.exe";
// An address command of netsh.exe that has not ended by then is given up on.
inline constexpr uint32_t kNetshTimeoutMs = 15000;
// A DHCP server window that does not answer its close by then is left alone.
inline constexpr uint32_t kDhcpServerCloseTimeoutMs = 3000;
// DhcpServer.exe's exit code when it could not bind its port.
inline constexpr uint32_t kDhcpServerPortBusyExitCode = dhcp::kExitPortTaken;

// Runs netsh.exe from the System32 folder, hidden, without waiting. Never through the search path: the
// program runs with administrator rights, and a netsh.exe planted in the current folder must not run.
// When the System32 folder is unknown nothing runs. True when netsh.exe was started.
bool RunNetsh(ProcessesAndWindows& processes, const std::u16string& parameters);

// Runs netsh.exe from the System32 folder as RunNetsh does, and waits up to kNetshTimeoutMs for its end.
ProcessRun RunNetshAndWait(ProcessesAndWindows& processes, const std::u16string& parameters);

// Starts DhcpServer.exe from the program folder, hidden, without arguments, without waiting, by its
// wide path, so a folder whose name the ANSI code page cannot hold works too. Null when the program
// was not started.
std::unique_ptr<RunningProcess> StartDhcpServer(ProcessesAndWindows& processes,
                                                const std::u16string& programFolder);

// Asks every "Tftpd32" window whose program is the program folder's DhcpServer.exe to close; another
// program's window of that title is left alone, and a hung one is not waited for.
// The windows of the DHCP servers that run from `programFolder`; none when it is not running.
std::vector<WindowHandle> DhcpServerWindows(ProcessesAndWindows& processes,
                                            const std::u16string& programFolder);
void CloseDhcpServer(ProcessesAndWindows& processes, const std::u16string& programFolder);

}  // namespace aerowisp
