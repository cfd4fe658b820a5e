// The outside programs the program drives: netsh.exe, and the DHCP server "DhcpServer.exe" with its
// window "Tftpd32".
#pragma once

#include <string>

#include "core/platform/ansi_code_page.h"
#include "core/platform/processes_and_windows.h"

namespace aerowisp {

inline constexpr char16_t kNetshProgram[] = u"netsh.exe";
inline constexpr char16_t kDhcpServerProgram[] = u"DhcpServer.exe";
inline constexpr char16_t kDhcpServerWindowTitle[] = u"Tftpd32";

// Runs netsh.exe from the System32 folder, hidden, without waiting. Never through the search path: the
// program runs with administrator rights, and a netsh.exe planted in the current folder must not run.
// When the System32 folder is unknown nothing runs. True when netsh.exe was started.
bool RunNetsh(ProcessesAndWindows& processes, const std::u16string& parameters);

// Starts DhcpServer.exe from the program folder, hidden, without arguments, without waiting. The path
// is quoted: unquoted, "C:\Program Files\..." would first be tried as "C:\Program.exe". A command
// line that does not fit the platform's 256-byte buffer is not run at all rather than cut to a different
// path. False when the program was not started.
bool StartDhcpServer(ProcessesAndWindows& processes, AnsiCodePage& codePage,
                     const std::u16string& programFolder);

// Asks the DHCP server's window, when one is open, to close.
void CloseDhcpServer(ProcessesAndWindows& processes);

}  // namespace aerowisp
